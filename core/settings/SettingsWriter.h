#pragma once

#include <QByteArray>

#include <chrono>
#include <utility>
#include <vector>

// The one place that writes Zolvenar.ini, and the values kept for a save from a
// thread that cannot ask the window. The window's thread reads what a save writes
// from its controls; whichever thread ends the process while that thread cannot be
// asked (the watchdog, Qt's Wayland thread) writes the values last kept instead.
// One writer at a time, and nothing written once the process is ending.
class SettingsWriter
{
public:
    // What one save writes: with saving on, the keys a full save writes, in its
    // order (LEFT and TOP left out where a window's place cannot be known); with it
    // off, only that it is off.
    struct Content
    {
        bool full = false;
        std::vector<std::pair<const char *, QByteArray>> values;
    };

    // A save takes milliseconds; one that takes longer is stuck on its disk, and
    // the process ends regardless.
    static constexpr std::chrono::seconds endWait { 2 };

    // Writes now. A file that could not be read is left alone, the short save never
    // creates the file, and a failed save keeps the earlier file.
    static void write(const Content &content);
    // The window's save at its close: written as above, and nothing is kept after it.
    static void writeLast(const Content &content);
    // What a save as last seen would write now, kept current by the window's thread.
    static void keep(Content content);
    // Nothing left to write from elsewhere: the window is gone.
    static void forget();
    // The process is ending on this thread: writes the values kept, once, waiting at
    // most endWait for a save under way. No save writes after it.
    static void writeKeptAtEnd();
};
