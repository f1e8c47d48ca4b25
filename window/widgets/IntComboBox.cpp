#include "window/widgets/IntComboBox.h"

#include "window/toolkit/KeyData.h"
#include "window/widgets/TypedLengthEdit.h"

#include <QInputMethodEvent>
#include <QKeyEvent>

#include <algorithm>
#include <array>

namespace {

// Digit keys, Backspace, Delete, Home, End and the four arrows, with no modifier.
bool passesFilter(std::uint32_t keyData)
{
    static constexpr std::array<std::uint32_t, 8> editing = { 0x08, 0x2E, 0x24, 0x23, 0x25, 0x26, 0x27, 0x28 };
    if (keyData >= 0x30 && keyData <= 0x39)
        return true;
    return std::find(editing.begin(), editing.end(), keyData) != editing.end();
}

} // namespace

IntComboBox::IntComboBox(QWidget *parent)
    : QComboBox(parent)
{
    setLineEdit(new TypedLengthEdit(this)); // also makes the box editable
    // Typed text stays exactly what was typed: inline completion would add digits nobody typed.
    setCompleter(nullptr);
    // Enter must not add the typed text to the list.
    setInsertPolicy(QComboBox::NoInsert);
}

void IntComboBox::setMaxTypedLength(int length)
{
    static_cast<TypedLengthEdit *>(lineEdit())->setMaxTypedLength(length);
}

void IntComboBox::inputMethodEvent(QInputMethodEvent *event)
{
    // Text composed with dead keys, Compose or an input method obeys the typed keys'
    // rule: only its digits pass.
    const QString committed = event->commitString();
    QString digits;
    for (const QChar ch : committed) {
        if (ch >= QLatin1Char('0') && ch <= QLatin1Char('9'))
            digits += ch;
    }
    if (digits == committed) {
        QComboBox::inputMethodEvent(event);
        return;
    }
    QInputMethodEvent filtered(event->preeditString(), event->attributes());
    filtered.setCommitString(digits, event->replacementStart(), event->replacementLength());
    QComboBox::inputMethodEvent(&filtered);
    event->accept();
}

void IntComboBox::keyPressEvent(QKeyEvent *event)
{
    const std::optional<std::uint32_t> keyData = KeyData::fromEvent(event);
    if (!keyData) {
        // Keys that type no character (Tab, arrows, Home, function keys) keep their usual effect.
        QComboBox::keyPressEvent(event);
        return;
    }
    KeyPress press { event->text(), *keyData, false };
    Q_EMIT keyPressed(press);
    const bool modified = (*keyData & (KeyData::ctrl | KeyData::alt)) != 0;
    if (press.handled || (!modified && !passesFilter(*keyData))) {
        // Accepted, so the character goes nowhere, not even to the parent.
        event->accept();
        return;
    }
    QComboBox::keyPressEvent(event);
}
