#include "window/app/SettingsBinding.h"

#include "core/ini/Ini.h"
#include "core/ini/IniKey.h"
#include "core/ini/IniSection.h"
#include "core/settings/SettingsSchema.h"
#include "window/app/OptionControls.h"
#include "window/app/WindowPlacement.h"
#include "window/app/ZolvenarMainForm.h"
#include "window/widgets/IntComboBox.h"

#include <QAction>
#include <QActionGroup>
#include <QCheckBox>
#include <QFileInfo>
#include <QLineEdit>

#include <optional>
#include <stdexcept>
#include <string>

namespace {

bool settingsFileExists()
{
    return QFileInfo::exists(QString::fromLatin1(SettingsSchema::fileName));
}

} // namespace

SettingsBinding::SettingsBinding(ZolvenarMainForm &form)
    : form(form)
    , placement(std::make_unique<WindowPlacement>(form))
{
    for (const SettingsKey &key : SettingsSchema::keys()) {
        QObject *changing = *key.control
            ? form.findChild<QObject *>(QString::fromLatin1(key.control), Qt::FindDirectChildrenOnly)
            : nullptr;
        if (auto *box = qobject_cast<QCheckBox *>(changing))
            connect(box, &QCheckBox::toggled, this, &SettingsBinding::keepAsLastSeen);
        else if (auto *edit = qobject_cast<QLineEdit *>(changing))
            connect(edit, &QLineEdit::textChanged, this, &SettingsBinding::keepAsLastSeen);
        else if (auto *combo = qobject_cast<IntComboBox *>(changing))
            connect(combo, &IntComboBox::currentTextChanged, this, &SettingsBinding::keepAsLastSeen);
        else if (auto *action = qobject_cast<QAction *>(changing))
            connect(action, &QAction::toggled, this, &SettingsBinding::keepAsLastSeen);
        else if (auto *group = qobject_cast<QActionGroup *>(changing))
            connect(group, &QActionGroup::triggered, this, &SettingsBinding::keepAsLastSeen);
    }
    connect(placement.get(), &WindowPlacement::seen, this, &SettingsBinding::keepAsLastSeen);
}

SettingsBinding::~SettingsBinding()
{
    if (keeping)
        SettingsWriter::forget();
}

template <typename Control> Control &SettingsBinding::control(const char *name) const
{
    auto *found = form.findChild<Control *>(QString::fromLatin1(name), Qt::FindDirectChildrenOnly);
    if (!found)
        throw std::logic_error(std::string("no control named ") + name);
    return *found;
}

void SettingsBinding::resetCharacterSettings()
{
    for (const CharacterDefault &row : SettingsSchema::characterDefaults()) {
        control<QCheckBox>(row.check).setChecked(row.checked);
        if (row.text)
            control<QLineEdit>(row.edit).setText(QString::fromUtf8(row.text));
    }
    form.updateSetEdits();
}

void SettingsBinding::loadSettings()
{
    // Nothing here is expected to fail: a file that cannot be read is an empty
    // document and applies nothing. A control that cannot be found is a
    // programming error and goes to the error boundary.
    if (!settingsFileExists())
        placement->centreWhenFirstShown();
    else
        applySettings();
    form.updateSetEdits();
    keeping = true;
    keepAsLastSeen();
}

void SettingsBinding::keepAsLastSeen()
{
    if (keeping)
        SettingsWriter::keep(contentToSave(true));
}

