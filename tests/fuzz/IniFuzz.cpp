// Reads arbitrary bytes as an INI file, sets one value, and writes it back. The
// written form must read as the same document and write back to the same bytes,
// unless the writer refused a name or value that would not.
#include "core/ini/Ini.h"
#include "core/ini/IniError.h"
#include "core/ini/IniKey.h"
#include "core/ini/IniSection.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace {

QByteArray describe(const Ini &ini)
{
    QByteArray out;
    bool leading = true;
    for (const auto &section : ini.sections()) {
        // Leading nameless sections without lines write as at most an empty header,
        // which reads back as nothing at all.
        leading = leading && section->name().isEmpty() && section->lines().empty();
        if (leading)
            continue;
        out += "[" + section->name().toHex() + "]";
        for (const auto &line : section->lines()) {
            if (const auto *key = dynamic_cast<const IniKey *>(line.get()))
                out += " key:" + key->name().toHex() + "=" + key->value().toHex();
            out += " text:" + line->text().value_or("-").toHex();
        }
    }
    return out;
}

void require(bool condition, const char *what)
{
    if (!condition) {
        std::fprintf(stderr, "round trip broken: %s\n", what);
        std::abort();
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    // The file, then the section, name and value of one change, split at 0x01.
    const QList<QByteArray> parts = QByteArray(reinterpret_cast<const char *>(data), qsizetype(size)).split('\x01');
    Ini first { QByteArray() };
    first.parseData(parts[0]);
    if (parts.size() >= 4)
        first.addSection(parts[1]).setValue(parts[2], parts[3]);
    QByteArray written;
    try {
        written = first.serialize();
    } catch (const IniError &) {
        return 0;
    }

    require(written.isEmpty() || written.endsWith("\r\n"), "output does not end in CR LF");
    require(!written.contains('\0'), "output holds a NUL");

    Ini second { QByteArray() };
    second.parseData(written);
    require(describe(second) == describe(first), "written form reads as another document");
    // Each write drops one of several leading empty headers: the first nameless
    // section is written without one. Apart from that the written form is stable.
    const QByteArray stable = written.startsWith("[]\r\n") ? written.mid(4) : written;
    require(second.serialize() == stable, "second write differs from the first");
    return 0;
}
