#pragma once

#include <QCoreApplication>
#include <QString>

// Qt starts threads of its own that the window's thread then waits for without a
// bound: the accessibility bridge its D-Bus connection's thread, the raster painter
// the threads of the global pool. Where such a thread cannot start (a machine out of
// threads, a process limit), the window's thread waits forever. So they are brought
// up at start-up, before any thread of ours but the watchdog, and kept for the
// program's life.
class ToolkitThreads
{
    Q_DECLARE_TR_FUNCTIONS(ToolkitThreads)

public:
    // False when the system would not let them start: the program cannot run.
    static bool bringUp();
    // The one line the program then prints.
    static QString refusal();
};
