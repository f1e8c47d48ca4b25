#include "window/app/SettingsBinding.h"
#include "core/ini/Ini.h"
#include "core/settings/SettingsSchema.h"
#include "support/FormFixture.h"
#include "support/core/FileBytes.h"
#include "support/core/PlainUser.h"
#include "window/toolkit/MessageBoxes.h"
#include "window/widgets/IntComboBox.h"
#include "window/x11/WindowFrame.h"

#include <QAction>
#include <QActionGroup>
#include <QCheckBox>
#include <QLineEdit>
#include <QScreen>
#include <QtTest>

#include <optional>

#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

namespace {

const QString iniName = QStringLiteral("Zolvenar.ini");

// Counts the set-edit updates that reset promises to make.
class CountingForm : public ZolvenarMainForm
{
public:
    int setEditUpdates = 0;
    void updateSetEdits() override
    {
        ++setEditUpdates;
        ZolvenarMainForm::updateSetEdits();
    }
};

QByteArray crlfLines(const QByteArrayList &lines)
{
    return lines.join("\r\n") + "\r\n";
}

// Every key set away from the start values.
const QByteArray everyKeyChanged = "LOWERCASEENABLED=FALSE\r\nUPPERCASEENABLED=TRUE\r\nLOWERCASESET=xyz\r\n"
                                   "MINLENGTH=8\r\nPASSSTRENGTH=200\r\nCLEARCLIPBOARD=TRUE\r\nRESTOREWINDOW=TRUE\r\n"
                                   "WIDTH=400\r\nSAVESETTINGS=TRUE\r\nMIXSYSTEMRANDOM=TRUE\r\nREQUIREEACHSET=TRUE\r\n";

QPoint centredOnScreen(const QWidget &window)
{
    const QRect area = window.screen()->availableGeometry();
    const QSize outer = window.frameGeometry().size();
    return { area.x() + (area.width() - outer.width()) / 2, area.y() + (area.height() - outer.height()) / 2 };
}

// The file's type, and its bytes where this process may read them.
QByteArray fingerprint(const QByteArray &path)
{
    struct stat info = {};
    if (::stat(path.constData(), &info) != 0)
        return "<none>";
    const QByteArray type = QByteArray::number(info.st_mode & S_IFMT, 8) + " " + QByteArray::number(info.st_size);
    return S_ISREG(info.st_mode) ? type + " " + FileBytes::read(QFile::decodeName(path)) : type;
}

} // namespace

class SettingsBindingTest : public QObject, FormFixture
{
    Q_OBJECT

private Q_SLOTS:
    // A fresh directory each: the file one test writes must not reach the next.
    void init() { QVERIFY(enterTemporaryDirectory()); }
    void cleanup() { MessageBoxes::setQuestionHook({}); }

    void firstFullSaveWritesEveryKey();
    void startValuesUnlessTheFileIsTrusted_data();
    void startValuesUnlessTheFileIsTrusted();
    void namesMatchInAnyCaseValuesDoNot();
    void emptyTextEmptiesTheBox();
    void mouseInputStandsInForStrength();
    void geometryIsClamped_data();
    void geometryIsClamped();
    void frameFromTheWindowManager_data();
    void frameFromTheWindowManager();
    void frameUnknownUntilQtHasOne();
    void startPosition_data();
    void startPosition();
    void maximizedWindowSavesRestoredBounds();
    void shortSaveChangesOnlyItsKey();
    void menuOptionsStoredWhenTickedOrThere_data();
    void menuOptionsStoredWhenTickedOrThere();
    void textRoundTrips_data();
    void textRoundTrips();
    void reset_data();
    void reset();
};

