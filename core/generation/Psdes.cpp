#include "core/generation/Psdes.h"

namespace {
constexpr std::uint32_t c1[4] = { 0xBAA96887u, 0x1E17D32Cu, 0x03BCDC3Cu, 0x0F33D1B2u };
constexpr std::uint32_t c2[4] = { 0x4B0F3B58u, 0xE874F0C3u, 0x6955C5A6u, 0x55A7CA46u };
} // namespace

Psdes::Psdes(std::uint32_t seed, std::uint32_t counter)
    : seed(seed)
    , counter(counter)
{ }

Psdes Psdes::fromTicks(std::uint64_t ticks)
{
    return Psdes(static_cast<std::uint32_t>(ticks), static_cast<std::uint32_t>(ticks >> 32));
}

std::uint32_t Psdes::next()
{
    const std::uint32_t right = mix(seed, counter).second;
    ++counter;
    return right;
}

std::pair<std::uint32_t, std::uint32_t> Psdes::mix(std::uint32_t left, std::uint32_t right)
{
    for (int i = 0; i < 4; ++i) {
        const std::uint32_t a = right ^ c1[i];
        const std::uint32_t lo = a & 0xFFFFu;
        const std::uint32_t hi = a >> 16;
        std::uint32_t b = lo * lo + ~(hi * hi);
        b = (b >> 16) | (b << 16);
        const std::uint32_t newRight = left ^ ((b ^ c2[i]) + lo * hi);
        left = right;
        right = newRight;
    }
    return { left, right };
}
