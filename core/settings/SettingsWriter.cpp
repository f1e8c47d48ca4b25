#include "core/settings/SettingsWriter.h"

#include "core/ini/Ini.h"
#include "core/ini/IniError.h"
#include "core/ini/IniKey.h"
#include "core/ini/IniSection.h"
#include "core/settings/SettingsSchema.h"

#include <algorithm>
#include <atomic>
#include <mutex>
#include <optional>

namespace {

std::timed_mutex fileLock; // held while the file is written
std::atomic<bool> ending { false };
std::mutex keptLock;
std::optional<SettingsWriter::Content> kept;

bool isKind(const char *name, SettingKind kind)
{
    const auto &keys = SettingsSchema::keys();
    return std::any_of(keys.begin(), keys.end(),
        [name, kind](const SettingsKey &key) { return key.kind == kind && qstrcmp(key.name, name) == 0; });
}

// With fileLock held.
void writeLocked(const SettingsWriter::Content &content)
{
    try {
        Ini ini(SettingsSchema::fileName);
        // A file that is there but could not be read (no read access, not a regular
        // file) is left alone: replacing it would destroy what nobody could load.
        if (ini.fileRead() == Ini::FileState::unreadable)
            return;
        if (!content.full) {
            if (ini.fileRead() != Ini::FileState::read)
                return; // the short save never creates the file
            ini.addSection(SettingsSchema::section).setValue("SAVESETTINGS", "FALSE");
            ini.save();
            return;
        }
        IniSection &settings = ini.addSection(SettingsSchema::section);
        for (const auto &[name, value] : content.values) {
            // A set that loaded cut and was not changed since keeps all that is stored.
            const IniKey *stored = settings.findKey(name);
            if (stored && isKind(name, SettingKind::Text) && stored->value().size() > SettingsSchema::maxSetBytes
                && SettingsSchema::loadedSet(stored->value()) == value)
                continue;
            // A menu option at its default and never stored: the file stays as it was
            // before the option existed.
            if (!stored && value == SettingsSchema::boolText(false) && isKind(name, SettingKind::MenuFlag))
                continue;
            if (!stored && value == "0" && isKind(name, SettingKind::Seconds))
                continue;
            settings.setValue(name, value);
        }
        ini.save();
    } catch (const IniError &) {
        // A failed save keeps the previous file; there is no one left to tell.
    }
}

} // namespace

void SettingsWriter::write(const Content &content)
{
    std::scoped_lock hold(fileLock);
    if (!ending.load())
        writeLocked(content);
}

void SettingsWriter::writeLast(const Content &content)
{
    std::scoped_lock hold(fileLock);
    if (!ending.load())
        writeLocked(content);
    // Under the same lock: an end that comes next finds nothing to write over it.
    forget();
}

void SettingsWriter::keep(Content content)
{
    std::scoped_lock hold(keptLock);
    kept = std::move(content);
}

void SettingsWriter::forget()
{
    std::scoped_lock hold(keptLock);
    kept.reset();
}

void SettingsWriter::writeKeptAtEnd()
{
    if (ending.exchange(true))
        return;
    std::unique_lock hold(fileLock, endWait);
    if (!hold.owns_lock())
        return;
    std::optional<Content> last;
    {
        std::scoped_lock keptHold(keptLock);
        last = kept;
    }
    if (last)
        writeLocked(*last);
}