void SettingsBindingTest::firstFullSaveWritesEveryKey()
{
    ZolvenarMainForm form;
    form.checkSettings->setChecked(true);
    form.setGeometry(100, 50, 640, 480);
    form.saveSettings();
    QCOMPARE(FileBytes::read(iniName),
        crlfLines({ "[SETTINGS]", "VERSION=0.5a", "LOWERCASEENABLED=TRUE", "UPPERCASEENABLED=FALSE",
            "NUMBERENABLED=TRUE", "SYMBOLENABLED=FALSE", "SIMILARENABLED=FALSE", "INCLUDECUSTOMENABLED=FALSE",
            "EXCLUDECUSTOMENABLED=FALSE", "LOWERCASESET=abcdefghijklmnopqrstuvwxyz",
            "UPPERCASESET=ABCDEFGHIJKLMNOPQRSTUVWXYZ", "NUMBERSET=0123456789", "SYMBOLSET=!@#$%&^*-+=<>?/",
            "SIMILARSET=1iIjl0oO!5S2Z", "INCLUDECUSTOMSET=", "EXCLUDECUSTOMSET=", "MINLENGTH=16", "MAXLENGTH=16",
            "PASSCOUNT=10", "PASSSTRENGTH=100", "GENERATORS=0", "MAXIMIZED=FALSE", "LEFT=100", "TOP=50", "WIDTH=640",
            "HEIGHT=480", "CLEARCLIPBOARD=FALSE", "RESTOREWINDOW=FALSE", "SAVESETTINGS=TRUE", "SAVED=TRUE" }));
}

void SettingsBindingTest::startValuesUnlessTheFileIsTrusted_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QString>("kind"); // of a file that no save may replace
    const QByteArray trusted = "[SETTINGS]\r\nSAVED=TRUE\r\n" + everyKeyChanged;
    QTest::newRow("no file") << QByteArray() << QString();
    QTest::newRow("SAVED=FALSE") << "[SETTINGS]\r\nSAVED=FALSE\r\n" + everyKeyChanged << QString();
    QTest::newRow("SAVED missing") << "[SETTINGS]\r\n" + everyKeyChanged << QString();
    QTest::newRow("SAVED in lower case") << "[SETTINGS]\r\nSAVED=true\r\n" + everyKeyChanged << QString();
    QTest::newRow("other section") << "[OTHER]\r\nSAVED=TRUE\r\n" + everyKeyChanged << QString();
    QTest::newRow("no read access, never replaced") << trusted << "no read access";
    QTest::newRow("a FIFO: no hang, never replaced") << QByteArray() << "fifo";
    QTest::newRow("an endless device, never replaced") << QByteArray() << "device";
    QTest::newRow("larger than any settings file, never replaced") << trusted << "too large";
}

void SettingsBindingTest::startValuesUnlessTheFileIsTrusted()
{
    QFETCH(QByteArray, file);
    QFETCH(QString, kind);
    const QByteArray name = QFile::encodeName(iniName);
    if (kind.isEmpty() && !file.isEmpty()) {
        QVERIFY(FileBytes::write(iniName, file));
    } else if (kind == "no read access") {
        QVERIFY(FileBytes::write(iniName, file));
        QVERIFY(::chmod(name, 0200) == 0);
    } else if (kind == "fifo") {
        QVERIFY(::mkfifo(name, 0600) == 0);
    } else if (kind == "device") {
        if (::mknod(name, S_IFCHR | 0666, makedev(1, 5)) != 0) // as /dev/zero
            QSKIP("making a device node needs root");
    } else if (kind == "too large") {
        QVERIFY(FileBytes::write(iniName, file));
        QVERIFY(::truncate(name, Ini::maxFileSize + 1) == 0);
    }
    const QByteArray before = fingerprint(name);
    std::optional<PlainUser> plainUser;
    if (kind == "no read access") {
        plainUser.emplace(std::initializer_list<QByteArray> { name, "." });
        QVERIFY(plainUser->ready());
    }
    ZolvenarMainForm form;
    QVERIFY(form.checkLowerCase->isChecked());
    QVERIFY(form.checkNumber->isChecked());
    QVERIFY(!form.checkUpperCase->isChecked());
    QCOMPARE(form.editSymbol->text(), QStringLiteral("!@#$%&^*-+=<>?/"));
    QCOMPARE(form.editLowerCase->text(), QStringLiteral("abcdefghijklmnopqrstuvwxyz"));
    QCOMPARE(form.comboMinLength->currentText(), QStringLiteral("16"));
    QCOMPARE(form.comboPassStrength->currentText(), QStringLiteral("100"));
    QVERIFY(!form.checkClearClipboard->isChecked());
    QVERIFY(!form.checkSettingsWindow->isChecked());
    QVERIFY(!form.checkSettings->isChecked());
    QVERIFY(!form.actionMixSystemRandom->isChecked());
    QVERIFY(!form.actionRequireEachSet->isChecked());
    QCOMPARE(form.width(), 632);
    if (kind.isEmpty() && file.isEmpty()) {
        // Without "Save Settings on Exit" no file is ever created.
        form.saveSettings();
        QVERIFY(!QFile::exists(iniName));
    } else if (!kind.isEmpty()) {
        for (const bool full : { false, true }) {
            form.checkSettings->setChecked(full);
            form.saveSettings();
        }
        plainUser.reset();
        QCOMPARE(fingerprint(name), before);
    }
}

