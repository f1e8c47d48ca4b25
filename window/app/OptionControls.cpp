#include "window/app/OptionControls.h"

#include "core/generation/GenerationOptions.h"
#include "core/generation/OptionInt.h"
#include "window/app/ZolvenarMainForm.h"
#include "window/widgets/IntComboBox.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QCheckBox>
#include <QFocusEvent>
#include <QLineEdit>
#include <QStringList>

#include <array>

namespace {

// In the order of the form's numeric combo boxes: min length, max length, count, strength, generators.
constexpr std::array<GenerationOptions::Range, 5> comboLimits
    = { GenerationOptions::lengthRange, GenerationOptions::lengthRange, GenerationOptions::countRange,
          GenerationOptions::strengthRange, GenerationOptions::generatorRange };

void addRange(QStringList &items, int from, int to, int step)
{
    for (int value = from; value <= to; value += step)
        items << QString::number(value);
}

// Adds the items without letting the first one replace the text already in the box.
void fill(IntComboBox *combo, const QStringList &items)
{
    const QString text = combo->currentText();
    combo->addItems(items);
    combo->setCurrentIndex(-1);
    combo->setEditText(text);
}

int optionValue(const IntComboBox *combo)
{
    return parseOptionInt(combo->currentText().toUtf8());
}

} // namespace

const char *const OptionControls::gensDisabled = QT_TRANSLATE_NOOP("OptionControls", "0 (Disabled)");

QString OptionControls::gensDisabledShown()
{
    return tr(gensDisabled);
}

QString OptionControls::storedText(const QString &shown)
{
    return shown == gensDisabledShown() ? QString::fromLatin1(gensDisabled) : shown;
}

QString OptionControls::shownText(const QString &stored)
{
    return stored == QLatin1String(gensDisabled) ? gensDisabledShown() : stored;
}

OptionControls::OptionControls(ZolvenarMainForm &form)
    : form(form)
{ }

void OptionControls::fillComboLists()
{
    QStringList lengths;
    addRange(lengths, 1, 10, 1);
    addRange(lengths, 12, 20, 2);
    addRange(lengths, 24, 40, 4);
    addRange(lengths, 48, 96, 8);

    QStringList counts { QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("3"), QStringLiteral("5"),
        QStringLiteral("10") };
    addRange(counts, 20, 100, 10);
    addRange(counts, 200, 1000, 100);

    QStringList strengths { QStringLiteral("25"), QStringLiteral("50") };
    addRange(strengths, 100, 1000, 100);
    addRange(strengths, 2000, 9000, 1000);

    QStringList generators { gensDisabledShown(), QStringLiteral("1") };
    addRange(generators, 2, 20, 2);
    addRange(generators, 24, 40, 4);
    addRange(generators, 48, 96, 8);

    fill(form.comboMinLength, lengths);
    fill(form.comboMaxLength, lengths);
    fill(form.comboPassCount, counts);
    fill(form.comboPassStrength, strengths);
    fill(form.comboGens, generators);
}

void OptionControls::connectFocusLoss()
{
    for (IntComboBox *combo : form.numericCombos)
        combo->installEventFilter(this);
}

bool OptionControls::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() != QEvent::FocusOut)
        return QObject::eventFilter(watched, event);
    // Opening a drop-down list is not a loss of focus: the popup takes the focus
    // first, then the list inside it does.
    const auto *combo = qobject_cast<IntComboBox *>(watched);
    const bool ownListOpen = combo && QApplication::activePopupWidget() == combo->view()->window();
    if (static_cast<QFocusEvent *>(event)->reason() != Qt::PopupFocusReason && !ownListOpen)
        form.normalizeCombos(watched);
    return QObject::eventFilter(watched, event);
}

void OptionControls::normalizeCombos(QObject *sender)
{
    for (qsizetype i = 0; i < form.numericCombos.size(); ++i) {
        IntComboBox *combo = form.numericCombos[i];
        int value = form.max(optionValue(combo), comboLimits[i].lowest);
        value = form.min(value, comboLimits[i].highest);
        combo->setEditText(QString::number(value));
    }
    // The box the user just left wins.
    if (sender == form.comboMinLength && optionValue(form.comboMinLength) > optionValue(form.comboMaxLength))
        form.comboMaxLength->setEditText(form.comboMinLength->currentText());
    if (sender == form.comboMaxLength && optionValue(form.comboMinLength) > optionValue(form.comboMaxLength))
        form.comboMinLength->setEditText(form.comboMaxLength->currentText());
}

void OptionControls::updateSetEdits()
{
    for (qsizetype i = 0; i < form.setCheckBoxes.size(); ++i)
        form.setEdits[i]->setEnabled(form.setCheckBoxes[i]->checkState() != Qt::Unchecked);
}
