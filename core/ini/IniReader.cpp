#include "core/ini/IniReader.h"

#include "core/ini/IniKey.h"
#include "core/ini/IniSection.h"

namespace {

bool isTerminator(char byte)
{
    return byte == '\r' || byte == '\n';
}

bool isCommentStart(char byte)
{
    return byte == ';' || byte == '#';
}

// A NUL byte ends the data; what follows it is dropped.
qsizetype endOfReading(const QByteArray &data)
{
    const qsizetype nul = data.indexOf('\0');
    return nul < 0 ? data.size() : nul;
}

} // namespace

IniReader::IniReader(Ini &ini, const QByteArray &data, char sectionStart, char sectionEnd)
    : ini(ini)
    , bytes(data.constData())
    , end(endOfReading(data))
    , sectionStart(sectionStart)
    , sectionEnd(sectionEnd)
    , current(std::make_unique<IniSection>(ini, QByteArray()))
{ }

IniReader::~IniReader() = default;

bool IniReader::isBlank(char byte)
{
    return byte == ' ' || byte == '\t' || byte == '\v' || byte == '\f';
}

Ini::SectionList IniReader::read()
{
    while (pos < end)
        readLine();
    return endOfData();
}

void IniReader::readLine()
{
    lineStart = pos;
    // The line start stays put, so the blanks belong to whatever line follows them.
    skipBlanks();
    if (endsLine(pos))
        keepVerbatimLine(pos);
    else if (isCommentStart(bytes[pos]))
        readCommentLine();
    else if (bytes[pos] == sectionStart)
        readHeader();
    else
        readKeyLine();
}

void IniReader::readCommentLine()
{
    keepVerbatimLine(findLineEnd(pos));
}

void IniReader::readHeader()
{
    const qsizetype nameStart = pos + 1;
    const qsizetype close = findInLine(nameStart, sectionEnd);
    if (endsLine(close)) // not closed: a verbatim line
        keepVerbatimLine(close);
    else
        readClosedHeader(nameStart, close);
}

// The header line itself is not kept: the writer rebuilds it from the name.
void IniReader::readClosedHeader(qsizetype nameStart, qsizetype close)
{
    found.push_back(std::move(current));
    current = std::make_unique<IniSection>(ini, bytesBetween(nameStart, close));
    pos = close + 1;
    readRestOfHeaderLine();
}

// Blanks after the header are dropped; anything else after it is read as a line
// of its own, starting here.
void IniReader::readRestOfHeaderLine()
{
    skipBlanks();
    if (pos < end && isTerminator(bytes[pos]))
        pos = nextLineStart(pos);
}

void IniReader::readKeyLine()
{
    // The first byte is never the separator: a line led by '=' needs a second one.
    const qsizetype equals = findInLine(pos + 1, '=');
    if (endsLine(equals)) { // no '=': a verbatim line
        keepVerbatimLine(equals);
        return;
    }
    const qsizetype lineEnd = findLineEnd(equals + 1);
    current->appendLine(std::make_unique<IniKey>(
        bytesBetween(lineStart, lineEnd), bytesBetween(pos, equals), bytesBetween(equals + 1, lineEnd)));
    pos = nextLineStart(lineEnd);
}

void IniReader::keepVerbatimLine(qsizetype lineEnd)
{
    current->appendLine(std::make_unique<IniLine>(bytesBetween(lineStart, lineEnd)));
    pos = nextLineStart(lineEnd);
}

Ini::SectionList IniReader::endOfData()
{
    found.push_back(std::move(current));
    // A file that opens with a header has no nameless first section.
    if (found.front()->lines().empty())
        found.erase(found.begin());
    return std::move(found);
}

void IniReader::skipBlanks()
{
    while (pos < end && isBlank(bytes[pos]))
        ++pos;
}

// The first byte from `from` on that is `wanted` or a terminator, or the end.
qsizetype IniReader::findInLine(qsizetype from, char wanted) const
{
    qsizetype at = from;
    while (at < end && !isTerminator(bytes[at]) && bytes[at] != wanted)
        ++at;
    return at;
}

qsizetype IniReader::findLineEnd(qsizetype from) const
{
    qsizetype at = from;
    while (at < end && !isTerminator(bytes[at]))
        ++at;
    return at;
}

bool IniReader::endsLine(qsizetype at) const
{
    return at == end || isTerminator(bytes[at]);
}

// CR LF, a lone LF and a lone CR each end a line; so LF CR ends a line and an empty one.
qsizetype IniReader::nextLineStart(qsizetype lineEnd) const
{
    if (lineEnd == end)
        return end;
    if (bytes[lineEnd] == '\r' && lineEnd + 1 < end && bytes[lineEnd + 1] == '\n')
        return lineEnd + 2;
    return lineEnd + 1;
}

QByteArray IniReader::bytesBetween(qsizetype from, qsizetype to) const
{
    return QByteArray(bytes + from, to - from);
}