void SettingsBindingTest::namesMatchInAnyCaseValuesDoNot()
{
    QVERIFY(FileBytes::write(iniName,
        "[settings]\nSaved=TRUE\nLowerCaseEnabled=FALSE\nupperCaseEnabled=TRUE\nSymbolEnabled=true\n"
        "NumberEnabled=True\nSaveSettings=TRUE\nMixSystemRandom=true\nrequireEachSet=TRUE\n"));
    ZolvenarMainForm form;
    QVERIFY(!form.checkLowerCase->isChecked());
    QVERIFY(form.checkUpperCase->isChecked());
    QVERIFY(!form.checkSymbol->isChecked());
    QVERIFY(form.checkNumber->isChecked());
    QVERIFY(form.checkSettings->isChecked());
    QVERIFY(!form.actionMixSystemRandom->isChecked());
    QVERIFY(form.actionRequireEachSet->isChecked());
}

void SettingsBindingTest::emptyTextEmptiesTheBox()
{
    QVERIFY(FileBytes::write(iniName, "[SETTINGS]\r\nSAVED=TRUE\r\nLOWERCASESET=\r\nNUMBERSET=42\r\n"));
    ZolvenarMainForm form;
    QCOMPARE(form.editLowerCase->text(), QString());
    QCOMPARE(form.editNumber->text(), QStringLiteral("42"));
    QCOMPARE(form.editUpperCase->text(), QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZ"));
}

void SettingsBindingTest::mouseInputStandsInForStrength()
{
    QVERIFY(FileBytes::write(iniName, "[SETTINGS]\r\nSAVED=TRUE\r\nMOUSEINPUT=500\r\n"));
    {
        ZolvenarMainForm form;
        QCOMPARE(form.comboPassStrength->currentText(), QStringLiteral("500"));
        form.checkSettings->setChecked(true);
        form.comboPassStrength->setEditText(QStringLiteral("300"));
        form.saveSettings();
    }
    const QByteArray saved = FileBytes::read(iniName);
    QVERIFY(saved.contains("\r\nMOUSEINPUT=500\r\n"));
    QVERIFY(saved.contains("\r\nPASSSTRENGTH=300\r\n"));
    ZolvenarMainForm form;
    QCOMPARE(form.comboPassStrength->currentText(), QStringLiteral("300"));
}

void SettingsBindingTest::geometryIsClamped_data()
{
    QTest::addColumn<QByteArray>("stored");
    QTest::addColumn<QRect>("bounds");
    QTest::newRow("every bound") << QByteArray("WIDTH=5000\r\nHEIGHT=600\r\nTOP=1950\r\nLEFT=-20\r\n")
                                 << QRect(0, 1400, 3000, 600);
    QTest::newRow("LEFT up to 3000 less the width")
        << QByteArray("WIDTH=640\r\nHEIGHT=480\r\nTOP=50\r\nLEFT=2300\r\n") << QRect(2300, 50, 640, 480);
    QTest::newRow("LEFT beyond 3000 less the width")
        << QByteArray("WIDTH=640\r\nHEIGHT=480\r\nTOP=50\r\nLEFT=2500\r\n") << QRect(2360, 50, 640, 480);
}

void SettingsBindingTest::geometryIsClamped()
{
    QFETCH(QByteArray, stored);
    QFETCH(QRect, bounds);
    QVERIFY(FileBytes::write(iniName, "[SETTINGS]\r\nSAVED=TRUE\r\nRESTOREWINDOW=TRUE\r\n" + stored));
    ZolvenarMainForm form;
    QVERIFY(form.checkSettingsWindow->isChecked());
    QCOMPARE(form.frameGeometry(), bounds);
}

void SettingsBindingTest::frameFromTheWindowManager_data()
{
    QTest::addColumn<QList<quint32>>("widths"); // as the property holds them
    QTest::addColumn<std::optional<QMargins>>("frame");
    QTest::newRow("not set yet: unknown, not an empty frame") << QList<quint32>() << std::optional<QMargins>();
    QTest::newRow("left, right, top, bottom") << QList<quint32> { 1, 2, 3, 4 } << std::optional(QMargins(1, 3, 2, 4));
    QTest::newRow("set to no frame") << QList<quint32> { 0, 0, 0, 0 } << std::optional(QMargins());
}

void SettingsBindingTest::frameFromTheWindowManager()
{
    QFETCH(QList<quint32>, widths);
    QFETCH(std::optional<QMargins>, frame);
    QCOMPARE(WindowFrame::fromFrameExtents({ widths.begin(), widths.end() }), frame);
}

void SettingsBindingTest::frameUnknownUntilQtHasOne()
{
    QWidget window;
    const WindowFrame frame(window);
    QCOMPARE(frame.extents(), std::nullopt);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QVERIFY(frame.extents());
}

void SettingsBindingTest::startPosition_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QSize>("size");
    QTest::addColumn<bool>("centred");
    QTest::addColumn<bool>("maximized");

    const QByteArray header = "[SETTINGS]\r\nSAVED=TRUE\r\n";
    QTest::newRow("no file") << QByteArray() << QSize(632, 447) << true << false;
    QTest::newRow("stored bounds kept") << header
            + "RESTOREWINDOW=TRUE\r\nLEFT=30\r\nTOP=40\r\nWIDTH=700\r\nHEIGHT=500\r\n"
                                        << QSize(700, 500) << false << false;
    QTest::newRow("LEFT missing centres the restored size")
        << header + "RESTOREWINDOW=TRUE\r\nTOP=10\r\nWIDTH=700\r\nHEIGHT=500\r\n"
        << QSize(700, 500) << true << false;
    QTest::newRow("RESTOREWINDOW=FALSE ignores MAXIMIZED")
        << header + "RESTOREWINDOW=FALSE\r\nMAXIMIZED=TRUE\r\nLEFT=30\r\nTOP=40\r\nWIDTH=700\r\nHEIGHT=500\r\n"
        << QSize(632, 447) << true << false;
    QTest::newRow("RESTOREWINDOW=TRUE with MAXIMIZED=TRUE")
        << header + "RESTOREWINDOW=TRUE\r\nMAXIMIZED=TRUE\r\nLEFT=30\r\nTOP=40\r\nWIDTH=700\r\nHEIGHT=500\r\n"
        << QSize(700, 500) << false << true;
}

