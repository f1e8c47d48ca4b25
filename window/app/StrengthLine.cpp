#include "window/app/StrengthLine.h"

#include "window/app/MouseTrack.h"
#include "window/app/WindowTexts.h"
#include "window/widgets/IntComboBox.h"

#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>

namespace {

StrengthLine::Model modelHook;

} // namespace

StrengthLine::StrengthLine(ZolvenarMainForm &form)
    : form(form)
{ }

StrengthLine::~StrengthLine() = default;

void StrengthLine::setModelForTesting(Model model)
{
    modelHook = std::move(model);
}

void StrengthLine::connectOptions()
{
    for (QCheckBox *box : form.setCheckBoxes)
        connect(box, &QCheckBox::toggled, this, &StrengthLine::refresh);
    for (QLineEdit *box : form.setEdits)
        connect(box, &QLineEdit::textChanged, this, &StrengthLine::refresh);
    for (IntComboBox *box : form.numericCombos)
        connect(box, &IntComboBox::editTextChanged, this, &StrengthLine::refresh);
    for (QAction *action : { form.actionMixSystemRandom, form.actionRequireEachSet })
        connect(action, &QAction::toggled, this, &StrengthLine::refresh);
    refresh();
}

void StrengthLine::refresh()
{
    const GenerationOptions options = form.mouseTrack->readOptions();
    const QString text = WindowTexts::strength(modelHook ? modelHook(options) : StrengthModel::of(options));
    if (text == form.labelStrength->text())
        return;
    form.labelStrength->setText(text);
    form.labelStrength->setAccessibleName(text);
}
