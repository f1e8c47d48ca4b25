#include "core/ini/IniSection.h"

#include "core/ini/Ini.h"
#include "core/ini/IniKey.h"

#include <algorithm>

IniSection::IniSection(Ini &ini, const QByteArray &name)
    : ini(ini)
    , sectionName(name)
{ }

IniSection::~IniSection() = default;

QByteArray IniSection::name() const
{
    return sectionName;
}

void IniSection::setName(const QByteArray &name)
{
    sectionName = name;
    ini.markModified();
}

int IniSection::forEachKey(const KeyVisitor &visitor)
{
    for (IniKey *key : keys()) {
        if (const int result = visitor(*key))
            return result;
    }
    return 0;
}

QList<IniKey *> IniSection::keys() const
{
    QList<IniKey *> found;
    for (const auto &line : sectionLines) {
        if (auto *key = dynamic_cast<IniKey *>(line.get()))
            found << key;
    }
    return found;
}

std::vector<std::unique_ptr<IniLine>>::const_iterator IniSection::findKeyLine(const QByteArray &name) const
{
    return std::find_if(sectionLines.begin(), sectionLines.end(), [&](const std::unique_ptr<IniLine> &line) {
        const auto *key = dynamic_cast<const IniKey *>(line.get());
        return key && ini.match(key->name(), name);
    });
}

IniKey *IniSection::findKey(const QByteArray &name) const
{
    const auto found = findKeyLine(name);
    return found == sectionLines.end() ? nullptr : static_cast<IniKey *>(found->get());
}

void IniSection::setValue(IniKey &key, const QByteArray &value)
{
    key.assign(value);
    ini.markModified();
}

void IniSection::setValue(const QByteArray &name, const QByteArray &value)
{
    IniKey *key = findKey(name);
    if (!key) {
        auto added = std::make_unique<IniKey>(name);
        key = added.get();
        sectionLines.push_back(std::move(added));
    }
    setValue(*key, value);
}

QByteArray IniSection::getValue(const QByteArray &name, const QByteArray &defaultValue) const
{
    const IniKey *key = findKey(name);
    return key ? key->value() : defaultValue;
}

QByteArray IniSection::getValue(const QByteArray &name) const
{
    return getValue(name, QByteArray());
}

void IniSection::indexWrite(const QByteArray &value, const QByteArray &name)
{
    setValue(name, value);
}

void IniSection::removeKey(const QByteArray &name)
{
    const auto found = findKeyLine(name);
    if (found == sectionLines.end())
        return;
    sectionLines.erase(found);
    ini.markModified();
}

void IniSection::appendLine(std::unique_ptr<IniLine> line)
{
    sectionLines.push_back(std::move(line));
}
