#pragma once

#include <QLineEdit>

// A line edit whose length limit applies only to what the user types, pastes or
// drops. QLineEdit::setMaxLength would also cut text the program sets, which must
// stay whole (a loaded setting, a picked list item such as "0 (Disabled)"). What
// the user enters loses its control characters, and with ASCII digits on, its
// digits of the Arabic scripts become ASCII ones.
class TypedLengthEdit : public QLineEdit
{
    Q_OBJECT

public:
    explicit TypedLengthEdit(QWidget *parent = nullptr);
    TypedLengthEdit(const QString &text, QWidget *parent);

    void setMaxTypedLength(int length);
    int maxTypedLength() const { return limit; }

    void setAsciiDigits(bool on) { asciiDigits = on; }
    bool holdsAsciiDigits() const { return asciiDigits; }

    // True while a user's key, input-method, drop or paste is being applied.
    bool userEditing() const { return editing; }

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void inputMethodEvent(QInputMethodEvent *event) override;
    void dropEvent(QDropEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void contextMenuEvent(QContextMenuEvent *event) override;

private:
    int limit = 32767; // as QLineEdit's own default typing limit
    bool editing = false;
    bool asciiDigits = false;
};
