#pragma once

#include <QObject>
#include <QPoint>
#include <QPointer>
#include <QString>

#include <cstdint>
#include <functional>
#include <map>
#include <memory>

class QWidget;

// Tool-tips with an initial delay and a reshow delay of our own: Qt's built-in
// tips have a fixed reshow delay, so registered controls get theirs from here.
// Qt's own tool-tip events are swallowed for registered controls. Use from the
// user-interface thread only.
class ToolTipComponent : public QObject
{
    Q_OBJECT

public:
    // A single-shot wait the component restarts and stops; tests inject one they
    // fire by hand instead of waiting.
    class Timer
    {
    public:
        virtual ~Timer() = default;
        virtual void start(int milliseconds) = 0;
        virtual void stop() = 0;
    };
    using TimerFactory = std::function<std::unique_ptr<Timer>(std::function<void()> timeout)>;

    explicit ToolTipComponent(QObject *parent = nullptr, const TimerFactory &timerFactory = {});
    ~ToolTipComponent() override;

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

    // The control whose tip is on screen, or null.
    QWidget *shownFor() const { return shown; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    int nextDelay() const;
    void arm(QWidget *control, const QPoint &globalPos, int delay);
    void showPending();
    void hideShown();
    void forget(QObject *control);

    int initial = 500;
    int reshow = 100;
    bool active = true;
    std::map<QObject *, QString> tips;
    std::unique_ptr<Timer> timer;
    QPointer<QWidget> pending; // waiting for its delay
    QPointer<QWidget> shown; // its tip is on screen
    int pendingDelay = 0;
    QPoint pointer;
    // While a tip is on screen, or within the initial delay after the pointer
    // left one, the next control's tip comes after the reshow delay.
    std::uint64_t reshowUntilTicks = 0;
};
