#pragma once

#include <sys/resource.h>

// Caps the size of any file this process writes while it lives, so a write fails
// part-way. Unless the test leaves the signal as the program set it, the signal
// that would end the process turns into a plain write error.
class FileSizeLimit
{
public:
    enum class Signal { ignored, asTheProgramSetIt };

    explicit FileSizeLimit(rlim_t bytes, Signal signal = Signal::ignored);
    ~FileSizeLimit();
    FileSizeLimit(const FileSizeLimit &) = delete;
    FileSizeLimit &operator=(const FileSizeLimit &) = delete;

private:
    rlimit saved {};
    void (*previousHandler)(int) = nullptr;
};