void SettingsBindingTest::startPosition()
{
    QFETCH(QByteArray, file);
    QFETCH(QSize, size);
    QFETCH(bool, centred);
    QFETCH(bool, maximized);
    if (!file.isEmpty())
        QVERIFY(FileBytes::write(iniName, file));

    ZolvenarMainForm form;
    QCOMPARE(form.isMaximized(), maximized);
    QCOMPARE(form.checkSettingsWindow->isChecked(), file.contains("RESTOREWINDOW=TRUE"));
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    // A stored size is the outer one, frame included, so the window does not grow by
    // its frame at every start; the built-in size is the client area's.
    const bool stored = file.contains("RESTOREWINDOW=TRUE") && file.contains("WIDTH=");
    if (maximized)
        QCOMPARE(form.normalGeometry().size(), size);
    else if (stored)
        QTRY_COMPARE(form.frameGeometry().size(), size);
    else
        QCOMPARE(form.size(), size);
    if (!maximized)
        QCOMPARE(form.frameGeometry().topLeft(), centred ? centredOnScreen(form) : QPoint(30, 40));
}

void SettingsBindingTest::maximizedWindowSavesRestoredBounds()
{
    ZolvenarMainForm form;
    form.checkSettings->setChecked(true);
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    form.setGeometry(100, 50, 640, 480);
    QTRY_COMPARE(form.geometry(), QRect(100, 50, 640, 480));
    const QRect restored = form.frameGeometry();
    form.showMaximized();
    QTRY_VERIFY(form.isMaximized() && form.geometry() != QRect(100, 50, 640, 480));

    form.saveSettings();
    QVERIFY(!form.isMaximized());
    QVERIFY(FileBytes::read(iniName).contains(
        QString::asprintf("\r\nMAXIMIZED=TRUE\r\nLEFT=%d\r\nTOP=%d\r\nWIDTH=%d\r\nHEIGHT=%d\r\n", restored.x(),
            restored.y(), restored.width(), restored.height())
            .toLatin1()));
}

