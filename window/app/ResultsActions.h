#pragma once

#include <QByteArray>
#include <QCoreApplication>
#include <QList>

class ZolvenarMainForm;

// What the four buttons under the results list do.
class ResultsActions
{
    Q_DECLARE_TR_FUNCTIONS(ResultsActions)

public:
    explicit ResultsActions(ZolvenarMainForm &form);

    void selectAllClick();
    void deleteClick();
    void copyClick();
    void saveClick();
    // The list's own copy key: the selected passwords, the way the copy button copies.
    void copySelected();

    // Every password in the list, in list order, separated by CR LF.
    QByteArray resultsText() const;

private:
    QList<int> selectedRows() const;
    int lowestSelectedRow() const;
    // Both false when the application started quitting while they were removing.
    bool deleteSelected(int total);
    bool removeSelected();
    void setListBusy(bool busy);
    void disableButtonsIfEmpty();
    void putOnClipboard(const QByteArray &text, bool wholeList);

    ZolvenarMainForm &form;
};
