#pragma once

#include "core/settings/SettingsWriter.h"

#include <QObject>

#include <memory>

class Ini;
class IniSection;
class WindowPlacement;
class ZolvenarMainForm;

// Applies Zolvenar.ini to the window's controls and writes them back; the window's
// bounds go through its WindowPlacement. A file that cannot be read applies
// nothing, and a failed save keeps the earlier file without a word: the settings
// are a convenience and never stop the program. From the load to the save at the
// close, what a save as last seen would write is kept with SettingsWriter as it
// changes, for a thread that ends the process while this one cannot be asked.
class SettingsBinding : public QObject
{
    Q_OBJECT

public:
    explicit SettingsBinding(ZolvenarMainForm &form);
    ~SettingsBinding() override;

    void resetCharacterSettings();
    void loadSettings();
    // The save at the close: nothing is kept after it.
    void saveSettings();
    // Touches neither the window nor the display: its bounds as last seen in the
    // normal state, so the window stays as it is and a lost display is no obstacle.
    void saveSettingsAsLastSeen();
    void resetClick();

private:
    void applySettings();
    void restoreWindow(const IniSection &settings);
    void keepAsLastSeen();
    SettingsWriter::Content contentToSave(bool asLastSeen);
    template <typename Control> Control &control(const char *name) const;

    ZolvenarMainForm &form;
    std::unique_ptr<WindowPlacement> placement;
    bool keeping = false;
};
