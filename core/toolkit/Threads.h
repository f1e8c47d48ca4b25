#pragma once

#include <QCoreApplication>

#include <functional>
#include <thread>

// Starts the program's own threads, keeping it under a fixed number of live threads.
class Threads
{
    Q_DECLARE_TR_FUNCTIONS(Threads)

public:
    // The user-interface thread counts as one of them.
    static constexpr int maxAlive = 1024;

    // Starts body on a new detached thread. Throws std::runtime_error with
    // "Thread error: too many threads" or "Thread error: failed to start".
    static void start(std::function<void()> body);

    // The same for a thread its owner joins (the font preload, the icon decoding,
    // the watchdog). Its place under the cap is free once body has ended, before
    // the join.
    static std::thread startJoinable(std::function<void()> body);

    // Live threads of the program, the user-interface thread included.
    static int alive();

    // Blocks until no thread started here is alive any more, joinable ones included
    // (for tests).
    static void waitForAll();

    // Test hook: when set, the next starts fail as if the system refused them.
    static void setRefuseForTesting(bool refuse);
};
