#include "core/ini/IniKey.h"

IniKey::IniKey(const QByteArray &name)
    : keyName(name)
{ }

IniKey::IniKey(const QByteArray &text, const QByteArray &name, const QByteArray &value)
    : IniLine(text)
    , keyName(name)
    , keyValue(value)
{ }

QByteArray IniKey::name() const
{
    return keyName;
}

QByteArray IniKey::value() const
{
    return keyValue;
}

void IniKey::assign(const QByteArray &value)
{
    keyValue = value;
    lineText.reset();
}

void IniKey::rebuildText()
{
    if (!lineText)
        lineText = keyName + '=' + keyValue;
}
