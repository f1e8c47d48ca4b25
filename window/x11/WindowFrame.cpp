#include "window/x11/WindowFrame.h"

#include <QAbstractNativeEventFilter>
#include <QCoreApplication>
#include <QEvent>
#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

#include <xcb/xcb.h>

#include <algorithm>
#include <array>
#include <chrono>
#include <cstdlib>
#include <cstring>
#include <thread>
#include <vector>

namespace {

template <typename Reply> using ReplyPtr = std::unique_ptr<Reply, decltype(&std::free)>;

template <typename Reply> ReplyPtr<Reply> own(Reply *reply)
{
    return ReplyPtr<Reply>(reply, &std::free);
}

xcb_connection_t *connection()
{
    const auto *x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    return x11 ? x11->connection() : nullptr;
}

// Every atom the frame is read with. All are asked of the server together when
// the first frame is made, and the answers collected when one is first needed:
// one round trip at most, and none that start-up waits for.
constexpr std::array<const char *, 8> atomNames { "_NET_FRAME_EXTENTS", "_NET_SUPPORTING_WM_CHECK", "_NET_SUPPORTED",
    "_NET_WM_STATE", "_NET_WM_STATE_MAXIMIZED_VERT", "_NET_WM_STATE_MAXIMIZED_HORZ", "_NET_WM_STATE_FULLSCREEN",
    "_NET_WM_STATE_HIDDEN" };

struct AtomTable
{
    bool asked = false;
    bool answered = false;
    std::array<xcb_intern_atom_cookie_t, atomNames.size()> requests {};
    std::array<xcb_atom_t, atomNames.size()> atoms {};
};

AtomTable &atomTable()
{
    static AtomTable table;
    return table;
}

void askAtoms(xcb_connection_t *c)
{
    AtomTable &table = atomTable();
    if (table.asked)
        return;
    table.asked = true;
    for (std::size_t i = 0; i < atomNames.size(); ++i)
        table.requests[i] = xcb_intern_atom(c, false, static_cast<uint16_t>(std::strlen(atomNames[i])), atomNames[i]);
    xcb_flush(c);
}

// One of the names above.
xcb_atom_t atom(xcb_connection_t *c, const char *name)
{
    AtomTable &table = atomTable();
    askAtoms(c);
    if (!table.answered) {
        table.answered = true;
        for (std::size_t i = 0; i < atomNames.size(); ++i) {
            const auto reply = own(xcb_intern_atom_reply(c, table.requests[i], nullptr));
            table.atoms[i] = reply ? reply->atom : xcb_atom_t(XCB_ATOM_NONE);
        }
    }
    const auto found = std::find_if(
        atomNames.begin(), atomNames.end(), [name](const char *known) { return std::strcmp(known, name) == 0; });
    Q_ASSERT(found != atomNames.end());
    return found == atomNames.end() ? xcb_atom_t(XCB_ATOM_NONE) : table.atoms[std::size_t(found - atomNames.begin())];
}

xcb_window_t root(xcb_connection_t *c)
{
    return xcb_setup_roots_iterator(xcb_get_setup(c)).data->root;
}

xcb_get_property_cookie_t askValues(xcb_connection_t *c, xcb_window_t window, xcb_atom_t name)
{
    return xcb_get_property(c, false, window, name, XCB_GET_PROPERTY_TYPE_ANY, 0, 1024);
}

// The 32-bit values of a property, empty when it is not set.
template <typename Value> std::vector<Value> values(xcb_connection_t *c, xcb_get_property_cookie_t request)
{
    const auto reply = own(xcb_get_property_reply(c, request, nullptr));
    if (!reply || reply->format != 32)
        return {};
    const auto *data = static_cast<const Value *>(xcb_get_property_value(reply.get()));
    return std::vector<Value>(data, data + xcb_get_property_value_length(reply.get()) / 4);
}

template <typename Value> std::vector<Value> values(xcb_connection_t *c, xcb_window_t window, xcb_atom_t name)
{
    return values<Value>(c, askValues(c, window, name));
}

} // namespace

