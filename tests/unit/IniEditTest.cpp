#include "core/ini/Ini.h"
#include "core/ini/IniKey.h"
#include "core/ini/IniSection.h"
#include "support/core/FileBytes.h"

#include <QtTest>

namespace {

std::unique_ptr<Ini> parsed(const QByteArray &bytes)
{
    auto ini = std::make_unique<Ini>(QByteArray());
    ini->parseData(bytes);
    return ini;
}

} // namespace

class IniEditTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void changedKeyIsRebuilt();
    void firstDuplicateWins();
    void newKeyGoesAfterTrailingLines();
    void duplicateSections();
    void addSectionOfExistingNameChangesNothing();
    void modifiedFollowsEveryChange();
    void visitorStopsTheWalk();
    void openSavesPendingChanges();
    void reloadAndClearDropChanges();
};

void IniEditTest::changedKeyIsRebuilt()
{
    const auto ini = parsed("  name = value ; note\r\n; after\r\n");
    IniSection &section = *ini->sections().front();
    section.setValue("NAME ", "x");
    QCOMPARE(ini->serialize(), QByteArray("name =x\r\n; after\r\n"));
    // The rebuilt text stays: a second write gives the same bytes.
    QCOMPARE(ini->serialize(), QByteArray("name =x\r\n; after\r\n"));
}

void IniEditTest::firstDuplicateWins()
{
    const auto ini = parsed("[S]\r\nk=1\r\nK=2\r\n");
    IniSection &section = *ini->findSection("s");
    QCOMPARE(section.getValue("k"), QByteArray("1"));
    QCOMPARE(section.getValue("missing", "fallback"), QByteArray("fallback"));
    QCOMPARE(section["missing"], QByteArray());

    section.indexWrite("changed", "K"); // value first
    QCOMPARE(ini->serialize(), QByteArray("[S]\r\nk=changed\r\nK=2\r\n"));
    section.removeKey("k");
    QCOMPARE(ini->serialize(), QByteArray("[S]\r\nK=2\r\n"));
    QCOMPARE(section.getValue("k"), QByteArray("2"));
}

void IniEditTest::newKeyGoesAfterTrailingLines()
{
    const auto ini = parsed("[S]\r\nk=1\r\n; tail\r\n\r\n[T]\r\n");
    ini->findSection("S")->setValue("New", "v");
    QCOMPARE(ini->serialize(), QByteArray("[S]\r\nk=1\r\n; tail\r\n\r\nNew=v\r\n[T]\r\n"));
}

void IniEditTest::duplicateSections()
{
    const auto ini = parsed("[S]\r\na=1\r\n[s]\r\nb=2\r\n");
    QCOMPARE(ini->findSection("S")->getValue("a"), QByteArray("1"));
    QCOMPARE(ini->addSection("s").getValue("a"), QByteArray("1"));
    ini->removeSection("s");
    QCOMPARE(ini->serialize(), QByteArray("[s]\r\nb=2\r\n"));
}

void IniEditTest::addSectionOfExistingNameChangesNothing()
{
    const auto ini = parsed("[Settings]\r\n");
    IniSection &found = ini->addSection("SETTINGS");
    QCOMPARE(&found, ini->sections().front().get());
    QVERIFY(!ini->modified());

    IniSection &added = ini->addSection("Other");
    QVERIFY(ini->modified());
    QCOMPARE(&added, ini->sections().back().get());
    QCOMPARE(ini->serialize(), QByteArray("[Settings]\r\n[Other]\r\n"));
}

void IniEditTest::modifiedFollowsEveryChange()
{
    const auto ini = parsed("[S]\r\nk=1\r\n; k=2\r\n");
    IniSection &section = *ini->findSection("S");

    section.removeKey("missing");
    ini->removeSection("missing");
    QVERIFY(!ini->modified());
    // A commented-out key is not a key.
    section.removeKey("; k");
    QVERIFY(!ini->modified());

    section.setValue("k", "1"); // the same value still counts as a change
    QVERIFY(ini->modified());
    ini->clear();
    ini->parseData("[S]\r\n");
    ini->findSection("S")->setName("T");
    QVERIFY(ini->modified());
}

void IniEditTest::visitorStopsTheWalk()
{
    const auto ini = parsed("[A]\r\n;c\r\na=1\r\nb=2\r\n[B]\r\n[C]\r\n");
    QByteArrayList seen;
    const int result = ini->forEachSection([&](IniSection &section) {
        seen << section.name();
        return section.name() == "B" ? 7 : 0;
    });
    QCOMPARE(result, 7);
    QCOMPARE(seen, QByteArrayList({ "A", "B" }));

    seen.clear();
    QCOMPARE(ini->findSection("A")->forEachKey([&](IniKey &key) {
        seen << key.name();
        return 0;
    }),
        0);
    QCOMPARE(seen, QByteArrayList({ "a", "b" }));
}

void IniEditTest::openSavesPendingChanges()
{
    QTemporaryDir dir;
    const QString first = dir.filePath("first.ini");
    const QString second = dir.filePath("second.ini");
    QVERIFY(FileBytes::write(first, "; kept\nk=1\n"));
    QVERIFY(FileBytes::write(second, "[Other]\r\n"));

    Ini ini(QFile::encodeName(first));
    ini.sections().front()->setValue("k", "2");
    ini.open(QFile::encodeName(second));
    QCOMPARE(FileBytes::read(first), QByteArray("; kept\r\nk=2\r\n"));
    QVERIFY(!ini.modified());
    QCOMPARE(ini.file(), QFile::encodeName(second));
    QVERIFY(ini.findSection("other"));
    QCOMPARE(ini.sections().size(), size_t(1));
}

void IniEditTest::reloadAndClearDropChanges()
{
    QTemporaryDir dir;
    const QString path = dir.filePath("doc.ini");
    QVERIFY(FileBytes::write(path, "k=1"));

    Ini ini(QFile::encodeName(path));
    ini.sections().front()->setValue("k", "2");
    ini.reload();
    QVERIFY(!ini.modified());
    QCOMPARE(ini.sections().front()->getValue("k"), QByteArray("1"));

    ini.addSection("New");
    ini.clear();
    QVERIFY(!ini.modified());
    QVERIFY(ini.sections().empty());
    QCOMPARE(FileBytes::read(path), QByteArray("k=1"));
}

QTEST_APPLESS_MAIN(IniEditTest)
#include "IniEditTest.moc"