void SettingsBinding::applySettings()
{
    const Ini ini(SettingsSchema::fileName);
    const IniSection *settings = ini.findSection(SettingsSchema::section);
    // Only a file that a full save completed is trusted.
    if (!settings || settings->getValue("SAVED") != "TRUE")
        return;
    for (const SettingsKey &key : SettingsSchema::keys()) {
        const IniKey *stored = settings->findKey(key.name);
        if (!stored && key.fallback)
            stored = settings->findKey(key.fallback);
        switch (key.kind) {
        case SettingKind::Flag:
            if (const auto checked = stored ? SettingsSchema::parseBool(stored->value()) : std::nullopt)
                control<QCheckBox>(key.control).setChecked(*checked);
            break;
        case SettingKind::MenuFlag:
            if (const auto checked = stored ? SettingsSchema::parseBool(stored->value()) : std::nullopt)
                control<QAction>(key.control).setChecked(*checked);
            break;
        case SettingKind::Seconds: {
            const int seconds = stored ? SettingsSchema::parseDelay(stored->value()) : 0;
            for (QAction *choice : control<QActionGroup>(key.control).actions())
                choice->setChecked(choice->data().toInt() == seconds);
            break;
        }
        case SettingKind::Text:
            if (stored)
                control<QLineEdit>(key.control).setText(QString::fromUtf8(SettingsSchema::loadedSet(stored->value())));
            break;
        case SettingKind::Number:
            if (stored)
                control<IntComboBox>(key.control)
                    .setEditText(OptionControls::shownText(QString::fromUtf8(stored->value())));
            break;
        case SettingKind::RestoreWindow: {
            const bool restore = stored && stored->value() == "TRUE";
            control<QCheckBox>(key.control).setChecked(restore);
            if (restore)
                restoreWindow(*settings);
            else
                placement->centreWhenFirstShown();
            break;
        }
        case SettingKind::Version:
        case SettingKind::Maximized:
        case SettingKind::Left:
        case SettingKind::Top:
        case SettingKind::Width:
        case SettingKind::Height:
        case SettingKind::Saved:
            break; // never read, or read by the window restore
        }
    }
}

void SettingsBinding::restoreWindow(const IniSection &settings)
{
    const auto stored = [&settings](const char *name) -> std::optional<int> {
        if (const IniKey *key = settings.findKey(name))
            return SettingsSchema::parseInt(key->value());
        return std::nullopt;
    };
    placement->applyStored(
        { stored("WIDTH"), stored("HEIGHT"), stored("TOP"), stored("LEFT"), settings.getValue("MAXIMIZED") == "TRUE" });
}

void SettingsBinding::saveSettings()
{
    keeping = false;
    SettingsWriter::writeLast(contentToSave(false));
}

void SettingsBinding::saveSettingsAsLastSeen()
{
    SettingsWriter::write(contentToSave(true));
}

SettingsWriter::Content SettingsBinding::contentToSave(bool asLastSeen)
{
    SettingsWriter::Content content;
    content.full = form.checkSettings->isChecked();
    if (!content.full)
        return content;
    const WindowPlacement::SavedBounds window = asLastSeen ? placement->boundsAsLastSeen() : placement->boundsToSave();
    for (const SettingsKey &key : SettingsSchema::keys()) {
        QByteArray value;
        switch (key.kind) {
        case SettingKind::Version:
            value = SettingsSchema::version;
            break;
        case SettingKind::Flag:
        case SettingKind::RestoreWindow:
            value = SettingsSchema::boolText(control<QCheckBox>(key.control).isChecked());
            break;
        case SettingKind::MenuFlag:
            // The writer leaves one that is off and not in the file out.
            value = SettingsSchema::boolText(control<QAction>(key.control).isChecked());
            break;
        case SettingKind::Seconds: {
            // The writer leaves Never out of a file that does not have the key.
            const QAction *chosen = control<QActionGroup>(key.control).checkedAction();
            value = QByteArray::number(chosen ? chosen->data().toInt() : 0);
            break;
        }
        case SettingKind::Text:
            value = control<QLineEdit>(key.control).text().toUtf8();
            break;
        case SettingKind::Number:
            value = OptionControls::storedText(control<IntComboBox>(key.control).currentText()).toUtf8();
            break;
        case SettingKind::Maximized:
            value = SettingsSchema::boolText(window.maximized);
            break;
        case SettingKind::Left:
        case SettingKind::Top:
            // Where the window is cannot be known: the stored place stays as it was.
            if (!WindowPlacement::placesKnown())
                continue;
            value = QByteArray::number(key.kind == SettingKind::Left ? window.outer.left() : window.outer.top());
            break;
        case SettingKind::Width:
            value = QByteArray::number(window.outer.width());
            break;
        case SettingKind::Height:
            value = QByteArray::number(window.outer.height());
            break;
        case SettingKind::Saved:
            value = "TRUE";
            break;
        }
        content.values.emplace_back(key.name, value);
    }
    return content;
}

void SettingsBinding::resetClick()
{
    if (form.askYesNo(tr("You will lose any changes you made to the character settings. Are you sure?"),
            tr("Reset Character Settings")))
        form.resetCharacterSettings();
}
