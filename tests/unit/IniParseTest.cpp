#include "core/ini/Ini.h"
#include "core/ini/IniKey.h"
#include "core/ini/IniSection.h"

#include <QtTest>

namespace {

// One line per section and per line of it, so a failure shows where the reading went wrong.
QByteArray dump(const Ini &ini)
{
    QByteArrayList out;
    for (const auto &section : ini.sections()) {
        out << "section '" + section->name() + "'";
        for (const auto &line : section->lines()) {
            if (const auto *key = dynamic_cast<const IniKey *>(line.get()))
                out << "key '" + key->name() + "' '" + key->value() + "'";
            else
                out << "line '" + line->text().value_or("<absent>") + "'";
        }
    }
    return out.join('\n');
}

std::unique_ptr<Ini> parsed(const QByteArray &bytes)
{
    auto ini = std::make_unique<Ini>(QByteArray());
    ini->parseData(bytes);
    return ini;
}

} // namespace

class IniParseTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void readsAndWritesBack_data();
    void readsAndWritesBack();
    void nameRule_data();
    void nameRule();
    void lookupKeepsBlanksInNames();
};

void IniParseTest::readsAndWritesBack_data()
{
    QTest::addColumn<QByteArray>("input");
    QTest::addColumn<QByteArray>("structure");
    QTest::addColumn<QByteArray>("saved");

    QTest::newRow("empty file has no sections") << QByteArray() << QByteArray() << QByteArray();
    QTest::newRow("key without terminator in nameless section")
        << QByteArray("k=v") << QByteArray("section ''\nkey 'k' 'v'") << QByteArray("k=v\r\n");
    QTest::newRow("file opening with a header has no nameless section")
        << QByteArray("[A]\r\nk=1\r\n") << QByteArray("section 'A'\nkey 'k' '1'") << QByteArray("[A]\r\nk=1\r\n");
    QTest::newRow("blanks belong to name and value")
        << QByteArray("  name = value ; note\r\n") << QByteArray("section ''\nkey 'name ' ' value ; note'")
        << QByteArray("  name = value ; note\r\n");
    QTest::newRow("value keeps further separators")
        << QByteArray("k=a=b;c#d") << QByteArray("section ''\nkey 'k' 'a=b;c#d'") << QByteArray("k=a=b;c#d\r\n");
    QTest::newRow("header name taken exactly")
        << QByteArray("[ A ]\r\n") << QByteArray("section ' A '") << QByteArray("[ A ]\r\n");
    QTest::newRow("second opening bracket is part of the name")
        << QByteArray("[[A]") << QByteArray("section '[A'") << QByteArray("[[A]\r\n");
    QTest::newRow("empty header after text is written back")
        << QByteArray("x\r\n[]\r\nk=1") << QByteArray("section ''\nline 'x'\nsection ''\nkey 'k' '1'")
        << QByteArray("x\r\n[]\r\nk=1\r\n");
    QTest::newRow("empty header first is the nameless section")
        << QByteArray("[]\r\nk=1\r\n") << QByteArray("section ''\nkey 'k' '1'") << QByteArray("k=1\r\n");
    QTest::newRow("unclosed header is verbatim")
        << QByteArray("[A\r\nk=1") << QByteArray("section ''\nline '[A'\nkey 'k' '1'") << QByteArray("[A\r\nk=1\r\n");
    QTest::newRow("unclosed header at the end is verbatim")
        << QByteArray("k=1\n  [A") << QByteArray("section ''\nkey 'k' '1'\nline '  [A'")
        << QByteArray("k=1\r\n  [A\r\n");
    QTest::newRow("text after header is its own line")
        << QByteArray("[A] k=1\r\n") << QByteArray("section 'A'\nkey 'k' '1'") << QByteArray("[A]\r\nk=1\r\n");
    QTest::newRow("blanks around header dropped")
        << QByteArray(" \t[A] \t\r\n") << QByteArray("section 'A'") << QByteArray("[A]\r\n");
    QTest::newRow("leading equals without a second is verbatim")
        << QByteArray("=x\r\n") << QByteArray("section ''\nline '=x'") << QByteArray("=x\r\n");
    QTest::newRow("leading equals starts the name")
        << QByteArray("=x=y\r\n") << QByteArray("section ''\nkey '=x' 'y'") << QByteArray("=x=y\r\n");
    QTest::newRow("line without equals is verbatim")
        << QByteArray("just text") << QByteArray("section ''\nline 'just text'") << QByteArray("just text\r\n");
    QTest::newRow("comments and blank lines kept byte for byte")
        << QByteArray("; c=1\r\n  # c2 \r\n\r\n \t\v\f\r\n")
        << QByteArray("section ''\nline '; c=1'\nline '  # c2 '\nline ''\nline ' \t\v\f'")
        << QByteArray("; c=1\r\n  # c2 \r\n\r\n \t\v\f\r\n");
    QTest::newRow("blanks at the very end are a line")
        << QByteArray("k=1\r\n  ") << QByteArray("section ''\nkey 'k' '1'\nline '  '") << QByteArray("k=1\r\n  \r\n");
    QTest::newRow("LF only") << QByteArray("a=1\n[B]\nb=2\n")
                             << QByteArray("section ''\nkey 'a' '1'\nsection 'B'\nkey 'b' '2'")
                             << QByteArray("a=1\r\n[B]\r\nb=2\r\n");
    QTest::newRow("CR only") << QByteArray("a=1\r;c\r[B]\rb=2")
                             << QByteArray("section ''\nkey 'a' '1'\nline ';c'\nsection 'B'\nkey 'b' '2'")
                             << QByteArray("a=1\r\n;c\r\n[B]\r\nb=2\r\n");
    QTest::newRow("LF then CR ends one line and an empty one")
        << QByteArray("a=1\n\rb=2") << QByteArray("section ''\nkey 'a' '1'\nline ''\nkey 'b' '2'")
        << QByteArray("a=1\r\n\r\nb=2\r\n");
    QTest::newRow("CR CR LF is a line and an empty one")
        << QByteArray("a\r\r\nb") << QByteArray("section ''\nline 'a'\nline ''\nline 'b'")
        << QByteArray("a\r\n\r\nb\r\n");
    QTest::newRow("duplicates kept in order")
        << QByteArray("[S]\r\nk=1\r\nK=2\r\n[s]\r\nk=3\r\n")
        << QByteArray("section 'S'\nkey 'k' '1'\nkey 'K' '2'\nsection 's'\nkey 'k' '3'")
        << QByteArray("[S]\r\nk=1\r\nK=2\r\n[s]\r\nk=3\r\n");
    QTest::newRow("byte-order mark hides the header")
        << QByteArray("\xEF\xBB\xBF[S]\r\nk=1\r\n") << QByteArray("section ''\nline '\xEF\xBB\xBF[S]'\nkey 'k' '1'")
        << QByteArray("\xEF\xBB\xBF[S]\r\nk=1\r\n");
    QTest::newRow("NUL ends the data") << QByteArray("a=1\r\nb=2\0c=3\r\n", 15)
                                       << QByteArray("section ''\nkey 'a' '1'\nkey 'b' '2'")
                                       << QByteArray("a=1\r\nb=2\r\n");
    QTest::newRow("NUL first leaves nothing") << QByteArray("\0[A]\r\n", 6) << QByteArray() << QByteArray();
}

