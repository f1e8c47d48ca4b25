#include "window/widgets/PushCheckButton.h"

PushCheckButton::PushCheckButton(const QString &text, QWidget *parent)
    : QPushButton(text, parent)
{
    setCheckable(true);
}

void PushCheckButton::nextCheckState()
{ }
