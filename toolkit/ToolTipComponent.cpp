#include "toolkit/ToolTipComponent.h"

#include <QEvent>
#include <QWidget>

ToolTipComponent::ToolTipComponent(QObject *parent)
    : QObject(parent)
{
}

void ToolTipComponent::setInitialDelay(int milliseconds)
{
    initial = milliseconds;
}

void ToolTipComponent::setReshowDelay(int milliseconds)
{
    reshow = milliseconds;
}

void ToolTipComponent::setToolTip(QWidget *control, const QString &text)
{
    if (tips.find(control) == tips.end())
        control->installEventFilter(this);
    tips[control] = text;
}

QString ToolTipComponent::toolTip(QWidget *control) const
{
    auto found = tips.find(control);
    return found == tips.end() ? QString() : found->second;
}

void ToolTipComponent::setActive(bool value)
{
    active = value;
}

bool ToolTipComponent::eventFilter(QObject *watched, QEvent *event)
{
    // Stub until the timed component lands: Qt's own tip is suppressed.
    if (event->type() == QEvent::ToolTip)
        return true;
    return QObject::eventFilter(watched, event);
}
