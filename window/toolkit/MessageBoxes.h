#pragma once

#include <QString>

#include <functional>

// Modal message boxes owned by the active window. Tests install hooks so that
// no box ever blocks them.
class MessageBoxes
{
public:
    // Yes and No, No the default, question icon; true only for Yes.
    static bool askYesNo(const QString &text, const QString &caption);
    // OK only, error icon.
    static void showError(const QString &text, const QString &caption);
    // OK only, the program's icon.
    static void showAbout(const QString &text, const QString &caption);

    using QuestionHook = std::function<bool(const QString &text, const QString &caption)>;
    using ErrorHook = std::function<void(const QString &text, const QString &caption)>;
    // While set, the hook answers instead of a box; an empty function removes it.
    static void setQuestionHook(QuestionHook hook);
    static void setErrorHook(ErrorHook hook);
    static void setAboutHook(ErrorHook hook);
};
