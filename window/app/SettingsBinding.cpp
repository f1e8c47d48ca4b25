#include "window/app/SettingsBinding.h"

#include "core/ini/Ini.h"
#include "core/ini/IniError.h"
#include "core/ini/IniKey.h"
#include "core/ini/IniSection.h"
#include "core/settings/SettingsSchema.h"
#include "window/app/ZolvenarMainForm.h"
#include "window/widgets/IntComboBox.h"

#include <QCheckBox>
#include <QEvent>
#include <QFileInfo>
#include <QLineEdit>
#include <QScreen>

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
{ }

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
        centreWhenFirstShown();
    else
        applySettings();
    form.updateSetEdits();
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
        case SettingKind::Text:
            if (stored)
                control<QLineEdit>(key.control).setText(QString::fromUtf8(stored->value()));
            break;
        case SettingKind::Number:
            if (stored)
                control<IntComboBox>(key.control).setEditText(QString::fromUtf8(stored->value()));
            break;
        case SettingKind::RestoreWindow: {
            const bool restore = stored && stored->value() == "TRUE";
            control<QCheckBox>(key.control).setChecked(restore);
            if (restore)
                restoreWindow(*settings);
            else
                centreWhenFirstShown();
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
    // Width and height first: the clamps of top and left depend on them.
    const auto apply = [&](const char *name, const auto &change) {
        if (const IniKey *stored = settings.findKey(name))
            change(SettingsSchema::parseInt(stored->value()));
        else
            centreWhenFirstShown();
    };
    apply("WIDTH", [&](int value) { form.resize(SettingsSchema::clampWidth(value), form.height()); });
    apply("HEIGHT", [&](int value) { form.resize(form.width(), SettingsSchema::clampHeight(value)); });
    if (settings.findKey("WIDTH") || settings.findKey("HEIGHT"))
        fitFrameWhenKnown();
    apply(
        "TOP", [&](int value) { form.move(form.x(), SettingsSchema::clampTop(value, form.frameGeometry().height())); });
    apply("LEFT",
        [&](int value) { form.move(SettingsSchema::clampLeft(value, form.frameGeometry().width()), form.y()); });
    if (settings.getValue("MAXIMIZED") == "TRUE")
        form.setWindowState(form.windowState() | Qt::WindowMaximized);
}

void SettingsBinding::centreWhenFirstShown()
{
    if (centreOnShow)
        return;
    centreOnShow = true;
    form.installEventFilter(this);
}

void SettingsBinding::fitFrameWhenKnown()
{
    // The stored size is the outer one, but until the window manager has framed the
    // window only the inner size can be set; without this the window would grow by
    // its frame at every start.
    if (fitFrame)
        return;
    fitFrame = true;
    form.installEventFilter(this);
}

bool SettingsBinding::eventFilter(QObject *watched, QEvent *event)
{
    if (watched != &form)
        return QObject::eventFilter(watched, event);
    // The show event comes before the window is mapped, so it appears in place.
    if (event->type() == QEvent::Show && centreOnShow) {
        centreOnShow = false;
        centred = true;
        centre();
    }
    const bool placed = event->type() == QEvent::Show || event->type() == QEvent::Move;
    if (placed && fitFrame && form.isVisible()) {
        const QSize frame = form.frameGeometry().size() - form.size();
        if (frame.width() > 0 || frame.height() > 0) {
            fitFrame = false;
            if (form.windowState() == Qt::WindowNoState) {
                form.resize(form.size() - frame);
                if (centred)
                    centre();
            }
        }
    }
    if (!centreOnShow && !fitFrame)
        form.removeEventFilter(this);
    return QObject::eventFilter(watched, event);
}

void SettingsBinding::centre()
{
    if (const QScreen *screen = form.screen()) {
        const QRect area = screen->availableGeometry();
        const QSize outer = form.frameGeometry().size();
        form.move(area.x() + (area.width() - outer.width()) / 2, area.y() + (area.height() - outer.height()) / 2);
    }
}

void SettingsBinding::saveSettings()
{
    try {
        Ini ini(SettingsSchema::fileName);
        // A file that is there but could not be read (no read access, not a regular
        // file) is left alone: replacing it would destroy what nobody could load.
        if (ini.fileRead() == Ini::FileState::unreadable)
            return;
        if (form.checkSettings->isChecked())
            writeFullSave(ini);
        else if (ini.fileRead() == Ini::FileState::read) // the short save never creates the file
            writeShortSave(ini);
    } catch (const IniError &) {
        // A failed save keeps the previous file; there is no one left to tell.
    }
}

void SettingsBinding::writeFullSave(Ini &ini)
{
    IniSection &settings = ini.addSection(SettingsSchema::section);
    QRect bounds = form.frameGeometry();
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
        case SettingKind::Text:
            value = control<QLineEdit>(key.control).text().toUtf8();
            break;
        case SettingKind::Number:
            value = control<IntComboBox>(key.control).currentText().toUtf8();
            break;
        case SettingKind::Maximized: {
            value = SettingsSchema::boolText(form.isMaximized());
            if (form.isMaximized() || form.isMinimized() || form.isFullScreen()) {
                // The restored window's bounds are stored, with the current frame around them.
                const QRect inner = form.geometry();
                bounds = form.normalGeometry().adjusted(bounds.left() - inner.left(), bounds.top() - inner.top(),
                    bounds.right() - inner.right(), bounds.bottom() - inner.bottom());
                form.setWindowState(
                    form.windowState() & ~(Qt::WindowMaximized | Qt::WindowMinimized | Qt::WindowFullScreen));
            }
            break;
        }
        case SettingKind::Left:
            value = QByteArray::number(bounds.left());
            break;
        case SettingKind::Top:
            value = QByteArray::number(bounds.top());
            break;
        case SettingKind::Width:
            value = QByteArray::number(bounds.width());
            break;
        case SettingKind::Height:
            value = QByteArray::number(bounds.height());
            break;
        case SettingKind::Saved:
            value = "TRUE";
            break;
        }
        settings.setValue(key.name, value);
    }
    ini.save();
}

void SettingsBinding::writeShortSave(Ini &ini)
{
    ini.addSection(SettingsSchema::section).setValue("SAVESETTINGS", "FALSE");
    ini.save();
}

void SettingsBinding::resetClick()
{
    if (form.askYesNo(QStringLiteral("You will lose any changes you made to the character settings. Are you sure?"),
            QStringLiteral("Reset Character Settings")))
        form.resetCharacterSettings();
}
