#include "widgets/IntComboBox.h"

#include <QKeyEvent>
#include <QLineEdit>

IntComboBox::IntComboBox(QWidget *parent)
    : QComboBox(parent)
{
    setEditable(true);
    setInsertPolicy(QComboBox::NoInsert);
}

void IntComboBox::setMaxTypedLength(int length)
{
    lineEdit()->setMaxLength(length);
}

void IntComboBox::keyPressEvent(QKeyEvent *event)
{
    QComboBox::keyPressEvent(event);
}
