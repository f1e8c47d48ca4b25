#include "window/toolkit/ToolTipComponent.h"
#include "core/toolkit/TickCounter.h"

#include <QEnterEvent>
#include <QHelpEvent>
#include <QLabel>
#include <QTest>
#include <QToolTip>

#include <memory>
#include <utility>

namespace {

// Stands in for the component's timer: remembers the wait asked for and fires on demand.
struct FakeTimer : ToolTipComponent::Timer
{
    explicit FakeTimer(std::function<void()> timeout)
        : timeout(std::move(timeout))
    { }
    void start(int milliseconds) override
    {
        interval = milliseconds;
        running = true;
        ++starts;
    }
    void stop() override { running = false; }
    void fire()
    {
        QVERIFY(running);
        running = false;
        timeout();
    }
    std::function<void()> timeout;
    int interval = -1;
    int starts = 0;
    bool running = false;
};

void enter(QWidget *control)
{
    QEnterEvent event(QPointF(5, 5), QPointF(5, 5), control->mapToGlobal(QPointF(5, 5)));
    QCoreApplication::sendEvent(control, &event);
}

void leave(QWidget *control)
{
    QEvent event(QEvent::Leave);
    QCoreApplication::sendEvent(control, &event);
}

} // namespace

class ToolTipComponentTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();

    void firstTipWaitsForTheInitialDelay();
    void nextControlAfterAShownTipUsesTheReshowDelay_data();
    void nextControlAfterAShownTipUsesTheReshowDelay();
    void qtsOwnTipEventsAreSwallowedForRegisteredControls();
    void inactiveComponentShowsNothing();
    void controlIsRegisteredOnceAndItsTextReplaced();
    void clickPutsTheTipAwayAndDestroyedControlsAreForgotten();

private:
    std::unique_ptr<QWidget> window;
    QLabel *first = nullptr;
    QLabel *second = nullptr;
    std::unique_ptr<ToolTipComponent> tips;
    FakeTimer *timer = nullptr;
    std::uint64_t now = 1'000'000'000;
};

void ToolTipComponentTest::init()
{
    TickCounter::setSourceForTesting([this] { return now; });
    window = std::make_unique<QWidget>();
    window->resize(200, 100);
    first = new QLabel(QStringLiteral("first"), window.get());
    first->setGeometry(0, 0, 100, 50);
    second = new QLabel(QStringLiteral("second"), window.get());
    second->setGeometry(100, 0, 100, 50);
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window.get()));
    tips = std::make_unique<ToolTipComponent>(nullptr, [this](std::function<void()> timeout) {
        auto fake = std::make_unique<FakeTimer>(std::move(timeout));
        timer = fake.get();
        return fake;
    });
    tips->setInitialDelay(1000);
    tips->setReshowDelay(250);
    tips->setToolTip(first, QStringLiteral("First tip"));
    tips->setToolTip(second, QStringLiteral("Second tip"));
}

void ToolTipComponentTest::cleanup()
{
    tips.reset();
    window.reset();
    QToolTip::hideText();
    TickCounter::setSourceForTesting({});
}

void ToolTipComponentTest::firstTipWaitsForTheInitialDelay()
{
    enter(first);
    QVERIFY(timer->running);
    QCOMPARE(timer->interval, 1000);
    QVERIFY(!tips->shownFor());
    QVERIFY(!QToolTip::isVisible());
    timer->fire();
    QCOMPARE(tips->shownFor(), first);
    QTRY_VERIFY(QToolTip::isVisible());
    QCOMPARE(QToolTip::text(), QStringLiteral("First tip"));

    leave(first);
    QVERIFY(!QToolTip::isVisible()); // at once, not after Qt's own delay

    // Leaving before the delay is over shows nothing.
    QVERIFY(!tips->shownFor());
    now += 5'000'000'000ULL;
    enter(second);
    leave(second);
    QVERIFY(!timer->running);
}

void ToolTipComponentTest::nextControlAfterAShownTipUsesTheReshowDelay_data()
{
    QTest::addColumn<qint64>("pauseMs");
    QTest::addColumn<int>("expectedDelay");
    QTest::newRow("straight from one control to the next") << qint64(0) << 250;
    QTest::newRow("within the initial delay of leaving") << qint64(900) << 250;
    QTest::newRow("after a longer pause") << qint64(1500) << 1000;
}

void ToolTipComponentTest::nextControlAfterAShownTipUsesTheReshowDelay()
{
    QFETCH(qint64, pauseMs);
    QFETCH(int, expectedDelay);
    enter(first);
    timer->fire();
    QCOMPARE(tips->shownFor(), first);
    leave(first);
    QVERIFY(!tips->shownFor());
    now += static_cast<std::uint64_t>(pauseMs) * 1'000'000;
    enter(second);
    QCOMPARE(timer->interval, expectedDelay);
    timer->fire();
    QCOMPARE(tips->shownFor(), second);
    QCOMPARE(QToolTip::text(), QStringLiteral("Second tip"));
}

void ToolTipComponentTest::qtsOwnTipEventsAreSwallowedForRegisteredControls()
{
    first->setToolTip(QStringLiteral("Qt's own"));
    QHelpEvent help(QEvent::ToolTip, QPoint(5, 5), first->mapToGlobal(QPoint(5, 5)));
    QVERIFY(QCoreApplication::sendEvent(first, &help));
    QVERIFY(!QToolTip::isVisible() || QToolTip::text() != QStringLiteral("Qt's own"));
}

void ToolTipComponentTest::inactiveComponentShowsNothing()
{
    enter(first);
    timer->fire();
    QCOMPARE(tips->shownFor(), first);
    tips->setActive(false);
    QVERIFY(!tips->shownFor());
    leave(first);
    enter(second);
    QVERIFY(!timer->running);
    QVERIFY(!tips->shownFor());

    tips->setActive(true);
    leave(second);
    enter(second);
    QVERIFY(timer->running);
    timer->fire();
    QCOMPARE(tips->shownFor(), second);
}

void ToolTipComponentTest::controlIsRegisteredOnceAndItsTextReplaced()
{
    const int before = tips->registeredCount();
    tips->setToolTip(first, QStringLiteral("First tip"));
    tips->setToolTip(first, QStringLiteral("Replaced"));
    QCOMPARE(tips->registeredCount(), before);
    QCOMPARE(tips->toolTip(first), QStringLiteral("Replaced"));

    // One registration, one timer start per enter.
    const int startsBefore = timer->starts;
    enter(first);
    QCOMPARE(timer->starts, startsBefore + 1);
    timer->fire();
    QCOMPARE(QToolTip::text(), QStringLiteral("Replaced"));
    tips->setToolTip(first, QStringLiteral("Changed while shown"));
    QCOMPARE(QToolTip::text(), QStringLiteral("Changed while shown"));
}

void ToolTipComponentTest::clickPutsTheTipAwayAndDestroyedControlsAreForgotten()
{
    enter(first);
    timer->fire();
    QTest::mouseClick(first, Qt::LeftButton);
    QVERIFY(!tips->shownFor());

    const int before = tips->registeredCount();
    std::unique_ptr<QWidget>(std::exchange(second, nullptr)).reset();
    QCOMPARE(tips->registeredCount(), before - 1);
}

QTEST_MAIN(ToolTipComponentTest)
#include "ToolTipComponentTest.moc"