void IniParseTest::readsAndWritesBack()
{
    QFETCH(QByteArray, input);
    QFETCH(QByteArray, structure);
    QFETCH(QByteArray, saved);

    const auto ini = parsed(input);
    QCOMPARE(dump(*ini), structure);
    QVERIFY(!ini->modified());
    QCOMPARE(ini->serialize(), saved);
}

void IniParseTest::nameRule_data()
{
    QTest::addColumn<QByteArray>("a");
    QTest::addColumn<QByteArray>("b");
    QTest::addColumn<bool>("matches");

    QTest::newRow("ASCII letters fold") << QByteArray("Settings") << QByteArray("sETTINGS") << true;
    QTest::newRow("the whole alphabet folds")
        << QByteArray("ABCDEFGHIJKLMNOPQRSTUVWXYZ") << QByteArray("abcdefghijklmnopqrstuvwxyz") << true;
    QTest::newRow("length counts") << QByteArray("name") << QByteArray("name ") << false;
    QTest::newRow("brackets are not letters") << QByteArray("[") << QByteArray("{") << false;
    QTest::newRow("at sign is not a letter") << QByteArray("@") << QByteArray("`") << false;
    QTest::newRow("non-ASCII bytes do not fold") << QByteArray("\xC4") << QByteArray("\xE4") << false;
    QTest::newRow("empty names match") << QByteArray() << QByteArray("") << true;
}

void IniParseTest::nameRule()
{
    QFETCH(QByteArray, a);
    QFETCH(QByteArray, b);
    QFETCH(bool, matches);
    const Ini ini { QByteArray() };
    QCOMPARE(ini.match(a, b), matches);
    QCOMPARE(ini.match(b, a), matches);
}

void IniParseTest::lookupKeepsBlanksInNames()
{
    const auto ini = parsed("  name = value ; note\r\n[S]\r\n");
    IniSection *nameless = ini->findSection("");
    QVERIFY(nameless);
    QCOMPARE(nameless->findKey("name"), nullptr);
    QVERIFY(nameless->findKey("NAME "));
    QCOMPARE(nameless->getValue("NAME "), QByteArray(" value ; note"));
    QCOMPARE((*ini)["s"], ini->sections().back().get());
}

QTEST_APPLESS_MAIN(IniParseTest)
#include "IniParseTest.moc"
