#include "window/widgets/IntComboBox.h"
#include "support/FormFixture.h"

#include <QApplication>
#include <QClipboard>
#include <QGuiApplication>
#include <QInputMethodEvent>
#include <QLineEdit>
#include <QTest>

// Real key events sent to the window's numeric boxes: the filter, the typed-length
// limits, and what Enter and paste do.
class IntComboBoxTest : public QObject, FormFixture
{
    Q_OBJECT

private:
    IntComboBox *emptyBox(const char *name)
    {
        auto *combo = form->findChild<IntComboBox *>(QString::fromLatin1(name));
        combo->setFocus();
        combo->lineEdit()->clear();
        return combo;
    }

private Q_SLOTS:
    void initTestCase() { QVERIFY(enterTemporaryDirectory()); }
    void init() { QVERIFY(openForm()); }
    void cleanup() { closeForm(); }

    void typedKeys_data();
    void typedKeys();
    void handledEventStaysHandled();
    void enterAddsNoItem();
    void typedLengthLimits_data();
    void typedLengthLimits();
    void programTextIsNotCut();
};

struct Key
{
    Qt::Key key;
    QString text;
    Qt::KeyboardModifiers modifiers;
};
Q_DECLARE_METATYPE(QList<Key>)

static Key plain(char ch)
{
    return { static_cast<Qt::Key>(QChar::fromLatin1(ch).toUpper().unicode()), QString(QChar::fromLatin1(ch)),
        Qt::NoModifier };
}

void IntComboBoxTest::typedKeys_data()
{
    QTest::addColumn<QString>("before");
    QTest::addColumn<QList<Key>>("keys");
    QTest::addColumn<QString>("after");
    QTest::addColumn<QString>("clipboard"); // for Ctrl+V
    QTest::newRow("a letter between digits is dropped")
        << QString() << QList<Key> { plain('1'), plain('2'), plain('a'), plain('3') } << QStringLiteral("123")
        << QString();
    QTest::newRow("the symbol on Shift+3 is refused")
        << QStringLiteral("7") << QList<Key> { { Qt::Key_NumberSign, QStringLiteral("#"), Qt::ShiftModifier } }
        << QStringLiteral("7") << QString();
    QTest::newRow("a symbol with a key of its own is refused")
        << QStringLiteral("7") << QList<Key> { { Qt::Key_NumberSign, QStringLiteral("#"), Qt::NoModifier } }
        << QStringLiteral("7") << QString();
    QTest::newRow("Shift with a digit key typing a digit is refused")
        << QStringLiteral("7") << QList<Key> { { Qt::Key_3, QStringLiteral("3"), Qt::ShiftModifier } }
        << QStringLiteral("7") << QString();
    QTest::newRow("space, minus and full stop are refused")
        << QStringLiteral("7") << QList<Key> { plain(' '), plain('-'), plain('.') } << QStringLiteral("7") << QString();
    // Typed text stays what was typed: 4 is no start of 40 in the list.
    QTest::newRow("the start of a listed number is not completed")
        << QString() << QList<Key> { plain('4') } << QStringLiteral("4") << QString();
    QTest::newRow("Backspace passes") << QStringLiteral("42")
                                      << QList<Key> { { Qt::Key_Backspace, QStringLiteral("\b"), Qt::NoModifier } }
                                      << QStringLiteral("4") << QString();
    // Dead acute then e composes an accented e, which arrives as committed text, not a key.
    const Key composed { Qt::Key_unknown, QStringLiteral("\u00E9"), Qt::NoModifier };
    QTest::newRow("composed text obeys the digit rule")
        << QString() << QList<Key> { plain('1'), composed, plain('2') } << QStringLiteral("12") << QString();
    QTest::newRow("keypad digits pass") << QString()
                                        << QList<Key> { { Qt::Key_4, QStringLiteral("4"), Qt::KeypadModifier },
                                               { Qt::Key_2, QStringLiteral("2"), Qt::KeypadModifier } }
                                        << QStringLiteral("42") << QString();
    QTest::newRow("keys that type nothing keep their effect")
        << QStringLiteral("15")
        << QList<Key> { { Qt::Key_Home, QString(), Qt::NoModifier }, { Qt::Key_Delete, QString(), Qt::NoModifier },
               plain('9') }
        << QStringLiteral("95") << QString();
    // An Arabic layout's digit keys type Arabic-Indic digits, a Persian one Extended Arabic-Indic ones.
    QTest::newRow("digits of the Arabic scripts are held as ASCII")
        << QString()
        << QList<Key> { { Qt::Key(0x661), QStringLiteral("\u0661"), Qt::NoModifier },
               { Qt::Key(0x6F2), QStringLiteral("\u06F2"), Qt::NoModifier },
               { Qt::Key_unknown, QStringLiteral("\u0663"), Qt::NoModifier } }
        << QStringLiteral("123") << QString();
    const Key paste { Qt::Key_V, QStringLiteral("\x16"), Qt::ControlModifier };
    QTest::newRow("Ctrl+V pastes unfiltered")
        << QString() << QList<Key> { paste } << QStringLiteral("x9") << QStringLiteral("x9");
    // Line breaks and NUL would end up in the settings file.
    QTest::newRow("a paste loses its control characters")
        << QString() << QList<Key> { paste } << QStringLiteral("1[X]2")
        << QStringLiteral("1\n[X]\r\n\0"
                          "2\x1B");
    QTest::newRow("a paste's Arabic-Indic digits are held as ASCII")
        << QString() << QList<Key> { paste } << QStringLiteral("4x5") << QStringLiteral("\u0664x\u06F5");
    // The numeric and the set boxes share the edit that drops them.
    QTest::newRow("a paste loses DEL as well")
        << QString() << QList<Key> { paste } << QStringLiteral("42") << QStringLiteral("4\u007F2");
}

