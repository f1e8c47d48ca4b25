#include "window/toolkit/ErrorWindow.h"
#include "core/toolkit/UiPoster.h"
#include "support/ChildProcess.h"
#include "support/ModalWatch.h"
#include "window/toolkit/ZolvenarApplication.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <stdexcept>

namespace {

class ThrowingKeys : public QWidget
{
protected:
    void keyPressEvent(QKeyEvent *) override { throw std::runtime_error("from a key handler"); }
};

} // namespace

class ErrorWindowTest : public QObject
{
    Q_OBJECT

public:
    static int child(const QByteArray &scenario);

private Q_SLOTS:
    void cleanup() { ZolvenarApplication::setErrorWindowHook({}); }

    void everyHandlerKindReachesTheErrorWindow_data();
    void everyHandlerKindReachesTheErrorWindow();
    void continueDropsTheErrorAndTheLoopGoesOn();
    void endingPathsWriteTheErrorLineAndExitWithOne_data();
    void endingPathsWriteTheErrorLineAndExitWithOne();
};

void ErrorWindowTest::everyHandlerKindReachesTheErrorWindow_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("expected");
    QTest::newRow("button click signal") << "click"
                                         << "from a click";
    QTest::newRow("queued call") << "queued"
                                 << "from a queued call";
    QTest::newRow("timer") << "timer"
                           << "from a timer";
    QTest::newRow("work posted by a worker") << "posted"
                                             << "from posted work";
    QTest::newRow("event handler override") << "key"
                                            << "from a key handler";
    QTest::newRow("thrown object that is not an exception") << "int"
                                                            << "Unknown error";
}

void ErrorWindowTest::everyHandlerKindReachesTheErrorWindow()
{
    QFETCH(QString, kind);
    QFETCH(QString, expected);
    QStringList reported;
    ZolvenarApplication::setErrorWindowHook([&reported](const QString &text) {
        reported << text;
        return true;
    });

    QWidget window;
    auto *button = new QPushButton(QStringLiteral("Go"), &window);
    auto *keys = new ThrowingKeys;
    keys->setParent(&window);
    keys->setGeometry(0, 40, 50, 20);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    UiPoster poster(&window);

    if (kind == "click") {
        connect(button, &QPushButton::clicked, &window, [] { throw std::runtime_error("from a click"); });
        QTest::mouseClick(button, Qt::LeftButton);
    } else if (kind == "queued") {
        QMetaObject::invokeMethod(
            &window, [] { throw std::runtime_error("from a queued call"); }, Qt::QueuedConnection);
    } else if (kind == "timer") {
        QTimer::singleShot(0, &window, [] { throw std::runtime_error("from a timer"); });
    } else if (kind == "posted") {
        std::thread([&poster] { poster.post([] { throw std::runtime_error("from posted work"); }); }).join();
    } else if (kind == "key") {
        QTest::keyClick(keys, Qt::Key_A);
    } else if (kind == "int") {
        QTimer::singleShot(0, &window, [] { throw 42; });
    }
    QTRY_COMPARE(reported, QStringList { expected });

    // Continue: the loop delivers the next event as usual.
    bool later = false;
    QTimer::singleShot(0, &window, [&later] { later = true; });
    QTRY_VERIFY(later);
    QCOMPARE(reported.size(), 1);
}

void ErrorWindowTest::continueDropsTheErrorAndTheLoopGoesOn()
{
    QString message, details, continueText, quitText;
    ModalWatch::whenOpen<ErrorWindow>([&](ErrorWindow &window) {
        message = window.findChild<QLabel *>(QStringLiteral("errorMessage"))->text();
        details = window.findChild<QPlainTextEdit *>(QStringLiteral("errorText"))->toPlainText();
        continueText = window.continueButton()->text();
        quitText = window.quitButton()->text();
        QTest::mouseClick(window.continueButton(), Qt::LeftButton);
    });
    QPushButton button(QStringLiteral("Go"));
    int clicks = 0;
    connect(&button, &QPushButton::clicked, &button, [&clicks] {
        if (++clicks == 1)
            throw std::runtime_error("Wrong turn: ü");
    });
    button.show();
    QVERIFY(QTest::qWaitForWindowExposed(&button));
    QTest::mouseClick(&button, Qt::LeftButton);

    QCOMPARE(message,
        QStringLiteral("An application exception has occured. Click Continue to allow the application to ignore this "
                       "error and attempt to continue."));
    QCOMPARE(details, QStringLiteral("Wrong turn: ü"));
    QCOMPARE(continueText, QStringLiteral("&Continue"));
    QCOMPARE(quitText, QStringLiteral("&Quit"));
    QVERIFY(!ModalWatch::visible<ErrorWindow>());
    QTest::mouseClick(&button, Qt::LeftButton);
    QCOMPARE(clicks, 2);
}

void ErrorWindowTest::endingPathsWriteTheErrorLineAndExitWithOne_data()
{
    QTest::addColumn<QString>("scenario");
    QTest::addColumn<QByteArray>("line");
    QTest::newRow("Quit") << "quit" << QByteArray("Error: Wrong turn: \xc3\xbc\n");
    QTest::newRow("a second error while the window is open") << "second" << QByteArray("Error: second error\n");
}

void ErrorWindowTest::endingPathsWriteTheErrorLineAndExitWithOne()
{
    QFETCH(QString, scenario);
    QFETCH(QByteArray, line);
    const ChildProcess result = ChildProcess::run(scenario);
    QVERIFY2(!result.crashed, result.standardError.constData());
    QCOMPARE(result.exitCode, 1);
    QCOMPARE(result.standardOutput, line);
}

int ErrorWindowTest::child(const QByteArray &scenario)
{
    if (scenario == "quit") {
        ModalWatch::whenOpen<ErrorWindow>(
            [](ErrorWindow &window) { QTest::mouseClick(window.quitButton(), Qt::LeftButton); });
    } else if (scenario == "second") {
        ModalWatch::whenOpen<ErrorWindow>([](ErrorWindow &) { throw std::runtime_error("second error"); });
    } else {
        return 3;
    }
    QPushButton button(QStringLiteral("Go"));
    QObject::connect(&button, &QPushButton::clicked, &button, [] { throw std::runtime_error("Wrong turn: ü"); });
    button.show();
    QTest::mouseClick(&button, Qt::LeftButton);
    return 0; // reached only when the error did not end the program
}

APPLICATION_TEST_MAIN(ErrorWindowTest)
#include "ErrorWindowTest.moc"
