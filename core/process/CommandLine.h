#pragma once

#include <QByteArray>
#include <QByteArrayList>
#include <QCoreApplication>

// The arguments the program answers without a display: --version, --help and
// --check-randomness; the first of them decides. Every other argument, Qt's own
// options included, is ignored.
class CommandLine
{
    Q_DECLARE_TR_FUNCTIONS(CommandLine)

public:
    enum class Command {
        openWindow,
        version,
        help,
        checkRandomness,
    };

    static Command parse(const QByteArrayList &arguments);

    // What --version and --help print on standard output; --help in the language
    // installed on the application object, in English without one.
    static QByteArray versionText();
    static QByteArray helpText();
};
