#pragma once

#include "core/ini/Ini.h"

#include <QByteArray>

#include <memory>

class IniSection;

// Reads the bytes of an INI file into sections, one line at a time. Each kind of
// line has a step of its own, which takes the line and its terminator and leaves
// the position at the start of the next line. A reader reads once, at once: it
// keeps a pointer into the data.
class IniReader
{
public:
    IniReader(Ini &ini, const QByteArray &data, char sectionStart, char sectionEnd);
    ~IniReader();

    IniReader(const IniReader &) = delete;
    IniReader &operator=(const IniReader &) = delete;

    // The sections the data holds, in file order.
    Ini::SectionList read();

    // Space, tab, vertical tab and form feed: skipped before the first byte of a line.
    static bool isBlank(char byte);

private:
    void readLine();
    void readCommentLine();
    void readHeader();
    void readClosedHeader(qsizetype nameStart, qsizetype close);
    void readRestOfHeaderLine();
    void readKeyLine();
    void keepVerbatimLine(qsizetype lineEnd);
    Ini::SectionList endOfData();

    void skipBlanks();
    qsizetype findInLine(qsizetype from, char wanted) const;
    qsizetype findLineEnd(qsizetype from) const;
    bool endsLine(qsizetype at) const;
    qsizetype nextLineStart(qsizetype lineEnd) const;
    QByteArray bytesBetween(qsizetype from, qsizetype to) const;

    Ini &ini;
    const char *const bytes;
    const qsizetype end;
    const char sectionStart;
    const char sectionEnd;
    qsizetype pos = 0;
    qsizetype lineStart = 0;
    Ini::SectionList found;
    std::unique_ptr<IniSection> current;
};
