#include "support/FormFixture.h"
#include "window/app/MouseTrack.h"
#include "window/app/StrengthLine.h"
#include "window/app/WindowTexts.h"
#include "window/widgets/IntComboBox.h"
#include "window/widgets/PushCheckButton.h"

#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QTest>

#include <tuple>

class OptionControlsTest : public QObject, FormFixture
{
    Q_OBJECT

private:
    std::vector<GenerationOptions> asked; // each answered with its count, so each figure is new

    QString figure(std::size_t count)
    {
        return WindowTexts::strength({ double(count), StrengthModel::Limit::samples });
    }

private Q_SLOTS:
    void initTestCase() { QVERIFY(enterTemporaryDirectory()); }
    void init()
    {
        StrengthLine::setModelForTesting([this](const GenerationOptions &options) {
            asked.push_back(options);
            return StrengthModel::Figure { double(asked.size()), StrengthModel::Limit::samples };
        });
        QVERIFY(openForm(Show::active));
    }
    void cleanup()
    {
        closeForm();
        StrengthLine::setModelForTesting({});
        asked.clear();
    }

    void itemLists();
    void normalizesEveryBox_data();
    void normalizesEveryBox();
    void lengthsPullTowardTheBoxLeft_data();
    void lengthsPullTowardTheBoxLeft();
    void focusLossNormalizes();
    void openingTheListIsNoFocusLoss();
    void setBoxesFollowTheirSwitches();
    void strengthFollowsEveryChange_data();
    void strengthFollowsEveryChange();
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

void OptionControlsTest::strengthFollowsEveryChange_data()
{
    QTest::addColumn<QString>("change");
    QTest::addColumn<QByteArray>("pool");
    QTest::addColumn<int>("minLength");
    QTest::addColumn<bool>("mix");
    QTest::addColumn<bool>("require");
    const QByteArray start = "0123456789abcdefghijklmnopqrstuvwxyz";
    QTest::newRow("a set ticked") << "tick" << QByteArray("!#$%&*+-/0123456789<=>?@^abcdefghijklmnopqrstuvwxyz") << 16
                                  << false << false;
    QTest::newRow("a character typed in a set") << "type" << start + "~" << 16 << false << false;
    QTest::newRow("a text pasted in a set") << "paste" << start + "{|}" << 16 << false << false;
    QTest::newRow("a number chosen from the list") << "choose" << start << 24 << false << false;
    QTest::newRow("a number typed") << "type a number" << start << 9 << false << false;
    QTest::newRow("system randomness ticked in the menu") << "mix" << start << 16 << true << false;
    QTest::newRow("each set required in the menu") << "require" << start << 16 << false << true;
}

void OptionControlsTest::strengthFollowsEveryChange()
{
    QFETCH(QString, change);
    QFETCH(QByteArray, pool);
    QFETCH(int, minLength);
    QFETCH(bool, mix);
    QFETCH(bool, require);
    if (change == "tick")
        form->checkSymbol->click();
    else if (change == "type")
        QTest::keyClicks(form->editLowerCase, QStringLiteral("~"));
    else if (change == "paste")
        form->editNumber->insert(QStringLiteral("{|}"));
    else if (change == "choose")
        form->comboMinLength->setCurrentIndex(form->comboMinLength->findText(QStringLiteral("24")));
    else if (change == "type a number")
        QTest::keyClicks(form->comboMinLength, QStringLiteral("\b\b9"));
    else
        (change == "mix" ? form->actionMixSystemRandom : form->actionRequireEachSet)->trigger();
    // At once, shown and heard, and weighed with what a run reads.
    QCOMPARE(form->labelStrength->text(), figure(asked.size()));
    QCOMPARE(form->labelStrength->accessibleName(), form->labelStrength->text());
    const auto key = [](const GenerationOptions &options) {
        return std::tuple(QByteArray::fromStdString(options.charPool), options.minLength, options.mixSystemRandom,
            options.requireEachSet, options.requiredSets);
    };
    const GenerationOptions run = form->mouseTrack->readOptions();
    QVERIFY(key(asked.back()) == key(run));
    QVERIFY(key(run) == std::tuple(pool, minLength, mix, require, run.requiredSets));
}

QTEST_MAIN(OptionControlsTest)
#include "OptionControlsTest.moc"
