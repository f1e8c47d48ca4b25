#include "window/app/MouseTrack.h"
#include "core/generation/PasswordEngine.h"
#include "core/toolkit/SystemRandom.h"
#include "core/toolkit/Threads.h"
#include "support/ChildProcess.h"
#include "support/DialogRecorder.h"
#include "support/FormFixture.h"
#include "window/toolkit/MessageBoxes.h"
#include "window/toolkit/ToolTipComponent.h"
#include "window/toolkit/ZolvenarApplication.h"
#include "window/widgets/IntComboBox.h"
#include "window/widgets/PushCheckButton.h"
#include "window/widgets/ResultsList.h"

#include <QAction>
#include <QCheckBox>
#include <QLineEdit>
#include <QListWidget>
#include <QProgressBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <cerrno>
#include <condition_variable>
#include <mutex>
#include <stdexcept>
#include <thread>

namespace {

void setNumbers(
    ZolvenarMainForm &form, const char *length, const char *count, const char *strength, const char *generators)
{
    form.comboMinLength->setEditText(QString::fromLatin1(length));
    form.comboMaxLength->setEditText(QString::fromLatin1(length));
    form.comboPassCount->setEditText(QString::fromLatin1(count));
    form.comboPassStrength->setEditText(QString::fromLatin1(strength));
    form.comboGens->setEditText(QString::fromLatin1(generators));
}

// Holds threads of the program until released, to bring it to its thread cap.
class CapFiller
{
public:
    explicit CapFiller(int leaveRoom)
    {
        // The window's own threads that end by themselves (the icon decoding) go first.
        Threads::waitForAll();
        while (Threads::alive() < Threads::maxAlive - leaveRoom) {
            Threads::start([this] {
                std::unique_lock lock(mutex);
                released.wait(lock, [this] { return open; });
            });
        }
    }
    ~CapFiller()
    {
        {
            std::scoped_lock lock(mutex);
            open = true;
        }
        released.notify_all();
        Threads::waitForAll();
    }

private:
    std::mutex mutex;
    std::condition_variable released;
    bool open = false;
};

} // namespace

class MouseTrackTest : public QObject, FormFixture
{
    Q_OBJECT

public:
    static int child(const QByteArray &scenario);

private:
    DialogRecorder boxes;

    ZolvenarMainForm::MouseTrack &track() { return *form->mouseTrack; }
    // Pointer positions that alternate far enough apart to give a sample each.
    void moveSamples(int count)
    {
        for (int i = 0; i < count; ++i) {
            const int x = track().lastX() == 0 ? 100 : 0;
            track().onMouseMove(x, i % 7);
        }
    }

private Q_SLOTS:
    void initTestCase() { QVERIFY(enterTemporaryDirectory()); }
    void init()
    {
        boxes.install();
        QVERIFY(openForm(Show::no));
    }
    void cleanup()
    {
        closeForm();
        Threads::waitForAll();
        DialogRecorder::uninstall();
    }

    void moveRule();
    void sampleFromCoordinates();
    void runThroughTheWindow();
    void clickStopsKeepingFinishedPasswordsOnly();
    void rejectedStartsLeaveTheWindowIdle();
    void minimumBelowTheTickedSetsIsRefused_data();
    void minimumBelowTheTickedSetsIsRefused();
    void systemRandomFailureEndsTheRunWithABox();
    void anythingThrownByTheStartIsShown_data();
    void anythingThrownByTheStartIsShown();
    void generatorFailureBox_data();
    void generatorFailureBox();
    void generatorsFinishARunAlone();
    void mouseSamplesGoThroughWorkers();
    void closingDuringABigRunExitsCleanly();
};

void MouseTrackTest::moveRule()
{
    setNumbers(*form, "16", "10", "25", "0");
    form->generateClick();
    QVERIFY(track().running());

    track().onMouseMove(31, 0);
    QCOMPARE(track().engine().state().samples, std::size_t { 0 });
    QCOMPARE(track().lastX(), 0);
    track().onMouseMove(32, 0);
    QCOMPARE(track().engine().state().samples, std::size_t { 1 });
    QCOMPARE(track().lastX(), 32);
    track().onMouseMove(47, 16);
    QCOMPARE(track().engine().state().samples, std::size_t { 1 });
    QCOMPARE(track().lastX(), 32);
    QCOMPARE(track().lastY(), 0);
    track().onMouseMove(48, 16);
    QCOMPARE(track().engine().state().samples, std::size_t { 2 });
    QCOMPARE(track().lastY(), 16);

    // Idle: no sample and the position stays.
    form->generateClick();
    track().onMouseMove(500, 500);
    QCOMPARE(track().lastX(), 48);
}

