#pragma once

#include <QComboBox>

// Editable combo box for whole numbers: typed characters pass only from digit and
// editing keys without Shift, or with Ctrl or Alt held. Program-set text is not filtered.
class IntComboBox : public QComboBox
{
    Q_OBJECT

public:
    explicit IntComboBox(QWidget *parent = nullptr);

    // Longest text the user can type.
    void setMaxTypedLength(int length);

protected:
    void keyPressEvent(QKeyEvent *event) override;
};
