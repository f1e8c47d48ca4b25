#pragma once

#include <QObject>

#include <functional>

class QWidget;
class ZolvenarMainForm;

// Sends button-less mouse moves over the window and its eight wired controls to
// the tracker, in the control's own client coordinates. Moves over any other
// control never reach it.
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
};
