#include "core/results/ClipboardDigest.h"
#include "support/DialogRecorder.h"
#include "support/FormFixture.h"
#include "support/core/FileBytes.h"
#include "support/core/FileSizeLimit.h"
#include "support/core/PlainUser.h"
#include "window/toolkit/Clipboard.h"
#include "window/toolkit/PendingMessages.h"
#include "window/widgets/PushCheckButton.h"
#include "window/widgets/ResultsList.h"

#include <QAction>
#include <QActionGroup>
#include <QCheckBox>
#include <QLabel>
#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>
#include <QtTest>

#include <sys/stat.h>
#include <unistd.h>

#include <optional>
#include <stdexcept>

namespace {

mode_t modeOf(const QString &path)
{
    struct stat info = {};
    return ::stat(QFile::encodeName(path).constData(), &info) == 0 ? (info.st_mode & 07777) : 0;
}

} // namespace

class ResultsActionsTest : public QObject, FormFixture
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { QVERIFY(enterTemporaryDirectory()); }
    void init();
    void cleanup();

    void selectAllKeepsLowestSelected_data();
    void selectAllKeepsLowestSelected();
    void deleteAsksWithCountAndNoChangesNothing_data();
    void deleteAsksWithCountAndNoChangesNothing();
    void deleteRemovesFromTheHighestDown();
    void deleteRemovesTheSelectedDuplicateOnly();
    void deleteEverythingClearsFlagAndDisablesButtons();
    void deleteWithNothingSelected_data();
    void deleteWithNothingSelected();
    void deleteStopsAtOnceWhenQuitting();
    void copyPutsExportTextOnClipboard_data();
    void copyPutsExportTextOnClipboard();
    void copyOnEmptyListOnlyClearsFlag();
    void copyFailureKeepsFlag_data();
    void copyFailureKeepsFlag();
    void saveCancelledWritesNothing();
    void saveWritesTheCopiedBytes_data();
    void saveWritesTheCopiedBytes();
    void saveFailureKeepsFlagAndEarlierFile_data();
    void saveFailureKeepsFlagAndEarlierFile();

private:
    void fill(const QStringList &passwords);
    void select(const QList<int> &rows);
    QStringList items() const;
    QList<int> selectedRows() const;

    DialogRecorder boxes;
};

void ResultsActionsTest::init()
{
    boxes.install();
    QVERIFY(openForm(Show::exposed));
}

void ResultsActionsTest::cleanup()
{
    closeForm();
    PendingMessages::setQuitting(false);
    DialogRecorder::uninstall();
}

// As a finished run leaves the window: the passwords listed, unsaved, buttons on.
void ResultsActionsTest::fill(const QStringList &passwords)
{
    form->listResult->addItems(passwords);
    form->setOptionsEnabled(true);
    form->unsavedPasswords = true;
}

void ResultsActionsTest::select(const QList<int> &rows)
{
    for (int row : rows)
        form->listResult->item(row)->setSelected(true);
}

QStringList ResultsActionsTest::items() const
{
    QStringList texts;
    for (int row = 0; row < form->listResult->count(); ++row)
        texts << form->listResult->item(row)->text();
    return texts;
}

QList<int> ResultsActionsTest::selectedRows() const
{
    QList<int> rows;
    for (int row = 0; row < form->listResult->count(); ++row) {
        if (form->listResult->item(row)->isSelected())
            rows << row;
    }
    return rows;
}

void ResultsActionsTest::selectAllKeepsLowestSelected_data()
{
    QTest::addColumn<QList<int>>("before");
    QTest::addColumn<int>("remembered");

    QTest::newRow("nothing selected: position 0") << QList<int> {} << 0;
    QTest::newRow("some selected: the lowest of them") << QList<int> { 6, 3 } << 3;
}

