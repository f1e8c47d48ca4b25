#pragma once

#include <QObject>

class ZolvenarMainForm;

// Sends button-less mouse moves over the window and its eight wired controls to
// the tracker, in the control's own coordinates.
class MouseMoveRouter : public QObject
{
    Q_OBJECT

public:
    explicit MouseMoveRouter(ZolvenarMainForm &form);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    ZolvenarMainForm &form;
};
