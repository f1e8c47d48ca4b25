#pragma once

#include <QByteArray>

#include <functional>
#include <memory>
#include <vector>

class IniSection;

// An INI file held in memory as sections of lines. Only what the caller changes
// is rewritten on save: every other line goes back byte for byte. All text is
// bytes; nothing is converted.
class Ini
{
public:
    using SectionVisitor = std::function<int(IniSection &)>;
    using SectionList = std::vector<std::unique_ptr<IniSection>>;

    // How the last read of the file went.
    enum class FileState {
        missing, // no such file, or no file name
        read,
        unreadable, // there, but not a regular file, not readable or over maxFileSize
    };

    // No settings file comes near this; a larger file, or an endless one such as a
    // device, would only exhaust memory. It reads as unreadable.
    static constexpr qint64 maxFileSize = 16 * 1024 * 1024;

    // Reads the file at once; a missing or unreadable file gives an empty document.
    explicit Ini(const QByteArray &file);
    virtual ~Ini();

    Ini(const Ini &) = delete;
    Ini &operator=(const Ini &) = delete;

    // Appends the sections read from the file; callers empty the document first.
    virtual void parse();
    virtual void attach(const QByteArray &file);
    // The one name rule for sections and keys: equal after folding ASCII letters.
    virtual bool match(const QByteArray &a, const QByteArray &b) const;
    // Saves pending changes to the current file first.
    virtual void open(const QByteArray &file);
    // Drops unsaved changes and reads the file again.
    virtual void reload();
    virtual void clear();
    virtual bool modified() const;
    // Replaces the file as a whole: on any failure the old file is left as it was,
    // IniError is thrown and the document stays modified. A name or value that
    // would read back as other lines is such a failure.
    virtual void save();
    virtual IniSection *findSection(const QByteArray &name) const;
    IniSection *operator[](const QByteArray &name) const { return findSection(name); }
    // The first matching section, or a new one appended at the end.
    virtual IniSection &addSection(const QByteArray &name);
    // Visits the sections in order; a non-zero result stops the walk and is returned.
    // The visitor must not remove sections.
    virtual int forEachSection(const SectionVisitor &visitor);
    virtual const SectionList &sections() const;
    virtual void removeSection(const QByteArray &name);

    // The reading and writing without the file: parse appends what the bytes hold,
    // serialize gives the bytes save writes, or throws IniError as save does.
    void parseData(const QByteArray &data);
    QByteArray serialize();
    FileState fileRead() const;

    QByteArray file() const { return fileName; }
    void markModified() { isModified = true; }

protected:
    char sectionStart = '[';
    char sectionEnd = ']';

private:
    void checkWritable() const;
    SectionList::const_iterator findSectionEntry(const QByteArray &name) const;

    QByteArray fileName;
    bool isModified = false;
    FileState fileState = FileState::missing;
    SectionList sectionList;
};
