#include "app/ZolvenarMainForm.h"
#include "widgets/IntComboBox.h"
#include "widgets/PushCheckButton.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

class LayoutTest : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir dir;
    std::unique_ptr<ZolvenarMainForm> form;

    // Resizes the client area and lets the window system catch up.
    void resizeClient(int width, int height)
    {
        form->resize(width, height);
        QCoreApplication::processEvents();
    }

    void collapse()
    {
        form->settingsCollapsed = true;
        form->layoutControls();
    }

    void checkSharedFigures();

private Q_SLOTS:
    void initTestCase()
    {
        // The window reads and writes its settings file in the working directory.
        QVERIFY(dir.isValid());
        QVERIFY(QDir::setCurrent(dir.path()));
    }

    void init()
    {
        form = std::make_unique<ZolvenarMainForm>();
        form->show();
        QVERIFY(QTest::qWaitForWindowExposed(form.get()));
        resizeClient(632, 447);
        QCOMPARE(form->size(), QSize(632, 447));
    }

    void cleanup() { form.reset(); }

    void expandedAtDefaultSize();
    void collapsedAtDefaultSize();
    void smallestClientArea();
    void shrinkingGrowsBack_data();
    void shrinkingGrowsBack();
    void typedComboTextSurvivesResize();
    void expandAfterCollapse();
    void accessibleNames();
};

void LayoutTest::checkSharedFigures()
{
    for (QLineEdit *edit : form->setEdits) {
        QCOMPARE(edit->x(), 132);
        QCOMPARE(edit->width(), 234);
    }
    QCOMPARE(form->buttonReset->geometry(), QRect(4, 172, 362, 24));
    for (QLabel *label : form->comboLabels)
        QCOMPARE(label->x(), 374);
    for (IntComboBox *combo : form->numericCombos) {
        QCOMPARE(combo->x(), 502);
        QCOMPARE(combo->width(), 126);
    }
    for (QCheckBox *box : { form->checkClearClipboard, form->checkSettingsWindow, form->checkSettings }) {
        QCOMPARE(box->x(), 374);
        QCOMPARE(box->width(), 254);
    }
    QCOMPARE(form->progressPass->geometry(), QRect(4, 395, 310, 20));
    QCOMPARE(form->progressTotal->geometry(), QRect(318, 395, 310, 20));
    const int xs[] = { 4, 161, 318, 475 };
    for (int i = 0; i < 4; ++i)
        QCOMPARE(form->listButtons[i]->geometry(), QRect(xs[i], 419, 153, 24));
}

void LayoutTest::expandedAtDefaultSize()
{
    checkSharedFigures();
    QCOMPARE(form->checkSettings->y(), 176);
    QCOMPARE(form->checkGen->geometry(), QRect(4, 198, 624, 28));
    QCOMPARE(form->listResult->geometry(), QRect(4, 230, 624, 161));
    QVERIFY(form->buttonShow->isHidden());
    for (QWidget *control : form->optionPanel)
        QVERIFY2(control->isVisible(), qPrintable(control->objectName()));
}

void LayoutTest::collapsedAtDefaultSize()
{
    collapse();
    checkSharedFigures();
    QCOMPARE(form->checkSettings->pos(), QPoint(374, 6));
    QCOMPARE(form->checkGen->geometry(), QRect(4, 32, 624, 28));
    QCOMPARE(form->listResult->geometry(), QRect(4, 64, 624, 327));
    QCOMPARE(form->buttonShow->pos(), QPoint(4, 4));
    QVERIFY(form->buttonShow->isVisible());
    QVERIFY(form->checkSettings->isVisible());
    for (QWidget *control : form->optionPanel)
        QVERIFY2(control->isHidden(), qPrintable(control->objectName()));
}

