#pragma once

// Processing the window messages that are waiting, from inside a long handler.
class PendingMessages
{
public:
    // Runs every pending event; false once the application is quitting.
    static bool process();
    // Marks the application as quitting (the main window has closed).
    static void setQuitting(bool quitting);
    static bool quitting();
};
