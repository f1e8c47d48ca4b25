#include "app/ZolvenarMainForm.h"
#include "toolkit/MessageBoxes.h"
#include "toolkit/ZolvenarApplication.h"

#include <exception>

int main(int argc, char *argv[])
{
    ZolvenarApplication app(argc, argv);
    try {
        ZolvenarApplication::enableVisualStyles();
        ZolvenarMainForm form;
        form.show();
        app.exec();
        return 0;
    } catch (const std::exception &error) {
        MessageBoxes::showError(QString::fromUtf8(error.what()), QStringLiteral("Fatal Error"));
    } catch (...) {
        MessageBoxes::showError(QStringLiteral("Unknown error"), QStringLiteral("Fatal Error"));
    }
    return 1;
}
