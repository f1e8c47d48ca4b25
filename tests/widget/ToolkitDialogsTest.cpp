#include "support/ModalWatch.h"
#include "window/toolkit/Clipboard.h"
#include "window/toolkit/MessageBoxes.h"
#include "window/toolkit/PendingMessages.h"
#include "window/toolkit/SaveFileDialog.h"

#include <QAbstractFileIconProvider>
#include <QApplication>
#include <QClipboard>
#include <QFileDialog>
#include <QIcon>
#include <QMessageBox>
#include <QMimeData>
#include <QMimeDatabase>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <stdexcept>

#include <sys/stat.h>
#include <unistd.h>

class ToolkitDialogsTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void cleanup();

    void saveFilterTurnsIntoQtsForm_data();
    void saveFilterTurnsIntoQtsForm();
    void saveDialogIsConfiguredFieldByField();
    void saveDialogRefusesLongInitialNames();
    void saveDialogTakesANewNameOrARegularFile_data();
    void saveDialogTakesANewNameOrARegularFile();
    void questionBoxDefaultsToNoAndErrorBoxHasOk();
    void clipboardRoundTripsUtf8();
    void pendingMessagesStopOnceQuitting();

private:
    QTemporaryDir toolkitSettings;
};

void ToolkitDialogsTest::initTestCase()
{
    // Where Qt would keep its own per-user settings; the save dialog must leave nothing there.
    QVERIFY(toolkitSettings.isValid());
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(toolkitSettings.path()));
}

void ToolkitDialogsTest::cleanup()
{
    SaveFileDialog::setHook({});
    MessageBoxes::setErrorHook({});
    PendingMessages::setQuitting(false);
}

void ToolkitDialogsTest::saveFilterTurnsIntoQtsForm_data()
{
    QTest::addColumn<QString>("filter");
    QTest::addColumn<QString>("expected");
    QTest::newRow("labels that show their patterns, as given") << "Text Files(*.txt)|*.txt|Key Files (*.key)|*.key"
                                                               << "Text Files(*.txt);;Key Files (*.key)";
    QTest::newRow("*.* is every file, with or without a full stop")
        << "Text Files(*.txt)|*.txt|All Files(*.*)|*.*|Some|*.md;*.*"
        << "Text Files(*.txt);;All Files(*);;Some (*.md;*)";
    QTest::newRow("one pair") << "Passwords|*.txt"
                              << "Passwords (*.txt)";
    QTest::newRow("label without a pattern is dropped") << "Passwords|*.txt|Orphan"
                                                        << "Passwords (*.txt)";
    QTest::newRow("empty") << ""
                           << "";
}

void ToolkitDialogsTest::saveFilterTurnsIntoQtsForm()
{
    QFETCH(QString, filter);
    QFETCH(QString, expected);
    SaveFileDialog dialog;
    dialog.filter = filter;
    QCOMPARE(dialog.qtFilter(), expected);
}

