#pragma once

#include <QByteArray>

#include <optional>

// One line of a section, kept as the bytes that were read so that a save writes
// back exactly what the user wrote.
class IniLine
{
public:
    explicit IniLine(std::optional<QByteArray> text = std::nullopt);
    virtual ~IniLine();

    IniLine(const IniLine &) = delete;
    IniLine &operator=(const IniLine &) = delete;

    // The line without its terminator; absent for a key changed in memory.
    const std::optional<QByteArray> &text() const { return lineText; }

protected:
    std::optional<QByteArray> lineText;
};
