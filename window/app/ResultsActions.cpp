#include "window/app/ResultsActions.h"

#include "core/results/ClipboardDigest.h"
#include "core/results/ExportText.h"
#include "core/toolkit/AtomicFile.h"
#include "window/app/ZolvenarMainForm.h"
#include "window/toolkit/Clipboard.h"
#include "window/toolkit/PendingMessages.h"
#include "window/toolkit/SaveFileDialog.h"
#include "window/widgets/PushCheckButton.h"
#include "window/widgets/ResultsList.h"

#include <QCheckBox>
#include <QItemSelectionModel>
#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>
#include <QScopeGuard>

#include <algorithm>
#include <limits>
#include <memory>

ResultsActions::ResultsActions(ZolvenarMainForm &form)
    : form(form)
{ }

QByteArray ResultsActions::resultsText() const
{
    QListWidget *list = form.listResult;
    QList<QByteArray> items;
    items.reserve(list->count());
    for (int row = 0; row < list->count(); ++row)
        items.append(list->item(row)->text().toUtf8());
    return ExportText::resultsText(items);
}

// Ascending and without repeats: the selection's ranges may overlap.
QList<int> ResultsActions::selectedRows() const
{
    const QModelIndexList indexes = form.listResult->selectionModel()->selectedIndexes();
    QList<int> rows;
    rows.reserve(indexes.size());
    for (const QModelIndex &index : indexes)
        rows.append(index.row());
    std::sort(rows.begin(), rows.end());
    rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
    return rows;
}

// Walks the selection's ranges, not the items, so a long list costs nothing here.
int ResultsActions::lowestSelectedRow() const
{
    int lowest = std::numeric_limits<int>::max();
    for (const QItemSelectionRange &range : form.listResult->selectionModel()->selection())
        lowest = std::min(lowest, range.top());
    return lowest == std::numeric_limits<int>::max() ? -1 : lowest;
}

void ResultsActions::selectAllClick()
{
    QListWidget *list = form.listResult;
    const int remembered = std::max(lowestSelectedRow(), 0);
    list->hide();
    auto restore = qScopeGuard([list, remembered] {
        list->show();
        if (remembered < list->count()) {
            // Adds the row to the selection and makes it current; the rest stays selected.
            list->selectionModel()->setCurrentIndex(list->model()->index(remembered, 0), QItemSelectionModel::Select);
        }
    });
    // One selection over the whole range: selecting already selected rows again
    // leaves them as they are.
    list->selectAll();
}

void ResultsActions::deleteClick()
{
    const int selected = static_cast<int>(selectedRows().size());
    if (selected > 0
        && form.askYesNo(tr("Are you sure you want to delete %1 items?").arg(selected), tr("Delete Items"))) {
        if (!deleteSelected(selected))
            return;
    }
    disableButtonsIfEmpty();
}

bool ResultsActions::deleteSelected(int total)
{
    setListBusy(true);
    form.progressTotal->setMaximum(total);
    bool quitting = false;
    // Also when an error escapes the loop; a quitting application is left alone.
    auto restore = qScopeGuard([this, &quitting] {
        if (quitting)
            return;
        setListBusy(false);
        form.progressTotal->setValue(0);
    });
    quitting = !removeSelected();
    return !quitting;
}

// Removes from the highest selected row down, so the rows still to go keep their
// positions. The selection is read once and then cleared: the selection model
// revisits every range and persistent index on each removal, which made deleting
// a scattered selection quadratic. The list is hidden and disabled meanwhile, so
// the rows taken stay the selection.
bool ResultsActions::removeSelected()
{
    QListWidget *list = form.listResult;
    while (list->selectionModel()->hasSelection()) {
        const QList<int> rows = selectedRows();
        QList<const QListWidgetItem *> items;
        items.reserve(rows.size());
        for (int row : rows)
            items.append(list->item(row));
        list->selectionModel()->clearSelection();
        for (qsizetype left = rows.size(); left > 0; --left) {
            const int row = rows[left - 1];
            // Pending messages ran since the rows were taken: remove only the very
            // item that was selected, never whatever now sits at its row.
            if (list->item(row) != items[left - 1])
                continue;
            std::unique_ptr<QListWidgetItem> removed(list->takeItem(row));
            form.progressTotal->setValue(form.progressTotal->maximum() - static_cast<int>(left - 1));
            if (!PendingMessages::process())
                return false;
        }
    }
    return true;
}

void ResultsActions::setListBusy(bool busy)
{
    form.listResult->setVisible(!busy);
    form.listResult->setEnabled(!busy);
    for (QPushButton *button : form.listButtons)
        button->setEnabled(!busy);
    form.checkGen->setEnabled(!busy);
}

void ResultsActions::disableButtonsIfEmpty()
{
    if (form.listResult->count() > 0)
        return;
    form.unsavedPasswords = false;
    form.copiedNotSaved = false;
    for (QPushButton *button : form.listButtons)
        button->setEnabled(false);
}

void ResultsActions::copyClick()
{
    if (form.listResult->count() == 0) {
        form.unsavedPasswords = false;
        return;
    }
    putOnClipboard(resultsText(), true);
}

void ResultsActions::copySelected()
{
    const QList<int> rows = selectedRows();
    if (rows.isEmpty())
        return;
    QList<QByteArray> items;
    items.reserve(rows.size());
    for (int row : rows)
        items.append(form.listResult->item(row)->text().toUtf8());
    putOnClipboard(ExportText::resultsText(items), rows.size() == form.listResult->count());
}

void ResultsActions::putOnClipboard(const QByteArray &text, bool wholeList)
{
    // Whatever the user wants gone, at exit or after a delay, is kept out of
    // clipboard histories too.
    Clipboard::setText(text, true, form.checkClearClipboard->isChecked() || form.clipboardDelay() > 0);
    const QByteArray readBack = Clipboard::text();
    form.clipboardDigest = ClipboardDigest::of(readBack);
    // Only a copy that demonstrably reached the clipboard makes the passwords safe,
    // and only while it stays there.
    if (wholeList && readBack == text && form.unsavedPasswords) {
        form.unsavedPasswords = false;
        form.copiedNotSaved = true;
    }
    form.startClipboardDelay();
}

void ResultsActions::saveClick()
{
    if (form.listResult->count() == 0)
        return;
    SaveFileDialog dialog;
    dialog.createPrompt = false;
    dialog.overwritePrompt = true;
    dialog.defaultExtension = QStringLiteral(".txt");
    dialog.fileName = tr("Password.txt");
    dialog.filter = tr("Text Files") + QStringLiteral("(*.txt)|*.txt|") + tr("All Files") + QStringLiteral("(*.*)|*.*");
    dialog.title = tr("Save passwords as...");
    if (!dialog.show(&form))
        return;
    // Passwords are for the owner's eyes only, also in a file they replace: a file
    // that lands in another user's directory stays unreadable there.
    AtomicFile::write(dialog.fileName, resultsText(), QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    form.unsavedPasswords = false;
    form.copiedNotSaved = false;
}
