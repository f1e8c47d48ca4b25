#pragma once

#include <QComboBox>

#include <cstdint>

// Editable combo box for whole numbers: typed characters pass only from digit and
// editing keys without Shift, or with Ctrl or Alt held, and composed text only
// as its digits. Program-set, picked and pasted text is not filtered. The box
// holds ASCII digits: those of the Arabic scripts, typed or pasted, become them.
class IntComboBox : public QComboBox
{
    Q_OBJECT

public:
    // One typed character as listeners see it; a listener that sets handled discards it.
    struct KeyPress
    {
        QString character;
        std::uint32_t keyData = 0;
        bool handled = false;
    };

    explicit IntComboBox(QWidget *parent = nullptr);

    // Longest text the user can type.
    void setMaxTypedLength(int length);

Q_SIGNALS:
    // Raised for every typed character before the filter looks at it.
    void keyPressed(IntComboBox::KeyPress &press);

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void inputMethodEvent(QInputMethodEvent *event) override;
};
