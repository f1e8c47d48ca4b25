#pragma once

#include <memory>

class Ini;
class IniSection;
class WindowPlacement;
class ZolvenarMainForm;

// Applies Zolvenar.ini to the window's controls and writes them back; the window's
// bounds go through its WindowPlacement. A file that cannot be read applies
// nothing, and a failed save keeps the earlier file without a word: the settings
// are a convenience and never stop the program.
class SettingsBinding
{
public:
    explicit SettingsBinding(ZolvenarMainForm &form);
    ~SettingsBinding();

    void resetCharacterSettings();
    void loadSettings();
    void saveSettings();
    // Touches neither the window nor the display: its bounds as last seen in the
    // normal state, so the window stays as it is and a lost display is no obstacle.
    void saveSettingsAsLastSeen();
    void resetClick();

private:
    void applySettings();
    void restoreWindow(const IniSection &settings);
    void save(bool asLastSeen);
    void writeFullSave(Ini &ini, bool asLastSeen);
    void writeShortSave(Ini &ini);
    template <typename Control> Control &control(const char *name) const;

    ZolvenarMainForm &form;
    std::unique_ptr<WindowPlacement> placement;
};
