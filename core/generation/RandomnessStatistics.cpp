#include "core/generation/RandomnessStatistics.h"

#include <algorithm>
#include <cmath>
#include <unordered_map>

double RandomnessStatistics::upperGamma(double a, double x)
{
    if (x <= 0)
        return 1.0;
    const double lnPrefix = -x + a * std::log(x) - std::lgamma(a);
    // 1000 terms or fractions: both converge within a few hundred for any
    // degrees of freedom a pool can give.
    if (x < a + 1) {
        double term = 1.0 / a, sum = term;
        for (int n = 1; n < 1000; ++n) {
            term *= x / (a + n);
            sum += term;
            if (term < sum * 1e-15)
                break;
        }
        return 1.0 - sum * std::exp(lnPrefix);
    }
    double b = x + 1 - a, c = 1e300, d = 1 / b, h = d;
    for (int i = 1; i < 1000; ++i) {
        const double an = -i * (i - a);
        b += 2;
        d = an * d + b;
        if (std::fabs(d) < 1e-300)
            d = 1e-300;
        c = b + an / c;
        if (std::fabs(c) < 1e-300)
            c = 1e-300;
        d = 1 / d;
        const double delta = d * c;
        h *= delta;
        if (std::fabs(delta - 1) < 1e-15)
            break;
    }
    return std::exp(lnPrefix) * h;
}

RandomnessStatistics::ChiSquare RandomnessStatistics::chiSquare(const std::vector<std::uint64_t> &counts)
{
    return chiSquare(counts, std::vector<double>(counts.size(), 1.0 / static_cast<double>(counts.size())));
}

RandomnessStatistics::ChiSquare RandomnessStatistics::chiSquare(
    const std::vector<std::uint64_t> &counts, const std::vector<double> &shares)
{
    std::uint64_t total = 0;
    for (auto count : counts)
        total += count;
    ChiSquare result;
    for (std::size_t i = 0; i < counts.size(); ++i) {
        const double expected = static_cast<double>(total) * shares[i];
        const double difference = static_cast<double>(counts[i]) - expected;
        result.statistic += difference * difference / expected;
    }
    const double freedom = static_cast<double>(counts.size() - 1);
    result.pValue = upperGamma(freedom / 2, result.statistic / 2);
    return result;
}

double RandomnessStatistics::mcvMinEntropy(const std::vector<std::uint32_t> &values, std::uint32_t mask)
{
    std::unordered_map<std::uint32_t, std::uint64_t> counts;
    counts.reserve(values.size());
    std::uint64_t most = 0;
    for (const std::uint32_t value : values)
        most = std::max(most, ++counts[value & mask]);
    const double n = static_cast<double>(values.size());
    const double p = static_cast<double>(most) / n;
    const double upper = std::min(1.0, p + 2.576 * std::sqrt(p * (1 - p) / (n - 1)));
    return -std::log2(upper);
}
