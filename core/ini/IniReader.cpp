#include "core/ini/IniReader.h"

#include "core/ini/IniKey.h"
#include "core/ini/IniSection.h"

#include <algorithm>
#include <cstring>

// The byte helpers are file-local so that the compiler inlines them: the reader
// spends its time in them.
namespace {

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

qsizetype skipBlanks(const char *bytes, qsizetype from, qsizetype to)
{
    while (from < to && IniReader::isBlank(bytes[from]))
        ++from;
    return from;
}

// The first `wanted` in [from, to), or `to`.
qsizetype find(const char *bytes, qsizetype from, qsizetype to, char wanted)
{
    const void *hit = std::memchr(bytes + from, wanted, size_t(to - from));
    return hit ? static_cast<const char *>(hit) - bytes : to;
}

// CR LF, a lone LF and a lone CR each end a line; so LF CR ends a line and an empty one.
qsizetype afterTerminator(const char *bytes, qsizetype lineEnd, qsizetype end)
{
    if (lineEnd == end)
        return end;
    if (bytes[lineEnd] == '\r' && lineEnd + 1 < end && bytes[lineEnd + 1] == '\n')
        return lineEnd + 2;
    return lineEnd + 1;
}

QByteArray slice(const char *bytes, qsizetype from, qsizetype to)
{
    return QByteArray(bytes + from, to - from);
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

Ini::SectionList IniReader::read()
{
    while (pos < end)
        readLine();
    return endOfData();
}

void IniReader::readLine()
{
    lineStart = pos;
    lineEnd = findLineEnd(pos);
    // The line start stays put, so the blanks belong to whatever line follows them.
    pos = skipBlanks(bytes, pos, lineEnd);
    if (pos == lineEnd)
        keepVerbatimLine();
    else if (isCommentStart(bytes[pos]))
        readCommentLine();
    else if (bytes[pos] == sectionStart)
        readHeader();
    else
        readKeyLine();
}

void IniReader::readCommentLine()
{
    keepVerbatimLine();
}

void IniReader::readHeader()
{
    const qsizetype nameStart = pos + 1;
    const qsizetype close = find(bytes, nameStart, lineEnd, sectionEnd);
    if (close == lineEnd) // not closed: a verbatim line
        keepVerbatimLine();
    else
        readClosedHeader(nameStart, close);
}

// The header line itself is not kept: the writer rebuilds it from the name.
void IniReader::readClosedHeader(qsizetype nameStart, qsizetype close)
{
    found.push_back(std::move(current));
    current = std::make_unique<IniSection>(ini, slice(bytes, nameStart, close));
    pos = close + 1;
    readRestOfHeaderLine();
}

// Blanks after the header are dropped; anything else after it is read as a line
// of its own, starting here.
void IniReader::readRestOfHeaderLine()
{
    pos = skipBlanks(bytes, pos, lineEnd);
    if (pos == lineEnd)
        startNextLine();
}

void IniReader::readKeyLine()
{
    // The first byte is never the separator: a line led by '=' needs a second one.
    const qsizetype equals = find(bytes, pos + 1, lineEnd, '=');
    if (equals == lineEnd) { // no '=': a verbatim line
        keepVerbatimLine();
        return;
    }
    current->appendLine(std::make_unique<IniKey>(
        slice(bytes, lineStart, lineEnd), slice(bytes, pos, equals), slice(bytes, equals + 1, lineEnd)));
    startNextLine();
}

void IniReader::keepVerbatimLine()
{
    current->appendLine(std::make_unique<IniLine>(slice(bytes, lineStart, lineEnd)));
    startNextLine();
}

void IniReader::startNextLine()
{
    pos = afterTerminator(bytes, lineEnd, end);
}

Ini::SectionList IniReader::endOfData()
{
    found.push_back(std::move(current));
    // A file that opens with a header has no nameless first section.
    if (found.front()->lines().empty())
        found.erase(found.begin());
    return std::move(found);
}

// The next CR and the next LF are each looked for again only once reading has
// passed them, so the data is searched once for each, however long its lines.
// An empty line needs no search at all.
qsizetype IniReader::findLineEnd(qsizetype from)
{
    if (bytes[from] == '\r' || bytes[from] == '\n')
        return from;
    if (nextCr < from)
        nextCr = find(bytes, from, end, '\r');
    if (nextLf < from)
        nextLf = find(bytes, from, end, '\n');
    return std::min(nextCr, nextLf);
}
