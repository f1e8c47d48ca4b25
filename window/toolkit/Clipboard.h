#pragma once

#include <QByteArray>
#include <QCoreApplication>

#include <functional>

// The system clipboard's text, as UTF-8 bytes.
class Clipboard
{
    Q_DECLARE_TR_FUNCTIONS(Clipboard)

public:
    // Puts text on the clipboard; with persist it is handed over so it stays after
    // the program exits, and a secret is marked for clipboard managers to keep out
    // of their history. Throws "Unable to set clipboard data" on failure.
    static void setText(const QByteArray &utf8, bool persist, bool secret = false);
    // The current text, empty when there is none. Throws
    // "Unable to obtain clipboard data object" when the clipboard cannot be read.
    static QByteArray text();

    // Test hook: a stand-in clipboard; empty functions restore the real one.
    struct Hooks
    {
        std::function<void(const QByteArray &utf8, bool persist, bool secret)> setText;
        std::function<QByteArray()> text;
    };
    static void setHooks(Hooks hooks);
};
