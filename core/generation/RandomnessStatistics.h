#pragma once

#include <cstdint>
#include <vector>

// The figures by which generated characters and timer samples are judged: the
// chi-square of counts against equal or given shares, and the most-common-value
// min-entropy estimate.
class RandomnessStatistics
{
public:
    struct ChiSquare
    {
        double statistic = 0;
        double pValue = 0; // of a statistic at least this large, counts.size() - 1 degrees of freedom
    };

    // Against equal shares of every cell.
    static ChiSquare chiSquare(const std::vector<std::uint64_t> &counts);
    // Against the given shares, one per cell, summing to 1.
    static ChiSquare chiSquare(const std::vector<std::uint64_t> &counts, const std::vector<double> &shares);

    // Regularised upper incomplete gamma function Q(a, x).
    static double upperGamma(double a, double x);

    // Most-common-value estimate (as in NIST SP 800-90B) over the values with the
    // mask applied: -log2 of the upper 99% bound of the commonest value's share.
    static double mcvMinEntropy(const std::vector<std::uint32_t> &values, std::uint32_t mask = 0xFFFFFFFFu);
};
