#include "support/ChildProcess.h"
#include "support/DialogRecorder.h"
#include "support/FormFixture.h"
#include "support/core/FileBytes.h"
#include "support/core/FileSizeLimit.h"
#include "window/app/MouseTrack.h"
#include "window/toolkit/Clipboard.h"
#include "window/toolkit/ZolvenarApplication.h"
#include "window/widgets/ResultsList.h"

#include <QAction>
#include <QActionGroup>
#include <QCheckBox>
#include <QFile>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

#include <stdexcept>
#include <thread>

namespace {

const QString runningQuestion
    = QStringLiteral("You are currently generating passwords. Are you sure you want to exit?");
const QString unsavedQuestion = QStringLiteral("There are unsaved changes. Are you sure you want to exit?");
const QString settingsFile = QStringLiteral("Zolvenar.ini");

} // namespace

class ZolvenarMainFormClosingTest : public QObject, FormFixture
{
    Q_OBJECT

public:
    static int child(const QByteArray &) { return 3; }

private Q_SLOTS:
    void initTestCase() { QVERIFY(enterTemporaryDirectory()); }
    void init();
    void cleanup();

    void closingAsksOnlyWhenSomethingWouldBeLost_data();
    void closingAsksOnlyWhenSomethingWouldBeLost();
    void failedQuestionStillClearsPaused();
    void clipboardIsEmptiedOnlyWhileItHoldsOurCopy_data();
    void clipboardIsEmptiedOnlyWhileItHoldsOurCopy();
    void clipboardFailureKeepsTheWindowOpenWithoutSaving();
    void closingPastAFileSizeLimitKeepsTheEarlierSettings();
    void optionsEnabledFollowsTheListAndWorkerCallsReachTheWindowThread();

private:
    DialogRecorder boxes;
    QList<bool> pausedWhileAsked;
};

void ZolvenarMainFormClosingTest::init()
{
    QFile::remove(settingsFile);
    boxes.install();
    pausedWhileAsked.clear();
    boxes.whileAsked = [this] { pausedWhileAsked << form->mouseTrack->paused(); };
    QVERIFY(openForm());
    // A save would now create the file, so its absence shows no save happened.
    form->checkSettings->setChecked(true);
}

void ZolvenarMainFormClosingTest::cleanup()
{
    closeForm();
    DialogRecorder::uninstall();
    QCOMPARE(boxes.errors.size(), 0);
}

void ZolvenarMainFormClosingTest::closingAsksOnlyWhenSomethingWouldBeLost_data()
{
    QTest::addColumn<bool>("running");
    QTest::addColumn<bool>("unsaved");
    QTest::addColumn<bool>("yes");
    QTest::addColumn<QString>("expectedQuestion");
    QTest::addColumn<bool>("closes");
    QTest::newRow("idle, nothing unsaved: no question") << false << false << false << QString() << true;
    QTest::newRow("unsaved, No keeps the window") << false << true << false << unsavedQuestion << false;
    QTest::newRow("unsaved, Yes closes") << false << true << true << unsavedQuestion << true;
    QTest::newRow("running, No keeps the window and the run") << true << false << false << runningQuestion << false;
    QTest::newRow("running and unsaved, Yes closes after one question")
        << true << true << true << runningQuestion << true;
}

void ZolvenarMainFormClosingTest::closingAsksOnlyWhenSomethingWouldBeLost()
{
    QFETCH(bool, running);
    QFETCH(bool, unsaved);
    QFETCH(bool, yes);
    QFETCH(QString, expectedQuestion);
    QFETCH(bool, closes);
    if (running) {
        form->mouseTrack->start();
        QVERIFY(form->mouseTrack->running());
        boxes.questions.clear(); // only the closing questions count
        pausedWhileAsked.clear();
    }
    form->unsavedPasswords = unsaved;
    boxes.answer = yes;

    QCOMPARE(form->close(), closes);

    QCOMPARE(boxes.questions.size(), expectedQuestion.isEmpty() ? 0 : 1);
    if (!expectedQuestion.isEmpty()) {
        QCOMPARE(boxes.questions[0].text, expectedQuestion);
        QCOMPARE(boxes.questions[0].caption, QStringLiteral("Zolvenar"));
        QCOMPARE(pausedWhileAsked, QList<bool> { true });
    }
    QVERIFY(!form->mouseTrack->paused());
    QCOMPARE(form->isVisible(), !closes);
    QCOMPARE(QFile::exists(settingsFile), closes);
    if (running && !closes)
        QVERIFY(form->mouseTrack->running());
    form->mouseTrack->stop();
}

