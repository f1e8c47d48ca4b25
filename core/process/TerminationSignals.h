#pragma once

#include <QObject>

class QSocketNotifier;

// SIGTERM, SIGINT, SIGHUP and SIGQUIT (logout, shutdown, a closed terminal, the
// keyboard) as a Qt signal on the thread that installed them, so the program can
// close in order. The handler itself only writes to a pipe.
//
// The handlers stay for the process's life: a signal that comes once the object
// has gone with the application waits for the rest of the close (Qt's teardown, the
// clipboard's hand-over to a clipboard manager). Only the same signal a third time,
// within a second of the one before, ends the process at once.
class TerminationSignals : public QObject
{
    Q_OBJECT

public:
    // Installs the handlers once, the object owned by the application object; later
    // calls return the same object. Needs a QCoreApplication.
    static TerminationSignals &install();
    // The installed object, or nullptr.
    static TerminationSignals *installed();
    // Told of each signal from the handler itself, whatever the installing thread is
    // doing and also once the object has gone, so it must be async-signal-safe; told
    // before a third signal ends the process. One at a time; nullptr for none.
    static void setObserver(void (*observer)(int signalNumber));

Q_SIGNALS:
    // Nobody connected: the signal's default action, as if it had never been caught.
    void received(int signalNumber);

private:
    explicit TerminationSignals(QObject *parent);
    void readPending();

    QSocketNotifier *notifier = nullptr;
};
