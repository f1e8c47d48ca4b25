#pragma once

#include <QByteArray>
#include <QByteArrayList>

#include <optional>

// The two arguments the program answers itself, without a display: --version and
// --help. Every other argument, Qt's own options included, is ignored.
class CommandLine
{
public:
    // The text for standard output when an argument asks for one; nullopt to open
    // the window.
    static std::optional<QByteArray> answer(const QByteArrayList &arguments);
};
