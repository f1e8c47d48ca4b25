#pragma once

#include <QByteArray>
#include <QList>

#include <functional>
#include <memory>
#include <vector>

class Ini;
class IniKey;
class IniLine;

// A named run of lines: keys and verbatim lines mixed, in file order. Lookups take
// the first key whose name matches under the document's name rule.
class IniSection
{
public:
    using KeyVisitor = std::function<int(IniKey &)>;

    IniSection(Ini &ini, const QByteArray &name);
    virtual ~IniSection();

    IniSection(const IniSection &) = delete;
    IniSection &operator=(const IniSection &) = delete;

    virtual QByteArray name() const;
    virtual void setName(const QByteArray &name);
    // Visits the keys in line order; a non-zero result stops the walk and is returned.
    virtual int forEachKey(const KeyVisitor &visitor);
    virtual QList<IniKey *> keys() const;
    virtual IniKey *findKey(const QByteArray &name) const;
    // Sets the value and marks the line for rebuilding, even when the value is the same.
    virtual void setValue(IniKey &key, const QByteArray &value);
    // As above on the first matching key; a missing key is appended at the end.
    virtual void setValue(const QByteArray &name, const QByteArray &value);
    virtual QByteArray getValue(const QByteArray &name, const QByteArray &defaultValue) const;
    virtual QByteArray getValue(const QByteArray &name) const;
    QByteArray operator[](const QByteArray &name) const { return getValue(name); }
    // The index write: the value first, then the name; as setValue(name, value).
    virtual void indexWrite(const QByteArray &value, const QByteArray &name);
    // Removes the first matching key; verbatim lines are never removed by name.
    virtual void removeKey(const QByteArray &name);

    const std::vector<std::unique_ptr<IniLine>> &lines() const { return sectionLines; }
    void appendLine(std::unique_ptr<IniLine> line);

private:
    std::vector<std::unique_ptr<IniLine>>::const_iterator findKeyLine(const QByteArray &name) const;

    Ini &ini;
    QByteArray sectionName;
    std::vector<std::unique_ptr<IniLine>> sectionLines;
};
