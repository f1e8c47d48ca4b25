#include "core/ini/IniError.h"

IniError::IniError(const QByteArray &file, const QByteArray &what)
    : std::runtime_error((file + ": " + what).toStdString())
    , fileName(file)
{ }
