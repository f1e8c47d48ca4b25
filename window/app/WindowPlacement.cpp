#include "window/app/WindowPlacement.h"

#include "core/settings/SettingsSchema.h"
#include "window/x11/WindowFrame.h"

#include <QEvent>
#include <QScopeGuard>
#include <QScreen>
#include <QWidget>

namespace {

constexpr Qt::WindowStates abnormal = Qt::WindowMaximized | Qt::WindowMinimized | Qt::WindowFullScreen;

} // namespace

WindowPlacement::WindowPlacement(QWidget &window)
    : window(window)
    , frame(std::make_unique<WindowFrame>(window))
{
    connect(frame.get(), &WindowFrame::changed, this, &WindowPlacement::frameChanged);
}

WindowPlacement::~WindowPlacement() = default;

bool WindowPlacement::placesKnown()
{
    return WindowFrame::placesKnown();
}

void WindowPlacement::applyStored(const StoredBounds &stored)
{
    // Width and height first: the clamps of top and left depend on them.
    if (stored.width)
        window.resize(SettingsSchema::clampWidth(*stored.width), window.height());
    if (stored.height)
        window.resize(window.width(), SettingsSchema::clampHeight(*stored.height));
    if (stored.top)
        window.move(window.x(), SettingsSchema::clampTop(*stored.top, window.frameGeometry().height()));
    if (stored.left)
        window.move(SettingsSchema::clampLeft(*stored.left, window.frameGeometry().width()), window.y());
    if (!stored.width || !stored.height || !stored.top || !stored.left)
        centreWhenFirstShown();
    // The stored bounds are outer ones, but until the window manager has framed the
    // window they can only be set as its inner ones: they are set again once the
    // frame is known, or the window would grow by its frame at every start.
    fit.outer = window.frameGeometry();
    fit.outerWidth = stored.width.has_value();
    fit.outerHeight = stored.height.has_value();
    fit.pending = true;
    if (stored.maximized) {
        // The window manager keeps the bounds a window has when it is maximized for
        // its restore, so under one they must be right first.
        if (frame->managed())
            fit.maximize = true;
        else
            window.setWindowState(window.windowState() | Qt::WindowMaximized);
    }
}

void WindowPlacement::centreWhenFirstShown()
{
    fit.centre = true;
    fit.pending = true;
    if (centreOnShow)
        return;
    centreOnShow = true;
    window.installEventFilter(this);
}

bool WindowPlacement::eventFilter(QObject *watched, QEvent *event)
{
    // The show event comes before the window is mapped, so it appears in place.
    if (watched == &window && event->type() == QEvent::Show && centreOnShow) {
        centreOnShow = false;
        window.removeEventFilter(this);
        centre();
    }
    return QObject::eventFilter(watched, event);
}

void WindowPlacement::frameChanged()
{
    auto told = qScopeGuard([this] { Q_EMIT seen(); });
    // Both the window manager's word and Qt's: either may lag behind the other.
    if (!window.isVisible() || (window.windowState() & abnormal) || !frame->normalState())
        return;
    if (!fit.pending) {
        lastSeen = frame->bounds();
        return;
    }
    const std::optional<QMargins> extents = frame->extents();
    if (!extents)
        return;
    fit.pending = false;
    QRect outer(fit.outer.topLeft(), window.size().grownBy(*extents));
    if (fit.outerWidth)
        outer.setWidth(fit.outer.width());
    if (fit.outerHeight)
        outer.setHeight(fit.outer.height());
    if (fit.centre)
        outer.moveTopLeft(centredPosition(outer.size()));
    // An inner geometry places the client area itself, whatever the frame.
    window.setGeometry(outer.marginsRemoved(*extents));
    lastSeen = outer;
    if (fit.maximize)
        window.setWindowState(window.windowState() | Qt::WindowMaximized);
}

QPoint WindowPlacement::centredPosition(QSize outer) const
{
    const QScreen *screen = window.screen();
    if (!screen)
        return window.frameGeometry().topLeft();
    const QRect area = screen->availableGeometry();
    return { area.x() + (area.width() - outer.width()) / 2, area.y() + (area.height() - outer.height()) / 2 };
}

void WindowPlacement::centre()
{
    if (window.screen())
        window.move(centredPosition(window.frameGeometry().size()));
}

WindowPlacement::SavedBounds WindowPlacement::boundsToSave()
{
    // Read before the restore below changes it. Closed right after the user restored
    // the window, only the window manager knows.
    const bool maximized = frame->maximized() || maximizeStillPending();
    return { restoreForSave(), maximized };
}

WindowPlacement::SavedBounds WindowPlacement::boundsAsLastSeen() const
{
    return { lastSeenBounds(), window.isMaximized() || maximizeStillPending() };
}

QRect WindowPlacement::restoreForSave()
{
    if (fit.pending && (fit.maximize || window.isMaximized())) {
        // Never shown restored: still the bounds that were applied. Qt's restored
        // bounds would add a frame that was never around them.
        QRect applied = fit.outer;
        if (fit.centre)
            applied.moveTopLeft(centredPosition(applied.size()));
        return applied;
    }
    if (!(window.windowState() & (Qt::WindowMaximized | Qt::WindowFullScreen))) {
        const QRect bounds = frame->bounds();
        window.setWindowState(window.windowState() & ~abnormal);
        return bounds;
    }
    // Qt's restored bounds are the client area's, and miss what a window manager did
    // behind its back; without one they are right, with the current frame around them.
    const QRect outer = window.frameGeometry();
    const QRect inner = window.geometry();
    const QRect qtBounds = window.normalGeometry().adjusted(outer.left() - inner.left(), outer.top() - inner.top(),
        outer.right() - inner.right(), outer.bottom() - inner.bottom());
    const QRect maximized = frame->bounds();
    window.setWindowState(window.windowState() & ~abnormal);
    // Only the window manager knows where the window goes back to.
    if (frame->managed())
        return frame->waitRestored(maximized).value_or(qtBounds);
    return qtBounds;
}

QRect WindowPlacement::lastSeenBounds() const
{
    if (fit.pending && !fit.centre)
        return fit.outer; // the frame never came: still the bounds that were applied
    return lastSeen.isValid() ? lastSeen : window.frameGeometry();
}
