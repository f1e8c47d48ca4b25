#pragma once

#include <thread>

// Fills Qt's font database on a thread of its own while the window is built.
// The first text laid out needs the whole database, and reading the font
// configuration and every installed font is the longest step of start-up,
// while the user-interface thread spends much of that time waiting on the
// display and the accessibility bus. The database serialises its users: the
// first to need it waits for the filling to end. Made once the application
// object exists, and gone before it goes.
class FontPreload
{
public:
    FontPreload();
    ~FontPreload();
    FontPreload(const FontPreload &) = delete;
    FontPreload &operator=(const FontPreload &) = delete;

private:
    std::thread worker;
};
