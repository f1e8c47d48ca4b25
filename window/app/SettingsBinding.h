#pragma once

#include <QObject>

class Ini;
class IniSection;
class QCheckBox;
class ZolvenarMainForm;

// Applies Zolvenar.ini to the window's controls and geometry and writes them back.
// Errors while reading or writing the file are swallowed: the settings are a
// convenience and never stop the program.
class SettingsBinding : public QObject
{
    Q_OBJECT

public:
    explicit SettingsBinding(ZolvenarMainForm &form);

    void resetCharacterSettings();
    void loadSettings();
    void saveSettings();
    void resetClick();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void applySettings();
    void restoreWindow(const IniSection &settings);
    void writeFullSave(Ini &ini);
    void writeShortSave(Ini &ini);
    void centreWhenFirstShown();
    void fitFrameWhenKnown();
    void centre();
    template <typename Control> Control &control(const char *name) const;

    ZolvenarMainForm &form;
    bool centreOnShow = false;
    bool fitFrame = false;
    bool centred = false;
};
