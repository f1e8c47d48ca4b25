#pragma once

#include <sys/resource.h>

// Caps the size of any file this process writes while it lives, so a write fails
// part-way; the signal that would end the process turns into a plain write error.
class FileSizeLimit
{
public:
    explicit FileSizeLimit(rlim_t bytes);
    ~FileSizeLimit();
    FileSizeLimit(const FileSizeLimit &) = delete;
    FileSizeLimit &operator=(const FileSizeLimit &) = delete;

private:
    rlimit saved {};
    void (*previousHandler)(int) = nullptr;
};
