#pragma once

// Keeps the passwords in this process's memory out of reach of anything but the
// process itself: no core file on a crash, and no other process of the same user
// reading or tracing its memory.
class ProcessPrivacy
{
public:
    // Before any password exists. False when the system refused either part.
    static bool apply();
};
