#pragma once

class GenerationOptions;

// What one password is worth with the given options, in bits of min-entropy: the
// smaller of what a password of the minimum length can hold (output) and what the
// samples put into its digests (input). Lengths above the minimum come from the
// non-cryptographic source and add nothing.
class StrengthModel
{
public:
    enum class Limit {
        length, // the output side: the pool and the minimum length
        samples, // the input side: one bit credited per sample
        systemRandom, // the system's randomness is mixed in: the output side alone
    };

    struct Figure
    {
        double bits = 0; // rounded down to one decimal
        Limit limit = Limit::length;
        // With each set required, no password of the minimum length can hold them all.
        bool impossible = false;
    };

    static Figure of(const GenerationOptions &options);

    // Unrounded sides, for the figure and its tests.
    // Every character counted by its min-entropy given the ones before it (ideal
    // digests), less what keeping only the passwords that hold each set costs.
    static double outputBits(const GenerationOptions &options);
    // One bit a sample, at most 128 a digest and never more than the characters
    // a digest becomes can hold; with each set required, less the same cost.
    static double inputBits(const GenerationOptions &options);
};