void SettingsBindingTest::shortSaveChangesOnlyItsKey()
{
    const QByteArray before = "; written by hand\n[Other]\nkeep = me ; really\n[SETTINGS]\n  # note\nSAVED=TRUE\n"
                              "SAVESETTINGS=TRUE\nUNKNOWN=1\nLOWERCASESET=abc\n";
    QVERIFY(FileBytes::write(iniName, before));
    ZolvenarMainForm form;
    QVERIFY(form.checkSettings->isChecked());
    form.checkSettings->setChecked(false);
    form.editLowerCase->setText(QStringLiteral("changed"));
    form.saveSettings();
    QByteArray expected = before;
    expected.replace("SAVESETTINGS=TRUE", "SAVESETTINGS=FALSE").replace("\n", "\r\n");
    QCOMPARE(FileBytes::read(iniName), expected);
}

void SettingsBindingTest::menuOptionsStoredWhenTickedOrThere_data()
{
    QTest::addColumn<QByteArray>("stored"); // between SAVED and SAVESETTINGS
    QTest::addColumn<bool>("mix"); // ticked at the save, and so after the next start
    QTest::addColumn<int>("loadedDelay"); // Clear Clipboard After as the file gives it
    QTest::addColumn<int>("delay"); // chosen at the save, and so after the next start
    QTest::addColumn<QByteArray>("saved"); // a part of the saved file
    QTest::newRow("ticked: added among the other options; Never left out")
        << QByteArray() << true << 0 << 0 << QByteArray("GENERATORS=0\r\nMIXSYSTEMRANDOM=TRUE\r\nMAXIMIZED=");
    QTest::newRow("there: updated in its place") << QByteArray("MIXSYSTEMRANDOM=TRUE\r\n") << false << 0 << 0
                                                 << QByteArray("SAVED=TRUE\r\nMIXSYSTEMRANDOM=FALSE\r\nSAVESETTINGS=");
    QTest::newRow("a delay chosen: added in seconds")
        << QByteArray() << false << 0 << 30 << QByteArray("GENERATORS=0\r\nCLEARCLIPBOARDAFTER=30\r\nMAXIMIZED=");
    QTest::newRow("a delay there: Never written in its place as 0") << QByteArray(
        "CLEARCLIPBOARDAFTER=300\r\n") << false << 300 << 0 << QByteArray("SAVED=TRUE\r\nCLEARCLIPBOARDAFTER=0\r\n");
    QTest::newRow("a delay that is no choice reads as Never") << QByteArray(
        "CLEARCLIPBOARDAFTER=45\r\n") << false << 0 << 60 << QByteArray("SAVED=TRUE\r\nCLEARCLIPBOARDAFTER=60\r\n");
    QTest::newRow("a choice written otherwise reads as Never") << QByteArray(
        "CLEARCLIPBOARDAFTER=010\r\n") << false << 0 << 10 << QByteArray("SAVED=TRUE\r\nCLEARCLIPBOARDAFTER=10\r\n");
}

void SettingsBindingTest::menuOptionsStoredWhenTickedOrThere()
{
    QFETCH(QByteArray, stored);
    QFETCH(bool, mix);
    QFETCH(int, loadedDelay);
    QFETCH(int, delay);
    QFETCH(QByteArray, saved);
    QVERIFY(FileBytes::write(iniName, "[SETTINGS]\r\nSAVED=TRUE\r\n" + stored + "SAVESETTINGS=TRUE\r\n"));
    const auto chosen = [](const ZolvenarMainForm &form) {
        const QAction *checked = form.groupClearClipboardAfter->checkedAction();
        return checked ? checked->data().toInt() : -1;
    };
    {
        ZolvenarMainForm form;
        QCOMPARE(form.actionMixSystemRandom->isChecked(), stored.contains("MIXSYSTEMRANDOM=TRUE"));
        QCOMPARE(chosen(form), loadedDelay);
        form.actionMixSystemRandom->setChecked(mix);
        for (QAction *choice : form.groupClearClipboardAfter->actions())
            choice->setChecked(choice->data().toInt() == delay);
        form.saveSettings();
    }
    QVERIFY2(FileBytes::read(iniName).contains(saved), FileBytes::read(iniName).constData());
    const ZolvenarMainForm restarted;
    QCOMPARE(restarted.actionMixSystemRandom->isChecked(), mix);
    QCOMPARE(chosen(restarted), delay);
}

