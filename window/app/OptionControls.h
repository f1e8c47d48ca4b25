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
