#pragma once

#include <QByteArray>

#include <initializer_list>

// Root reads and writes any file, whatever its mode. While this lives, this
// thread opens files as a plain user would, and the given paths are that user's.
// Run by a plain user already, it changes nothing.
class PlainUser
{
public:
    explicit PlainUser(std::initializer_list<QByteArray> paths);
    ~PlainUser();
    PlainUser(const PlainUser &) = delete;
    PlainUser &operator=(const PlainUser &) = delete;

    // False when the paths could not be handed over.
    bool ready() const { return isReady; }

private:
    bool changed = false;
    bool isReady = true;
};
