#pragma once

#include <functional>

// Work to run should the process end through exit() while it is armed: a library
// that gives up, such as Qt when the display connection breaks, ends the program
// that way, past every closing sequence. Runs on the thread that armed it only.
class ExitGuard
{
public:
    static void arm(std::function<void()> work);
    static void disarm();
};
