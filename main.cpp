#include "app/ZolvenarMainForm.h"
#include "toolkit/ApplicationEntry.h"
#include "toolkit/ZolvenarApplication.h"

int main(int argc, char *argv[])
{
    ZolvenarApplication app(argc, argv);
    ZolvenarApplication::setApplicationName(QStringLiteral("Zolvenar"));
    return ApplicationEntry::run([] { return std::make_unique<ZolvenarMainForm>(); });
}
