#pragma once

// The X session manager as Qt's xcb platform talks to it, through libSM and libICE.
// Qt tells the program neither whether a "save yourself" ends the session or is a
// checkpoint, nor that the connection broke (libICE's default then exits): both
// are taken from the libraries themselves here.
class SessionManagement
{
public:
    // Before the application object connects to the session manager. From then on
    // a session manager that goes away ends session management, not the program.
    static void install();

    // While a "save yourself" is being handled: whether the session ends after it (a
    // logout or shutdown) rather than going on (a checkpoint). True when unknown,
    // which keeps the question a logout needs.
    static bool sessionEnding();
};
