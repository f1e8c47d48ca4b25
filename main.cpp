#include "window/app/ZolvenarMainForm.h"
#include "window/toolkit/ApplicationEntry.h"
#include "window/toolkit/ZolvenarApplication.h"

int main(int argc, char *argv[])
{
    ZolvenarApplication app(argc, argv);
    ZolvenarApplication::setApplicationName(QStringLiteral("Zolvenar"));
    // Lets docks and task bars match the window to zolvenar.desktop and its icon.
    ZolvenarApplication::setDesktopFileName(QStringLiteral("zolvenar"));
    return ApplicationEntry::run([] { return std::make_unique<ZolvenarMainForm>(); });
}