void ResultsActionsTest::selectAllKeepsLowestSelected()
{
    QFETCH(QList<int>, before);
    QFETCH(int, remembered);
    fill({ "p0", "p1", "p2", "p3", "p4", "p5", "p6", "p7" });
    select(before);

    form->selectAllClick();

    QCOMPARE(selectedRows(), (QList<int> { 0, 1, 2, 3, 4, 5, 6, 7 }));
    QCOMPARE(form->listResult->currentRow(), remembered);
    QVERIFY(form->listResult->isVisible());
}

void ResultsActionsTest::deleteAsksWithCountAndNoChangesNothing_data()
{
    QTest::addColumn<QList<int>>("rows");
    QTest::addColumn<QString>("question");

    QTest::newRow("one item, still plural") << QList<int> { 4 } << "Are you sure you want to delete 1 items?";
    QTest::newRow("three items") << QList<int> { 1, 2, 5 } << "Are you sure you want to delete 3 items?";
}

void ResultsActionsTest::deleteAsksWithCountAndNoChangesNothing()
{
    QFETCH(QList<int>, rows);
    QFETCH(QString, question);
    fill({ "p0", "p1", "p2", "p3", "p4", "p5" });
    select(rows);
    boxes.answer = false;

    form->deleteClick();

    QCOMPARE(boxes.questions.size(), 1);
    QCOMPARE(boxes.questions[0].text, question);
    QCOMPARE(boxes.questions[0].caption, QStringLiteral("Delete Items"));
    QCOMPARE(items(), (QStringList { "p0", "p1", "p2", "p3", "p4", "p5" }));
    QCOMPARE(selectedRows(), rows);
    QVERIFY(form->unsavedPasswords);
    for (QPushButton *button : form->listButtons)
        QVERIFY(button->isEnabled());
}

void ResultsActionsTest::deleteRemovesFromTheHighestDown()
{
    fill({ "p0", "p1", "p2", "p3", "p4", "p5", "p6", "p7", "p8", "p9" });
    select({ 2, 5, 7 });
    QStringList removed;
    connect(form->listResult->model(), &QAbstractItemModel::rowsAboutToBeRemoved, this,
        [this, &removed](const QModelIndex &, int first, int last) {
            for (int row = last; row >= first; --row)
                removed << form->listResult->item(row)->text();
        });
    struct Step
    {
        int value;
        int maximum;
        bool listHidden;
        bool genEnabled;
        bool buttonsEnabled;
    };
    QList<Step> steps;
    connect(form->progressTotal, &QProgressBar::valueChanged, this, [this, &steps](int value) {
        bool anyButton = false;
        for (QPushButton *button : form->listButtons)
            anyButton = anyButton || button->isEnabled();
        steps.append({ value, form->progressTotal->maximum(), form->listResult->isHidden(), form->checkGen->isEnabled(),
            anyButton });
    });

    form->deleteClick();

    QCOMPARE(removed, (QStringList { "p7", "p5", "p2" }));
    QCOMPARE(steps.size(), 4);
    for (int i = 0; i < 3; ++i) {
        QCOMPARE(steps[i].value, i + 1);
        QCOMPARE(steps[i].maximum, 3);
        QVERIFY(steps[i].listHidden);
        QVERIFY(!steps[i].genEnabled);
        QVERIFY(!steps[i].buttonsEnabled);
    }
    QCOMPARE(steps[3].value, 0);
    QCOMPARE(items(), (QStringList { "p0", "p1", "p3", "p4", "p6", "p8", "p9" }));
    QVERIFY(form->listResult->isVisible());
    QVERIFY(form->listResult->isEnabled());
    QVERIFY(form->checkGen->isEnabled());
    for (QPushButton *button : form->listButtons)
        QVERIFY(button->isEnabled());
    QVERIFY(form->unsavedPasswords); // passwords remain, still unsaved
}

void ResultsActionsTest::deleteRemovesTheSelectedDuplicateOnly()
{
    fill({ "same", "other", "same" });
    QListWidgetItem *first = form->listResult->item(0);
    select({ 2 });

    form->deleteClick();

    QCOMPARE(items(), (QStringList { "same", "other" }));
    QCOMPARE(form->listResult->item(0), first);
}