void SettingsBindingTest::textRoundTrips_data()
{
    QTest::addColumn<QString>("setText");
    QTest::addColumn<QString>("numberText");
    QTest::addColumn<QString>("loaded"); // the set's box after a restart
    QTest::newRow("non-ASCII") << QStringLiteral("äöü€\U0001D11E") << QStringLiteral("16")
                               << QStringLiteral("äöü€\U0001D11E");
    QTest::newRow("longer than a line edit keeps by default")
        << QString(40000, QLatin1Char('a')) << QString(40000, QLatin1Char('7')) << QString(40000, QLatin1Char('a'));
    // The euro sign's three bytes straddle the bound.
    const QString beforeBound(int(SettingsSchema::maxSetBytes) - 1, QLatin1Char('a'));
    QTest::newRow("a set beyond the bound loads cut between characters, the file keeps it whole")
        << beforeBound + QStringLiteral("€") + QString(100000, QLatin1Char('b')) << QStringLiteral("16") << beforeBound;
}

void SettingsBindingTest::textRoundTrips()
{
    QFETCH(QString, setText);
    QFETCH(QString, numberText);
    QFETCH(QString, loaded);
    {
        ZolvenarMainForm form;
        form.checkSettings->setChecked(true);
        form.editIncludeCustom->setText(setText);
        form.comboMinLength->setEditText(numberText);
        form.saveSettings();
    }
    const QByteArray saved = FileBytes::read(iniName);
    QVERIFY(saved.contains("\r\nINCLUDECUSTOMSET=" + setText.toUtf8() + "\r\n"));
    QVERIFY(saved.contains("\r\nMINLENGTH=" + numberText.toUtf8() + "\r\n"));
    ZolvenarMainForm form;
    QCOMPARE(form.editIncludeCustom->text(), loaded);
    QCOMPARE(form.comboMinLength->currentText(), numberText);
    form.saveSettings();
    QVERIFY(FileBytes::read(iniName).contains("\r\nINCLUDECUSTOMSET=" + setText.toUtf8() + "\r\n"));
}

void SettingsBindingTest::reset_data()
{
    QTest::addColumn<bool>("answer");
    QTest::newRow("No changes nothing") << false;
    QTest::newRow("Yes restores the defaults") << true;
}

void SettingsBindingTest::reset()
{
    QFETCH(bool, answer);
    CountingForm form;
    form.checkLowerCase->setChecked(false);
    form.checkSymbol->setChecked(true);
    form.editNumber->setText(QStringLiteral("13"));
    form.editIncludeCustom->setText(QStringLiteral("custom"));
    form.checkIncludeCustom->setChecked(true);
    form.setEditUpdates = 0;

    QStringList asked;
    MessageBoxes::setQuestionHook([&](const QString &text, const QString &caption) {
        asked << text << caption;
        return answer;
    });
    form.resetClick();

    QCOMPARE(asked,
        QStringList({ "You will lose any changes you made to the character settings. Are you sure?",
            "Reset Character Settings" }));
    QCOMPARE(form.checkLowerCase->isChecked(), answer);
    QCOMPARE(form.checkSymbol->isChecked(), !answer);
    QCOMPARE(form.checkIncludeCustom->isChecked(), !answer);
    QCOMPARE(form.editNumber->text(), answer ? QStringLiteral("0123456789") : QStringLiteral("13"));
    QCOMPARE(form.editIncludeCustom->text(), QStringLiteral("custom"));
    QCOMPARE(form.setEditUpdates, answer ? 1 : 0);
}

QTEST_MAIN(SettingsBindingTest)
#include "SettingsBindingTest.moc"
