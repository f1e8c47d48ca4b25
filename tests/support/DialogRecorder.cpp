#include "support/DialogRecorder.h"

#include "window/toolkit/Clipboard.h"
#include "window/toolkit/MessageBoxes.h"
#include "window/toolkit/ZolvenarApplication.h"

void DialogRecorder::install()
{
    *this = DialogRecorder();
    MessageBoxes::setQuestionHook([this](const QString &text, const QString &caption) {
        questions.append({ text, caption });
        if (whileAsked)
            whileAsked();
        return answer;
    });
    MessageBoxes::setErrorHook([this](const QString &text, const QString &caption) {
        errors.append({ text, caption });
    });
    MessageBoxes::setAboutHook([this](const QString &text, const QString &caption) {
        abouts.append({ text, caption });
    });
    Clipboard::setHooks({ [this](const QByteArray &text, bool persist, bool secret) {
                             clipboard = text;
                             clipboardWrites.append(persist);
                             clipboardSecrets.append(secret);
                         },
        [this] {
            ++clipboardReads;
            return clipboard;
        },
        [this] { return clipboardOwned; } });
    SaveFileDialog::setHook([this](SaveFileDialog &dialog) {
        saveDialogs.append(dialog);
        if (savePath.isEmpty())
            return false;
        dialog.fileName = savePath;
        return true;
    });
}

void DialogRecorder::uninstall()
{
    MessageBoxes::setQuestionHook({});
    MessageBoxes::setErrorHook({});
    MessageBoxes::setAboutHook({});
    Clipboard::setHooks({});
    SaveFileDialog::setHook({});
    ZolvenarApplication::setErrorWindowHook({});
}
