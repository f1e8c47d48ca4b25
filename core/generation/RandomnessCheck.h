#pragma once

#include <chrono>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

// The randomness check a user runs on their own machine, without a display: a
// generator-only run with the real threads and tick counter, then the timer
// samples' min-entropy and a chi-square of every character position.
class RandomnessCheck
{
public:
    struct Settings
    {
        int passwords = 10000; // about 161 of each character per position
        int generators = 99;
        // Leaves the rest of the minute for starting and the figures.
        std::chrono::milliseconds deadline { 50000 };
    };

    struct Collected
    {
        std::vector<std::string> passwords;
        std::vector<std::uint32_t> samples; // every timer sample the run took
        double seconds = 0;
        int generatorsStarted = 0;
        std::optional<std::string> startError; // why a generator could not start
        std::optional<std::string> failure; // why the engine stopped the run
    };

    static constexpr int passwordLength = 16;
    static constexpr int strength = 25; // the lowest the options allow: the most characters per sample
    static const char *const pool; // the 62 letters and digits, in pool order
    // Positions 2 onward together are judged at this false-alarm rate.
    static constexpr double familyLevel = 0.001;
    static constexpr int failStatus = 3;

    // Runs the engine until it has made the passwords or the deadline has passed.
    static Collected collect(const Settings &settings);

    // How often each pool character came at each position, by position then pool index.
    static std::vector<std::vector<std::uint64_t>> countsByPosition(const std::vector<std::string> &passwords);

    // Runs the check and prints its report a line at a time; the exit status:
    // 0 for a pass, failStatus otherwise.
    using Print = std::function<void(const std::string &line)>;
    static int run(const Print &print, const Settings &settings);
};
