#include "support/FormFixture.h"

#include <QApplication>
#include <QDir>
#include <QTest>

bool FormFixture::enterTemporaryDirectory()
{
    workDir = std::make_unique<QTemporaryDir>();
    return workDir->isValid() && QDir::setCurrent(workDir->path());
}

bool FormFixture::openForm(Show show)
{
    form = std::make_unique<ZolvenarMainForm>();
    switch (show) {
    case Show::no:
        return true;
    case Show::exposed:
        form->show();
        return QTest::qWaitForWindowExposed(form.get());
    case Show::active:
        form->show();
        QApplication::setActiveWindow(form.get());
        return QTest::qWaitForWindowActive(form.get());
    }
    return false;
}
