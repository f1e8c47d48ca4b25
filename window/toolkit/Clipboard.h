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
    // Whether what the clipboard holds is still what we last put there: we own it.
    static bool owns();
    // Empties the clipboard with an empty text of ours, not handed over at exit. A
    // Wayland compositor takes no clipboard change from a window without the focus,
    // nor one with no input newer than the copy, and the copy it keeps of ours
    // (GNOME's, weston's) would come back in its place: there, while we still own
    // the clipboard, our own offer is emptied instead, and stays so until
    // finishEmptying replaces it.
    static void empty();
    // Our own offer was emptied in place and is still the clipboard's.
    static bool emptiedInPlace();
    // Replaces an offer emptied in place with the empty text; for just after a click
    // or key in the window, whose input the compositor takes the change with.
    static void finishEmptying();

    // Test hook: a stand-in clipboard; empty functions restore the real one.
    struct Hooks
    {
        std::function<void(const QByteArray &utf8, bool persist, bool secret)> setText;
        std::function<QByteArray()> text;
        std::function<bool()> owns; // none: another program owns it
    };
    static void setHooks(Hooks hooks);
};