class WindowFrame::Watch : public QAbstractNativeEventFilter
{
public:
    explicit Watch(WindowFrame &owner)
        : owner(owner)
    {
        QCoreApplication::instance()->installNativeEventFilter(this);
    }
    ~Watch() override
    {
        if (QCoreApplication *application = QCoreApplication::instance())
            application->removeNativeEventFilter(this);
    }

    bool nativeEventFilter(const QByteArray &type, void *message, qintptr *) override
    {
        if (type != "xcb_generic_event_t")
            return false;
        const auto *event = static_cast<const xcb_generic_event_t *>(message);
        const xcb_window_t window = owner.window.internalWinId();
        bool relevant = false;
        switch (event->response_type & ~0x80) {
        case XCB_PROPERTY_NOTIFY: {
            const auto *notify = reinterpret_cast<const xcb_property_notify_event_t *>(event);
            relevant = notify->window == window && notify->atom == atom(connection(), "_NET_FRAME_EXTENTS");
            break;
        }
        case XCB_CONFIGURE_NOTIFY:
            relevant = reinterpret_cast<const xcb_configure_notify_event_t *>(event)->window == window;
            break;
        case XCB_REPARENT_NOTIFY:
            relevant = reinterpret_cast<const xcb_reparent_notify_event_t *>(event)->window == window;
            break;
        default:
            break;
        }
        if (relevant && window)
            QMetaObject::invokeMethod(&owner, &WindowFrame::changed, Qt::QueuedConnection);
        return false;
    }

private:
    WindowFrame &owner;
};

WindowFrame::WindowFrame(QWidget &window)
    : window(window)
{
    if (xcb_connection_t *c = connection()) {
        askAtoms(c);
        watch = std::make_unique<Watch>(*this);
    } else // Qt's own frame changes with the window's geometry
        window.installEventFilter(this);
}

WindowFrame::~WindowFrame() = default;

bool WindowFrame::eventFilter(QObject *watched, QEvent *event)
{
    const QEvent::Type type = event->type();
    if (watched == &window && (type == QEvent::Show || type == QEvent::Move || type == QEvent::Resize))
        QMetaObject::invokeMethod(this, &WindowFrame::changed, Qt::QueuedConnection);
    return QObject::eventFilter(watched, event);
}

bool WindowFrame::placesKnown()
{
    return !QGuiApplication::platformName().startsWith(QLatin1String("wayland"));
}

bool WindowFrame::managed() const
{
    xcb_connection_t *c = connection();
    if (!c)
        return false;
    const xcb_window_t screenRoot = root(c);
    // Both asked before either answer is awaited.
    const auto checkRequest = askValues(c, screenRoot, atom(c, "_NET_SUPPORTING_WM_CHECK"));
    const auto supportedRequest = askValues(c, screenRoot, atom(c, "_NET_SUPPORTED"));
    const auto check = values<xcb_window_t>(c, checkRequest);
    const auto supported = values<xcb_atom_t>(c, supportedRequest);
    if (check.empty())
        return false;
    return std::find(supported.begin(), supported.end(), atom(c, "_NET_FRAME_EXTENTS")) != supported.end();
}

std::optional<QMargins> WindowFrame::extents() const
{
    xcb_connection_t *c = connection();
    if (!c) {
        const QRect outer = window.frameGeometry();
        const QRect inner = window.geometry();
        const QMargins frame(inner.left() - outer.left(), inner.top() - outer.top(), outer.right() - inner.right(),
            outer.bottom() - inner.bottom());
        return frame.isNull() ? std::nullopt : std::optional(frame);
    }
    const std::optional<QMargins> frame = deviceExtents();
    if (!frame)
        return std::nullopt;
    return toLogical(*frame);
}

std::optional<QMargins> WindowFrame::deviceExtents() const
{
    xcb_connection_t *c = connection();
    const xcb_window_t id = c ? window.internalWinId() : 0;
    if (!id)
        return std::nullopt;
    return fromFrameExtents(values<uint32_t>(c, id, atom(c, "_NET_FRAME_EXTENTS")));
}

