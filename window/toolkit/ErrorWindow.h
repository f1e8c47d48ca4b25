#pragma once

#include <QDialog>
#include <QString>

class QPushButton;

// The window shown for an error that escaped an event handler: Continue drops
// the error, Quit ends the program.
class ErrorWindow : public QDialog
{
    Q_OBJECT

public:
    // The text above the error's own, in the user's language.
    static QString message();

    explicit ErrorWindow(const QString &errorText, QWidget *owner = nullptr);

    // Modal; true for Continue, false for Quit (closing the window counts as Continue).
    bool ask();

    QPushButton *continueButton() const { return continueBox; }
    QPushButton *quitButton() const { return quitBox; }

private:
    QPushButton *continueBox = nullptr;
    QPushButton *quitBox = nullptr;
};
