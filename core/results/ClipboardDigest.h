#pragma once

#include <QByteArray>

// Recognises the clipboard text a copy left behind, even after another program
// changed its line breaks or spacing.
class ClipboardDigest
{
public:
    // MD5 (16 bytes) of the text with every space, tab, vertical tab, carriage
    // return, line feed and form feed removed.
    static QByteArray of(const QByteArray &text);
    static QByteArray withoutWhitespace(const QByteArray &text);
};