void ToolkitDialogsTest::saveDialogIsConfiguredFieldByField()
{
    QString title, suffix, selected, typeShown;
    QStringList filters;
    QTemporaryDir folder; // nothing there to ask about overwriting
    // A picture by its content, nothing by its name.
    const QString picture = folder.filePath(QStringLiteral("picture"));
    QFile pictureFile(picture);
    QVERIFY(pictureFile.open(QIODevice::WriteOnly) && pictureFile.write("\x89PNG\r\n\x1a\n") == 8);
    pictureFile.close();
    bool confirmsOverwrite = false;
    QFileDialog::AcceptMode mode = QFileDialog::AcceptOpen;
    ModalWatch::whenOpen<QFileDialog>([&](QFileDialog &dialog) {
        title = dialog.windowTitle();
        suffix = dialog.defaultSuffix();
        filters = dialog.nameFilters();
        confirmsOverwrite = !dialog.testOption(QFileDialog::DontConfirmOverwrite);
        mode = dialog.acceptMode();
        typeShown = dialog.iconProvider()->type(QFileInfo(picture));
        // Choosing every file keeps the name as it is.
        dialog.selectNameFilter(filters.value(1));
        selected = dialog.selectedFiles().value(0);
        static_cast<QDialog &>(dialog).accept(); // the file dialog hides its own accept()
    });
    SaveFileDialog dialog;
    dialog.title = QStringLiteral("Save Passwords");
    dialog.filter = QStringLiteral("Text Files|*.txt|All Files|*.*");
    dialog.fileName = folder.filePath(QStringLiteral("Password.txt"));
    dialog.defaultExtension = QStringLiteral(".txt");
    QVERIFY(dialog.show(nullptr));
    QCOMPARE(title, QStringLiteral("Save Passwords"));
    QCOMPARE(suffix, QStringLiteral("txt"));
    QCOMPARE(filters, QStringList({ QStringLiteral("Text Files (*.txt)"), QStringLiteral("All Files (*)") }));
    QVERIFY(confirmsOverwrite);
    QCOMPARE(mode, QFileDialog::AcceptSave);
    QCOMPARE(selected, folder.filePath(QStringLiteral("Password.txt")));
    QCOMPARE(dialog.fileName, selected);
    // Read, a file may block for ever: /proc/kmsg, a FIFO behind a link.
    QCOMPARE(typeShown, QMimeDatabase().mimeTypeForName(QStringLiteral("application/octet-stream")).comment());

    ModalWatch::whenOpen<QFileDialog>([](QFileDialog &dialog) { dialog.reject(); });
    QVERIFY(!dialog.show(nullptr));
    QCOMPARE(
        QDir(toolkitSettings.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden), QStringList());
}

void ToolkitDialogsTest::saveDialogRefusesLongInitialNames()
{
    int asked = 0;
    SaveFileDialog::setHook([&asked](SaveFileDialog &dialog) {
        ++asked;
        dialog.fileName = QStringLiteral("/tmp/chosen.txt");
        return true;
    });
    SaveFileDialog dialog;
    dialog.fileName = QString(260, QLatin1Char('a'));
    QVERIFY(dialog.show(nullptr));
    QCOMPARE(dialog.fileName, QStringLiteral("/tmp/chosen.txt"));

    dialog.fileName = QString(261, QLatin1Char('a'));
    try {
        dialog.show(nullptr);
        QFAIL("a 261-character name was accepted");
    } catch (const std::runtime_error &error) {
        QCOMPARE(QString::fromUtf8(error.what()), QStringLiteral("Invalid file name"));
    }
    QCOMPARE(asked, 1);
}

void ToolkitDialogsTest::saveDialogTakesANewNameOrARegularFile_data()
{
    QTest::addColumn<QString>("existing");
    QTest::addColumn<bool>("accepted");
    QTest::newRow("a new name") << "" << true;
    QTest::newRow("a regular file") << "file" << true;
    QTest::newRow("a FIFO: refused, the dialog stays open") << "FIFO" << false;
    QTest::newRow("a link to a FIFO: refused") << "link to a FIFO" << false;
}

void ToolkitDialogsTest::saveDialogTakesANewNameOrARegularFile()
{
    QFETCH(QString, existing);
    QFETCH(bool, accepted);
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("chosen.txt"));
    const QByteArray pipe = QFile::encodeName(existing == "FIFO" ? path : folder.filePath(QStringLiteral("pipe")));
    if (existing == "file")
        QVERIFY(QFile(path).open(QIODevice::WriteOnly));
    else if (existing.endsWith("FIFO"))
        QVERIFY(::mkfifo(pipe.constData(), 0600) == 0);
    if (existing.startsWith("link"))
        QVERIFY(::symlink(pipe.constData(), QFile::encodeName(path).constData()) == 0);
    QStringList errors;
    MessageBoxes::setErrorHook([&errors](const QString &text, const QString &) { errors << text; });
    bool stayedOpen = false;
    ModalWatch::whenOpen<QFileDialog>([&stayedOpen](QFileDialog &dialog) {
        static_cast<QDialog &>(dialog).accept();
        stayedOpen = dialog.isVisible();
        if (stayedOpen)
            dialog.reject();
    });
    SaveFileDialog dialog;
    dialog.overwritePrompt = false;
    dialog.fileName = path;
    QCOMPARE(dialog.show(nullptr), accepted);
    QCOMPARE(stayedOpen, !accepted);
    QCOMPARE(errors,
        accepted ? QStringList()
                 : QStringList { QStringLiteral("chosen.txt is not a regular file.\nChoose another name.") });
}

