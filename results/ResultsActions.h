#pragma once

class ZolvenarMainForm;

// What the four buttons under the results list do.
class ResultsActions
{
public:
    explicit ResultsActions(ZolvenarMainForm &form);

    void selectAllClick();
    void deleteClick();
    void copyClick();
    void saveClick();

private:
    ZolvenarMainForm &form;
};
