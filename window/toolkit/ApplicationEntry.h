#pragma once

#include <QCoreApplication>

#include <functional>
#include <memory>

class QWidget;

// The program's run from an existing application object: styles, the main
// form, the message loop. Anything thrown before or during the loop ends the
// run with the "Fatal Error" box.
class ApplicationEntry
{
    Q_DECLARE_TR_FUNCTIONS(ApplicationEntry)

public:
    using FormFactory = std::function<std::unique_ptr<QWidget>()>;

    // 0 once the main form has closed, 1 after a fatal error.
    static int run(const FormFactory &createMainForm);
};
