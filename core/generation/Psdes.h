#pragma once

#include <cstdint>
#include <utility>

// The pseudo-DES hash used as a counter-mode random source: each draw mixes the
// fixed seed word with a counter that then advances. Not locked; its owner serialises draws.
class Psdes
{
public:
    Psdes(std::uint32_t seed, std::uint32_t counter);

    // Seed and counter from one reading of the tick counter (low and high words).
    static Psdes fromTicks(std::uint64_t ticks);

    std::uint32_t next();

    // Four mixing rounds on (left, right); returns the words after them.
    static std::pair<std::uint32_t, std::uint32_t> mix(std::uint32_t left, std::uint32_t right);

private:
    std::uint32_t seed;
    std::uint32_t counter;
};
