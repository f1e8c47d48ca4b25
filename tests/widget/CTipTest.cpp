#include "support/FormFixture.h"
#include "window/toolkit/ToolTipComponent.h"

#include <QAccessible>
#include <QApplication>
#include <QEnterEvent>
#include <QTest>

class CTipTest : public QObject, FormFixture
{
    Q_OBJECT

private:
    void enter(QWidget *control)
    {
        QEnterEvent event(
            QPointF(3, 3), control->mapTo(form.get(), QPointF(3, 3)), control->mapToGlobal(QPointF(3, 3)));
        QApplication::sendEvent(control, &event);
    }

private Q_SLOTS:
    void initTestCase() { QVERIFY(enterTemporaryDirectory()); }
    void init() { QVERIFY(openForm(Show::no)); }
    void cleanup() { closeForm(); }

    void configuredDelays();
    void textOnFirstEntry_data();
    void textOnFirstEntry();
    void noTipOnOtherControls();
    void describedForScreenReaders_data();
    void describedForScreenReaders();
};

void CTipTest::configuredDelays()
{
    QVERIFY(form->toolTip);
    QCOMPARE(form->toolTip->initialDelay(), 1000);
    QCOMPARE(form->toolTip->reshowDelay(), 250);
    QCOMPARE(form->toolTip->registeredCount(), 0); // nothing before the pointer enters
}

void CTipTest::textOnFirstEntry_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("text");
    QTest::newRow("checkClearClipboard") << "checkClearClipboard"
                                         << "Empty the clipboard of any passwords before exiting the application";
    QTest::newRow("checkSettingsWindow")
        << "checkSettingsWindow"
        << "Save and restore the position and size of the window next time the application is started";
    QTest::newRow("checkSettings") << "checkSettings"
                                   << "Will remember all the changes you've made next time the application is started";
    QTest::newRow("buttonReset") << "buttonReset"
                                 << "Reset all the character settings to their defaults";
    QTest::newRow("labelMinLength") << "labelMinLength"
                                    << "The minimum number of characters which must be included in a password";
    QTest::newRow("labelMaxLength") << "labelMaxLength"
                                    << "The maximum number of characters to include in a password";
    QTest::newRow("labelPassCount") << "labelPassCount"
                                    << "The number of passwords to generate";
    QTest::newRow("labelPassStrength")
        << "labelPassStrength"
        << "Increase value for stronger passwords, decrease to generate passwords quicker.";
    QTest::newRow("labelGens") << "labelGens"
                               << "Generators automatically generate data for passwords";
    QTest::newRow("checkGen") << "checkGen"
                              << "Click to start generating passwords";
    QTest::newRow("progressPass") << "progressPass"
                                  << "Shows the progress of the current password";
    QTest::newRow("progressTotal") << "progressTotal"
                                   << "Shows the total progress of all the passwords";
    QTest::newRow("buttonSelectAll") << "buttonSelectAll"
                                     << "Select all items in the list";
    QTest::newRow("buttonDelete") << "buttonDelete"
                                  << "Delete selected items in the list";
    QTest::newRow("buttonCopy") << "buttonCopy"
                                << "Copy all passwords to the clipboard";
    QTest::newRow("buttonSave") << "buttonSave"
                                << "Save all passwords to a text file";
    QTest::newRow("labelStrength")
        << "labelStrength"
        << "What each password is worth: the smaller of what its minimum length can hold from the characters left "
           "and one bit for each sample that goes into it, or the first alone with system randomness mixed in";
}

void CTipTest::textOnFirstEntry()
{
    QFETCH(QString, name);
    QFETCH(QString, text);
    auto *control = form->findChild<QWidget *>(name);
    QVERIFY(control);
    QCOMPARE(form->toolTip->toolTip(control), QString());
    enter(control);
    QCOMPARE(form->toolTip->toolTip(control), text);
    // Entering again does not register the control a second time.
    enter(control);
    QCOMPARE(form->toolTip->registeredCount(), 1);
}

void CTipTest::noTipOnOtherControls()
{
    for (QWidget *control : form->findChildren<QWidget *>(Qt::FindDirectChildrenOnly))
        enter(control);
    QCOMPARE(form->toolTip->registeredCount(), 17);
    for (const char *name : { "comboPassStrength", "checkSymbol", "editLowerCase", "listResult", "buttonShow" })
        QCOMPARE(form->toolTip->toolTip(form->findChild<QWidget *>(name)), QString());
}

void CTipTest::describedForScreenReaders_data()
{
    textOnFirstEntry_data();
    // Labels never take the focus; their number boxes do and carry the same words.
    QTest::newRow("comboMinLength as its label")
        << "comboMinLength"
        << "The minimum number of characters which must be included in a password";
    QTest::newRow("comboMaxLength as its label") << "comboMaxLength"
                                                 << "The maximum number of characters to include in a password";
    QTest::newRow("comboPassCount as its label") << "comboPassCount"
                                                 << "The number of passwords to generate";
    QTest::newRow("comboPassStrength as its label")
        << "comboPassStrength"
        << "Increase value for stronger passwords, decrease to generate passwords quicker.";
    QTest::newRow("comboGens as its label") << "comboGens"
                                            << "Generators automatically generate data for passwords";
}

void CTipTest::describedForScreenReaders()
{
    QFETCH(QString, name);
    QFETCH(QString, text);
    auto *control = form->findChild<QWidget *>(name);
    QVERIFY(control);
    // From the start: a keyboard user never makes the pointer enter a control.
    QCOMPARE(QAccessible::queryAccessibleInterface(control)->text(QAccessible::Description), text);
}

QTEST_MAIN(CTipTest)
#include "CTipTest.moc"
