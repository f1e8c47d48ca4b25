#include "core/ini/IniLine.h"

#include <utility>

IniLine::IniLine(std::optional<QByteArray> text)
    : lineText(std::move(text))
{ }

IniLine::~IniLine() = default;
