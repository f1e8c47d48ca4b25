#include "window/toolkit/MessageBoxes.h"

#include <QApplication>
#include <QMessageBox>

namespace {
MessageBoxes::QuestionHook questionHook;
MessageBoxes::ErrorHook errorHook;
} // namespace

bool MessageBoxes::askYesNo(const QString &text, const QString &caption)
{
    if (questionHook)
        return questionHook(text, caption);
    QMessageBox box(
        QMessageBox::Question, caption, text, QMessageBox::Yes | QMessageBox::No, QApplication::activeWindow());
    box.setDefaultButton(QMessageBox::No);
    return box.exec() == QMessageBox::Yes;
}

void MessageBoxes::showError(const QString &text, const QString &caption)
{
    if (errorHook) {
        errorHook(text, caption);
        return;
    }
    QMessageBox box(QMessageBox::Critical, caption, text, QMessageBox::Ok, QApplication::activeWindow());
    box.exec();
}

void MessageBoxes::setQuestionHook(QuestionHook hook)
{
    questionHook = std::move(hook);
}

void MessageBoxes::setErrorHook(ErrorHook hook)
{
    errorHook = std::move(hook);
}
