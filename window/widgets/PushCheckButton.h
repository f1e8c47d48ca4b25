#pragma once

#include <QPushButton>

// A check button drawn as a push button whose click does not toggle it: its owner
// sets the checked state.
class PushCheckButton : public QPushButton
{
    Q_OBJECT

public:
    explicit PushCheckButton(const QString &text, QWidget *parent = nullptr);

protected:
    void nextCheckState() override;
};