void MouseTrackTest::sampleFromCoordinates()
{
    setNumbers(*form, "16", "10", "25", "0");
    QList<quint32> seen;
    track().engine().setIntakeProbe([&seen](std::uint64_t, std::uint32_t sample) { seen << sample; });
    form->generateClick();
    track().onMouseMove(50, 3);
    track().onMouseMove(-1, 40);
    track().onMouseMove(40, -2);
    QCOMPARE(seen, (QList<quint32> { 0x00030032u, 0xFFFFFFFFu, 0xFFFE0028u }));
}

void MouseTrackTest::runThroughTheWindow()
{
    form->toolTip = new ToolTipComponent(form.get());
    setNumbers(*form, "8", "3", "25", "0");
    form->generateClick();
    QCOMPARE(boxes.questions.size(), 1);
    QCOMPARE(boxes.questions[0].caption, QStringLiteral("Brindal"));
    QVERIFY(form->checkGen->isChecked());
    QCOMPARE(form->checkGen->text(), QStringLiteral("Move the mouse around in this window or click here to stop"));
    QCOMPARE(form->checkGen->accessibleName(), form->checkGen->text()); // a screen reader hears what is shown
    QCOMPARE(form->windowTitle(), QStringLiteral("Zolvenar - 0%"));
    QVERIFY(!form->comboGens->isEnabled());
    QVERIFY(form->settingsCollapsed);
    QVERIFY(!form->toolTip->isActive());
    QCOMPARE(form->progressPass->maximum(), 1000);
    QCOMPARE(form->progressTotal->maximum(), 3);

    moveSamples(10);
    QCoreApplication::processEvents();
    QCOMPARE(form->progressPass->value(), 400);
    moveSamples(15);
    QCoreApplication::processEvents();
    QCOMPARE(form->windowTitle(), QStringLiteral("Zolvenar - 33%"));
    QCOMPARE(form->listResult->count(), 1);
    QCOMPARE(form->progressTotal->value(), 1);
    QVERIFY(form->unsavedPasswords);
    moveSamples(25);
    QCoreApplication::processEvents();
    QCOMPARE(form->windowTitle(), QStringLiteral("Zolvenar - 66%"));
    moveSamples(25);
    QCoreApplication::processEvents();

    QVERIFY(!track().running());
    QCOMPARE(form->windowTitle(), ZolvenarMainForm::idleTitle);
    QVERIFY(!form->checkGen->isChecked());
    QCOMPARE(form->checkGen->text(), QStringLiteral("Click Here to Generate Passwords"));
    QCOMPARE(form->checkGen->accessibleName(), form->checkGen->text());
    QCOMPARE(form->progressPass->value(), 0);
    QCOMPARE(form->progressTotal->value(), 0);
    QVERIFY(form->comboGens->isEnabled());
    QVERIFY(form->buttonCopy->isEnabled());
    QVERIFY(form->toolTip->isActive());
    QCOMPARE(form->listResult->count(), 3);
    for (int i = 0; i < 3; ++i)
        QCOMPARE(form->listResult->item(i)->text().size(), 8);
}

void MouseTrackTest::clickStopsKeepingFinishedPasswordsOnly()
{
    setNumbers(*form, "8", "3", "25", "0");
    form->generateClick();
    moveSamples(30); // one password and progress still waiting to be shown
    form->generateClick();
    QVERIFY(!track().running());
    // The close at once still sees the password on its way.
    boxes.answer = false;
    QVERIFY(!form->close());
    QCOMPARE(boxes.questions.size(), 2); // the weak-settings question came first
    QCOMPARE(boxes.questions[1].text, QStringLiteral("There are unsaved changes. Are you sure you want to exit?"));
    QCOMPARE(form->listResult->count(), 1);
    QVERIFY(form->buttonSave->isEnabled());
    QCoreApplication::processEvents();
    QCOMPARE(form->progressPass->value(), 0);
    QCOMPARE(form->windowTitle(), ZolvenarMainForm::idleTitle);
}

