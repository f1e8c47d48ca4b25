#include "core/ini/Ini.h"
#include "support/core/FileBytes.h"

#include <QRandomGenerator>
#include <QtTest>

namespace {

// Bytes that steer the reader, weighted up against the rest.
constexpr char steering[] = { ' ', '\t', '\v', '\f', '=', ';', '#', '[', ']', 'k', 'K', '\xC3', '\xA9' };

QByteArray randomBytes(QRandomGenerator &random, int maxLength)
{
    QByteArray bytes;
    const int length = random.bounded(maxLength + 1);
    for (int i = 0; i < length; ++i) {
        char byte = random.bounded(2) ? steering[random.bounded(int(sizeof steering))] : char(random.bounded(1, 256));
        if (byte == '\r' || byte == '\n')
            byte = 'x';
        bytes += byte;
    }
    return bytes;
}

// A header line is rebuilt from its name: only the plain form comes back unchanged.
QByteArray unchangedForm(QByteArray line, bool firstLine)
{
    qsizetype start = 0;
    while (start < line.size() && QByteArray(" \t\v\f").contains(line[start]))
        ++start;
    const qsizetype close = line.indexOf(']', start);
    if (start < line.size() && line[start] == '[' && close > start) {
        line = line.mid(start, close - start + 1);
        // An empty header before any other line stands for the nameless section.
        if (firstLine && line == "[]")
            line = "[s]";
    }
    return line;
}

struct GeneratedFile
{
    QByteArray bytes;
    QByteArray expected;
};

GeneratedFile generate(QRandomGenerator &random)
{
    static const QByteArray terminators[] = { "\r\n", "\n", "\r" };
    GeneratedFile file;
    const int lineCount = random.bounded(12);
    QByteArray previousTerminator;
    for (int i = 0; i < lineCount; ++i) {
        QByteArray line = unchangedForm(randomBytes(random, 24), i == 0);
        QByteArray terminator = terminators[random.bounded(3)];
        // A lone CR then LF would read as one CR LF terminator.
        if (previousTerminator == "\r" && line.isEmpty() && terminator == "\n")
            terminator = "\r\n";
        const bool last = i == lineCount - 1;
        if (last && !line.isEmpty() && random.bounded(2))
            terminator.clear();
        file.bytes += line + terminator;
        file.expected += line + "\r\n";
        previousTerminator = terminator;
    }
    return file;
}

} // namespace

class IniRoundTripTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void unchangedDocumentKeepsEveryLine();
};

void IniRoundTripTest::unchangedDocumentKeepsEveryLine()
{
    QTemporaryDir dir;
    const QString path = dir.filePath("round.ini");
    QRandomGenerator random(20240611);
    for (int round = 0; round < 5000; ++round) {
        const GeneratedFile file = generate(random);
        QByteArray saved;
        // Every so often through the file itself; a save syncs to disk, so not every time.
        if (round % 100 == 0) {
            QVERIFY(FileBytes::write(path, file.bytes));
            Ini(QFile::encodeName(path)).save();
            saved = FileBytes::read(path);
        } else {
            Ini ini { QByteArray() };
            ini.parseData(file.bytes);
            saved = ini.serialize();
        }
        if (saved != file.expected)
            qWarning() << "round" << round << "input" << file.bytes.toPercentEncoding(" ;#=[]");
        QCOMPARE(saved, file.expected);
    }
}

QTEST_APPLESS_MAIN(IniRoundTripTest)
#include "IniRoundTripTest.moc"
