#pragma once

#include <QObject>

class ZolvenarMainForm;

// The option controls' own behaviour: set boxes following their switches, numeric
// boxes normalised on focus loss, and the numeric boxes' item lists.
class OptionControls : public QObject
{
    Q_OBJECT

public:
    explicit OptionControls(ZolvenarMainForm &form);

    // The generators' first item. The settings file holds it in English whatever
    // the window shows: the file is never translated.
    static const char *const gensDisabled;
    static QString gensDisabledShown();
    // A number box's text as the file stores it, and a stored text as the box shows it.
    static QString storedText(const QString &shown);
    static QString shownText(const QString &stored);

    void fillComboLists();
    void connectFocusLoss();
    void normalizeCombos(QObject *sender);
    // Safe from any thread: off the window's thread it runs later on that thread.
    void updateSetEdits();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    ZolvenarMainForm &form;
};
