#include "app/OptionControls.h"

#include "app/ZolvenarMainForm.h"

OptionControls::OptionControls(ZolvenarMainForm &form)
    : form(form)
{
}

void OptionControls::fillComboLists()
{
}

void OptionControls::connectFocusLoss()
{
}

void OptionControls::normalizeCombos(QObject *sender)
{
    (void)sender;
}

void OptionControls::updateSetEdits()
{
}
