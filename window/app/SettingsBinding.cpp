#include "window/app/SettingsBinding.h"

#include "core/ini/Ini.h"
#include "core/ini/IniError.h"
#include "core/ini/IniKey.h"
#include "core/ini/IniSection.h"
#include "core/settings/SettingsSchema.h"
#include "window/app/ZolvenarMainForm.h"
#include "window/widgets/IntComboBox.h"
#include "window/x11/WindowFrame.h"

#include <QCheckBox>
#include <QEvent>
#include <QFileInfo>
#include <QLineEdit>
#include <QScreen>

#include <stdexcept>
#include <string>

namespace {

constexpr Qt::WindowStates abnormal = Qt::WindowMaximized | Qt::WindowMinimized | Qt::WindowFullScreen;

bool settingsFileExists()
{
    return QFileInfo::exists(QString::fromLatin1(SettingsSchema::fileName));
}

} // namespace

SettingsBinding::SettingsBinding(ZolvenarMainForm &form)
    : form(form)
    , frame(std::make_unique<WindowFrame>(form))
{
    connect(frame.get(), &WindowFrame::changed, this, &SettingsBinding::frameChanged);
}

SettingsBinding::~SettingsBinding() = default;

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
    apply(
        "TOP", [&](int value) { form.move(form.x(), SettingsSchema::clampTop(value, form.frameGeometry().height())); });
    apply("LEFT",
        [&](int value) { form.move(SettingsSchema::clampLeft(value, form.frameGeometry().width()), form.y()); });
    // The stored bounds are outer ones, but until the window manager has framed the
    // window they can only be set as its inner ones: they are set again once the
    // frame is known, or the window would grow by its frame at every start.
    fit.outer = form.frameGeometry();
    fit.outerWidth = settings.findKey("WIDTH");
    fit.outerHeight = settings.findKey("HEIGHT");
    fit.pending = true;
    if (settings.getValue("MAXIMIZED") == "TRUE") {
        // The window manager keeps the bounds a window has when it is maximized for
        // its restore, so under one they must be right first.
        if (frame->managed())
            fit.maximize = true;
        else
            form.setWindowState(form.windowState() | Qt::WindowMaximized);
    }
}

void SettingsBinding::centreWhenFirstShown()
{
    fit.centre = true;
    fit.pending = true;
    if (centreOnShow)
        return;
    centreOnShow = true;
    form.installEventFilter(this);
}

bool SettingsBinding::eventFilter(QObject *watched, QEvent *event)
{
    // The show event comes before the window is mapped, so it appears in place.
    if (watched == &form && event->type() == QEvent::Show && centreOnShow) {
        centreOnShow = false;
        form.removeEventFilter(this);
        centre();
    }
    return QObject::eventFilter(watched, event);
}

void SettingsBinding::frameChanged()
{
    // Both the window manager's word and Qt's: either may lag behind the other.
    if (!form.isVisible() || (form.windowState() & abnormal) || !frame->normalState())
        return;
    if (!fit.pending) {
        lastSeen = frame->bounds();
        return;
    }
    const std::optional<QMargins> extents = frame->extents();
    if (!extents)
        return;
    fit.pending = false;
    QRect outer(fit.outer.topLeft(), form.size().grownBy(*extents));
    if (fit.outerWidth)
        outer.setWidth(fit.outer.width());
    if (fit.outerHeight)
        outer.setHeight(fit.outer.height());
    if (fit.centre)
        outer.moveTopLeft(centredPosition(outer.size()));
    // An inner geometry places the client area itself, whatever the frame.
    form.setGeometry(outer.marginsRemoved(*extents));
    lastSeen = outer;
    if (fit.maximize)
        form.setWindowState(form.windowState() | Qt::WindowMaximized);
}

QPoint SettingsBinding::centredPosition(QSize outer) const
{
    const QScreen *screen = form.screen();
    if (!screen)
        return form.frameGeometry().topLeft();
    const QRect area = screen->availableGeometry();
    return { area.x() + (area.width() - outer.width()) / 2, area.y() + (area.height() - outer.height()) / 2 };
}

void SettingsBinding::centre()
{
    if (form.screen())
        form.move(centredPosition(form.frameGeometry().size()));
}

QRect SettingsBinding::restoreForSave()
{
    if (fit.pending && (fit.maximize || form.isMaximized())) {
        // Never shown restored: still the bounds that were applied. Qt's restored
        // bounds would add a frame that was never around them.
        QRect applied = fit.outer;
        if (fit.centre)
            applied.moveTopLeft(centredPosition(applied.size()));
        return applied;
    }
    if (!(form.windowState() & (Qt::WindowMaximized | Qt::WindowFullScreen))) {
        const QRect bounds = frame->bounds();
        form.setWindowState(form.windowState() & ~abnormal);
        return bounds;
    }
    // Qt's restored bounds are the client area's, and miss what a window manager did
    // behind its back; without one they are right, with the current frame around them.
    const QRect outer = form.frameGeometry();
    const QRect inner = form.geometry();
    const QRect qtBounds = form.normalGeometry().adjusted(outer.left() - inner.left(), outer.top() - inner.top(),
        outer.right() - inner.right(), outer.bottom() - inner.bottom());
    const QRect maximized = frame->bounds();
    form.setWindowState(form.windowState() & ~abnormal);
    // Only the window manager knows where the window goes back to.
    if (frame->managed())
        return frame->waitRestored(maximized).value_or(qtBounds);
    return qtBounds;
}

QRect SettingsBinding::lastSeenBounds() const
{
    if (fit.pending && !fit.centre)
        return fit.outer; // the frame never came: still the bounds that were applied
    return lastSeen.isValid() ? lastSeen : form.frameGeometry();
}

void SettingsBinding::saveSettings()
{
    save(false);
}

void SettingsBinding::saveSettingsAsLastSeen()
{
    save(true);
}

void SettingsBinding::save(bool asLastSeen)
{
    try {
        Ini ini(SettingsSchema::fileName);
        // A file that is there but could not be read (no read access, not a regular
        // file) is left alone: replacing it would destroy what nobody could load.
        if (ini.fileRead() == Ini::FileState::unreadable)
            return;
        if (form.checkSettings->isChecked())
            writeFullSave(ini, asLastSeen);
        else if (ini.fileRead() == Ini::FileState::read) // the short save never creates the file
            writeShortSave(ini);
    } catch (const IniError &) {
        // A failed save keeps the previous file; there is no one left to tell.
    }
}

void SettingsBinding::writeFullSave(Ini &ini, bool asLastSeen)
{
    IniSection &settings = ini.addSection(SettingsSchema::section);
    // A window still waiting for its frame to be maximized counts as maximized.
    // Closed right after the user restored it, only the window manager knows.
    const bool maximized = (asLastSeen ? form.isMaximized() : frame->maximized()) || (fit.pending && fit.maximize);
    const QRect bounds = asLastSeen ? lastSeenBounds() : restoreForSave();
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
        case SettingKind::Maximized:
            value = SettingsSchema::boolText(maximized);
            break;
        case SettingKind::Left:
        case SettingKind::Top:
            // Where the window is cannot be known: the stored place stays as it was.
            if (!WindowFrame::placesKnown())
                continue;
            value = QByteArray::number(key.kind == SettingKind::Left ? bounds.left() : bounds.top());
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
