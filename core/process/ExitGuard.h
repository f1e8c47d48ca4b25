#pragma once

#include <functional>

// Work to run should the process end past every closing sequence while it is armed:
// a library that gives up ends the program through exit() (Qt when the X11
// connection breaks) or from a thread of its own (Qt's Wayland plugin), and the
// watchdog ends a window that no longer answers. The owner's work runs only on the
// thread that armed it; the work for elsewhere needs nothing from that thread and
// runs when any other thread ends the process. Only one of them runs, once.
class ExitGuard
{
public:
    static void arm(std::function<void()> work, std::function<void()> elsewhere);
    static void disarm();
    // For a thread about to end the process past exit(): runs what exit() would run
    // on this thread. A second thread waits until that has run, and runs nothing.
    static void endingHere();
};
