#pragma once

class QObject;
class ZolvenarMainForm;

// The option controls' own behaviour: set boxes following their switches, numeric
// boxes normalised on focus loss, and the numeric boxes' item lists.
class OptionControls
{
public:
    explicit OptionControls(ZolvenarMainForm &form);

    void fillComboLists();
    void connectFocusLoss();
    void normalizeCombos(QObject *sender);
    void updateSetEdits();

private:
    ZolvenarMainForm &form;
};
