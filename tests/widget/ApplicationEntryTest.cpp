#include "window/toolkit/ApplicationEntry.h"
#include "core/toolkit/Threads.h"
#include "support/ChildProcess.h"
#include "support/DialogRecorder.h"
#include "support/FormFixture.h"
#include "window/app/ZolvenarMainForm.h"
#include "window/toolkit/FontPreload.h"
#include "window/toolkit/ZolvenarApplication.h"

#include <QScopeGuard>
#include <QTest>
#include <QTimer>

#include <stdexcept>

class ApplicationEntryTest : public QObject, FormFixture
{
    Q_OBJECT

public:
    static int child(const QByteArray &) { return 3; }

private Q_SLOTS:
    void initTestCase() { QVERIFY(enterTemporaryDirectory()); }
    void init() { boxes.install(); }
    void cleanup() { DialogRecorder::uninstall(); }

    void mainFormRunsUntilClosedAndReturnsZero_data();
    void mainFormRunsUntilClosedAndReturnsZero();
    void anythingThrownEndsWithTheFatalErrorBox_data();
    void anythingThrownEndsWithTheFatalErrorBox();

private:
    DialogRecorder boxes;
};

void ApplicationEntryTest::mainFormRunsUntilClosedAndReturnsZero_data()
{
    QTest::addColumn<bool>("threadsRefused");
    QTest::newRow("threads to spare") << false;
    QTest::newRow("no thread for the font preload and the icon decoding") << true;
}

void ApplicationEntryTest::mainFormRunsUntilClosedAndReturnsZero()
{
    QFETCH(bool, threadsRefused);
    Threads::setRefuseForTesting(threadsRefused);
    auto refusing = qScopeGuard([] { Threads::setRefuseForTesting(false); });
    const FontPreload fonts; // as the program starts
    QString title;
    QSize clientSize;
    bool hasIcon = false;
    bool iconAsPlain = true;
    const int result = ApplicationEntry::run([&] {
        auto form = std::make_unique<ZolvenarMainForm>();
        QWidget *window = form.get();
        QTimer::singleShot(0, window, [&, window] {
            title = window->windowTitle();
            clientSize = window->size();
            const QIcon icon = window->windowIcon();
            const QList<QSize> sizes = icon.availableSizes();
            hasIcon = true;
            for (int side : { 32, 48, 64, 128 })
                hasIcon = hasIcon && sizes.contains(QSize(side, side));
            // Drawn sizes, sizes between and beyond them, and another look: as a plain icon of the files.
            QIcon plain(QStringLiteral(":/icons/zolvenar.png"));
            for (int side : { 16, 24, 48, 64, 128, 256 })
                plain.addFile(QStringLiteral(":/icons/zolvenar-%1.png").arg(side), QSize(side, side));
            for (int side : { 16, 24, 32, 40, 256, 300 }) {
                for (QIcon::Mode mode : { QIcon::Normal, QIcon::Disabled })
                    iconAsPlain
                        = iconAsPlain && icon.pixmap(side, mode).toImage() == plain.pixmap(side, mode).toImage();
            }
            window->close();
        });
        return form;
    });
    QCOMPARE(result, 0);
    QCOMPARE(boxes.errors.size(), 0);
    QCOMPARE(title, QStringLiteral("Zolvenar 0.5a"));
    QCOMPARE(clientSize, QSize(632, 447));
    QVERIFY(hasIcon);
    QVERIFY(iconAsPlain);
}

void ApplicationEntryTest::anythingThrownEndsWithTheFatalErrorBox_data()
{
    QTest::addColumn<QString>("when");
    QTest::addColumn<QString>("expectedText");
    QTest::newRow("building the window") << "construction"
                                         << "Cannot build the window";
    QTest::newRow("an object that is not an exception") << "object"
                                                        << "Unknown error";
    QTest::newRow("escaping the loop") << "loop"
                                       << "The error window failed";
}

void ApplicationEntryTest::anythingThrownEndsWithTheFatalErrorBox()
{
    QFETCH(QString, when);
    QFETCH(QString, expectedText);
    // The only way out of the loop past the error window is that window failing.
    ZolvenarApplication::setErrorWindowHook(
        [](const QString &) -> bool { throw std::runtime_error("The error window failed"); });
    const int result = ApplicationEntry::run([&]() -> std::unique_ptr<QWidget> {
        if (when == "construction")
            throw std::runtime_error("Cannot build the window");
        if (when == "object")
            throw 7;
        auto window = std::make_unique<QWidget>();
        QTimer::singleShot(0, window.get(), [] { throw std::runtime_error("A handler failed"); });
        return window;
    });
    QCOMPARE(result, 1);
    QCOMPARE(boxes.errors.size(), 1);
    QCOMPARE(boxes.errors[0].text, expectedText);
    QCOMPARE(boxes.errors[0].caption, QStringLiteral("Fatal Error"));
}

APPLICATION_TEST_MAIN(ApplicationEntryTest)
#include "ApplicationEntryTest.moc"