std::optional<QMargins> WindowFrame::fromFrameExtents(const std::vector<std::uint32_t> &widths)
{
    if (widths.size() != 4)
        return std::nullopt;
    // Left, right, top, bottom.
    return QMargins(int(widths[0]), int(widths[2]), int(widths[1]), int(widths[3]));
}

QRect WindowFrame::bounds() const
{
    xcb_connection_t *c = connection();
    xcb_window_t outer = window.internalWinId();
    if (!c || !outer)
        return window.frameGeometry();
    // The window manager's frame is the ancestor just below the root.
    for (;;) {
        const auto tree = own(xcb_query_tree_reply(c, xcb_query_tree(c, outer), nullptr));
        if (!tree)
            return window.frameGeometry();
        if (tree->parent == tree->root || tree->parent == XCB_WINDOW_NONE)
            break;
        outer = tree->parent;
    }
    const auto geometry = own(xcb_get_geometry_reply(c, xcb_get_geometry(c, outer), nullptr));
    if (!geometry)
        return window.frameGeometry();
    const int border = 2 * geometry->border_width;
    const QRect device(geometry->x, geometry->y, geometry->width + border, geometry->height + border);
    // The client area goes to the window's own pixels as Qt takes it there, and the
    // frame by itself: a stored bound then reads back as it was set at any scale.
    const QMargins frame = deviceExtents().value_or(QMargins());
    return toLogical(device.marginsRemoved(frame)).marginsAdded(toLogical(frame));
}

QRect WindowFrame::toLogical(const QRect &device) const
{
    const qreal ratio = window.devicePixelRatio();
    // Scaled around the screen's corner, which keeps its place.
    const QPoint origin = window.screen() ? window.screen()->geometry().topLeft() : QPoint();
    const QPointF topLeft = QPointF(device.topLeft() - origin) / ratio;
    return QRect(origin + topLeft.toPoint(), (QSizeF(device.size()) / ratio).toSize());
}

QMargins WindowFrame::toLogical(const QMargins &device) const
{
    const qreal ratio = window.devicePixelRatio();
    return QMargins(qRound(device.left() / ratio), qRound(device.top() / ratio), qRound(device.right() / ratio),
        qRound(device.bottom() / ratio));
}

bool WindowFrame::normalState() const
{
    xcb_connection_t *c = connection();
    if (!c)
        return !(window.windowState() & (Qt::WindowMaximized | Qt::WindowMinimized | Qt::WindowFullScreen));
    const xcb_window_t id = window.internalWinId();
    if (!id)
        return false;
    const auto states = values<xcb_atom_t>(c, id, atom(c, "_NET_WM_STATE"));
    for (const char *name : { "_NET_WM_STATE_MAXIMIZED_VERT", "_NET_WM_STATE_MAXIMIZED_HORZ",
             "_NET_WM_STATE_FULLSCREEN", "_NET_WM_STATE_HIDDEN" }) {
        if (std::find(states.begin(), states.end(), atom(c, name)) != states.end())
            return false;
    }
    return !QGuiApplication::platformName().startsWith(QLatin1String("wayland"));
}

bool WindowFrame::maximized() const
{
    xcb_connection_t *c = connection();
    const xcb_window_t id = c ? window.internalWinId() : 0;
    if (!id || !managed())
        return window.isMaximized();
    const auto states = values<xcb_atom_t>(c, id, atom(c, "_NET_WM_STATE"));
    const auto has = [&states, c](const char *name) {
        return std::find(states.begin(), states.end(), atom(c, name)) != states.end();
    };
    return has("_NET_WM_STATE_MAXIMIZED_VERT") && has("_NET_WM_STATE_MAXIMIZED_HORZ");
}

std::optional<QRect> WindowFrame::waitRestored(const QRect &from) const
{
    // The window manager states the change first and then moves the window; the
    // restored bounds may also be the same as before.
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(1);
    for (;;) {
        const bool normal = normalState();
        if (normal && bounds() != from)
            return bounds();
        if (std::chrono::steady_clock::now() > deadline)
            return normal ? std::optional(bounds()) : std::nullopt;
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
}
