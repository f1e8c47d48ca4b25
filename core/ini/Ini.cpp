#include "core/ini/Ini.h"

#include "core/ini/IniError.h"
#include "core/ini/IniKey.h"
#include "core/ini/IniReader.h"
#include "core/ini/IniSection.h"

#include "core/toolkit/AtomicFile.h"
#include "core/toolkit/RegularFile.h"

#include <QFile>

#include <algorithm>
#include <iterator>

namespace {

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
    SectionList read = IniReader(*this, data, sectionStart, sectionEnd).read();
    std::move(read.begin(), read.end(), std::back_inserter(sectionList));
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
            const bool startsLine = !name.isEmpty() && !IniReader::isBlank(name[0]) && name[0] != ';' && name[0] != '#'
                && name[0] != sectionStart;
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
