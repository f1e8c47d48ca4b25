#pragma once

#include <QCoreApplication>

#include <cstddef>
#include <functional>

// The kernel's random bytes, through getrandom().
class SystemRandom
{
    Q_DECLARE_TR_FUNCTIONS(SystemRandom)

public:
    // Fills size bytes; waits only while the kernel's pool is not yet initialised
    // (early boot). Throws std::runtime_error naming the system's reason on failure.
    static void fill(unsigned char *data, std::size_t size);

    // Test hook: replaces getrandom() until reset with an empty function. The source
    // behaves as getrandom() does: the count it filled, or -1 with errno set.
    using Source = std::function<long(unsigned char *data, std::size_t size)>;
    static void setSourceForTesting(Source source);
};
