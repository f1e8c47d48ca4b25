#pragma once

class ZolvenarMainForm;

// Places and sizes the main window's controls for its client size and panel state.
class MainFormLayout
{
public:
    explicit MainFormLayout(ZolvenarMainForm &form);

    void layoutControls();
    void onShowSettingsClick();

private:
    ZolvenarMainForm &form;
};
