#pragma once

#include <QObject>

class QSocketNotifier;

// SIGTERM, SIGINT, SIGHUP and SIGQUIT (logout, shutdown, a closed terminal, the
// keyboard) as a Qt signal on the thread that installed them, so the program can
// close in order. The handler itself only writes to a pipe.
class TerminationSignals : public QObject
{
    Q_OBJECT

public:
    // Installs the handlers once, owned by the application object; later calls
    // return the same object. Needs a QCoreApplication.
    static TerminationSignals &install();
    // The installed object, or nullptr.
    static TerminationSignals *installed();
    ~TerminationSignals() override;

Q_SIGNALS:
    // Nobody connected: the signal's default action, as if it had never been caught.
    void received(int signalNumber);

private:
    explicit TerminationSignals(QObject *parent);
    void readPending();

    QSocketNotifier *notifier = nullptr;
};
