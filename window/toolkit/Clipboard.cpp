#include "window/toolkit/Clipboard.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>
#include <QPointer>

#include <memory>
#include <stdexcept>

namespace {

Clipboard::Hooks hooks;
// What we last put there is not to be handed over at exit (user-interface thread only).
bool lastIsTransient = false;
// What we last put there, while the clipboard keeps it.
QPointer<QMimeData> lastSet;
// Our offer was emptied in place, to be replaced once the window has the focus.
bool replaceWhenActive = false;

bool installed()
{
    return hooks.setText || hooks.text || hooks.owns;
}

bool windowHasFocus()
{
    return QGuiApplication::applicationState() == Qt::ApplicationActive;
}

void replaceOnceActive()
{
    static bool connected = false;
    if (connected)
        return;
    connected = true;
    QObject::connect(qApp, &QGuiApplication::applicationStateChanged, qApp, [](Qt::ApplicationState state) {
        // Only while the emptied offer is still the clipboard's: a newer copy stays.
        if (state == Qt::ApplicationActive && replaceWhenActive && Clipboard::owns())
            Clipboard::setText(QByteArray(), false);
    });
}

void dropTransientAtExit()
{
    static bool connected = false;
    if (connected)
        return;
    connected = true;
    // Qt hands whatever we own to the desktop's clipboard manager when the program
    // ends; text put there without persist must not outlive us.
    QObject::connect(qApp, &QCoreApplication::aboutToQuit, qApp, [] {
        QClipboard *clipboard = QGuiApplication::clipboard();
        if (lastIsTransient && clipboard && clipboard->ownsClipboard())
            clipboard->clear();
    });
}

} // namespace

void Clipboard::setText(const QByteArray &utf8, bool persist, bool secret)
{
    if (hooks.setText) {
        hooks.setText(utf8, persist, secret);
        return;
    }
    QClipboard *clipboard = qApp ? QGuiApplication::clipboard() : nullptr;
    if (!clipboard)
        throw std::runtime_error(tr("Unable to set clipboard data").toStdString());
    auto data = std::make_unique<QMimeData>();
    data->setText(QString::fromUtf8(utf8));
    if (secret)
        data->setData(QStringLiteral("x-kde-passwordManagerHint"), QByteArrayLiteral("secret"));
    lastSet = data.get();
    replaceWhenActive = false;
    clipboard->setMimeData(data.release()); // the clipboard owns it
    lastIsTransient = !persist;
    if (!persist)
        dropTransientAtExit();
}

QByteArray Clipboard::text()
{
    if (hooks.text)
        return hooks.text();
    QClipboard *clipboard = qApp ? QGuiApplication::clipboard() : nullptr;
    const QMimeData *data = clipboard ? clipboard->mimeData() : nullptr;
    if (!data)
        throw std::runtime_error(tr("Unable to obtain clipboard data object").toStdString());
    return data->hasText() ? data->text().toUtf8() : QByteArray();
}

bool Clipboard::owns()
{
    if (installed())
        return hooks.owns && hooks.owns();
    QClipboard *clipboard = qApp ? QGuiApplication::clipboard() : nullptr;
    return clipboard && clipboard->ownsClipboard();
}

void Clipboard::empty()
{
    const bool wayland = !installed() && QGuiApplication::platformName().startsWith(QLatin1String("wayland"));
    if (wayland && !windowHasFocus() && lastSet && owns()) {
        // Asked for by whoever pastes from now on; the compositor's own copy is only
        // handed out once our offer is gone.
        lastSet->clear();
        lastIsTransient = true;
        dropTransientAtExit();
        replaceWhenActive = true;
        replaceOnceActive();
        return;
    }
    setText(QByteArray(), false);
}

void Clipboard::setHooks(Hooks newHooks)
{
    hooks = std::move(newHooks);
}