void IntComboBoxTest::typedKeys()
{
    QFETCH(QString, before);
    QFETCH(QList<Key>, keys);
    QFETCH(QString, after);
    QFETCH(QString, clipboard);
    QGuiApplication::clipboard()->setText(clipboard);
    IntComboBox *combo = emptyBox("comboPassCount");
    combo->setEditText(before);
    for (const Key &key : keys) {
        if (key.key == Qt::Key_unknown) {
            QInputMethodEvent event;
            event.setCommitString(key.text);
            QApplication::sendEvent(combo, &event);
        } else {
            QTest::sendKeyEvent(QTest::Click, combo, key.key, key.text, key.modifiers);
        }
    }
    QCOMPARE(combo->currentText(), after);
}

void IntComboBoxTest::handledEventStaysHandled()
{
    IntComboBox *combo = emptyBox("comboMinLength");
    int seen = 0;
    connect(combo, &IntComboBox::keyPressed, this, [&seen](IntComboBox::KeyPress &press) {
        ++seen;
        if (press.character == QStringLiteral("5"))
            press.handled = true;
    });
    QTest::keyClicks(combo, QStringLiteral("456"));
    QCOMPARE(seen, 3);
    QCOMPARE(combo->currentText(), QStringLiteral("46"));
}

void IntComboBoxTest::enterAddsNoItem()
{
    IntComboBox *combo = emptyBox("comboPassStrength");
    const int items = combo->count();
    QTest::keyClicks(combo, QStringLiteral("777"));
    QTest::keyClick(combo, Qt::Key_Return);
    QTest::keyClick(combo, Qt::Key_Enter, Qt::KeypadModifier);
    QCOMPARE(combo->count(), items);
    QCOMPARE(combo->currentText(), QStringLiteral("777"));
}

void IntComboBoxTest::typedLengthLimits_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("limit");
    QTest::newRow("minimum length: five") << QStringLiteral("comboMinLength") << 5;
    QTest::newRow("maximum length: five") << QStringLiteral("comboMaxLength") << 5;
    QTest::newRow("count: five") << QStringLiteral("comboPassCount") << 5;
    QTest::newRow("strength: four") << QStringLiteral("comboPassStrength") << 4;
    QTest::newRow("generators: two") << QStringLiteral("comboGens") << 2;
}

void IntComboBoxTest::typedLengthLimits()
{
    QFETCH(QString, name);
    QFETCH(int, limit);
    IntComboBox *combo = emptyBox(qPrintable(name));
    QTest::keyClicks(combo, QStringLiteral("98765432"));
    QCOMPARE(combo->currentText(), QStringLiteral("98765432").left(limit));

    // A paste that would overflow the limit is refused as well.
    combo->lineEdit()->clear();
    QGuiApplication::clipboard()->setText(QStringLiteral("1234567"));
    QTest::keyClick(combo, Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(combo->currentText(), QString());
}

void IntComboBoxTest::programTextIsNotCut()
{
    // A picked item or loaded setting stays whole, and can still be edited down.
    form->comboGens->setCurrentIndex(0);
    QCOMPARE(form->comboGens->currentText(), QStringLiteral("0 (Disabled)"));
    form->comboGens->setFocus();
    QTest::keyClick(form->comboGens, '7');
    QCOMPARE(form->comboGens->currentText(), QStringLiteral("0 (Disabled)"));
    QTest::keyClick(form->comboGens, Qt::Key_Backspace);
    QCOMPARE(form->comboGens->currentText(), QStringLiteral("0 (Disabled"));

    // The set boxes take 256 typed characters, and longer program text.
    QLineEdit *edit = form->editIncludeCustom;
    edit->setEnabled(true);
    edit->setText(QString(255, QLatin1Char('q')));
    edit->setFocus();
    QTest::keyClicks(edit, QStringLiteral("xy"));
    QCOMPARE(edit->text(), QString(255, QLatin1Char('q')) + QLatin1Char('x'));
    edit->setText(QString(300, QLatin1Char('q')));
    QCOMPARE(edit->text().size(), 300);
}

QTEST_MAIN(IntComboBoxTest)
#include "IntComboBoxTest.moc"
