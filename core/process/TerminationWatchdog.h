#pragma once

#include <chrono>
#include <thread>

// Ends the process when a termination signal has come and the window's thread has
// not ended the program in order within the grace below: that thread may be stuck
// where only the end of the process helps (in a toolkit waiting for a thread that
// never started, on a clipboard owner that never answers). Before the end it runs
// ExitGuard's work for elsewhere, which needs nothing from the stuck thread; the
// end is then the signal's own, as if it had never been caught.
//
// The count runs from the first signal to the return from main, Qt's teardown and a
// clipboard manager's hand-over included. TerminationSignals keeps its handlers for
// the process's life, and later signals wait for the close; they do not move the
// deadline. Only the same signal a third time within a second ends the process
// sooner, from the handler and without this save. The end sets the default for its
// signal alone, just before sending it, so that one is not caught as one more.
class TerminationWatchdog
{
public:
    // Long enough for every step of an orderly close that is not stuck (the save,
    // the run's threads, the window manager's restore: a second at most), short
    // enough that a logout waiting on the program is not held up and that whoever
    // sent the signal sees it work.
    static constexpr std::chrono::seconds grace { 5 };

    // Watches from now on, on a thread of its own under the thread cap; without a
    // thread to spare there is no watchdog. One per process.
    TerminationWatchdog();
    // Stops watching: the program has ended in order.
    ~TerminationWatchdog();
    TerminationWatchdog(const TerminationWatchdog &) = delete;
    TerminationWatchdog &operator=(const TerminationWatchdog &) = delete;

private:
    std::thread thread;
};
