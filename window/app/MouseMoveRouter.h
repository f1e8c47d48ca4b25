#pragma once

#include <QObject>
#include <QPointF>

#include <functional>

class QWidget;
class ZolvenarMainForm;

// Sends mouse moves over the window and its eight wired controls to the tracker,
// in the client coordinates of the control that gets them: with a button held,
// the control that holds the mouse, so they may be negative or beyond its size.
// Moves over any other control never reach it, and each move counts once.
class MouseMoveRouter : public QObject
{
    Q_OBJECT

public:
    explicit MouseMoveRouter(ZolvenarMainForm &form);

    // Test hook: while set, moves go here instead of the tracker; empty restores the tracker.
    using Target = std::function<void(int x, int y)>;
    static void setTargetForTesting(Target target);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void watch(QWidget *source);

    ZolvenarMainForm &form;
    // The move last sent on: a move a control ignores reaches the window again.
    quint64 lastTimestamp = 0;
    QPointF lastGlobal { -1e9, -1e9 };
};
