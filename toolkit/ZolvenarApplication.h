#pragma once

#include <QApplication>

#include <functional>

// The application object. Every event handler runs inside notify(), so an error
// escaping any handler is caught here and shown in the application error window.
class ZolvenarApplication : public QApplication
{
    Q_OBJECT

public:
    ZolvenarApplication(int &argc, char **argv);

    bool notify(QObject *receiver, QEvent *event) override;

    // Shows the error window for an error that escaped a handler: Continue drops it,
    // Quit writes "Error: <text>\n" to standard output and exits with code 1.
    static void reportHandlerError(const QString &text);

    static void enableVisualStyles();

    // Test hook: chooses Continue (true) or Quit (false) instead of the window.
    using ErrorWindowHook = std::function<bool(const QString &text)>;
    static void setErrorWindowHook(ErrorWindowHook hook);
};
