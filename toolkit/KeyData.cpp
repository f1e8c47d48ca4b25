#include "toolkit/KeyData.h"

#include <QKeyEvent>

std::optional<std::uint32_t> KeyData::fromEvent(const QKeyEvent *event)
{
    // Stub until the full US-layout mapping lands.
    if (event->text().isEmpty())
        return std::nullopt;
    std::uint32_t data = 0;
    const QChar ch = event->text().at(0);
    if (ch.isDigit())
        data = 0x30 + static_cast<std::uint32_t>(ch.digitValue());
    else if (ch.isLetter())
        data = static_cast<std::uint32_t>(ch.toUpper().unicode());
    else if (ch == QChar(0x08))
        data = 0x08;
    const auto mods = event->modifiers();
    if (mods & Qt::ShiftModifier)
        data |= shift;
    if (mods & Qt::ControlModifier)
        data |= ctrl;
    if (mods & Qt::AltModifier)
        data |= alt;
    return data;
}
