#pragma once

#include "window/app/ZolvenarMainForm.h"

#include <QObject>
#include <QString>

// Holds one control's tool-tip text and hands it to the window's tool-tip
// component each time the pointer enters that control.
class ZolvenarMainForm::CTip : public QObject
{
    Q_OBJECT

public:
    CTip(ZolvenarMainForm &form, const QString &tipText);

    virtual void apply(QObject *sender);

    // Creates the tool-tip component and the seventeen tips; each text is also its
    // control's accessible description.
    static void attachAll(ZolvenarMainForm &form);

    const QString tipText;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    ZolvenarMainForm &form;
};
