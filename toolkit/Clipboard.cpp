#include "toolkit/Clipboard.h"

#include <QClipboard>
#include <QGuiApplication>

#include <stdexcept>

namespace {
Clipboard::Hooks hooks;
} // namespace

void Clipboard::setText(const QByteArray &utf8, bool persist)
{
    if (hooks.setText) {
        hooks.setText(utf8, persist);
        return;
    }
    QClipboard *clipboard = QGuiApplication::clipboard();
    if (!clipboard)
        throw std::runtime_error("Unable to set clipboard data");
    // Qt hands the clipboard to a running clipboard manager when the program exits,
    // so the text persists where the desktop keeps one; an empty text is never kept.
    Q_UNUSED(persist);
    clipboard->setText(QString::fromUtf8(utf8));
}

QByteArray Clipboard::text()
{
    if (hooks.text)
        return hooks.text();
    QClipboard *clipboard = QGuiApplication::clipboard();
    if (!clipboard)
        throw std::runtime_error("Unable to obtain clipboard data object");
    return clipboard->text().toUtf8();
}

void Clipboard::setHooks(Hooks newHooks)
{
    hooks = std::move(newHooks);
}
