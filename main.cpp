#include "core/toolkit/ProcessPrivacy.h"
#include "window/app/ZolvenarMainForm.h"
#include "window/toolkit/ApplicationEntry.h"
#include "window/toolkit/ZolvenarApplication.h"

int main(int, char *argv[])
{
    // First of all: every password lives in this process's memory.
    ProcessPrivacy::apply();
    // The program takes no arguments, and Qt's own (-qwindowtitle, -reverse, ...) are not honoured either.
    int qtArgc = 1;
    char *qtArgv[] = { argv[0], nullptr };
    ZolvenarApplication app(qtArgc, qtArgv);
    ZolvenarApplication::setApplicationName(QStringLiteral("Zolvenar"));
    // Lets docks and task bars match the window to zolvenar.desktop and its icon.
    ZolvenarApplication::setDesktopFileName(QStringLiteral("zolvenar"));
    return ApplicationEntry::run([] { return std::make_unique<ZolvenarMainForm>(); });
}
