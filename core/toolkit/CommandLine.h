#pragma once

#include <QByteArray>
#include <QByteArrayList>

#include <optional>

// The two arguments the program answers itself, without a display: --version and
// --help. Every other argument, Qt's own options included, is ignored.
class CommandLine
{
public:
    struct Answer
    {
        QByteArray text; // for standard output
        int exitCode = 0;
    };

    // The answer when an argument asks for one; nullopt to open the window.
    static std::optional<Answer> answer(const QByteArrayList &arguments);
};
