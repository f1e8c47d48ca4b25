#pragma once

#include <QList>
#include <QObject>

#include <utility>

class QAction;
class QMenu;
class QPoint;
class QPushButton;
class ZolvenarMainForm;

// The window's context menu: the list's four actions, enabled as their buttons
// are; the options that have no room in the panel; and About. The right button
// opens it anywhere on the window but in a text or number box, which keeps its
// own edit menu, and so do the Menu key and Shift+F10 outside those boxes.
class ContextMenu : public QObject
{
    Q_OBJECT

public:
    explicit ContextMenu(ZolvenarMainForm &form);
    ~ContextMenu() override;

    void connectOpening();
    // Opens at a point on the screen; from the keyboard its first item is active.
    void popup(const QPoint &globalPos, bool fromKeyboard);
    // Built when first asked for, so the window starts without it.
    QMenu *menu();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void openFromKeyboard();
    void showAbout();

    ZolvenarMainForm &form;
    QList<std::pair<QPushButton *, QAction *>> listActions; // each with its button
    QAction *about = nullptr;
    QMenu *popupMenu = nullptr;
};
