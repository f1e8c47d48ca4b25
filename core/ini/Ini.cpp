#include "core/ini/Ini.h"

#include "core/ini/IniError.h"
#include "core/ini/IniKey.h"
#include "core/ini/IniSection.h"

#include "core/toolkit/AtomicFile.h"
#include "core/toolkit/RegularFile.h"

#include <QFile>

#include <algorithm>

namespace {

enum class ReadState { LineStart, Comment, Header, Key, End };

bool isBlank(char byte)
{
    return byte == ' ' || byte == '\t' || byte == '\v' || byte == '\f';
}

char foldAsciiLetter(char byte)
{
    return byte >= 'A' && byte <= 'Z' ? char(byte - 'A' + 'a') : byte;
}

} // namespace

Ini::Ini(const QByteArray &file)
{
    attach(file);
}

Ini::~Ini() = default;

void Ini::parse()
{
    fileState = FileState::missing;
    if (fileName.isEmpty()) // a document kept in memory only
        return;
    const RegularFile::Result read = RegularFile::read(fileName, maxFileSize);
    switch (read.status) {
    case RegularFile::Status::missing:
        return;
    case RegularFile::Status::refused:
        fileState = FileState::unreadable;
        return;
    case RegularFile::Status::read:
        fileState = FileState::read;
        parseData(read.bytes);
        return;
    }
}

Ini::FileState Ini::fileRead() const
{
    return fileState;
}

void Ini::parseData(const QByteArray &data)
{
    if (data.isEmpty())
        return;
    // A NUL byte counts as the end of the data; what follows it is dropped.
    const qsizetype nul = data.indexOf('\0');
    const qsizetype end = nul < 0 ? data.size() : nul;
    const char *const bytes = data.constData();

    SectionList found;
    auto current = std::make_unique<IniSection>(*this, QByteArray());
    qsizetype lineStart = 0;
    qsizetype nameStart = 0;
    qsizetype pos = 0;

    const auto atEnd = [&] { return pos >= end; };
    const auto atTerminator = [&] { return bytes[pos] == '\r' || bytes[pos] == '\n'; };
    const auto bytesBetween = [&](qsizetype from, qsizetype to) { return QByteArray(bytes + from, to - from); };
    const auto keepVerbatimLine = [&] { current->appendLine(std::make_unique<IniLine>(bytesBetween(lineStart, pos))); };
    const auto skipToTerminator = [&] {
        while (!atEnd() && !atTerminator())
            ++pos;
    };
    // Consumes CR LF, a lone CR or a lone LF; the next line starts after it.
    const auto startNextLine = [&] {
        if (bytes[pos] == '\r' && pos + 1 < end && bytes[pos + 1] == '\n')
            ++pos;
        lineStart = ++pos;
    };

    ReadState state = ReadState::LineStart;
    for (bool done = false; !done;) {
        switch (state) {
        case ReadState::LineStart:
            if (atEnd()) {
                state = ReadState::End;
            } else if (atTerminator()) {
                keepVerbatimLine();
                startNextLine();
            } else if (isBlank(bytes[pos])) {
                ++pos; // the line start stays, so the blanks belong to the line that follows
            } else if (bytes[pos] == ';' || bytes[pos] == '#') {
                state = ReadState::Comment;
            } else if (bytes[pos] == sectionStart) {
                nameStart = ++pos;
                state = ReadState::Header;
            } else {
                nameStart = pos++; // this byte is never the '=' of the key
                state = ReadState::Key;
            }
            break;

        case ReadState::Comment:
            skipToTerminator();
            if (atEnd()) {
                state = ReadState::End;
            } else {
                keepVerbatimLine();
                startNextLine();
                state = ReadState::LineStart;
            }
            break;

        case ReadState::Header:
            while (!atEnd() && !atTerminator() && bytes[pos] != sectionEnd)
                ++pos;
            if (atEnd()) {
                state = ReadState::End;
            } else if (atTerminator()) { // not closed: a verbatim line
                keepVerbatimLine();
                startNextLine();
                state = ReadState::LineStart;
            } else {
                found.push_back(std::move(current));
                current = std::make_unique<IniSection>(*this, bytesBetween(nameStart, pos));
                ++pos;
                while (!atEnd() && isBlank(bytes[pos]))
                    ++pos;
                // Anything else after the header is read as a line of its own.
                if (!atEnd() && atTerminator())
                    startNextLine();
                else
                    lineStart = pos;
                state = ReadState::LineStart;
            }
            break;

        case ReadState::Key:
            while (!atEnd() && !atTerminator() && bytes[pos] != '=')
                ++pos;
            if (atEnd()) {
                state = ReadState::End;
            } else if (atTerminator()) { // no '=': a verbatim line
                keepVerbatimLine();
                startNextLine();
                state = ReadState::LineStart;
            } else {
                const qsizetype equals = pos;
                skipToTerminator();
                current->appendLine(std::make_unique<IniKey>(
                    bytesBetween(lineStart, pos), bytesBetween(nameStart, equals), bytesBetween(equals + 1, pos)));
                if (atEnd()) {
                    lineStart = pos;
                    state = ReadState::End;
                } else {
                    startNextLine();
                    state = ReadState::LineStart;
                }
            }
            break;

        case ReadState::End:
            if (lineStart < end)
                keepVerbatimLine();
            found.push_back(std::move(current));
            // A file that opens with a header has no nameless first section.
            if (found.front()->lines().empty())
                found.erase(found.begin());
            done = true;
            break;
        }
    }
    for (auto &section : found)
        sectionList.push_back(std::move(section));
}

