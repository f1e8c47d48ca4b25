#pragma once

#include <QObject>
#include <QString>

#include <functional>
#include <map>

class QTimer;
class QWidget;

// Tool-tips with an initial delay and a reshow delay of our own: Qt's built-in
// tips have a fixed reshow delay, so registered controls get theirs from here.
class ToolTipComponent : public QObject
{
    Q_OBJECT

public:
    explicit ToolTipComponent(QObject *parent = nullptr);

    void setInitialDelay(int milliseconds);
    void setReshowDelay(int milliseconds);
    int initialDelay() const { return initial; }
    int reshowDelay() const { return reshow; }

    // Registers the control with this text, or replaces the text of a registered one.
    void setToolTip(QWidget *control, const QString &text);
    QString toolTip(QWidget *control) const;
    int registeredCount() const { return static_cast<int>(tips.size()); }

    void setActive(bool active);
    bool isActive() const { return active; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    int initial = 500;
    int reshow = 100;
    bool active = true;
    std::map<QWidget *, QString> tips;
};