void ToolkitDialogsTest::questionBoxDefaultsToNoAndErrorBoxHasOk()
{
    QWidget owner;
    owner.show();
    QApplication::setActiveWindow(&owner);
    QString text, caption;
    QWidget *parent = nullptr;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QAbstractButton *defaultButton = nullptr;
    QMessageBox::StandardButtons buttons;
    auto inspect = [&](QMessageBox &box) {
        text = box.text();
        caption = box.windowTitle();
        parent = box.parentWidget();
        icon = box.icon();
        buttons = box.standardButtons();
        defaultButton = box.defaultButton();
    };
    ModalWatch::whenOpen<QMessageBox>([&](QMessageBox &box) {
        inspect(box);
        QCOMPARE(defaultButton, box.button(QMessageBox::No));
        box.defaultButton()->click();
    });
    QVERIFY(!MessageBoxes::askYesNo(QStringLiteral("Sure?"), QStringLiteral("Zolvenar")));
    QCOMPARE(text, QStringLiteral("Sure?"));
    QCOMPARE(caption, QStringLiteral("Zolvenar"));
    QCOMPARE(parent, &owner);
    QCOMPARE(icon, QMessageBox::Question);
    QCOMPARE(buttons, QMessageBox::Yes | QMessageBox::No);

    ModalWatch::whenOpen<QMessageBox>([](QMessageBox &box) { box.button(QMessageBox::Yes)->click(); });
    QVERIFY(MessageBoxes::askYesNo(QStringLiteral("Sure?"), QStringLiteral("Zolvenar")));

    ModalWatch::whenOpen<QMessageBox>([&](QMessageBox &box) {
        inspect(box);
        box.button(QMessageBox::Ok)->click();
    });
    MessageBoxes::showError(QStringLiteral("Broken"), QStringLiteral("Zolvenar Error"));
    QCOMPARE(text, QStringLiteral("Broken"));
    QCOMPARE(icon, QMessageBox::Critical);
    QCOMPARE(buttons, QMessageBox::StandardButtons(QMessageBox::Ok));

    // About: the program's icon, OK only.
    owner.setWindowIcon(QIcon(QStringLiteral(":/icons/zolvenar.png")));
    QApplication::setActiveWindow(&owner);
    bool asShown = false;
    ModalWatch::whenOpen<QMessageBox>([&](QMessageBox &box) {
        asShown
            = box.parentWidget() == &owner && !box.iconPixmap().isNull() && box.standardButtons() == QMessageBox::Ok;
        box.button(QMessageBox::Ok)->click();
    });
    MessageBoxes::showAbout(QStringLiteral("Zolvenar 1"), QStringLiteral("About Zolvenar"));
    QVERIFY(asShown);
}

void ToolkitDialogsTest::clipboardRoundTripsUtf8()
{
    const QByteArray text = "p\xc3\xa4ss\r\nw\xe2\x82\xac rd";
    const QString hint = QStringLiteral("x-kde-passwordManagerHint");
    Clipboard::setText(text, true);
    QCOMPARE(Clipboard::text(), text);
    QVERIFY(!QGuiApplication::clipboard()->mimeData()->hasFormat(hint));
    Clipboard::setText(text, true, true);
    QCOMPARE(Clipboard::text(), text);
    QCOMPARE(QGuiApplication::clipboard()->mimeData()->data(hint), QByteArray("secret"));
    Clipboard::setText(QByteArray(), false);
    QCOMPARE(Clipboard::text(), QByteArray());
}

void ToolkitDialogsTest::pendingMessagesStopOnceQuitting()
{
    bool delivered = false;
    QTimer::singleShot(0, qApp, [&delivered] { delivered = true; });
    QVERIFY(PendingMessages::process());
    QVERIFY(delivered);
    PendingMessages::setQuitting(true);
    QVERIFY(!PendingMessages::process());
}

QTEST_MAIN(ToolkitDialogsTest)
#include "ToolkitDialogsTest.moc"
