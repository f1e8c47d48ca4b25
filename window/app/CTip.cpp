#include "window/app/CTip.h"

#include "window/app/WindowTexts.h"
#include "window/toolkit/ToolTipComponent.h"
#include "window/widgets/IntComboBox.h"
#include "window/widgets/PushCheckButton.h"

#include <QCheckBox>
#include <QEvent>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>

#include <utility>

ZolvenarMainForm::CTip::CTip(ZolvenarMainForm &form, const QString &tipText)
    : QObject(&form)
    , tipText(tipText)
    , form(form)
{ }

void ZolvenarMainForm::CTip::apply(QObject *sender)
{
    if (auto *control = qobject_cast<QWidget *>(sender); control && form.toolTip)
        form.toolTip->setToolTip(control, tipText);
}

bool ZolvenarMainForm::CTip::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::Enter)
        apply(watched);
    return QObject::eventFilter(watched, event);
}

void ZolvenarMainForm::CTip::attachAll(ZolvenarMainForm &form)
{
    auto *component = new ToolTipComponent(&form);
    form.toolTip = component;
    component->setInitialDelay(1000);
    component->setReshowDelay(250);

    const std::pair<QWidget *, QString> tips[] = {
        { form.checkClearClipboard, tr("Empty the clipboard of any passwords before exiting the application") },
        { form.checkSettingsWindow,
            tr("Save and restore the position and size of the window next time the application is started") },
        { form.checkSettings, tr("Will remember all the changes you've made next time the application is started") },
        { form.buttonReset, tr("Reset all the character settings to their defaults") },
        { form.labelMinLength, tr("The minimum number of characters which must be included in a password") },
        { form.labelMaxLength, tr("The maximum number of characters to include in a password") },
        { form.labelPassCount, tr("The number of passwords to generate") },
        { form.labelPassStrength,
            tr("Increase value for stronger passwords, decrease to generate passwords quicker.") },
        { form.labelGens, tr("Generators automatically generate data for passwords") },
        { form.checkGen, tr("Click to start generating passwords") },
        { form.progressPass, tr("Shows the progress of the current password") },
        { form.progressTotal, tr("Shows the total progress of all the passwords") },
        { form.buttonSelectAll, tr("Select all items in the list") },
        { form.buttonDelete, tr("Delete selected items in the list") },
        { form.buttonCopy, tr("Copy all passwords to the clipboard") },
        { form.buttonSave, tr("Save all passwords to a text file") },
    };
    auto attach = [&form](QWidget *control, const QString &tipText) {
        control->installEventFilter(new CTip(form, tipText));
        // Screen readers hear it as soon as the control is reached, by keyboard too.
        control->setAccessibleDescription(tipText);
    };
    for (const auto &[control, text] : tips)
        attach(control, text);
    attach(form.labelStrength, WindowTexts::strengthTip());
    // The focus goes to the number boxes, never to their labels.
    for (qsizetype i = 0; i < form.numericCombos.size(); ++i)
        form.numericCombos[i]->setAccessibleDescription(form.comboLabels[i]->accessibleDescription());
}
