#pragma once

#include "core/ini/IniLine.h"

// A line of the form name '=' value. Neither part is trimmed: blanks before the
// '=' belong to the name, blanks after it to the value.
class IniKey : public IniLine
{
public:
    explicit IniKey(const QByteArray &name);
    // A key as read: the whole line and the two parts cut from it.
    IniKey(const QByteArray &text, const QByteArray &name, const QByteArray &value);

    virtual QByteArray name() const;
    virtual QByteArray value() const;

    // Changes the value and drops the read text, so that the writer rebuilds the line.
    void assign(const QByteArray &value);
    // Gives a changed key its text, name '=' value; it is kept from then on.
    void rebuildText();

private:
    QByteArray keyName;
    QByteArray keyValue;
};
