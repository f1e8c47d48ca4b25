#include "app/ZolvenarMainForm.h"
#include "generation/MouseTrack.h"
#include "support/FoundationChild.h"
#include "toolkit/Clipboard.h"
#include "toolkit/MessageBoxes.h"
#include "toolkit/ZolvenarApplication.h"

#include <QCheckBox>
#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include <stdexcept>
#include <thread>

namespace {

const QString runningQuestion
    = QStringLiteral("You are currently generating passwords. Are you sure you want to exit?");
const QString unsavedQuestion = QStringLiteral("There are unsaved changes. Are you sure you want to exit?");
const QString settingsFile = QStringLiteral("Zolvenar.ini");

struct Question
{
    QString text;
    QString caption;
    bool pausedWhileAsked;
};

struct ClipboardWrite
{
    QByteArray text;
    bool persist;
};

} // namespace

class LifecycleClosingTest : public QObject
{
    Q_OBJECT

public:
    static int child(const QByteArray &) { return 3; }

private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanup();

    void closingAsksOnlyWhenSomethingWouldBeLost_data();
    void closingAsksOnlyWhenSomethingWouldBeLost();
    void failedQuestionStillClearsPaused();
    void clipboardIsEmptiedOnlyWhileItHoldsTheCopy_data();
    void clipboardIsEmptiedOnlyWhileItHoldsTheCopy();
    void clipboardFailureKeepsTheWindowOpenWithoutSaving();
    void optionsEnabledFollowsTheListAndWorkerCallsReachTheWindowThread();

private:
    std::unique_ptr<ZolvenarMainForm> makeForm();

    QTemporaryDir workDir;
    QList<Question> questions;
    QList<ClipboardWrite> clipboardWrites;
    QByteArray clipboardText;
    std::function<bool()> answer;
    ZolvenarMainForm *current = nullptr;
};

void LifecycleClosingTest::initTestCase()
{
    QVERIFY(workDir.isValid());
    QVERIFY(QDir::setCurrent(workDir.path()));
}

void LifecycleClosingTest::init()
{
    QFile::remove(settingsFile);
    questions.clear();
    clipboardWrites.clear();
    clipboardText.clear();
    answer = [] { return true; };
    MessageBoxes::setQuestionHook([this](const QString &text, const QString &caption) {
        questions << Question { text, caption, current && current->mouseTrack->paused() };
        return answer();
    });
    MessageBoxes::setErrorHook([](const QString &text, const QString &) { QFAIL(qPrintable(text)); });
    Clipboard::setHooks({ [this](const QByteArray &text, bool persist) {
                             clipboardWrites << ClipboardWrite { text, persist };
                         },
        [this] { return clipboardText; } });
}

void LifecycleClosingTest::cleanup()
{
    current = nullptr;
    MessageBoxes::setQuestionHook({});
    MessageBoxes::setErrorHook({});
    Clipboard::setHooks({});
    ZolvenarApplication::setErrorWindowHook({});
}

std::unique_ptr<ZolvenarMainForm> LifecycleClosingTest::makeForm()
{
    auto form = std::make_unique<ZolvenarMainForm>();
    // A save would now create the file, so its absence shows no save happened.
    form->checkSettings->setChecked(true);
    form->show();
    current = form.get();
    return form;
}

void LifecycleClosingTest::closingAsksOnlyWhenSomethingWouldBeLost_data()
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

void LifecycleClosingTest::closingAsksOnlyWhenSomethingWouldBeLost()
{
    QFETCH(bool, running);
    QFETCH(bool, unsaved);
    QFETCH(bool, yes);
    QFETCH(QString, expectedQuestion);
    QFETCH(bool, closes);
    auto form = makeForm();
    if (running) {
        form->mouseTrack->start();
        QVERIFY(form->mouseTrack->running());
        questions.clear(); // only the closing questions count
    }
    form->unsavedPasswords = unsaved;
    answer = [yes] { return yes; };

    QCOMPARE(form->close(), closes);

    QCOMPARE(questions.size(), expectedQuestion.isEmpty() ? 0 : 1);
    if (!expectedQuestion.isEmpty()) {
        QCOMPARE(questions[0].text, expectedQuestion);
        QCOMPARE(questions[0].caption, QStringLiteral("Zolvenar"));
        QVERIFY(questions[0].pausedWhileAsked);
    }
    QVERIFY(!form->mouseTrack->paused());
    QCOMPARE(form->isVisible(), !closes);
    QCOMPARE(QFile::exists(settingsFile), closes);
    if (running && !closes)
        QVERIFY(form->mouseTrack->running());
    form->mouseTrack->stop();
}

