#include "app/CTip.h"

ZolvenarMainForm::CTip::CTip(ZolvenarMainForm &form, const QString &tipText)
    : QObject(&form)
    , tipText(tipText)
    , form(form)
{
}

void ZolvenarMainForm::CTip::apply(QObject *sender)
{
    (void)sender;
}

void ZolvenarMainForm::CTip::attachAll(ZolvenarMainForm &form)
{
    (void)form;
}
