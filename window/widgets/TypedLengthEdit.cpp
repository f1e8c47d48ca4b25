#include "window/widgets/TypedLengthEdit.h"

#include "window/x11/KeyData.h"

#include <QScopedValueRollback>
#include <QValidator>

#include <limits>

namespace {

bool isControl(QChar ch)
{
    return ch.unicode() < 0x20 || ch.unicode() == 0x7F;
}

// Drops the control characters a user pastes or types: a line break or NUL in a
// one-line box would end up in the settings file and the passwords. Refuses a
// user's change that leaves the text longer than the limit and longer than
// before. Program-set text always passes, and deleting from a text that is
// already too long still works.
class TypedLengthValidator : public QValidator
{
public:
    explicit TypedLengthValidator(TypedLengthEdit &edit)
        : QValidator(&edit)
        , edit(edit)
    { }

    State validate(QString &input, int &position) const override
    {
        if (edit.userEditing()) {
            for (qsizetype i = input.size(); i-- > 0;) {
                if (const char16_t digit = edit.holdsAsciiDigits() ? KeyData::asciiDigit(input[i].unicode()) : 0)
                    input[i] = QChar(digit);
                if (!isControl(input[i]))
                    continue;
                input.remove(i, 1);
                if (i < position)
                    --position;
            }
        }
        const int length = static_cast<int>(input.size());
        if (edit.userEditing() && length > edit.maxTypedLength() && length > lastLength)
            return Invalid;
        // Every change of the text passes through here, so this tracks the text before the next one.
        lastLength = length;
        return Acceptable;
    }

private:
    TypedLengthEdit &edit;
    mutable int lastLength = 0;
};

} // namespace

TypedLengthEdit::TypedLengthEdit(QWidget *parent)
    : TypedLengthEdit(QString(), parent)
{ }

TypedLengthEdit::TypedLengthEdit(const QString &text, QWidget *parent)
    : QLineEdit(parent)
{
    // Character sets and numbers are not text to be reordered, in a window mirrored
    // for a right-to-left language too.
    setLayoutDirection(Qt::LeftToRight);
    setValidator(new TypedLengthValidator(*this));
    // QLineEdit cuts even program-set text at its maximum length; only typing is limited here.
    setMaxLength(std::numeric_limits<int>::max());
    setText(text);
}

void TypedLengthEdit::setMaxTypedLength(int length)
{
    limit = length;
}

void TypedLengthEdit::keyPressEvent(QKeyEvent *event)
{
    QScopedValueRollback guard(editing, true);
    QLineEdit::keyPressEvent(event);
}

void TypedLengthEdit::inputMethodEvent(QInputMethodEvent *event)
{
    QScopedValueRollback guard(editing, true);
    QLineEdit::inputMethodEvent(event);
}

void TypedLengthEdit::dropEvent(QDropEvent *event)
{
    QScopedValueRollback guard(editing, true);
    QLineEdit::dropEvent(event);
}

void TypedLengthEdit::mouseReleaseEvent(QMouseEvent *event)
{
    // A middle-button release pastes the X11 selection.
    QScopedValueRollback guard(editing, true);
    QLineEdit::mouseReleaseEvent(event);
}

void TypedLengthEdit::contextMenuEvent(QContextMenuEvent *event)
{
    // The menu runs inside this call, so its Paste counts as typing.
    QScopedValueRollback guard(editing, true);
    QLineEdit::contextMenuEvent(event);
}
