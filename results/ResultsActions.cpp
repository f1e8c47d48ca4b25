#include "results/ResultsActions.h"

#include "app/ZolvenarMainForm.h"

ResultsActions::ResultsActions(ZolvenarMainForm &form)
    : form(form)
{
}

void ResultsActions::selectAllClick()
{
}

void ResultsActions::deleteClick()
{
}

void ResultsActions::copyClick()
{
}

void ResultsActions::saveClick()
{
}
