#include "window/app/ContextMenu.h"
#include "support/DialogRecorder.h"
#include "support/FormFixture.h"
#include "window/widgets/ResultsList.h"

#include <QAction>
#include <QApplication>
#include <QContextMenuEvent>
#include <QMenu>
#include <QPushButton>
#include <QTest>

class ContextMenuTest : public QObject, FormFixture
{
    Q_OBJECT

private:
    DialogRecorder boxes;

    QMenu *menu() const { return form->findChild<QMenu *>(QStringLiteral("contextMenu")); }
    QAction *item(const QString &name) const { return form->findChild<QAction *>(name); }

private Q_SLOTS:
    void initTestCase() { QVERIFY(enterTemporaryDirectory()); }
    void init()
    {
        boxes.install();
        QVERIFY(openForm(Show::active));
    }
    void cleanup()
    {
        while (QWidget *popup = QApplication::activePopupWidget())
            popup->close();
        closeForm();
        DialogRecorder::uninstall();
    }

    void opensWhereAsked_data();
    void opensWhereAsked();
    void itemsFollowTheirButtons_data();
    void itemsFollowTheirButtons();
    void itemsDoWhatTheirButtonsDo_data();
    void itemsDoWhatTheirButtonsDo();
};

void ContextMenuTest::opensWhereAsked_data()
{
    QTest::addColumn<QString>("control");
    QTest::addColumn<bool>("keyboard"); // Shift+F10 with the focus there, else the right button
    QTest::addColumn<bool>("ours"); // else the control's own edit menu
    QTest::newRow("right button on the strength line") << "labelStrength" << false << true;
    QTest::newRow("right button on the results list") << "listResult" << false << true;
    QTest::newRow("right button on a disabled list button") << "buttonSave" << false << true;
    QTest::newRow("right button on a check box") << "checkSymbol" << false << true;
    QTest::newRow("a set's text box keeps its edit menu") << "editLowerCase" << false << false;
    QTest::newRow("a number box keeps its edit menu") << "comboPassCount" << false << false;
    QTest::newRow("Shift+F10 on a check box") << "checkSymbol" << true << true;
    QTest::newRow("Shift+F10 on the results list") << "listResult" << true << true;
    QTest::newRow("Shift+F10 in a set's text box keeps its edit menu") << "editLowerCase" << true << false;
}

void ContextMenuTest::opensWhereAsked()
{
    QFETCH(QString, control);
    QFETCH(bool, keyboard);
    QFETCH(bool, ours);
    auto *target = form->findChild<QWidget *>(control);
    QVERIFY(target);
    if (keyboard) {
        target->setFocus();
        QTest::keyClick(target, Qt::Key_F10, Qt::ShiftModifier);
    } else {
        // What the window system makes of a right click on the control.
        QWidget *under = target == form->listResult ? form->listResult->viewport() : target;
        const QPoint at = under->rect().center();
        QContextMenuEvent request(QContextMenuEvent::Mouse, at, under->mapToGlobal(at));
        QApplication::sendEvent(under, &request);
    }
    auto *opened = qobject_cast<QMenu *>(QApplication::activePopupWidget());
    QVERIFY(opened);
    QCOMPARE(opened == menu(), ours);
    // From the keyboard its first item that can be chosen is active at once.
    if (ours && keyboard)
        QCOMPARE(opened->activeAction(), form->actionMixSystemRandom);
}

void ContextMenuTest::itemsFollowTheirButtons_data()
{
    QTest::addColumn<QString>("state");
    QTest::addColumn<bool>("listItems");
    QTest::addColumn<bool>("options");
    QTest::newRow("an empty list") << "" << false << true;
    QTest::newRow("passwords in the list") << "passwords" << true << true;
    QTest::newRow("during a run") << "running" << false << false;
    QTest::newRow("after the run") << "idle" << true << true;
}

void ContextMenuTest::itemsFollowTheirButtons()
{
    QFETCH(QString, state);
    QFETCH(bool, listItems);
    QFETCH(bool, options);
    if (!state.isEmpty()) {
        form->listResult->addItems({ QStringLiteral("one"), QStringLiteral("two") });
        form->setOptionsEnabled(true);
    }
    if (state == "running" || state == "idle")
        form->showRunning(10);
    if (state == "idle")
        form->showIdle();
    const char *const names[] = { "actionSelectAll", "actionDelete", "actionCopy", "actionSave" };
    for (int i = 0; i < 4; ++i) {
        QCOMPARE(form->listButtons[i]->isEnabled(), listItems);
        QCOMPARE(item(QString::fromLatin1(names[i]))->isEnabled(), listItems);
    }
    QCOMPARE(form->actionMixSystemRandom->isEnabled(), options);
    QCOMPARE(form->actionRequireEachSet->isEnabled(), options);
    QVERIFY(item(QStringLiteral("actionAbout"))->isEnabled());
}

void ContextMenuTest::itemsDoWhatTheirButtonsDo_data()
{
    QTest::addColumn<QString>("name");
    QTest::newRow("Select All selects every password") << "actionSelectAll";
    QTest::newRow("Delete Selected asks first") << "actionDelete";
    QTest::newRow("Copy to Clipboard copies them all") << "actionCopy";
    QTest::newRow("Save to File opens the save dialog") << "actionSave";
    QTest::newRow("About tells version, licence and home page") << "actionAbout";
}

void ContextMenuTest::itemsDoWhatTheirButtonsDo()
{
    QFETCH(QString, name);
    form->listResult->addItems({ QStringLiteral("one"), QStringLiteral("two") });
    form->setOptionsEnabled(true);
    boxes.answer = false;
    form->listResult->item(1)->setSelected(true);
    QAction *chosen = item(name);
    QVERIFY(chosen);
    // Chosen from the open menu, as a user does.
    QContextMenuEvent request(QContextMenuEvent::Keyboard, QPoint(450, 129), form->mapToGlobal(QPoint(450, 129)));
    QApplication::sendEvent(form.get(), &request);
    QVERIFY(menu()->isVisible());
    menu()->setActiveAction(chosen);
    QTest::keyClick(menu(), Qt::Key_Return);
    QVERIFY(!menu()->isVisible());
    QCOMPARE(form->listResult->selectedItems().size(), name == "actionSelectAll" ? 2 : 1);
    if (name == "actionDelete")
        QCOMPARE(boxes.questions.size(), 1);
    if (name == "actionCopy")
        QCOMPARE(boxes.clipboardWrites.size(), 1);
    if (name == "actionSave")
        QCOMPARE(boxes.saveDialogs.size(), 1);
    if (name == "actionAbout") {
        QCOMPARE(boxes.abouts.size(), 1);
        QCOMPARE(boxes.abouts[0].caption, QStringLiteral("About Zolvenar"));
        QCOMPARE(boxes.abouts[0].text,
            QStringLiteral("Zolvenar 0.5a\nA desktop password generator.\n\nFree software under the MIT licence, "
                           "copyright the Zolvenar developers.\nHome page: https://zolvenar.org/"));
    }
}

QTEST_MAIN(ContextMenuTest)
#include "ContextMenuTest.moc"