void Ini::attach(const QByteArray &file)
{
    fileName = file;
    parse();
}

bool Ini::match(const QByteArray &a, const QByteArray &b) const
{
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
        return foldAsciiLetter(x) == foldAsciiLetter(y);
    });
}

void Ini::open(const QByteArray &file)
{
    if (isModified)
        save();
    clear();
    attach(file);
}

void Ini::reload()
{
    clear();
    parse();
}

void Ini::clear()
{
    isModified = false;
    sectionList.clear();
}

bool Ini::modified() const
{
    return isModified;
}

// What the reader would take for another line or section is refused, so a saved
// document always reads back as the same sections and keys.
void Ini::checkWritable() const
{
    const auto refuse = [this](const char *what, const QByteArray &bytes) {
        throw IniError(fileName, QByteArray(what) + " cannot be written: " + bytes.toPercentEncoding());
    };
    const auto holdsLineEnd
        = [](const QByteArray &bytes) { return bytes.contains('\r') || bytes.contains('\n') || bytes.contains('\0'); };
    for (const auto &section : sectionList) {
        if (holdsLineEnd(section->name()) || section->name().contains(sectionEnd))
            refuse("section name", section->name());
        for (const auto &line : section->lines()) {
            const auto *key = dynamic_cast<const IniKey *>(line.get());
            if (!key || line->text()) // a line as read goes back as it came
                continue;
            const QByteArray name = key->name();
            // The first byte may be '=': the reader never takes it as the separator.
            const bool startsLine
                = !name.isEmpty() && !isBlank(name[0]) && name[0] != ';' && name[0] != '#' && name[0] != sectionStart;
            if (!startsLine || holdsLineEnd(name) || name.indexOf('=', 1) >= 0)
                refuse("key name", name);
            if (holdsLineEnd(key->value()))
                refuse("value", key->value());
        }
    }
}

QByteArray Ini::serialize()
{
    checkWritable();
    QByteArray out;
    for (const auto &section : sectionList) {
        if (section != sectionList.front() || !section->name().isEmpty())
            out.append(sectionStart).append(section->name()).append(sectionEnd).append("\r\n");
        for (const auto &line : section->lines()) {
            if (auto *key = dynamic_cast<IniKey *>(line.get()))
                key->rebuildText();
            if (line->text())
                out.append(*line->text());
            out.append("\r\n");
        }
    }
    return out;
}

void Ini::save()
{
    const QByteArray bytes = serialize();
    // The name is bytes; one that is not UTF-8 would be saved under another name.
    const QString name = QFile::decodeName(fileName);
    if (QFile::encodeName(name) != fileName)
        throw IniError(fileName, "a file name that is not UTF-8 cannot be saved");
    try {
        AtomicFile::write(name, bytes);
    } catch (const AtomicFile::Error &error) {
        throw IniError(fileName, error.reason().toUtf8());
    }
    isModified = false;
}

Ini::SectionList::const_iterator Ini::findSectionEntry(const QByteArray &name) const
{
    return std::find_if(sectionList.begin(), sectionList.end(),
        [&](const std::unique_ptr<IniSection> &section) { return match(section->name(), name); });
}

IniSection *Ini::findSection(const QByteArray &name) const
{
    const auto found = findSectionEntry(name);
    return found == sectionList.end() ? nullptr : found->get();
}

IniSection &Ini::addSection(const QByteArray &name)
{
    if (IniSection *existing = findSection(name))
        return *existing;
    sectionList.push_back(std::make_unique<IniSection>(*this, name));
    isModified = true;
    return *sectionList.back();
}

int Ini::forEachSection(const SectionVisitor &visitor)
{
    std::vector<IniSection *> walk;
    for (const auto &section : sectionList)
        walk.push_back(section.get());
    for (IniSection *section : walk) {
        if (const int result = visitor(*section))
            return result;
    }
    return 0;
}

const Ini::SectionList &Ini::sections() const
{
    return sectionList;
}

void Ini::removeSection(const QByteArray &name)
{
    const auto found = findSectionEntry(name);
    if (found == sectionList.end())
        return;
    sectionList.erase(found);
    isModified = true;
}