void ResultsActionsTest::deleteEverythingClearsFlagAndDisablesButtons()
{
    fill({ "p0", "p1", "p2" });
    form->selectAllClick();

    form->deleteClick();

    QCOMPARE(form->listResult->count(), 0);
    QVERIFY(!form->unsavedPasswords);
    for (QPushButton *button : form->listButtons)
        QVERIFY(!button->isEnabled());
    QVERIFY(form->checkGen->isEnabled());
    QVERIFY(form->listResult->isVisible());
    QCOMPARE(form->progressTotal->value(), 0);
}

void ResultsActionsTest::deleteWithNothingSelected_data()
{
    QTest::addColumn<QStringList>("passwords");
    QTest::addColumn<bool>("unsavedAfter");

    QTest::newRow("empty list clears the flag") << QStringList {} << false;
    QTest::newRow("passwords left keep the flag") << QStringList { "p0", "p1" } << true;
}

void ResultsActionsTest::deleteWithNothingSelected()
{
    QFETCH(QStringList, passwords);
    QFETCH(bool, unsavedAfter);
    fill(passwords);
    form->unsavedPasswords = true;

    form->deleteClick();

    QVERIFY(boxes.questions.isEmpty());
    QCOMPARE(items(), passwords);
    QCOMPARE(form->unsavedPasswords, unsavedAfter);
}

void ResultsActionsTest::deleteStopsAtOnceWhenQuitting()
{
    fill({ "p0", "p1", "p2", "p3" });
    select({ 0, 1, 3 });
    // The window closes while the first removal's messages are processed.
    connect(form->progressTotal, &QProgressBar::valueChanged, this, [] { PendingMessages::setQuitting(true); });

    form->deleteClick();

    QCOMPARE(items(), (QStringList { "p0", "p1", "p2" }));
    QVERIFY(form->listResult->isHidden());
    QVERIFY(!form->checkGen->isEnabled());
    QCOMPARE(form->progressTotal->value(), 1);
    QVERIFY(form->unsavedPasswords);
}

void ResultsActionsTest::copyPutsExportTextOnClipboard_data()
{
    QTest::addColumn<QStringList>("passwords");
    QTest::addColumn<QList<int>>("copyKeyRows"); // empty: the copy button
    QTest::addColumn<bool>("clearOnExit");
    QTest::addColumn<int>("delay"); // Clear Clipboard After, seconds
    QTest::addColumn<QByteArray>("expected");
    QTest::addColumn<bool>("unsavedAfter");

    const QStringList three { "abc", "def", "ghi" };
    QTest::newRow("three items, 13 bytes")
        << three << QList<int> {} << false << 0 << QByteArray("abc\r\ndef\r\nghi") << false;
    QTest::newRow("single item, exactly its text")
        << QStringList { "k#9Lp" } << QList<int> {} << false << 0 << QByteArray("k#9Lp") << false;
    QTest::newRow("cleared on exit: kept out of clipboard histories")
        << three << QList<int> {} << true << 0 << QByteArray("abc\r\ndef\r\nghi") << false;
    QTest::newRow("cleared after a delay: kept out of clipboard histories, counted down")
        << three << QList<int> {} << false << 300 << QByteArray("abc\r\ndef\r\nghi") << false;
    QTest::newRow("the list's copy key: the selected ones, recorded, the rest still unsaved")
        << three << QList<int> { 2, 0 } << true << 0 << QByteArray("abc\r\nghi") << true;
    QTest::newRow("the list's copy key over every row, counted down")
        << three << QList<int> { 0, 1, 2 } << false << 10 << QByteArray("abc\r\ndef\r\nghi") << false;
}

