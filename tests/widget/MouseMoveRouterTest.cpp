#include "window/app/MouseMoveRouter.h"
#include "support/FormFixture.h"
#include "window/widgets/PushCheckButton.h"
#include "window/widgets/ResultsList.h"

#include <QApplication>
#include <QLineEdit>
#include <QListWidget>
#include <QMouseEvent>
#include <QPushButton>
#include <QTest>

// Moves are delivered the way the window system delivers them: to the widget
// under the pointer, through the application, so propagation and tracking apply.
class MouseMoveRouterTest : public QObject, FormFixture
{
    Q_OBJECT

private:
    QList<QPoint> seen;

    void moveOver(QWidget *widget, QPoint at, Qt::MouseButtons buttons = Qt::NoButton)
    {
        QMouseEvent move(QEvent::MouseMove, at, widget->mapToGlobal(at), Qt::NoButton, buttons, Qt::NoModifier);
        QApplication::sendEvent(widget, &move);
    }

    QWidget *control(const QString &name)
    {
        if (name == QLatin1String("window"))
            return form.get();
        if (name == QLatin1String("listResult"))
            return form->listResult->viewport();
        return form->findChild<QWidget *>(name);
    }

private Q_SLOTS:
    void initTestCase()
    {
        QVERIFY(enterTemporaryDirectory());
        MouseMoveRouter::setTargetForTesting([this](int x, int y) { seen << QPoint(x, y); });
    }

    void cleanupTestCase() { MouseMoveRouter::setTargetForTesting({}); }

    void init()
    {
        QVERIFY(openForm());
        seen.clear();
    }

    void cleanup() { closeForm(); }

    void movesReachTheTracker_data();
    void movesReachTheTracker();
    void movesOverOtherControlsDoNot_data();
    void movesOverOtherControlsDoNot();
    void dragsCountOnceWhereTheyAreHeld();
};

void MouseMoveRouterTest::movesReachTheTracker_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("collapsed");
    QTest::newRow("the list, in its client area") << "listResult" << false;
    QTest::newRow("the generate button") << "checkGen" << false;
    QTest::newRow("the window's own background") << "window" << false;
    QTest::newRow("a progress bar") << "progressTotal" << false;
    QTest::newRow("save settings") << "checkSettings" << false;
    QTest::newRow("the settings button, collapsed") << "buttonShow" << true;
}

void MouseMoveRouterTest::movesReachTheTracker()
{
    QFETCH(QString, name);
    QFETCH(bool, collapsed);
    if (collapsed) {
        form->settingsCollapsed = true;
        form->layoutControls();
    }
    // (2, 3) of the window is background, left of the first row of controls.
    const QPoint at = name == QLatin1String("window") ? QPoint(2, 3) : QPoint(11, 7);
    moveOver(control(name), at);
    QCOMPARE(seen, QList<QPoint>({ at }));
}

void MouseMoveRouterTest::movesOverOtherControlsDoNot_data()
{
    QTest::addColumn<QString>("name");
    QTest::newRow("a set text box") << "editSymbol";
    QTest::newRow("a list button") << "buttonCopy";
    QTest::newRow("a numeric box") << "comboPassCount";
    QTest::newRow("a set check box") << "checkLowerCase";
}

void MouseMoveRouterTest::movesOverOtherControlsDoNot()
{
    QFETCH(QString, name);
    moveOver(control(name), QPoint(5, 5));
    QVERIFY(seen.isEmpty());
}

void MouseMoveRouterTest::dragsCountOnceWhereTheyAreHeld()
{
    moveOver(form->checkGen, QPoint(9, 9), Qt::LeftButton);
    // Dragged off the button that holds the mouse, which passes the move on to the window.
    moveOver(form->checkGen, QPoint(-20, 300), Qt::RightButton);
    moveOver(form.get(), QPoint(2, 3), Qt::RightButton);
    QCOMPARE(seen, QList<QPoint>({ QPoint(9, 9), QPoint(-20, 300), QPoint(2, 3) }));

    // Held by the window's background: a move over a control is still the window's.
    seen.clear();
    const QPoint overBox = form->editSymbol->geometry().center();
    moveOver(form.get(), QPoint(2, 4), Qt::LeftButton);
    moveOver(form.get(), overBox, Qt::LeftButton);
    QCOMPARE(seen, QList<QPoint>({ QPoint(2, 4), overBox }));
}

QTEST_MAIN(MouseMoveRouterTest)
#include "MouseMoveRouterTest.moc"
