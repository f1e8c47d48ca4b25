#pragma once

#include "core/generation/StrengthModel.h"

#include <QCoreApplication>
#include <QString>

// The words of the strength line, the context menu and the clipboard's countdown, in
// one place so that they can be translated together.
class WindowTexts
{
    Q_DECLARE_TR_FUNCTIONS(WindowTexts)

public:
    // What each password is worth, short enough for the right column at the
    // window's smallest width.
    static QString strength(const StrengthModel::Figure &figure);
    // How that figure is made, in one sentence.
    static QString strengthTip();

    static QString menuName();
    static QString selectAll();
    static QString deleteSelected();
    static QString copyToClipboard();
    static QString saveToFile();
    static QString mixSystemRandom();
    static QString requireEachSet();
    static QString about();
    // The submenu of delays after which a copy leaves the clipboard, and its choices
    // (seconds, 0 for Never).
    static QString clearClipboardAfter();
    static QString delayChoice(int seconds);
    // How long until the clipboard is emptied, above the list.
    static QString clipboardCountdown(int secondsLeft);

    static QString aboutCaption();
    static QString aboutText();
};
