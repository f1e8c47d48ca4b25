#include "window/toolkit/ZolvenarApplication.h"

#include "core/process/ExitGuard.h"
#include "core/process/TerminationSignals.h"
#include "window/toolkit/ErrorWindow.h"
#include "window/toolkit/Translations.h"

#include <QPalette>
#include <QStyleFactory>

#include <atomic>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <exception>
#include <utility>

namespace {
ZolvenarApplication::ErrorWindowHook errorWindowHook;
bool errorWindowOpen = false; // user-interface thread only

// Messages while Qt looks for a display, held back so that a failure prints one line.
QStringList heldMessages;
QString displayProblem;

void holdStartMessages(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    if (type != QtFatalMsg) {
        if (QByteArray(context.category ? context.category : "").startsWith("qt.qpa") && displayProblem.isEmpty())
            displayProblem = message.trimmed();
        heldMessages << qFormatLogMessage(type, context, message);
        return;
    }
    // Qt would abort with a core dump; without a display there is nothing to show.
    const QString reason
        = displayProblem.isEmpty() ? message.section(QLatin1Char('\n'), 0, 0).trimmed() : displayProblem;
    const QString line = Translations::beforeApplication(
        "ZolvenarApplication", QT_TRANSLATE_NOOP("ZolvenarApplication", "Zolvenar needs a graphical display: %1"));
    std::fprintf(stderr, "%s\n", qPrintable(line.arg(reason)));
    std::fflush(stderr);
    std::_Exit(1);
}

QtMessageHandler qtHandler = nullptr;
std::atomic<bool> compositorLost { false };

// Qt's Wayland plugin says this as the compositor goes, then ends the process on the
// thread that noticed, past exit() and its handlers. Each of its threads may notice:
// one line is enough.
void watchForLostCompositor(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    const bool lost = type == QtWarningMsg && message.startsWith(QLatin1String("The Wayland connection"));
    if (!lost || !compositorLost.exchange(true))
        qtHandler(type, context, message);
    if (lost)
        ExitGuard::endingHere();
}

int &watchingForDisplay(int &argc)
{
    // Ignored by main already; again here, ahead of Qt's first message, for any other
    // program on this application object. Past a file-size limit a write then fails
    // with an error the save reports, instead of the signal ending the program with
    // every password in it.
    std::signal(SIGXFSZ, SIG_IGN);
    qInstallMessageHandler(holdStartMessages);
    return argc;
}

} // namespace

ZolvenarApplication::ZolvenarApplication(int &argc, char **argv)
    : QApplication(watchingForDisplay(argc), argv)
{
    qInstallMessageHandler(nullptr);
    qtHandler = qInstallMessageHandler(watchForLostCompositor);
    for (const QString &message : std::exchange(heldMessages, {}))
        std::fprintf(stderr, "%s\n", qPrintable(message));
    // Held from now on, for the window to close in order once the loop runs.
    TerminationSignals::install();
}

bool ZolvenarApplication::notify(QObject *receiver, QEvent *event)
{
    try {
        return QApplication::notify(receiver, event);
    } catch (...) {
        reportHandlerError(describe(std::current_exception()));
    }
    return false;
}

QString ZolvenarApplication::describe(std::exception_ptr error)
{
    try {
        std::rethrow_exception(error);
    } catch (const std::exception &known) {
        return QString::fromUtf8(known.what());
    } catch (const QString &text) {
        return text;
    } catch (const char *text) {
        return QString::fromUtf8(text);
    } catch (...) {
        return tr("Unknown error");
    }
}

void ZolvenarApplication::reportHandlerError(const QString &text)
{
    // The window runs its own loop, where another handler may fail too; that
    // error cannot be shown on top of the first one.
    if (errorWindowOpen)
        quitWithError(text);
    errorWindowOpen = true;
    bool carryOn = false;
    try {
        if (errorWindowHook) {
            carryOn = errorWindowHook(text);
        } else {
            ErrorWindow window(text, QApplication::activeWindow());
            carryOn = window.ask();
        }
    } catch (...) {
        errorWindowOpen = false;
        throw;
    }
    errorWindowOpen = false;
    if (!carryOn)
        quitWithError(text);
}

void ZolvenarApplication::quitWithError(const QString &text)
{
    const QByteArray bytes = text.toUtf8();
    std::printf("Error: %.*s\n", static_cast<int>(bytes.size()), bytes.constData());
    std::fflush(stdout);
    // Ends at once: unwinding through the event loop and Qt's exit handlers could
    // run more of the state that just failed.
    std::_Exit(1);
}

void ZolvenarApplication::enableVisualStyles()
{
    // The window's controls have fixed, compact sizes. Styles with deep frames and
    // paddings (Adwaita among them) cut texts at those sizes and leave out arrows,
    // frames and bars; Fusion draws them all whole. The colours stay those of the
    // style the desktop asked for: light, dark or high contrast.
    QPalette desktop = QApplication::palette();
    // Held as set by the program, or the switch would fall back to Fusion's colours.
    desktop.setResolveMask(~QPalette::ResolveMask(0));
    // A list without the focus draws in the inactive colours, which some desktops
    // grey out like disabled text: the passwords would look unusable.
    for (int role = 0; role < QPalette::NColorRoles; ++role) {
        if (role != QPalette::NoRole) {
            const auto colorRole = static_cast<QPalette::ColorRole>(role);
            desktop.setBrush(QPalette::Inactive, colorRole, desktop.brush(QPalette::Active, colorRole));
        }
    }
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    QApplication::setPalette(desktop);
}

void ZolvenarApplication::setErrorWindowHook(ErrorWindowHook hook)
{
    errorWindowHook = std::move(hook);
}
