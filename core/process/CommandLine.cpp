#include "core/process/CommandLine.h"

std::optional<QByteArray> CommandLine::answer(const QByteArrayList &arguments)
{
    for (const QByteArray &argument : arguments) {
        if (argument == "--version")
            return QByteArray("zolvenar " ZOLVENAR_VERSION "\n");
        if (argument == "--help") {
            return QByteArray("Usage: zolvenar [--help | --version]\n"
                              "Opens the password generator's window. Its options live in Zolvenar.ini\n"
                              "in the current directory; every other argument is ignored.\n");
        }
    }
    return std::nullopt;
}
