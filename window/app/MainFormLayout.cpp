#include "window/app/MainFormLayout.h"

#include "window/app/ZolvenarMainForm.h"
#include "window/widgets/IntComboBox.h"
#include "window/widgets/PushCheckButton.h"
#include "window/widgets/ResultsList.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>
#include <QScopeGuard>

#include <initializer_list>

namespace {

constexpr int minClientWidth = 454;
constexpr int minClientHeight = 340;

void setX(QWidget *w, int x)
{
    w->move(x, w->y());
}

void setY(QWidget *w, int y)
{
    w->move(w->x(), y);
}

void setWidth(QWidget *w, int width)
{
    w->resize(width, w->height());
}

int right(const QWidget *w)
{
    return w->x() + w->width();
}

int bottom(const QWidget *w)
{
    return w->y() + w->height();
}

// Puts the numeric boxes' texts back however the layout is left, error included.
class ComboTextKeeper
{
public:
    explicit ComboTextKeeper(const QList<IntComboBox *> &combos)
        : combos(combos)
    {
        for (IntComboBox *combo : combos)
            texts << combo->currentText();
    }

    ~ComboTextKeeper()
    {
        // Only a changed text is rewritten, so the cursor stays where the user left it.
        for (qsizetype i = 0; i < combos.size(); ++i)
            if (combos[i]->currentText() != texts[i])
                combos[i]->setEditText(texts[i]);
    }

    ComboTextKeeper(const ComboTextKeeper &) = delete;
    ComboTextKeeper &operator=(const ComboTextKeeper &) = delete;

private:
    const QList<IntComboBox *> &combos;
    QStringList texts;
};

} // namespace

MainFormLayout::MainFormLayout(ZolvenarMainForm &form)
    : form(form)
{ }

void MainFormLayout::layoutControls()
{
    // Placed left to right, the only places the steps below know, and mirrored once
    // the outermost layout is done.
    const bool outermost = depth == 0;
    if (outermost && mirroredAt != 0) {
        mirror(mirroredAt);
        mirroredAt = 0;
    }
    ++depth;
    auto leave = qScopeGuard([this] { --depth; });
    placeControls();
    if (outermost && form.layoutDirection() == Qt::RightToLeft) {
        mirror(form.width());
        mirroredAt = form.width();
    }
}

void MainFormLayout::mirror(int width)
{
    for (QWidget *control : form.findChildren<QWidget *>(Qt::FindDirectChildrenOnly)) {
        if (!control->isWindow())
            setX(control, width - right(control));
    }
}

void MainFormLayout::placeControls()
{
    ZolvenarMainForm &f = form;
    const ComboTextKeeper keeper(f.numericCombos);

    if (f.settingsCollapsed) {
        for (QWidget *control : f.optionPanel)
            control->hide();
        setY(f.checkSettings, f.buttonShow->y() + 2);
        setY(f.checkGen, bottom(f.buttonShow) + 4);
        f.buttonShow->show();
    }

    // Growing raises the resize event again, so a nested layout may run inside these calls.
    if (f.width() < minClientWidth)
        f.resize(f.width() + minClientWidth - f.width(), f.height());
    if (f.height() < minClientHeight)
        f.resize(f.width(), f.height() + minClientHeight - f.height());

    setWidth(f.comboMinLength, f.width() / 5);
    setX(f.comboMinLength, f.width() - 4 - f.comboMinLength->width());
    for (IntComboBox *combo : f.numericCombos) {
        setWidth(combo, f.comboMinLength->width());
        setX(combo, f.comboMinLength->x());
    }
    for (IntComboBox *combo : f.numericCombos) {
        QLineEdit *edit = combo->lineEdit();
        if (edit->hasSelectedText()) {
            const int start = edit->selectionStart();
            edit->deselect();
            edit->setCursorPosition(start);
        }
    }

    setX(f.labelMinLength, f.comboMinLength->x() - f.labelMinLength->width());
    for (QWidget *control : std::initializer_list<QWidget *> { f.labelMaxLength, f.labelPassCount, f.labelPassStrength,
             f.labelGens, f.checkClearClipboard, f.checkSettingsWindow, f.checkSettings, f.labelStrength })
        setX(control, f.labelMinLength->x());
    setWidth(f.checkClearClipboard, f.width() - 4 - f.checkClearClipboard->x());
    setWidth(f.checkSettingsWindow, f.checkClearClipboard->width());
    setWidth(f.checkSettings, f.checkClearClipboard->width());
    setWidth(f.labelStrength, f.checkClearClipboard->width());

    setWidth(f.editLowerCase, f.labelMinLength->x() - 8 - f.editLowerCase->x());
    for (QLineEdit *edit : f.setEdits)
        setWidth(edit, f.editLowerCase->width());
    setWidth(f.buttonReset, right(f.editLowerCase) - f.buttonReset->x());

    setWidth(f.checkGen, f.width() - 8);

    // Remainders of the divisions go to the buttons further right.
    setWidth(f.buttonSelectAll, (f.width() - 20) / 4);
    setX(f.buttonDelete, right(f.buttonSelectAll) + 4);
    setWidth(f.buttonDelete, (f.width() - 12 - f.buttonDelete->x()) / 3);
    setX(f.buttonCopy, right(f.buttonDelete) + 4);
    setWidth(f.buttonCopy, (f.width() - 8 - f.buttonCopy->x()) / 2);
    setX(f.buttonSave, right(f.buttonCopy) + 4);
    setWidth(f.buttonSave, f.width() - 4 - f.buttonSave->x());
    setY(f.buttonSelectAll, f.height() - 4 - f.buttonSelectAll->height());
    for (QPushButton *button : f.listButtons)
        setY(button, f.buttonSelectAll->y());

    setY(f.progressPass, f.buttonSelectAll->y() - 4 - f.progressPass->height());
    setY(f.progressTotal, f.progressPass->y());
    setWidth(f.progressPass, (f.width() - 12) / 2);
    setX(f.progressTotal, right(f.progressPass) + 4);
    setWidth(f.progressTotal, f.width() - 4 - f.progressTotal->x());

    setY(f.listResult, bottom(f.checkGen) + 4);
    f.listResult->resize(f.width() - 8, f.progressPass->y() - 4 - f.listResult->y());
    // Inside the list's frame, in the strip it leaves above its first row.
    const int frame = f.listResult->frameWidth();
    f.labelClipboard->setGeometry(f.listResult->x() + frame, f.listResult->y() + frame,
        f.listResult->width() - 2 * frame, f.labelClipboard->height());
}

void MainFormLayout::onShowSettingsClick()
{
    ZolvenarMainForm &f = form;
    for (QWidget *control : f.optionPanel)
        control->show();
    setY(f.checkSettings, bottom(f.checkSettingsWindow));
    setY(f.checkGen, bottom(f.buttonReset) + 4);
    f.buttonShow->hide();
    f.settingsCollapsed = false;
    f.layoutControls();
}
