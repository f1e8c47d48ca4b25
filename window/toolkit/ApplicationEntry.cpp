#include "window/toolkit/ApplicationEntry.h"

#include "window/toolkit/MessageBoxes.h"
#include "window/toolkit/ZolvenarApplication.h"

#include <QWidget>

int ApplicationEntry::run(const FormFactory &createMainForm)
{
    try {
        ZolvenarApplication::enableVisualStyles();
        std::unique_ptr<QWidget> form = createMainForm();
        form->show();
        // The loop's own result is not the program's: a closed main form is success.
        QApplication::exec();
        return 0;
    } catch (...) {
        MessageBoxes::showError(ZolvenarApplication::describe(std::current_exception()), tr("Fatal Error"));
    }
    return 1;
}
