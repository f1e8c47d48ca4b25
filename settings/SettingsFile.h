#pragma once

class ZolvenarMainForm;

// Applies Zolvenar.ini to the window's controls and geometry and writes them back.
class SettingsFile
{
public:
    explicit SettingsFile(ZolvenarMainForm &form);

    void resetCharacterSettings();
    void loadSettings();
    void saveSettings();
    void resetClick();

private:
    ZolvenarMainForm &form;
};
