#include "core/generation/RandomnessCheck.h"
#include "core/process/CommandLine.h"
#include "core/process/ProcessPrivacy.h"
#include "core/process/TerminationWatchdog.h"
#include "window/app/ZolvenarMainForm.h"
#include "window/toolkit/ApplicationEntry.h"
#include "window/toolkit/FontPreload.h"
#include "window/toolkit/ToolkitThreads.h"
#include "window/toolkit/Translations.h"
#include "window/toolkit/ZolvenarApplication.h"
#include "window/x11/SessionManagement.h"

#include <QCoreApplication>

#include <csignal>
#include <cstdio>
#include <cstdlib>

int main(int argc, char *argv[])
{
    // Before anything can write: past a file-size limit a write then fails with an
    // error instead of the signal ending the program (standard error redirected to
    // a file that has reached the limit is enough).
    std::signal(SIGXFSZ, SIG_IGN);
    // Then, before any password exists: it would live in this process's memory.
    ProcessPrivacy::apply();
    const CommandLine::Command command = CommandLine::parse(QByteArrayList(argv + 1, argv + argc));
    if (command == CommandLine::Command::version || command == CommandLine::Command::help) {
        // Translations live on an application object; this one needs no display.
        int coreArgc = 1;
        const QCoreApplication core(coreArgc, argv);
        Translations::install();
        const QByteArray text
            = command == CommandLine::Command::version ? CommandLine::versionText() : CommandLine::helpText();
        std::fwrite(text.constData(), 1, text.size(), stdout);
        return 0;
    }
    if (command == CommandLine::Command::checkRandomness) {
        // No application object: the check needs no display.
        const auto printLine = [](const std::string &line) {
            std::fputs(line.c_str(), stdout);
            std::fputc('\n', stdout);
            std::fflush(stdout);
        };
        return RandomnessCheck::run(printLine, RandomnessCheck::Settings {});
    }
    // The first of our threads, so that a machine short of them still has it; it
    // outlives the application object, whose end may hang as well.
    const TerminationWatchdog watchdog;
    // Qt's own options (-platform, -qwindowtitle, -reverse, ...) are not honoured either.
    int qtArgc = 1;
    char *qtArgv[] = { argv[0], nullptr };
    SessionManagement::install();
    ZolvenarApplication app(qtArgc, qtArgv);
    // Before the first text, the refusal below included.
    Translations::install();
    if (!ToolkitThreads::bringUp()) {
        std::fprintf(stderr, "%s\n", qPrintable(ToolkitThreads::refusal()));
        std::fflush(stderr);
        // Qt's own end would wait for a pool thread that never started.
        std::_Exit(1);
    }
    const FontPreload fonts;
    ZolvenarApplication::setApplicationName(QStringLiteral("Zolvenar"));
    // Lets docks and task bars match the window to zolvenar.desktop and its icon.
    ZolvenarApplication::setDesktopFileName(QStringLiteral("zolvenar"));
    return ApplicationEntry::run([] { return std::make_unique<ZolvenarMainForm>(); });
}
