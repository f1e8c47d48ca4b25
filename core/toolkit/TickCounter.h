#pragma once

#include <cstdint>
#include <functional>

// The monotonic high-resolution tick counter and the millisecond sleep.
class TickCounter
{
public:
    // Nanosecond ticks of the steady clock; only differences mean anything.
    static std::uint64_t ticks();
    static void sleepMs(int milliseconds);

    // Test hook: replaces the clock until reset with an empty function.
    static void setSourceForTesting(std::function<std::uint64_t()> source);
};
