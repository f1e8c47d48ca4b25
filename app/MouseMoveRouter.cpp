#include "app/MouseMoveRouter.h"

#include "app/ZolvenarMainForm.h"

MouseMoveRouter::MouseMoveRouter(ZolvenarMainForm &form)
    : form(form)
{
}

bool MouseMoveRouter::eventFilter(QObject *watched, QEvent *event)
{
    return QObject::eventFilter(watched, event);
}
