// Cost of one strength figure, as the window pays it on every change of an option:
// the options read from the controls' texts, then the figure. The worst the settings
// file can give: 10,000-character custom sets to include and to exclude, five sets
// each required, the longest minimum length and the highest strength.
#include "core/generation/GenerationOptions.h"
#include "core/generation/StrengthModel.h"

#include <chrono>
#include <cstdio>
#include <ctime>

namespace {

GenerationOptions::Inputs worstInputs()
{
    GenerationOptions::Inputs inputs;
    inputs.minLength = "65535";
    inputs.maxLength = "65535";
    inputs.passCount = "1";
    inputs.passStrength = "9999";
    inputs.generators = "0";
    inputs.lowerCase = { true, "abcdefghijklmnopqrstuvwxyz" };
    inputs.upperCase = { true, "ABCDEFGHIJKLMNOPQRSTUVWXYZ" };
    inputs.number = { true, "0123456789" };
    inputs.symbol = { true, "!@#$%&^*-+=<>?/" };
    std::string custom;
    while (custom.size() < 10000)
        custom.push_back(static_cast<char>(0x21 + custom.size() % 94));
    inputs.includeCustom = { true, custom };
    // Ranges over letters and symbols the similar set already took, and "~".
    std::string excluded;
    while (excluded.size() < 10000)
        excluded += "\xC3\xA0-\xC3\xBF"
                    "0-1i-jO~";
    inputs.excludeCustom = { true, excluded.substr(0, 10000) };
    inputs.similar = { true, "1iIjl0oO!5S2Z" };
    inputs.requireEachSet = true;
    return inputs;
}

double threadCpuUs()
{
    timespec now {};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return now.tv_sec * 1e6 + now.tv_nsec / 1e3;
}

struct Cost
{
    double wall;
    double cpu; // the thread's own processor time, which other load on the machine does not inflate
};

template <typename Work> Cost microseconds(int rounds, Work work)
{
    const auto start = std::chrono::steady_clock::now();
    const double cpuStart = threadCpuUs();
    for (int i = 0; i < rounds; ++i)
        work();
    const double cpu = threadCpuUs() - cpuStart;
    const auto elapsed = std::chrono::steady_clock::now() - start;
    return { std::chrono::duration<double, std::micro>(elapsed).count() / rounds, cpu / rounds };
}

} // namespace

int main()
{
    const GenerationOptions::Inputs inputs = worstInputs();
    const GenerationOptions options = GenerationOptions::fromInputs(inputs);
    volatile double sink = 0;
    const auto figureOnly = [&] { sink = sink + StrengthModel::of(options).bits; };
    const auto fromTexts = [&] { sink = sink + StrengthModel::of(GenerationOptions::fromInputs(inputs)).bits; };
    microseconds(200, fromTexts); // warm-up
    const Cost whole = microseconds(2000, fromTexts);
    const Cost figure = microseconds(20000, figureOnly);
    std::printf("One strength figure: 10,000-character custom sets, %zu sets required, length %d, strength %d\n",
        options.requiredSets.size(), options.minLength, options.passStrength);
    std::printf("  options read and figure: %7.1f us (%7.1f us of processor time)\n", whole.wall, whole.cpu);
    std::printf("  figure alone:            %7.1f us (%7.1f us of processor time), %.1f bits\n", figure.wall,
        figure.cpu, StrengthModel::of(options).bits);
    return 0;
}
