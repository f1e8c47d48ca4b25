#include "window/toolkit/MessageBoxes.h"

#include <QApplication>
#include <QIcon>
#include <QMessageBox>

namespace {
MessageBoxes::QuestionHook questionHook;
MessageBoxes::ErrorHook errorHook;
MessageBoxes::ErrorHook aboutHook;
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

void MessageBoxes::showAbout(const QString &text, const QString &caption)
{
    if (aboutHook) {
        aboutHook(text, caption);
        return;
    }
    QWidget *owner = QApplication::activeWindow();
    QMessageBox box(QMessageBox::NoIcon, caption, text, QMessageBox::Ok, owner);
    if (owner)
        box.setIconPixmap(owner->windowIcon().pixmap(64, 64));
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

void MessageBoxes::setAboutHook(ErrorHook hook)
{
    aboutHook = std::move(hook);
}
