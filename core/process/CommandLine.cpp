#include "core/process/CommandLine.h"

CommandLine::Command CommandLine::parse(const QByteArrayList &arguments)
{
    for (const QByteArray &argument : arguments) {
        if (argument == "--version")
            return Command::version;
        if (argument == "--help")
            return Command::help;
        if (argument == "--check-randomness")
            return Command::checkRandomness;
    }
    return Command::openWindow;
}

QByteArray CommandLine::versionText()
{
    return QByteArray("zolvenar " ZOLVENAR_VERSION "\n");
}

QByteArray CommandLine::helpText()
{
    return (tr("Usage: zolvenar [--help | --version | --check-randomness]\n"
               "Opens the password generator's window. Its options live in Zolvenar.ini\n"
               "in the current directory; every other argument is ignored.\n")
        + tr("--check-randomness measures this machine's timer randomness and the generated\n"
             "characters in under a minute; exit status 3 when the check fails.\n"))
        .toUtf8();
}
