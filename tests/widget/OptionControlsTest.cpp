#include "support/FormFixture.h"
#include "window/widgets/IntComboBox.h"
#include "window/widgets/PushCheckButton.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QTest>

class OptionControlsTest : public QObject, FormFixture
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { QVERIFY(enterTemporaryDirectory()); }
    void init() { QVERIFY(openForm(Show::active)); }
    void cleanup() { closeForm(); }

    void itemLists();
    void normalizesEveryBox_data();
    void normalizesEveryBox();
    void lengthsPullTowardTheBoxLeft_data();
    void lengthsPullTowardTheBoxLeft();
    void focusLossNormalizes();
    void openingTheListIsNoFocusLoss();
    void setBoxesFollowTheirSwitches();
};

void OptionControlsTest::itemLists()
{
    auto items = [](IntComboBox *combo) {
        QStringList list;
        for (int i = 0; i < combo->count(); ++i)
            list << combo->itemText(i);
        return list.join(QLatin1Char(' '));
    };
    const QString lengths = QStringLiteral("1 2 3 4 5 6 7 8 9 10 12 14 16 18 20 24 28 32 36 40 48 56 64 72 80 88 96");
    QCOMPARE(items(form->comboMinLength), lengths);
    QCOMPARE(items(form->comboMaxLength), lengths);
    QCOMPARE(items(form->comboPassCount),
        QStringLiteral("1 2 3 5 10 20 30 40 50 60 70 80 90 100 200 300 400 500 600 700 800 900 1000"));
    QCOMPARE(items(form->comboPassStrength),
        QStringLiteral("25 50 100 200 300 400 500 600 700 800 900 1000 2000 3000 4000 5000 6000 7000 8000 9000"));
    QCOMPARE(items(form->comboGens),
        QStringLiteral("0 (Disabled) 1 2 4 6 8 10 12 14 16 18 20 24 28 32 36 40 48 56 64 72 80 88 96"));
    // Filling the lists leaves the typed start-up texts alone.
    QStringList texts;
    for (IntComboBox *combo : form->numericCombos)
        texts << combo->currentText();
    QCOMPARE(texts, QStringList({ "16", "16", "10", "100", "0" }));
}

void OptionControlsTest::normalizesEveryBox_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("expected");
    QTest::newRow("picked Disabled item") << "comboGens"
                                          << "0 (Disabled)"
                                          << "0";
    QTest::newRow("empty count takes the lowest") << "comboPassCount"
                                                  << ""
                                                  << "1";
    QTest::newRow("letters in strength take the lowest") << "comboPassStrength"
                                                         << "abc"
                                                         << "25";
    QTest::newRow("empty generators") << "comboGens"
                                      << ""
                                      << "0";
    QTest::newRow("count above the highest") << "comboPassCount"
                                             << "70000"
                                             << "65535";
    QTest::newRow("strength below the lowest") << "comboPassStrength"
                                               << "10"
                                               << "25";
    QTest::newRow("generators above the highest") << "comboGens"
                                                  << "150"
                                                  << "99";
    QTest::newRow("negative length") << "comboMinLength"
                                     << "-3"
                                     << "1";
    QTest::newRow("trailing letters") << "comboPassCount"
                                      << "12abc"
                                      << "12";
    QTest::newRow("leading blank") << "comboPassCount"
                                   << " 8"
                                   << "8";
    QTest::newRow("wraps past 32 bits") << "comboPassCount"
                                        << "4294967297"
                                        << "1";
    QTest::newRow("leading zeros dropped") << "comboMaxLength"
                                           << "0042"
                                           << "42";
}

void OptionControlsTest::normalizesEveryBox()
{
    QFETCH(QString, name);
    QFETCH(QString, text);
    QFETCH(QString, expected);
    auto *combo = form->findChild<IntComboBox *>(name);
    combo->setEditText(text);
    form->normalizeCombos(form->comboPassCount);
    QCOMPARE(combo->currentText(), expected);
}

void OptionControlsTest::lengthsPullTowardTheBoxLeft_data()
{
    QTest::addColumn<QString>("sender");
    QTest::addColumn<QString>("minimum");
    QTest::addColumn<QString>("maximum");
    QTest::newRow("leaving the minimum pulls the maximum up") << "comboMinLength"
                                                              << "50"
                                                              << "50";
    QTest::newRow("leaving the maximum pulls the minimum down") << "comboMaxLength"
                                                                << "10"
                                                                << "10";
    for (const char *other : { "comboPassCount", "comboPassStrength", "comboGens" })
        QTest::addRow("leaving %s pulls nothing", other) << other << "50"
                                                         << "10";
}

void OptionControlsTest::lengthsPullTowardTheBoxLeft()
{
    QFETCH(QString, sender);
    QFETCH(QString, minimum);
    QFETCH(QString, maximum);
    form->comboMinLength->setEditText(QStringLiteral("50"));
    form->comboMaxLength->setEditText(QStringLiteral(" 10x"));
    form->normalizeCombos(form->findChild<IntComboBox *>(sender));
    QCOMPARE(form->comboMinLength->currentText(), minimum);
    QCOMPARE(form->comboMaxLength->currentText(), maximum);
}

void OptionControlsTest::focusLossNormalizes()
{
    form->comboGens->setFocus();
    QVERIFY(form->comboGens->hasFocus());
    form->comboGens->setCurrentIndex(0);
    form->comboMinLength->setEditText(QStringLiteral("80"));
    form->checkGen->setFocus();
    QCOMPARE(form->comboGens->currentText(), QStringLiteral("0"));
    // Leaving the generators box does not reconcile the lengths.
    QCOMPARE(form->comboMinLength->currentText(), QStringLiteral("80"));
    QCOMPARE(form->comboMaxLength->currentText(), QStringLiteral("16"));
}

void OptionControlsTest::openingTheListIsNoFocusLoss()
{
    form->comboPassCount->setFocus();
    form->comboPassCount->setEditText(QStringLiteral("7x"));
    form->comboPassCount->showPopup();
    QCOMPARE(form->comboPassCount->currentText(), QStringLiteral("7x"));
    form->comboPassCount->hidePopup();
    form->checkGen->setFocus();
    QCOMPARE(form->comboPassCount->currentText(), QStringLiteral("7"));
}

void OptionControlsTest::setBoxesFollowTheirSwitches()
{
    form->checkSymbol->setChecked(true);
    form->updateSetEdits();
    QVERIFY(form->editSymbol->isEnabled());
    const QString text = form->editSymbol->text();
    QTest::mouseClick(form->checkSymbol, Qt::LeftButton);
    QVERIFY(!form->checkSymbol->isChecked());
    QVERIFY(!form->editSymbol->isEnabled());
    QCOMPARE(form->editSymbol->text(), text);
    QTest::mouseClick(form->checkSymbol, Qt::LeftButton);
    QVERIFY(form->editSymbol->isEnabled());

    // After a run the window enables every set box; unticked ones are disabled again.
    form->checkNumber->setChecked(false);
    form->setOptionsEnabled(false);
    form->setOptionsEnabled(true);
    QVERIFY(!form->editNumber->isEnabled());
    QVERIFY(form->editSymbol->isEnabled());
}

QTEST_MAIN(OptionControlsTest)
#include "OptionControlsTest.moc"