void ResultsActionsTest::copyPutsExportTextOnClipboard()
{
    QFETCH(QStringList, passwords);
    QFETCH(QList<int>, copyKeyRows);
    QFETCH(bool, clearOnExit);
    QFETCH(int, delay);
    QFETCH(QByteArray, expected);
    QFETCH(bool, unsavedAfter);
    fill(passwords);
    form->checkClearClipboard->setChecked(clearOnExit);
    for (QAction *choice : form->groupClearClipboardAfter->actions())
        choice->setChecked(choice->data().toInt() == delay);

    if (copyKeyRows.isEmpty()) {
        form->copyClick();
    } else {
        select(copyKeyRows);
        QTest::keyClick(form->listResult, Qt::Key_C, Qt::ControlModifier);
    }

    QCOMPARE(boxes.clipboard, expected);
    QCOMPARE(boxes.clipboardWrites, QList<bool> { true });
    QCOMPARE(boxes.clipboardSecrets, QList<bool> { clearOnExit || delay > 0 });
    QCOMPARE(form->unsavedPasswords, unsavedAfter);
    QCOMPARE(form->clipboardDigest,
        QCryptographicHash::hash(QByteArray(expected).replace("\r\n", ""), QCryptographicHash::Md5));
    // Heard and seen over the list while the delay counts down.
    QCOMPARE(form->labelClipboard->isVisible(), delay > 0);
    if (delay > 0)
        QCOMPARE(form->labelClipboard->accessibleName(),
            delay == 300 ? QStringLiteral("Clipboard clears in 5:00") : QStringLiteral("Clipboard clears in 10 s"));
}

void ResultsActionsTest::copyOnEmptyListOnlyClearsFlag()
{
    form->unsavedPasswords = true;

    form->copyClick();

    QVERIFY(!form->unsavedPasswords);
    QVERIFY(boxes.clipboardWrites.isEmpty());
    QCOMPARE(form->clipboardDigest, QByteArray(16, '\0'));
}

void ResultsActionsTest::copyFailureKeepsFlag_data()
{
    QTest::addColumn<bool>("setFails");
    QTest::addColumn<bool>("readFails");
    QTest::addColumn<QByteArray>("readBack"); // when the read succeeds
    QTest::addColumn<QByteArray>("digestText");

    QTest::newRow("clipboard refuses the text") << true << false << QByteArray() << QByteArray();
    QTest::newRow("clipboard cannot be read back") << false << true << QByteArray() << QByteArray();
    QTest::newRow("another text read back") << false << false << QByteArray("abc") << QByteArray("abc");
}

void ResultsActionsTest::copyFailureKeepsFlag()
{
    QFETCH(bool, setFails);
    QFETCH(bool, readFails);
    QFETCH(QByteArray, readBack);
    QFETCH(QByteArray, digestText);
    Clipboard::setHooks({ [setFails](const QByteArray &, bool, bool) {
                             if (setFails)
                                 throw std::runtime_error("Unable to set clipboard data");
                         },
        [readFails, readBack]() -> QByteArray {
            if (readFails)
                throw std::runtime_error("Unable to obtain clipboard data object");
            return readBack;
        },
        {} });
    fill({ "abc", "def" });

    bool raised = false;
    try {
        form->copyClick();
    } catch (const std::runtime_error &) {
        raised = true;
    }

    QCOMPARE(raised, setFails || readFails);
    QVERIFY(form->unsavedPasswords);
    const QByteArray digest = digestText.isNull() ? QByteArray(16, '\0') : ClipboardDigest::of(digestText);
    QCOMPARE(form->clipboardDigest, digest);
}

void ResultsActionsTest::saveCancelledWritesNothing()
{
    fill({ "abc" });

    form->saveClick();

    QCOMPARE(boxes.saveDialogs.size(), 1);
    const SaveFileDialog &dialog = boxes.saveDialogs[0];
    QCOMPARE(dialog.title, QStringLiteral("Save passwords as..."));
    QCOMPARE(dialog.filter, QStringLiteral("Text Files(*.txt)|*.txt|All Files(*.*)|*.*"));
    QCOMPARE(dialog.fileName, QStringLiteral("Password.txt"));
    QCOMPARE(dialog.defaultExtension, QStringLiteral(".txt"));
    QVERIFY(dialog.overwritePrompt);
    QVERIFY(!dialog.createPrompt);
    QVERIFY(form->unsavedPasswords);
    QVERIFY(!QFile::exists(QStringLiteral("Password.txt")));
}