void MouseTrackTest::rejectedStartsLeaveTheWindowIdle()
{
    for (QCheckBox *box : form->setCheckBoxes)
        box->setChecked(false);
    form->checkIncludeCustom->setChecked(true);
    form->editIncludeCustom->setText(QStringLiteral("x x"));
    form->generateClick();
    QCOMPARE(boxes.errors.size(), 1);
    QCOMPARE(boxes.errors[0].text, QStringLiteral("Character sets must contain at least two characters"));
    QCOMPARE(boxes.errors[0].caption, QStringLiteral("Brindal Error"));
    QVERIFY(boxes.questions.isEmpty());
    QVERIFY(!track().running());

    form->editIncludeCustom->setText(QStringLiteral("xy"));
    boxes.answer = false;
    form->generateClick();
    QCOMPARE(boxes.questions.size(), 1);
    QVERIFY(!track().running());
    QVERIFY(!form->checkGen->isChecked());
    QCOMPARE(form->windowTitle(), ZolvenarMainForm::idleTitle);
}

void MouseTrackTest::minimumBelowTheTickedSetsIsRefused_data()
{
    QTest::addColumn<QString>("minimum");
    QTest::addColumn<QString>("custom"); // the custom include set, ticked; empty: unticked
    QTest::addColumn<bool>("lookAlikes"); // excluded
    QTest::addColumn<QString>("error"); // empty: the start goes on to its question

    // Lower case and digits are ticked by default.
    QTest::newRow("two sets at 1") << "1" << QString() << false
                                   << "The Minimum Length must be at least 2 to hold a character of each ticked set";
    QTest::newRow("sets sharing characters need fewer: 0o holds three") << "2"
                                                                        << "0o" << false << QString();
    QTest::newRow("a set sharing none needs its own character")
        << "2"
        << "#" << false << "The Minimum Length must be at least 3 to hold a character of each ticked set";
    QTest::newRow("a set the exclusions empty does not") << "2"
                                                         << "0o" << true << QString();
}

void MouseTrackTest::minimumBelowTheTickedSetsIsRefused()
{
    QFETCH(QString, minimum);
    QFETCH(QString, custom);
    QFETCH(bool, lookAlikes);
    QFETCH(QString, error);

    form->actionRequireEachSet->setChecked(true);
    setNumbers(*form, "1", "3", "25", "0");
    form->comboMinLength->setEditText(minimum);
    form->checkIncludeCustom->setChecked(!custom.isEmpty());
    form->editIncludeCustom->setText(custom);
    form->checkSimilar->setChecked(lookAlikes);
    boxes.answer = false;
    form->generateClick();
    QCOMPARE(boxes.errors.value(0).text, error);
    QCOMPARE(boxes.errors.value(0).caption, error.isEmpty() ? QString() : QStringLiteral("Zolvenar Error"));
    QCOMPARE(boxes.questions.size(), error.isEmpty() ? 1 : 0);
    QVERIFY(!track().running());
}

void MouseTrackTest::systemRandomFailureEndsTheRunWithABox()
{
    form->actionMixSystemRandom->setChecked(true);
    SystemRandom::setSourceForTesting([](unsigned char *, std::size_t) {
        errno = EIO;
        return -1L;
    });
    setNumbers(*form, "8", "3", "25", "0");
    form->generateClick();
    moveSamples(25);
    SystemRandom::setSourceForTesting({});
    QVERIFY(!track().running());
    QVERIFY(boxes.errors.isEmpty()); // not from inside the intake
    QCoreApplication::processEvents();
    QCOMPARE(boxes.errors.size(), 1);
    QCOMPARE(
        boxes.errors[0].text, QStringLiteral("Could not read the system's randomness (getrandom: Input/output error)"));
    QCOMPARE(boxes.errors[0].caption, QStringLiteral("Zolvenar Error"));
    QCOMPARE(form->windowTitle(), ZolvenarMainForm::idleTitle);
    QVERIFY(!form->checkGen->isChecked());
}

void MouseTrackTest::anythingThrownByTheStartIsShown_data()
{
    QTest::addColumn<bool>("standard");
    QTest::addColumn<QString>("text");
    QTest::newRow("an exception") << true << "broken";
    QTest::newRow("any other object") << false << "Unknown error";
}