void ZolvenarMainFormClosingTest::failedQuestionStillClearsPaused()
{
    form->unsavedPasswords = true;
    boxes.whileAsked = [this] {
        pausedWhileAsked << form->mouseTrack->paused();
        throw std::runtime_error("no box");
    };
    bool cancel = false;
    QVERIFY_THROWS_EXCEPTION(std::runtime_error, form->onFormClosing(cancel));
    QCOMPARE(pausedWhileAsked, QList<bool> { true });
    QVERIFY(!form->mouseTrack->paused());
    QVERIFY(!QFile::exists(settingsFile));
}

void ZolvenarMainFormClosingTest::clipboardIsEmptiedOnlyWhileItHoldsOurCopy_data()
{
    QTest::addColumn<bool>("clearOnExit");
    QTest::addColumn<int>("delay"); // Clear Clipboard After, seconds
    QTest::addColumn<bool>("ranOut"); // the delay ran out before the close
    QTest::addColumn<bool>("owned"); // the clipboard is still ours: no read needed
    QTest::addColumn<bool>("copied");
    QTest::addColumn<QByteArray>("clipboardAtExit"); // from the end of the delay on
    QTest::addColumn<bool>("emptied");
    QTest::addColumn<bool>("asks"); // passwords the clipboard took are unsaved
    QTest::addColumn<int>("reads");
    const QByteArray copy = "Ab3$x\r\nQ9!zz";
    QTest::newRow("still our copy") << true << 0 << false << false << true << copy << true << false << 2;
    QTest::newRow("our copy with other line breaks and spacing")
        << true << 0 << false << false << true << QByteArray(" Ab3$x\n\tQ9!zz\f\v ") << true << false << 2;
    QTest::newRow("other text copied since")
        << true << 0 << false << false << true << QByteArray("Ab3$x") << false << false << 2;
    QTest::newRow("no copy since start, empty clipboard")
        << true << 0 << false << false << false << QByteArray() << false << false << 0;
    QTest::newRow("option off") << false << 0 << false << false << true << copy << false << false << 1;
    QTest::newRow("delay ran out, still ours: emptied unread, the passwords unsaved again")
        << false << 10 << true << true << true << copy << true << true << 1;
    QTest::newRow("delay ran out, our copy served by another: emptied")
        << false << 10 << true << false << true << QByteArray("Ab3$x\nQ9!zz") << true << true << 2;
    QTest::newRow("delay ran out after other text was copied: left alone, nothing unsaved")
        << false << 10 << true << false << true << QByteArray("Ab3$x") << false << false << 2;
    QTest::newRow("delay still counting at the close: asked first, then emptied")
        << false << 30 << false << true << true << copy << true << true << 1;
}

