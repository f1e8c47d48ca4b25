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

    // What the window system sends for the right button or the Menu key.
    static void request(QWidget *control, QContextMenuEvent::Reason reason)
    {
        const QPoint at = control->rect().center();
        QContextMenuEvent event(reason, at, control->mapToGlobal(at));
        QApplication::sendEvent(control, &event);
    }

private Q_SLOTS:
    void initTestCase() { QVERIFY(enterTemporaryDirectory()); }
    void init()
    {
        boxes.install();
        QVERIFY(openForm(Show::active));
        form->listResult->addItems({ QStringLiteral("one"), QStringLiteral("two") });
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
    void itemsDoWhatTheirButtonsDo_data();
    void itemsDoWhatTheirButtonsDo();
};

void ContextMenuTest::opensWhereAsked_data()
{
    QTest::addColumn<QString>("control");
    QTest::addColumn<bool>("keyboard"); // Shift+F10 with the focus there, else the right button
    QTest::addColumn<bool>("ours"); // else the control's own edit menu
    QTest::newRow("right button on the strength line") << "labelStrength" << false << true;
    QTest::newRow("right button on the results list") << "viewport" << false << true;
    QTest::newRow("right button on a disabled list button") << "buttonSave" << false << true;
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
    QWidget *target = control == "viewport" ? form->listResult->viewport() : form->findChild<QWidget *>(control);
    if (keyboard) {
        target->setFocus();
        QTest::keyClick(target, Qt::Key_F10, Qt::ShiftModifier);
    } else {
        request(target, QContextMenuEvent::Mouse);
    }
    auto *opened = qobject_cast<QMenu *>(QApplication::activePopupWidget());
    QVERIFY(opened);
    QCOMPARE(opened == menu(), ours);
    // From the keyboard the first item that can be chosen is active at once.
    if (ours && keyboard)
        QCOMPARE(opened->activeAction(), form->actionMixSystemRandom);
}

void ContextMenuTest::itemsDoWhatTheirButtonsDo_data()
{
    QTest::addColumn<int>("row"); // in the menu
    QTest::addColumn<QString>("done"); // selected, questions, copies, save dialogs, About boxes
    QTest::newRow("Select All selects every password") << 0 << "2 0 0 0 0";
    QTest::newRow("Delete Selected asks first") << 1 << "1 1 0 0 0";
    QTest::newRow("Copy to Clipboard copies") << 2 << "1 0 1 0 0";
    QTest::newRow("Save to File asks where") << 3 << "1 0 0 1 0";
    QTest::newRow("About tells version, licence and home page") << 9 << "1 0 0 0 1";
}

void ContextMenuTest::itemsDoWhatTheirButtonsDo()
{
    QFETCH(int, row);
    QFETCH(QString, done);
    form->setOptionsEnabled(true);
    form->listResult->item(1)->setSelected(true);
    boxes.answer = false;
    request(form.get(), QContextMenuEvent::Keyboard);
    menu()->setActiveAction(menu()->actions()[row]);
    QTest::keyClick(menu(), Qt::Key_Return);
    QCOMPARE(QStringLiteral("%1 %2 %3 %4 %5")
                 .arg(form->listResult->selectedItems().size())
                 .arg(boxes.questions.size())
                 .arg(boxes.clipboardWrites.size())
                 .arg(boxes.saveDialogs.size())
                 .arg(boxes.abouts.size()),
        done);
    if (row == 9)
        QCOMPARE(boxes.abouts[0].caption + "|" + boxes.abouts[0].text,
            QStringLiteral("About Zolvenar|Zolvenar 0.5a\nA desktop password generator.\n\nFree software under the "
                           "MIT licence, copyright the Zolvenar developers.\nHome page: https://zolvenar.org/"));
}

QTEST_MAIN(ContextMenuTest)
#include "ContextMenuTest.moc"
