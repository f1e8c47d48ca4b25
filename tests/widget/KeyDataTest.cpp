#include "window/x11/KeyData.h"

#include <QKeyEvent>
#include <QTest>

#include <optional>

using KeyResult = std::optional<std::uint32_t>;
Q_DECLARE_METATYPE(KeyResult)

namespace {

// Records what the key data of each key press was, the way a control's key
// handler sees it from QTest's synthetic events.
class KeyRecorder : public QWidget
{
public:
    QList<KeyResult> seen;

protected:
    void keyPressEvent(QKeyEvent *event) override { seen << KeyData::fromEvent(event); }
};

} // namespace

class KeyDataTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void eventsAsThePlatformSendsThem_data();
    void eventsAsThePlatformSendsThem();
    void syntheticKeyClicks_data();
    void syntheticKeyClicks();
};

void KeyDataTest::eventsAsThePlatformSendsThem_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("modifiers");
    QTest::addColumn<QString>("text");
    QTest::addColumn<KeyResult>("expected");
    const int none = Qt::NoModifier;
    QTest::newRow("1 on the main row") << int(Qt::Key_1) << none << "1" << KeyResult(0x31);
    QTest::newRow("1 on the keypad") << int(Qt::Key_1) << int(Qt::KeypadModifier) << "1" << KeyResult(0x31);
    QTest::newRow("0 on the keypad") << int(Qt::Key_0) << int(Qt::KeypadModifier) << "0" << KeyResult(0x30);
    QTest::newRow("a") << int(Qt::Key_A) << none << "a" << KeyResult(0x41);
    QTest::newRow("Shift+a") << int(Qt::Key_A) << int(Qt::ShiftModifier) << "A" << KeyResult(0x10041);
    QTest::newRow("Shift+3 types #") << int(Qt::Key_NumberSign) << int(Qt::ShiftModifier) << "#" << KeyResult(0x10033);
    QTest::newRow("# without Shift is a key of its own, as on a British keyboard")
        << int(Qt::Key_NumberSign) << none << "#" << KeyResult(0);
    QTest::newRow("Backspace") << int(Qt::Key_Backspace) << none << "\b" << KeyResult(0x08);
    QTest::newRow("Ctrl+V types a control character")
        << int(Qt::Key_V) << int(Qt::ControlModifier) << "\x16" << KeyResult(0x20056);
    QTest::newRow("Ctrl+Alt+e") << int(Qt::Key_E) << int(Qt::ControlModifier | Qt::AltModifier) << ""
                                << KeyResult(0x60045);
    QTest::newRow("space") << int(Qt::Key_Space) << none << " " << KeyResult(0x20);
    QTest::newRow("minus") << int(Qt::Key_Minus) << none << "-" << KeyResult(0xBD);
    QTest::newRow("Shift+minus types _") << int(Qt::Key_Underscore) << int(Qt::ShiftModifier) << "_"
                                         << KeyResult(0x100BD);
    QTest::newRow("full stop") << int(Qt::Key_Period) << none << "." << KeyResult(0xBE);
    QTest::newRow("keypad plus") << int(Qt::Key_Plus) << int(Qt::KeypadModifier) << "+" << KeyResult(0xBB);
    QTest::newRow("double quote") << int(Qt::Key_QuoteDbl) << int(Qt::ShiftModifier) << "\"" << KeyResult(0x100DE);
    QTest::newRow("Enter") << int(Qt::Key_Return) << none << "\r" << KeyResult(0x0D);
    QTest::newRow("a letter no US key types") << int(Qt::Key_Eacute) << none << "é" << KeyResult(0);
    QTest::newRow("an Arabic-Indic digit is its digit key") << 0x663 << none << "\u0663" << KeyResult(0x33);
    QTest::newRow("an Extended Arabic-Indic digit is its digit key") << 0x6F4 << none << "\u06F4" << KeyResult(0x34);
    QTest::newRow("Delete types nothing") << int(Qt::Key_Delete) << none << "\x7f" << KeyResult();
    QTest::newRow("Tab types nothing") << int(Qt::Key_Tab) << none << "\t" << KeyResult();
    QTest::newRow("Home") << int(Qt::Key_Home) << none << "" << KeyResult();
    QTest::newRow("Left arrow") << int(Qt::Key_Left) << none << "" << KeyResult();
    QTest::newRow("Ctrl+Left arrow") << int(Qt::Key_Left) << int(Qt::ControlModifier) << "" << KeyResult();
    QTest::newRow("F5") << int(Qt::Key_F5) << none << "" << KeyResult();
    QTest::newRow("Shift alone") << int(Qt::Key_Shift) << int(Qt::ShiftModifier) << "" << KeyResult();
}

void KeyDataTest::eventsAsThePlatformSendsThem()
{
    QFETCH(int, key);
    QFETCH(int, modifiers);
    QFETCH(QString, text);
    QFETCH(KeyResult, expected);
    const QKeyEvent event(QEvent::KeyPress, key, Qt::KeyboardModifiers(modifiers), text);
    QCOMPARE(KeyData::fromEvent(&event), expected);
}

void KeyDataTest::syntheticKeyClicks_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("modifiers");
    QTest::addColumn<KeyResult>("expected");
    QTest::newRow("1") << int(Qt::Key_1) << int(Qt::NoModifier) << KeyResult(0x31);
    QTest::newRow("keypad 1") << int(Qt::Key_1) << int(Qt::KeypadModifier) << KeyResult(0x31);
    QTest::newRow("a") << int(Qt::Key_A) << int(Qt::NoModifier) << KeyResult(0x41);
    QTest::newRow("Shift+3") << int(Qt::Key_3) << int(Qt::ShiftModifier) << KeyResult(0x10033);
    QTest::newRow("Backspace") << int(Qt::Key_Backspace) << int(Qt::NoModifier) << KeyResult(0x08);
    QTest::newRow("Ctrl+V") << int(Qt::Key_V) << int(Qt::ControlModifier) << KeyResult(0x20056);
    QTest::newRow("Delete") << int(Qt::Key_Delete) << int(Qt::NoModifier) << KeyResult();
    QTest::newRow("End") << int(Qt::Key_End) << int(Qt::NoModifier) << KeyResult();
}

void KeyDataTest::syntheticKeyClicks()
{
    QFETCH(int, key);
    QFETCH(int, modifiers);
    QFETCH(KeyResult, expected);
    KeyRecorder recorder;
    QTest::keyClick(&recorder, Qt::Key(key), Qt::KeyboardModifiers(modifiers));
    // QTest presses the modifier keys first: they type nothing.
    QVERIFY(!recorder.seen.isEmpty());
    QCOMPARE(recorder.seen.constLast(), expected);
    for (qsizetype i = 0; i + 1 < recorder.seen.size(); ++i)
        QCOMPARE(recorder.seen[i], KeyResult());
}

QTEST_MAIN(KeyDataTest)
#include "KeyDataTest.moc"
