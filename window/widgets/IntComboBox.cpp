#include "window/widgets/IntComboBox.h"

#include "window/widgets/TypedLengthEdit.h"
#include "window/x11/KeyData.h"

#include <QAbstractItemView>
#include <QAccessible>
#include <QAccessibleWidget>
#include <QCompleter>
#include <QCoreApplication>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPointer>

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

// Qt's own interface for an editable combo box gives its text as its name on
// Linux, so a screen reader would announce "16, combo box". This one is named
// like any other control and keeps the text as its value; children, state and
// actions are as in Qt's.
class NamedComboBoxAccessible : public QAccessibleWidget
{
public:
    explicit NamedComboBoxAccessible(IntComboBox *box)
        : QAccessibleWidget(box, QAccessible::ComboBox)
    { }

    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Value)
            return box()->lineEdit()->text();
        if (t == QAccessible::Accelerator)
            return QKeySequence(Qt::Key_Down).toString(QKeySequence::NativeText);
        return QAccessibleWidget::text(t);
    }

    QAccessible::State state() const override
    {
        QAccessible::State state = QAccessibleWidget::state();
        state.expandable = true;
        state.expanded = box()->view()->isVisible();
        state.editable = true;
        return state;
    }

    // The drop-down list, then the text box.
    int childCount() const override { return 2; }

    QAccessibleInterface *child(int index) const override
    {
        if (index == 0)
            return QAccessible::queryAccessibleInterface(box()->view());
        return index == 1 ? QAccessible::queryAccessibleInterface(box()->lineEdit()) : nullptr;
    }

    int indexOfChild(const QAccessibleInterface *child) const override
    {
        if (child->object() == box()->view())
            return 0;
        return child->object() == box()->lineEdit() ? 1 : -1;
    }

    QStringList actionNames() const override { return { showMenuAction(), pressAction() }; }

    void doAction(const QString &name) override
    {
        if (name != showMenuAction() && name != pressAction())
            QAccessibleWidget::doAction(name);
        else if (box()->view()->isVisible())
            box()->hidePopup();
        else
            box()->showPopup();
    }

    QStringList keyBindingsForAction(const QString &) const override { return {}; }

private:
    IntComboBox *box() const { return static_cast<IntComboBox *>(widget()); }
};

QAccessibleInterface *accessibleFor(const QString &className, QObject *object)
{
    if (className == QLatin1String(IntComboBox::staticMetaObject.className()))
        return new NamedComboBoxAccessible(static_cast<IntComboBox *>(object));
    return nullptr;
}

} // namespace

IntComboBox::IntComboBox(QWidget *parent)
    : QComboBox(parent)
{
    // Typed text stays exactly what was typed: inline completion would add digits
    // nobody typed. The box makes a completer over its list for a line edit that
    // has none, which costs more than the rest of the box; an empty one, shared
    // by every box, stands in while the line edit is set.
    static QPointer<QCompleter> standIn;
    if (!standIn)
        standIn = new QCompleter(QCoreApplication::instance());
    setLayoutDirection(Qt::LeftToRight); // as its text
    auto *edit = new TypedLengthEdit(this);
    edit->setAsciiDigits(true);
    edit->setCompleter(standIn);
    setLineEdit(edit); // also makes the box editable
    edit->setCompleter(nullptr);
    // Enter must not add the typed text to the list.
    setInsertPolicy(QComboBox::NoInsert);
    QAccessible::installFactory(&accessibleFor); // once; later calls are ignored
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
        if ((ch >= QLatin1Char('0') && ch <= QLatin1Char('9')) || KeyData::asciiDigit(ch.unicode()) != 0)
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
