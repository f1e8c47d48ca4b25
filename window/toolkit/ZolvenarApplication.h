#pragma once

#include <QApplication>

#include <functional>

// The application object. Every event handler runs inside notify() (signals,
// queued calls, timers and work posted through UiPoster all arrive as events),
// so an error escaping any handler is caught here and shown in the error window.
class ZolvenarApplication : public QApplication
{
    Q_OBJECT

public:
    ZolvenarApplication(int &argc, char **argv);

    bool notify(QObject *receiver, QEvent *event) override;

    // Shows the error window for an error that escaped a handler: Continue drops it,
    // Quit writes "Error: <text>\n" to standard output and exits with code 1. A second
    // error while the window is open does the same at once.
    static void reportHandlerError(const QString &text);

    static void enableVisualStyles();

    // Test hook: chooses Continue (true) or Quit (false) instead of the window.
    using ErrorWindowHook = std::function<bool(const QString &text)>;
    static void setErrorWindowHook(ErrorWindowHook hook);

    // The text of any thrown object, as the error window and the fatal box show it.
    static QString describe(std::exception_ptr error);

private:
    [[noreturn]] static void quitWithError(const QString &text);
};