void LifecycleClosingTest::failedQuestionStillClearsPaused()
{
    auto form = makeForm();
    form->unsavedPasswords = true;
    answer = []() -> bool { throw std::runtime_error("no box"); };
    bool cancel = false;
    QVERIFY_THROWS_EXCEPTION(std::runtime_error, form->onFormClosing(cancel));
    QCOMPARE(questions.size(), 1);
    QVERIFY(questions[0].pausedWhileAsked);
    QVERIFY(!form->mouseTrack->paused());
    QVERIFY(!QFile::exists(settingsFile));
}

void LifecycleClosingTest::clipboardIsEmptiedOnlyWhileItHoldsTheCopy_data()
{
    QTest::addColumn<bool>("clearOnExit");
    QTest::addColumn<QByteArray>("copied");
    QTest::addColumn<QByteArray>("clipboard");
    QTest::addColumn<bool>("emptied");
    const QByteArray copy = "Ab3$x\r\nQ9!zz";
    QTest::newRow("still the copy") << true << copy << copy << true;
    QTest::newRow("the copy with other line breaks and spacing")
        << true << copy << QByteArray(" Ab3$x\n\tQ9!zz\f\v ") << true;
    QTest::newRow("other text copied since") << true << copy << QByteArray("Ab3$x") << false;
    QTest::newRow("no copy since start, empty clipboard") << true << QByteArray() << QByteArray() << false;
    QTest::newRow("option off") << false << copy << copy << false;
}

void LifecycleClosingTest::clipboardIsEmptiedOnlyWhileItHoldsTheCopy()
{
    QFETCH(bool, clearOnExit);
    QFETCH(QByteArray, copied);
    QFETCH(QByteArray, clipboard);
    QFETCH(bool, emptied);
    auto form = makeForm();
    form->checkClearClipboard->setChecked(clearOnExit);
    if (!copied.isEmpty()) {
        QByteArray squeezed = copied;
        squeezed.replace("\r\n", "");
        form->clipboardDigest = QCryptographicHash::hash(squeezed, QCryptographicHash::Md5);
    }
    clipboardText = clipboard;

    QVERIFY(form->close());
    QCOMPARE(clipboardWrites.size(), emptied ? 1 : 0);
    if (emptied) {
        QCOMPARE(clipboardWrites[0].text, QByteArray());
        QVERIFY(!clipboardWrites[0].persist);
    }
    QVERIFY(QFile::exists(settingsFile));
}

void LifecycleClosingTest::clipboardFailureKeepsTheWindowOpenWithoutSaving()
{
    QStringList errors;
    ZolvenarApplication::setErrorWindowHook([&errors](const QString &text) {
        errors << text;
        return true;
    });
    Clipboard::setHooks(
        { {}, []() -> QByteArray { throw std::runtime_error("Unable to obtain clipboard data object"); } });
    auto form = makeForm();
    form->checkClearClipboard->setChecked(true);

    QVERIFY(!form->close());
    QCOMPARE(errors, QStringList { QStringLiteral("Unable to obtain clipboard data object") });
    QVERIFY(form->isVisible());
    QVERIFY(!QFile::exists(settingsFile));
}

void LifecycleClosingTest::optionsEnabledFollowsTheListAndWorkerCallsReachTheWindowThread()
{
    auto form = makeForm();
    form->setOptionsEnabled(true);
    for (QPushButton *button : form->listButtons)
        QVERIFY(!button->isEnabled());

    form->listResult->addItem(QStringLiteral("pw"));
    std::thread([&form] { form->setOptionsEnabled(false); }).join();
    QVERIFY(form->buttonReset->isEnabled()); // not touched from the worker
    QTRY_VERIFY(!form->buttonReset->isEnabled());
    for (QPushButton *button : form->listButtons)
        QVERIFY(!button->isEnabled());

    form->setOptionsEnabled(true);
    for (QPushButton *button : form->listButtons)
        QVERIFY(button->isEnabled());
    QVERIFY(form->comboLabels.constFirst()->isEnabled());
}

FOUNDATION_TEST_MAIN(LifecycleClosingTest)
#include "LifecycleClosingTest.moc"
