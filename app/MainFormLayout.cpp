#include "app/MainFormLayout.h"

#include "app/ZolvenarMainForm.h"

MainFormLayout::MainFormLayout(ZolvenarMainForm &form)
    : form(form)
{
}

void MainFormLayout::layoutControls()
{
}

void MainFormLayout::onShowSettingsClick()
{
}
