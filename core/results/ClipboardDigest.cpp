#include "core/results/ClipboardDigest.h"

#include <QCryptographicHash>

namespace {

bool isWhitespace(char byte)
{
    switch (byte) {
    case ' ':
    case '\t':
    case '\v':
    case '\r':
    case '\n':
    case '\f':
        return true;
    default:
        return false;
    }
}

} // namespace

QByteArray ClipboardDigest::withoutWhitespace(const QByteArray &text)
{
    QByteArray kept;
    kept.reserve(text.size());
    for (char byte : text) {
        if (!isWhitespace(byte))
            kept.append(byte);
    }
    return kept;
}

QByteArray ClipboardDigest::of(const QByteArray &text)
{
    return QCryptographicHash::hash(withoutWhitespace(text), QCryptographicHash::Md5);
}