void ResultsActionsTest::saveWritesTheCopiedBytes_data()
{
    QTest::addColumn<QByteArray>("earlier"); // null: no file yet
    QTest::addColumn<int>("earlierMode");
    QTest::addColumn<int>("mode");
    QTest::newRow("a new file is the owner's only") << QByteArray() << 0 << 0600;
    QTest::newRow("a replaced file is the owner's only too")
        << QByteArray("an older and longer list of passwords") << 0640 << 0600;
}

void ResultsActionsTest::saveWritesTheCopiedBytes()
{
    QFETCH(QByteArray, earlier);
    QFETCH(int, earlierMode);
    QFETCH(int, mode);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("Password.txt"));
    if (!earlier.isNull()) {
        QVERIFY(FileBytes::write(path, earlier));
        QVERIFY(::chmod(QFile::encodeName(path).constData(), mode_t(earlierMode)) == 0);
    }
    boxes.answerSaveWith(path);
    fill({ "abc", "def", "ghi" });
    const mode_t oldMask = ::umask(022);

    form->saveClick();
    ::umask(oldMask);

    QCOMPARE(FileBytes::read(path), QByteArray("abc\r\ndef\r\nghi"));
    QCOMPARE(modeOf(path), mode_t(mode));
    QVERIFY(!form->unsavedPasswords);
    form->copyClick();
    QCOMPARE(FileBytes::read(path), boxes.clipboard);
}

void ResultsActionsTest::saveFailureKeepsFlagAndEarlierFile_data()
{
    QTest::addColumn<QString>("failure");

    QTest::newRow("read-only directory and file") << "read-only directory and file";
    QTest::newRow("disk refuses the bytes") << "file size limit";
    QTest::newRow("parent is a regular file") << "parent is a file";
}

void ResultsActionsTest::saveFailureKeepsFlagAndEarlierFile()
{
    QFETCH(QString, failure);
    QTemporaryDir dir;
    const QByteArray earlier = "earlier passwords";
    QString path = dir.filePath(QStringLiteral("Password.txt"));
    QVERIFY(FileBytes::write(path, earlier));
    // The directory must be writable again for the temporary directory to go.
    auto restore = qScopeGuard([&dir] {
        QFile::setPermissions(dir.path(), QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    });
    std::optional<FileSizeLimit> limit;
    std::optional<PlainUser> plainUser;
    if (failure == "read-only directory and file") {
        plainUser.emplace(std::initializer_list<QByteArray> { QFile::encodeName(dir.path()), QFile::encodeName(path) });
        QVERIFY(plainUser->ready());
        QVERIFY(QFile::setPermissions(path, QFileDevice::ReadOwner));
        QVERIFY(QFile::setPermissions(dir.path(), QFileDevice::ReadOwner | QFileDevice::ExeOwner));
    } else if (failure == "file size limit") {
        limit.emplace(4); // fewer bytes than the list holds
    } else {
        path = path + QStringLiteral("/inside.txt");
    }
    boxes.answerSaveWith(path);
    fill({ "abc", "def", "ghi" });

    QString message;
    try {
        form->saveClick();
    } catch (const std::runtime_error &error) {
        message = QString::fromUtf8(error.what());
    }
    limit.reset();
    plainUser.reset();

    QVERIFY2(message.startsWith(path + QStringLiteral(": ")), qPrintable(message));
    QVERIFY2(message.size() > path.size() + 2, qPrintable(message));
    QVERIFY(form->unsavedPasswords);
    QCOMPARE(FileBytes::read(dir.filePath(QStringLiteral("Password.txt"))), earlier);
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList { "Password.txt" });
}

QTEST_MAIN(ResultsActionsTest)
#include "ResultsActionsTest.moc"
