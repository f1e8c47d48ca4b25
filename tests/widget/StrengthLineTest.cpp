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

Q_DECLARE_METATYPE(StrengthModel::Figure)

class StrengthLineTest : public QObject, FormFixture
{
    Q_OBJECT

private:
    DialogRecorder boxes;
    std::mutex mutex; // the model may be asked on a worker
    QList<GenerationOptions> asked;

    // Each figure a new number, so a late one shows.
    StrengthModel::Figure weigh(const GenerationOptions &options)
    {
        std::scoped_lock lock(mutex);
        asked << options;
        return { double(asked.size()), StrengthModel::Limit::samples };
    }

    QString lastShown()
    {
        std::scoped_lock lock(mutex);
        return WindowTexts::strength({ double(asked.size()), StrengthModel::Limit::samples });
    }

    GenerationOptions lastAsked()
    {
        std::scoped_lock lock(mutex);
        return asked.last();
    }

private Q_SLOTS:
    void initTestCase() { QVERIFY(enterTemporaryDirectory()); }
    void init()
    {
        boxes.install();
        StrengthLine::setModelForTesting([this](const GenerationOptions &options) { return weigh(options); });
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
    void words_data();
    void words();
};

void StrengthLineTest::followsEveryChange_data()
{
    QTest::addColumn<QString>("change");
    QTest::addColumn<QByteArray>("pool");
    QTest::addColumn<int>("minLength");
    QTest::addColumn<bool>("mix");
    QTest::addColumn<bool>("require");
    const QByteArray start = "0123456789abcdefghijklmnopqrstuvwxyz";
    QTest::newRow("at start") << "" << start << 16 << false << false;
    QTest::newRow("a set ticked") << "tick upper case"
                                  << QByteArray("0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz") << 16
                                  << false << false;
    QTest::newRow("a character typed in a set") << "type in digits" << start.mid(1) + "~" << 16 << false << false;
    QTest::newRow("a text pasted in a set")
        << "paste in lower case" << QByteArray("0123456789abcdefghijklmnopqrstuvwxyz{|}") << 16 << false << false;
    QTest::newRow("a number chosen from the list") << "choose 24" << start << 24 << false << false;
    QTest::newRow("a number typed") << "type 9" << start << 9 << false << false;
    QTest::newRow("system randomness ticked in the menu") << "mix" << start << 16 << true << false;
    QTest::newRow("each set required in the menu") << "require" << start << 16 << false << true;
    QTest::newRow("the character sets reset") << "reset" << start << 16 << false << false;
}

void StrengthLineTest::followsEveryChange()
{
    QFETCH(QString, change);
    QFETCH(QByteArray, pool);
    QFETCH(int, minLength);
    QFETCH(bool, mix);
    QFETCH(bool, require);
    const QString before = form->labelStrength->text();
    if (change == "tick upper case") {
        form->checkUpperCase->click();
    } else if (change == "type in digits") {
        form->editNumber->setFocus();
        form->editNumber->setCursorPosition(0);
        QTest::keyClick(form->editNumber, Qt::Key_Delete);
        form->editNumber->end(false);
        QTest::keyClicks(form->editNumber, QStringLiteral("~"));
    } else if (change == "paste in lower case") {
        form->editLowerCase->end(false);
        form->editLowerCase->insert(QStringLiteral("{|}"));
    } else if (change == "choose 24") {
        form->comboMinLength->setCurrentIndex(form->comboMinLength->findText(QStringLiteral("24")));
    } else if (change == "type 9") {
        form->comboMinLength->lineEdit()->selectAll();
        QTest::keyClicks(form->comboMinLength, QStringLiteral("9"));
    } else if (change == "mix") {
        form->actionMixSystemRandom->trigger();
    } else if (change == "require") {
        form->actionRequireEachSet->trigger();
    } else if (change == "reset") {
        form->editLowerCase->setText(QStringLiteral("abc"));
        form->resetClick();
    }
    if (!change.isEmpty())
        QVERIFY(form->labelStrength->text() != before);
    // At once, with what a run would read, and heard so.
    QCOMPARE(form->labelStrength->text(), lastShown());
    QCOMPARE(form->labelStrength->accessibleName(), lastShown());
    const GenerationOptions shown = lastAsked();
    const GenerationOptions run = form->mouseTrack->readOptions();
    QCOMPARE(QByteArray::fromStdString(shown.charPool), pool);
    QCOMPARE(QByteArray::fromStdString(run.charPool), pool);
    QCOMPARE(shown.minLength, minLength);
    QCOMPARE(run.minLength, minLength);
    QCOMPARE(shown.mixSystemRandom, mix);
    QCOMPARE(run.mixSystemRandom, mix);
    QCOMPARE(shown.requireEachSet, require);
    QCOMPARE(run.requireEachSet, require);
    QCOMPARE(shown.requiredSets, run.requiredSets);
}

void StrengthLineTest::longSetsWeighedAside_data()
{
    QTest::addColumn<QString>("then"); // what happens while the long set is weighed
    QTest::newRow("shown once weighed") << "";
    QTest::newRow("a short change meanwhile wins") << "short";
    QTest::newRow("the window closes meanwhile") << "close";
}

void StrengthLineTest::longSetsWeighedAside()
{
    QFETCH(QString, then);
    form->checkIncludeCustom->setChecked(true);
    const QString before = form->labelStrength->text();
    const QString longSet(int(StrengthLine::maxSetBytesWeighedAtOnce) + 1, QLatin1Char('!'));
    form->editIncludeCustom->setText(longSet);
    // Not weighed on the window's thread: nothing has changed yet.
    QCOMPARE(form->labelStrength->text(), before);
    if (then == "close") {
        closeForm();
        Threads::waitForAll();
        QCoreApplication::processEvents();
        QCOMPARE(lastAsked().charPool, std::string("!0123456789abcdefghijklmnopqrstuvwxyz"));
        return;
    }
    if (then == "short") {
        form->editIncludeCustom->setText(QStringLiteral("#"));
        const QString shortShown = form->labelStrength->text();
        QCOMPARE(QByteArray::fromStdString(form->mouseTrack->readOptions().charPool),
            QByteArray("#0123456789abcdefghijklmnopqrstuvwxyz"));
        Threads::waitForAll();
        QCoreApplication::processEvents();
        QCOMPARE(form->labelStrength->text(), shortShown);
        return;
    }
    QTRY_VERIFY(form->labelStrength->text() != before);
    QCOMPARE(form->labelStrength->text(), lastShown());
    QCOMPARE(lastAsked().charPool, std::string("!0123456789abcdefghijklmnopqrstuvwxyz"));
}

void StrengthLineTest::words_data()
{
    QTest::addColumn<StrengthModel::Figure>("figure");
    QTest::addColumn<QString>("words");
    using Limit = StrengthModel::Limit;
    QTest::newRow("whole bits without a tenth")
        << StrengthModel::Figure { 80, Limit::length } << "80 bits each, limited by length";
    QTest::newRow("a tenth") << StrengthModel::Figure { 25.5, Limit::samples } << "25.5 bits each, limited by samples";
    QTest::newRow("one bit") << StrengthModel::Figure { 1, Limit::length } << "1 bit each, limited by length";
    QTest::newRow("past a thousand, whole")
        << StrengthModel::Figure { 1234.5, Limit::systemRandom } << "1234 bits each, with system mix";
    QTest::newRow("too short for each set")
        << StrengthModel::Figure { 0, Limit::length, true } << "Too short to hold each set";
}

void StrengthLineTest::words()
{
    QFETCH(StrengthModel::Figure, figure);
    QFETCH(QString, words);
    QCOMPARE(WindowTexts::strength(figure), words);
}

QTEST_MAIN(StrengthLineTest)
#include "StrengthLineTest.moc"
