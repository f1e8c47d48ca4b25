#include "toolkit/ZolvenarApplication.h"

#include <cstdio>
#include <exception>

namespace {
ZolvenarApplication::ErrorWindowHook errorWindowHook;
} // namespace

ZolvenarApplication::ZolvenarApplication(int &argc, char **argv)
    : QApplication(argc, argv)
{
}

bool ZolvenarApplication::notify(QObject *receiver, QEvent *event)
{
    try {
        return QApplication::notify(receiver, event);
    } catch (const std::exception &error) {
        reportHandlerError(QString::fromUtf8(error.what()));
    } catch (...) {
        reportHandlerError(QStringLiteral("Unknown error"));
    }
    return false;
}

void ZolvenarApplication::reportHandlerError(const QString &text)
{
    // Stub until the error window lands: always Quit.
    if (errorWindowHook && errorWindowHook(text))
        return;
    const QByteArray bytes = text.toUtf8();
    std::printf("Error: %.*s\n", static_cast<int>(bytes.size()), bytes.constData());
    std::fflush(stdout);
    std::_Exit(1);
}

void ZolvenarApplication::enableVisualStyles()
{
}

void ZolvenarApplication::setErrorWindowHook(ErrorWindowHook hook)
{
    errorWindowHook = std::move(hook);
}