void ZolvenarMainFormClosingTest::clipboardIsEmptiedOnlyWhileItHoldsOurCopy()
{
    QFETCH(bool, clearOnExit);
    QFETCH(int, delay);
    QFETCH(bool, ranOut);
    QFETCH(bool, owned);
    QFETCH(bool, copied);
    QFETCH(QByteArray, clipboardAtExit);
    QFETCH(bool, emptied);
    QFETCH(bool, asks);
    QFETCH(int, reads);
    form->checkClearClipboard->setChecked(clearOnExit);
    for (QAction *choice : form->groupClearClipboardAfter->actions())
        choice->setChecked(choice->data().toInt() == delay);
    if (copied) {
        form->listResult->addItems({ QStringLiteral("Ab3$x"), QStringLiteral("Q9!zz") });
        form->unsavedPasswords = true; // as the run left them
        form->copyClick();
    }
    boxes.clipboard = clipboardAtExit;
    boxes.clipboardOwned = owned;
    if (ranOut)
        form->clipboardDelayRanOut();

    QVERIFY(form->close());
    QCOMPARE(boxes.questions.size(), asks ? 1 : 0);
    if (asks)
        QCOMPARE(boxes.questions[0].text, unsavedQuestion);
    QList<bool> writes; // the persist flag of each
    if (copied)
        writes << true;
    if (emptied)
        writes << false;
    QCOMPARE(boxes.clipboardWrites, writes);
    QCOMPARE(boxes.clipboard, emptied ? QByteArray() : clipboardAtExit);
    // A copy reads its text back; the clear reads only after a copy of ours, and
    // only what another program owns.
    QCOMPARE(boxes.clipboardReads, reads);
    QVERIFY(QFile::exists(settingsFile));
}

void ZolvenarMainFormClosingTest::clipboardFailureKeepsTheWindowOpenWithoutSaving()
{
    form->listResult->addItem(QStringLiteral("Ab3$x"));
    form->copyClick();
    QStringList errors;
    ZolvenarApplication::setErrorWindowHook([&errors](const QString &text) {
        errors << text;
        return true;
    });
    Clipboard::setHooks(
        { {}, []() -> QByteArray { throw std::runtime_error("Unable to obtain clipboard data object"); }, {} });
    form->checkClearClipboard->setChecked(true);

    QVERIFY(!form->close());
    QCOMPARE(errors, QStringList { QStringLiteral("Unable to obtain clipboard data object") });
    QVERIFY(form->isVisible());
    QVERIFY(!QFile::exists(settingsFile));
}

void ZolvenarMainFormClosingTest::closingPastAFileSizeLimitKeepsTheEarlierSettings()
{
    const QByteArray earlier = "[SETTINGS]\r\nSAVED=TRUE\r\n";
    QVERIFY(FileBytes::write(settingsFile, earlier));
    {
        // The signal as the program set it: by default it would end the process.
        const FileSizeLimit limit(earlier.size(), FileSizeLimit::Signal::asTheProgramSetIt);
        QVERIFY(form->close());
    }
    QCOMPARE(FileBytes::read(settingsFile), earlier);
}

void ZolvenarMainFormClosingTest::optionsEnabledFollowsTheListAndWorkerCallsReachTheWindowThread()
{
    // The context menu's items: the list's as their buttons, the two options as the others.
    const auto menuFollows = [this](bool options) {
        const char *const names[] = { "actionSelectAll", "actionDelete", "actionCopy", "actionSave" };
        bool same
            = form->actionMixSystemRandom->isEnabled() == options && form->actionRequireEachSet->isEnabled() == options;
        for (int i = 0; i < 4; ++i)
            same = same
                && form->findChild<QAction *>(QString::fromLatin1(names[i]))->isEnabled()
                    == form->listButtons[i]->isEnabled();
        return same;
    };
    form->setOptionsEnabled(true);
    for (QPushButton *button : form->listButtons)
        QVERIFY(!button->isEnabled());
    QVERIFY(menuFollows(true));

    form->listResult->addItem(QStringLiteral("pw"));
    std::thread([this] { form->setOptionsEnabled(false); }).join();
    QVERIFY(form->buttonReset->isEnabled()); // not touched from the worker
    QTRY_VERIFY(!form->buttonReset->isEnabled());
    for (QPushButton *button : form->listButtons)
        QVERIFY(!button->isEnabled());
    QVERIFY(menuFollows(false));

    form->setOptionsEnabled(true);
    for (QPushButton *button : form->listButtons)
        QVERIFY(button->isEnabled());
    QVERIFY(form->comboLabels.constFirst()->isEnabled());
    QVERIFY(menuFollows(true));
}

APPLICATION_TEST_MAIN(ZolvenarMainFormClosingTest)
#include "ZolvenarMainFormClosingTest.moc"
