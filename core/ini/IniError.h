#pragma once

#include <QByteArray>

#include <stdexcept>

// A document could not be written; names the file so the caller can say which.
class IniError : public std::runtime_error
{
public:
    IniError(const QByteArray &file, const QByteArray &what);

    const QByteArray &file() const { return fileName; }

private:
    QByteArray fileName;
};