void LayoutTest::smallestClientArea()
{
    resizeClient(455, 341);
    QCOMPARE(form->size(), QSize(455, 341));
    for (IntComboBox *combo : form->numericCombos)
        QCOMPARE(QPoint(combo->x(), combo->width()), QPoint(360, 91));
    for (QLabel *label : form->comboLabels)
        QCOMPARE(label->x(), 232);
    for (QLineEdit *edit : form->setEdits)
        QCOMPARE(edit->width(), 92);
    const int xs[] = { 4, 116, 229, 342 };
    const int widths[] = { 108, 109, 109, 109 };
    for (int i = 0; i < 4; ++i)
        QCOMPARE(form->listButtons[i]->geometry(), QRect(xs[i], 313, widths[i], 24));
    QCOMPARE(form->progressPass->geometry(), QRect(4, 289, 221, 20));
    QCOMPARE(form->progressTotal->geometry(), QRect(229, 289, 222, 20));
}

void LayoutTest::shrinkingGrowsBack_data()
{
    QTest::addColumn<QSize>("requested");
    QTest::addColumn<QSize>("expected");
    QTest::newRow("both too small") << QSize(200, 150) << QSize(454, 340);
    QTest::newRow("too narrow") << QSize(300, 500) << QSize(454, 500);
    QTest::newRow("too low") << QSize(700, 339) << QSize(700, 340);
    QTest::newRow("exactly the minimum") << QSize(454, 340) << QSize(454, 340);
}

void LayoutTest::shrinkingGrowsBack()
{
    QFETCH(QSize, requested);
    QFETCH(QSize, expected);
    form->comboPassCount->setEditText(QStringLiteral("37"));
    resizeClient(requested.width(), requested.height());
    QCOMPARE(form->size(), expected);
    // The controls follow the grown size, not the requested one.
    QCOMPARE(form->buttonSave->x() + form->buttonSave->width(), expected.width() - 4);
    QCOMPARE(form->buttonSave->y(), expected.height() - 28);
    QCOMPARE(form->comboPassCount->currentText(), QStringLiteral("37"));
}

void LayoutTest::typedComboTextSurvivesResize()
{
    IntComboBox *combo = form->comboPassStrength;
    combo->setFocus();
    combo->lineEdit()->clear();
    QTest::keyClicks(combo, QStringLiteral("350"));
    QCOMPARE(combo->currentText(), QStringLiteral("350"));
    combo->lineEdit()->setSelection(1, 2);
    for (const QSize size : { QSize(800, 600), QSize(500, 360), QSize(100, 100) }) {
        resizeClient(size.width(), size.height());
        QCOMPARE(combo->currentText(), QStringLiteral("350"));
        QVERIFY(!combo->lineEdit()->hasSelectedText());
    }
    QCOMPARE(combo->lineEdit()->cursorPosition(), 1); // the selection collapsed to its start
}

void LayoutTest::expandAfterCollapse()
{
    collapse();
    QTest::mouseClick(form->buttonShow, Qt::LeftButton);
    QVERIFY(!form->settingsCollapsed);
    QVERIFY(form->buttonShow->isHidden());
    for (QWidget *control : form->optionPanel)
        QVERIFY2(control->isVisible(), qPrintable(control->objectName()));
    QCOMPARE(form->checkSettings->pos(), QPoint(374, 176));
    QCOMPARE(form->checkGen->geometry(), QRect(4, 200, 624, 28));
    QCOMPARE(form->listResult->geometry(), QRect(4, 232, 624, 159));

    // The next run collapses the panel again.
    collapse();
    QVERIFY(form->buttonShow->isVisible());
    QCOMPARE(form->checkGen->geometry(), QRect(4, 32, 624, 28));
}

void LayoutTest::accessibleNames()
{
    for (QWidget *control : form->findChildren<QWidget *>(Qt::FindDirectChildrenOnly))
        QVERIFY2(!control->accessibleName().isEmpty(), qPrintable(control->objectName()));
    QCOMPARE(form->checkGen->accessibleName(), QStringLiteral("Click Here to Generate Passwords"));
    QCOMPARE(form->editSimilar->accessibleName(), QStringLiteral("Exclude Similar"));
    QCOMPARE(form->comboPassStrength->accessibleName(), QStringLiteral("Password Strength"));
}

QTEST_MAIN(LayoutTest)
#include "LayoutTest.moc"