void MouseTrackTest::anythingThrownByTheStartIsShown()
{
    QFETCH(bool, standard);
    QFETCH(QString, text);
    setNumbers(*form, "8", "3", "25", "0"); // weak: the question is asked, and throws
    boxes.whileAsked = [standard] {
        if (standard)
            throw std::runtime_error("broken");
        throw 42;
    };
    form->generateClick();
    QCOMPARE(boxes.errors.size(), 1);
    QCOMPARE(boxes.errors[0].text, text);
    QCOMPARE(boxes.errors[0].caption, QStringLiteral("Zolvenar Error"));
}

void MouseTrackTest::generatorFailureBox_data()
{
    QTest::addColumn<bool>("fillCap");
    QTest::addColumn<QString>("expected");
    QTest::addColumn<QString>("sampleError");
    QTest::newRow("thread cap reached") << true
                                        << "Failed to initialize generator. There are 2 active generators\n"
                                           "Thread error: too many threads"
                                        << "Thread error: too many threads";
    QTest::newRow("platform refuses") << false
                                      << "Failed to initialize generator. There are 0 active generators\n"
                                         "Thread error: failed to start"
                                      << "Thread error: failed to start";
}

void MouseTrackTest::generatorFailureBox()
{
    QFETCH(bool, fillCap);
    QFETCH(QString, expected);
    QFETCH(QString, sampleError);
    setNumbers(*form, "16", "10", "9999", "5");
    {
        std::unique_ptr<CapFiller> filler;
        if (fillCap)
            filler = std::make_unique<CapFiller>(2);
        else
            Threads::setRefuseForTesting(true);
        form->generateClick();
        QCOMPARE(boxes.errors.size(), 1);
        QCOMPARE(boxes.errors[0].text, expected);
        QCOMPARE(boxes.errors[0].caption, QStringLiteral("Brindal Error"));
        // The run goes on with what started, until a mouse sample finds no thread:
        // one message, and the run stops.
        QVERIFY(track().running());
        moveSamples(3);
        Threads::setRefuseForTesting(false);
        QCOMPARE(boxes.errors.size(), 2);
        QCOMPARE(boxes.errors[1].text,
            "The run has stopped: no thread could be started for a mouse sample. The passwords made so far are "
            "kept.\n"
                + sampleError);
        QCOMPARE(boxes.errors[1].caption, QStringLiteral("Brindal Error"));
    }
    QVERIFY(!track().running());
    QVERIFY(!form->checkGen->isChecked());
}

void MouseTrackTest::generatorsFinishARunAlone()
{
    setNumbers(*form, "8", "3", "25", "4");
    form->generateClick();
    QTRY_COMPARE_WITH_TIMEOUT(form->windowTitle(), ZolvenarMainForm::idleTitle, 60000);
    QCOMPARE(form->listResult->count(), 3);
    QVERIFY(!track().running());
}

void MouseTrackTest::mouseSamplesGoThroughWorkers()
{
    setNumbers(*form, "16", "10", "9999", "1");
    std::mutex mutex;
    QList<quint32> mouse;
    const auto uiThread = std::this_thread::get_id();
    bool onUiThread = false;
    track().engine().setIntakeProbe([&](std::uint64_t, std::uint32_t sample) {
        std::scoped_lock lock(mutex);
        if (sample == 0x00070064u) {
            mouse << sample;
            onUiThread = std::this_thread::get_id() == uiThread;
        }
    });
    form->generateClick();
    track().onMouseMove(100, 7);
    QTRY_VERIFY([&] {
        std::scoped_lock lock(mutex);
        return mouse.size() == 1;
    }());
    QVERIFY(!onUiThread);
    form->generateClick();
}

void MouseTrackTest::closingDuringABigRunExitsCleanly()
{
    const ChildProcess result = ChildProcess::run(QStringLiteral("closeDuringRun"));
    QVERIFY2(!result.crashed, result.standardError.constData());
    QCOMPARE(result.exitCode, 0);
}

int MouseTrackTest::child(const QByteArray &scenario)
{
    if (scenario != "closeDuringRun")
        return 2;
    QTemporaryDir home;
    QDir::setCurrent(home.path());
    MessageBoxes::setQuestionHook([](const QString &, const QString &) { return true; });
    {
        ZolvenarMainForm window;
        window.show();
        setNumbers(window, "16", "65535", "9999", "99");
        window.generateClick();
        if (!window.mouseTrack->running())
            return 3;
        QTimer::singleShot(300, &window, [&window] { window.close(); });
        QCoreApplication::exec();
    }
    return 0;
}

APPLICATION_TEST_MAIN(MouseTrackTest)
#include "MouseTrackTest.moc"
