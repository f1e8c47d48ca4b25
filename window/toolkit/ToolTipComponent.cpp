#include "window/toolkit/ToolTipComponent.h"

#include "core/toolkit/TickCounter.h"

#include <QApplication>
#include <QCursor>
#include <QEnterEvent>
#include <QEvent>
#include <QMouseEvent>
#include <QTimer>
#include <QToolTip>
#include <QWidget>

namespace {

class QtTimer : public ToolTipComponent::Timer
{
public:
    explicit QtTimer(std::function<void()> timeout)
    {
        timer.setSingleShot(true);
        QObject::connect(&timer, &QTimer::timeout, &timer, std::move(timeout));
    }
    void start(int milliseconds) override { timer.start(milliseconds); }
    void stop() override { timer.stop(); }

private:
    QTimer timer;
};

constexpr std::uint64_t ticksPerMs = 1'000'000;

} // namespace

ToolTipComponent::ToolTipComponent(QObject *parent, const TimerFactory &timerFactory)
    : QObject(parent)
{
    auto timeout = [this] { showPending(); };
    timer = timerFactory ? timerFactory(timeout) : std::make_unique<QtTimer>(timeout);
}

ToolTipComponent::~ToolTipComponent()
{
    for (auto &[control, text] : tips)
        control->removeEventFilter(this);
}

void ToolTipComponent::setInitialDelay(int milliseconds)
{
    initial = milliseconds;
}

void ToolTipComponent::setReshowDelay(int milliseconds)
{
    reshow = milliseconds;
}

void ToolTipComponent::setToolTip(QWidget *control, const QString &text)
{
    const bool known = tips.count(control) != 0;
    tips[control] = text;
    if (known) {
        if (shown == control)
            QToolTip::showText(pointer, text, control);
        return;
    }
    control->installEventFilter(this);
    connect(control, &QObject::destroyed, this, &ToolTipComponent::forget);
    // Registered from its own mouse-enter handler: that enter is already past us.
    if (control->underMouse())
        arm(control, QCursor::pos(), nextDelay());
}

QString ToolTipComponent::toolTip(QWidget *control) const
{
    auto found = tips.find(control);
    return found == tips.end() ? QString() : found->second;
}

void ToolTipComponent::setActive(bool value)
{
    active = value;
    if (!active) {
        timer->stop();
        pending = nullptr;
        hideShown();
    }
}

bool ToolTipComponent::eventFilter(QObject *watched, QEvent *event)
{
    auto *control = qobject_cast<QWidget *>(watched);
    if (!control || tips.count(watched) == 0)
        return QObject::eventFilter(watched, event);
    switch (event->type()) {
    case QEvent::ToolTip:
        return true; // ours, not Qt's
    case QEvent::Enter:
        arm(control, static_cast<QEnterEvent *>(event)->globalPosition().toPoint(), nextDelay());
        break;
    case QEvent::MouseMove:
        // The tip waits for the pointer to rest.
        if (pending == control && shown != control)
            arm(control, static_cast<QMouseEvent *>(event)->globalPosition().toPoint(), pendingDelay);
        break;
    case QEvent::Leave:
        if (pending == control) {
            timer->stop();
            pending = nullptr;
        }
        if (shown == control) {
            hideShown();
            reshowUntilTicks = TickCounter::ticks() + static_cast<std::uint64_t>(initial) * ticksPerMs;
        }
        break;
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
    case QEvent::KeyPress:
    case QEvent::Wheel:
    case QEvent::Hide:
        // Using the control puts its tip away until the pointer comes back.
        timer->stop();
        pending = nullptr;
        if (shown == control)
            hideShown();
        break;
    default:
        break;
    }
    return QObject::eventFilter(watched, event);
}

int ToolTipComponent::nextDelay() const
{
    const bool fromTipToTip = shown || TickCounter::ticks() <= reshowUntilTicks;
    return fromTipToTip ? reshow : initial;
}

void ToolTipComponent::arm(QWidget *control, const QPoint &globalPos, int delay)
{
    if (!active)
        return;
    pointer = globalPos;
    pending = control;
    pendingDelay = delay;
    timer->start(delay);
}

void ToolTipComponent::showPending()
{
    QWidget *control = pending;
    pending = nullptr;
    if (!active || !control || tips.count(control) == 0)
        return;
    if (shown && shown != control)
        hideShown();
    shown = control;
    QToolTip::showText(pointer, tips[control], control);
}

void ToolTipComponent::hideShown()
{
    if (!shown)
        return;
    // QToolTip::hideText leaves the tip up a few hundred milliseconds more, over
    // whatever the pointer moved on to; it goes at once instead.
    QToolTip::hideText();
    for (QWidget *window : QApplication::topLevelWidgets()) {
        if (window->inherits("QTipLabel") && window->isVisible())
            window->close();
    }
    shown = nullptr;
}

void ToolTipComponent::forget(QObject *control)
{
    tips.erase(control);
}
