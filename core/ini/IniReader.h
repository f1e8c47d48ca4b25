#pragma once

#include "core/ini/Ini.h"

#include <QByteArray>

#include <memory>

class IniSection;

// Reads the bytes of an INI file into sections, one line at a time. Each kind of
// line has a step of its own, which takes the line and, but for a header with
// text after it, its terminator. A reader reads once, at once: it keeps a pointer
// into the data.
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
    static bool isBlank(char byte) { return byte == ' ' || byte == '\t' || byte == '\v' || byte == '\f'; }

private:
    void readLine();
    void readCommentLine();
    void readHeader();
    void readClosedHeader(qsizetype nameStart, qsizetype close);
    void readRestOfHeaderLine();
    void readKeyLine();
    void keepVerbatimLine();
    void startNextLine();
    Ini::SectionList endOfData();
    qsizetype findLineEnd(qsizetype from);

    Ini &ini;
    const char *const bytes;
    const qsizetype end;
    const char sectionStart;
    const char sectionEnd;
    qsizetype pos = 0;
    qsizetype lineStart = 0;
    // Where the line being read ends: at its terminator, or at the end.
    qsizetype lineEnd = 0;
    qsizetype nextCr = -1;
    qsizetype nextLf = -1;
    Ini::SectionList found;
    std::unique_ptr<IniSection> current;
};
