#include "core/toolkit/CommandLine.h"

std::optional<CommandLine::Answer> CommandLine::answer(const QByteArrayList &arguments)
{
    for (const QByteArray &argument : arguments) {
        if (argument == "--version")
            return Answer { "zolvenar " ZOLVENAR_VERSION "\n" };
        if (argument == "--help") {
            return Answer { "Usage: zolvenar [--help | --version]\n"
                            "Opens the password generator's window. Its options live in Zolvenar.ini\n"
                            "in the current directory; every other argument is ignored.\n" };
        }
    }
    return std::nullopt;
}
