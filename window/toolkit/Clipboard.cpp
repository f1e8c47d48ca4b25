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
// Our offer was emptied in place, to be replaced once the compositor takes it.
bool replaceWhenActive = false;

bool installed()
{
    return hooks.setText || hooks.text || hooks.owns;
}

bool windowHasFocus()
{
    return QGuiApplication::applicationState() == Qt::ApplicationActive;
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
    // The marker first: weston's own keeper of the clipboard keeps only the first
    // type offered, and hands it out again once our offer is gone.
    if (secret)
        data->setData(QStringLiteral("x-kde-passwordManagerHint"), QByteArrayLiteral("secret"));
    data->setText(QString::fromUtf8(utf8));
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
        return;
    }
    setText(QByteArray(), false);
}

bool Clipboard::emptiedInPlace()
{
    return replaceWhenActive && owns();
}

void Clipboard::finishEmptying()
{
    if (emptiedInPlace() && windowHasFocus())
        setText(QByteArray(), false);
}

void Clipboard::setHooks(Hooks newHooks)
{
    hooks = std::move(newHooks);
}
