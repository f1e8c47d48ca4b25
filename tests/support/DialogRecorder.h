#pragma once

#include "window/toolkit/SaveFileDialog.h"

#include <QByteArray>
#include <QList>
#include <QString>

#include <functional>

// Stands in for the toolkit's message boxes, clipboard and save dialog while
// installed, and records what the code under test asked of them.
class DialogRecorder
{
public:
    struct Box
    {
        QString text;
        QString caption;
    };

    // Clears the records and answers, and installs the hooks.
    void install();
    // Removes every toolkit hook, the error window's included.
    static void uninstall();
    // From now on the save dialog answers OK with this path instead of Cancel.
    void answerSaveWith(const QString &path) { savePath = path; }

    QList<Box> questions;
    QList<Box> errors;
    QList<Box> abouts;
    bool answer = true; // to every question
    std::function<void()> whileAsked; // runs inside each question; may throw
    QByteArray clipboard; // the stand-in clipboard's text; a write replaces it
    bool clipboardOwned = false; // we own it: what it holds is what we put there
    QList<bool> clipboardWrites; // the persist flag of each write
    QList<bool> clipboardSecrets; // whether each write was kept out of clipboard histories
    int clipboardReads = 0;
    QList<SaveFileDialog> saveDialogs; // as the code configured them

private:
    QString savePath;
};
