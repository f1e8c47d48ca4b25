#include "window/app/StrengthLine.h"
#include "core/toolkit/Threads.h"
#include "support/DialogRecorder.h"
#include "support/FormFixture.h"
#include "window/app/MouseTrack.h"
#include "window/app/WindowTexts.h"
#include "window/widgets/IntComboBox.h"

#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QTest>

#include <mutex>
#include <tuple>

class StrengthLineTest : public QObject, FormFixture
{
    Q_OBJECT

private:
    DialogRecorder boxes;
    std::mutex mutex; // the model may be asked on the worker
    std::vector<GenerationOptions> asked; // each answered with its count, so a late figure shows

    QString figure(std::size_t count)
    {
        return WindowTexts::strength({ double(count), StrengthModel::Limit::samples });
    }

private Q_SLOTS:
    void initTestCase() { QVERIFY(enterTemporaryDirectory()); }
    void init()
    {
        boxes.install();
        StrengthLine::setModelForTesting([this](const GenerationOptions &options) {
            std::scoped_lock lock(mutex);
            asked.push_back(options);
            return StrengthModel::Figure { double(asked.size()), StrengthModel::Limit::samples };
        });
        QVERIFY(openForm(Show::no));
    }
    void cleanup()
    {
        closeForm();
        Threads::waitForAll();
        StrengthLine::setModelForTesting({});
        DialogRecorder::uninstall();
        asked.clear();
    }

    void followsEveryChange_data();
    void followsEveryChange();
    void longSetsWeighedAside_data();
    void longSetsWeighedAside();
};

void StrengthLineTest::followsEveryChange_data()
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

void StrengthLineTest::followsEveryChange()
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

void StrengthLineTest::longSetsWeighedAside_data()
{
    QTest::addColumn<QString>("then"); // while the long set is weighed
    QTest::newRow("shown once weighed") << "";
    QTest::newRow("a short change meanwhile wins") << "short";
    QTest::newRow("the window closes meanwhile") << "close";
}

void StrengthLineTest::longSetsWeighedAside()
{
    QFETCH(QString, then);
    form->checkIncludeCustom->setChecked(true);
    const QString before = form->labelStrength->text();
    form->editIncludeCustom->setText(QString(int(StrengthLine::maxSetBytesWeighedAtOnce) + 1, QLatin1Char('!')));
    QCOMPARE(form->labelStrength->text(), before); // not on the window's thread
    if (then == "close")
        closeForm();
    if (then == "short")
        form->editIncludeCustom->setText(QStringLiteral("#"));
    const QString now = then == "close" ? QString() : form->labelStrength->text();
    Threads::waitForAll();
    QCoreApplication::processEvents();
    if (then.isEmpty())
        QCOMPARE(form->labelStrength->text(), figure(asked.size()));
    else if (form)
        QCOMPARE(form->labelStrength->text(), now);
    if (then != "short") // weighed in the end, whether shown or not
        QCOMPARE(asked.back().charPool, std::string("!0123456789abcdefghijklmnopqrstuvwxyz"));
}

QTEST_MAIN(StrengthLineTest)
#include "StrengthLineTest.moc"
