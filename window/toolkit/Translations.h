#pragma once

#include <QString>
#include <QStringList>

// The program's texts and Qt's own (the buttons and texts of its dialogs and
// boxes) in the language the desktop asks for, installed on the application
// object before any text is made, the layout mirrored for a language written
// right to left. English, the language the texts are written in, loads nothing.
class Translations
{
public:
    // The language the environment asks for (LanguageChoice).
    static void install();
    // The given language in place of the one installed before; English removes it.
    static void install(const QString &language);

    // A text in the language the environment asks for, while there is no application
    // object yet to install it on (Qt is still looking for a display).
    static QString beforeApplication(const char *context, const char *sourceText);

    // The languages the program's texts are translated into ("de", "pt_BR").
    static QStringList available();
};
