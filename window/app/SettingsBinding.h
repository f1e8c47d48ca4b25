#pragma once

#include <QObject>
#include <QRect>

#include <memory>

class Ini;
class IniSection;
class QCheckBox;
class WindowFrame;
class ZolvenarMainForm;

// Applies Zolvenar.ini to the window's controls and geometry and writes them back.
// A file that cannot be read applies nothing, and a failed save keeps the earlier
// file without a word: the settings are a convenience and never stop the program.
class SettingsBinding : public QObject
{
    Q_OBJECT

public:
    explicit SettingsBinding(ZolvenarMainForm &form);
    ~SettingsBinding() override;

    void resetCharacterSettings();
    void loadSettings();
    void saveSettings();
    // Touches neither the window nor the display: its bounds as last seen in the
    // normal state, so the window stays as it is and a lost display is no obstacle.
    void saveSettingsAsLastSeen();
    void resetClick();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void applySettings();
    void restoreWindow(const IniSection &settings);
    void save(bool asLastSeen);
    void writeFullSave(Ini &ini, bool asLastSeen);
    void writeShortSave(Ini &ini);
    void centreWhenFirstShown();
    void frameChanged();
    QPoint centredPosition(QSize outer) const;
    void centre();
    // Sets the window to the normal state and returns its outer bounds in it.
    QRect restoreForSave();
    QRect lastSeenBounds() const;
    template <typename Control> Control &control(const char *name) const;

    ZolvenarMainForm &form;
    std::unique_ptr<WindowFrame> frame;
    bool centreOnShow = false;
    QRect lastSeen; // outer bounds, the last time the window was seen in the normal state
    // What the window still needs once its frame is known.
    struct
    {
        bool pending = false;
        QRect outer; // as applied while the frame was unknown
        bool outerWidth = false; // the width and height above are outer ones
        bool outerHeight = false;
        bool centre = false;
        bool maximize = false;
    } fit;
};
