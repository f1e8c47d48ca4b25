#include "window/app/MouseMoveRouter.h"

#include "window/app/MouseTrack.h"
#include "window/app/ZolvenarMainForm.h"
#include "window/widgets/PushCheckButton.h"
#include "window/widgets/ResultsList.h"

#include <QCheckBox>
#include <QListWidget>
#include <QMouseEvent>
#include <QProgressBar>
#include <QPushButton>

namespace {

MouseMoveRouter::Target &testTarget()
{
    static MouseMoveRouter::Target target;
    return target;
}

} // namespace

MouseMoveRouter::MouseMoveRouter(ZolvenarMainForm &form)
    : form(form)
{
    // The list's client area is its viewport; its frame and scroll bars report nothing.
    for (QWidget *source :
        { static_cast<QWidget *>(&form), form.listResult->viewport(), static_cast<QWidget *>(form.checkGen),
            static_cast<QWidget *>(form.progressPass), static_cast<QWidget *>(form.progressTotal),
            static_cast<QWidget *>(form.checkClearClipboard), static_cast<QWidget *>(form.checkSettingsWindow),
            static_cast<QWidget *>(form.checkSettings), static_cast<QWidget *>(form.buttonShow) })
        watch(source);
}

void MouseMoveRouter::setTargetForTesting(Target target)
{
    testTarget() = std::move(target);
}

void MouseMoveRouter::watch(QWidget *source)
{
    // Qt delivers moves with no button held only to widgets that track the mouse;
    // the untracked controls pass them on to the window, which drops them.
    source->setMouseTracking(true);
    source->installEventFilter(this);
}

bool MouseMoveRouter::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() != QEvent::MouseMove)
        return QObject::eventFilter(watched, event);
    const auto *move = static_cast<QMouseEvent *>(event);
    const QPoint at = move->position().toPoint();
    // A move a control ignored climbs to the window in window coordinates: it was
    // counted where it began, and a button-less one over another control never counts.
    const bool again = move->timestamp() == lastTimestamp && move->globalPosition() == lastGlobal;
    const bool overChild = move->buttons() == Qt::NoButton && watched == &form && form.childAt(at) != nullptr;
    if (again || overChild)
        return QObject::eventFilter(watched, event);
    lastTimestamp = move->timestamp();
    lastGlobal = move->globalPosition();
    if (testTarget())
        testTarget()(at.x(), at.y());
    else if (form.mouseTrack)
        form.mouseTrack->onMouseMove(at.x(), at.y());
    return QObject::eventFilter(watched, event);
}
