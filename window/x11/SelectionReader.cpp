#include "window/x11/SelectionReader.h"

#include <QGuiApplication>
#include <QSocketNotifier>
#include <QTimer>

#include <xcb/xcb.h>

#include <cstdlib>
#include <cstring>
#include <memory>

namespace {

template <typename Reply> using ReplyPtr = std::unique_ptr<Reply, decltype(&std::free)>;

template <typename Reply> ReplyPtr<Reply> own(Reply *reply)
{
    return ReplyPtr<Reply>(reply, &std::free);
}

// The most text taken from another owner: a list of passwords that long would take
// the window gigabytes, so what goes past it is not our copy.
constexpr qsizetype maxText = 64 * 1024 * 1024;

xcb_atom_t intern(xcb_connection_t *c, const char *name)
{
    const auto reply
        = own(xcb_intern_atom_reply(c, xcb_intern_atom(c, false, uint16_t(std::strlen(name)), name), nullptr));
    return reply ? reply->atom : xcb_atom_t(XCB_ATOM_NONE);
}

} // namespace

SelectionReader::SelectionReader()
    : deadline(new QTimer(this))
{
    deadline->setSingleShot(true);
    connect(deadline, &QTimer::timeout, this, [this] { finish(std::nullopt); });
}

SelectionReader::~SelectionReader()
{
    notifier.reset();
    if (connection)
        xcb_disconnect(connection);
}

bool SelectionReader::available()
{
    return QGuiApplication::platformName() == QLatin1String("xcb");
}

bool SelectionReader::connectOnce()
{
    if (connection && !xcb_connection_has_error(connection))
        return true;
    notifier.reset();
    if (connection)
        xcb_disconnect(connection);
    // The display Qt opened: the program takes no -display of Qt's.
    connection = xcb_connect(nullptr, nullptr);
    if (xcb_connection_has_error(connection))
        return false;
    const xcb_screen_t *screen = xcb_setup_roots_iterator(xcb_get_setup(connection)).data;
    window = xcb_generate_id(connection);
    const uint32_t events = XCB_EVENT_MASK_PROPERTY_CHANGE; // the parts of a long text
    xcb_create_window(connection, XCB_COPY_FROM_PARENT, window, screen->root, 0, 0, 1, 1, 0,
        XCB_WINDOW_CLASS_INPUT_ONLY, XCB_COPY_FROM_PARENT, XCB_CW_EVENT_MASK, &events);
    clipboardAtom = intern(connection, "CLIPBOARD");
    utf8Atom = intern(connection, "UTF8_STRING");
    propertyAtom = intern(connection, "ZOLVENAR_CLIPBOARD");
    incrAtom = intern(connection, "INCR");
    notifier = std::make_unique<QSocketNotifier>(xcb_get_file_descriptor(connection), QSocketNotifier::Read);
    connect(notifier.get(), &QSocketNotifier::activated, this, &SelectionReader::readable);
    return !xcb_connection_has_error(connection);
}

void SelectionReader::read(std::chrono::milliseconds bound, Done whenRead)
{
    cancel();
    if (!connectOnce()) {
        whenRead(std::nullopt);
        return;
    }
    done = std::move(whenRead);
    xcb_convert_selection(connection, window, clipboardAtom, utf8Atom, propertyAtom, XCB_CURRENT_TIME);
    xcb_flush(connection);
    deadline->start(bound);
}

void SelectionReader::cancel()
{
    done = nullptr;
    deadline->stop();
    incremental = false;
    received.clear();
}

void SelectionReader::readable()
{
    while (auto *raw = xcb_poll_for_event(connection)) {
        const auto event = own(raw);
        switch (event->response_type & ~0x80) {
        case XCB_SELECTION_NOTIFY: {
            const auto *notify = reinterpret_cast<const xcb_selection_notify_event_t *>(event.get());
            if (!done || incremental)
                break; // an answer to a request given up
            // No owner, or none with text: the empty text, as the toolkit reads it.
            if (notify->property == XCB_ATOM_NONE || !takeProperty(received, incremental))
                finish(QByteArray());
            else if (!incremental)
                finish(received);
            break;
        }
        case XCB_PROPERTY_NOTIFY: {
            const auto *change = reinterpret_cast<const xcb_property_notify_event_t *>(event.get());
            if (!done || !incremental || change->atom != propertyAtom || change->state != XCB_PROPERTY_NEW_VALUE)
                break;
            const qsizetype before = received.size();
            bool again = false;
            if (!takeProperty(received, again) || received.size() > maxText)
                finish(std::nullopt);
            else if (received.size() == before)
                finish(received); // an empty part ends the text
            break;
        }
        default:
            break;
        }
    }
    if (xcb_connection_has_error(connection))
        finish(std::nullopt);
}

bool SelectionReader::takeProperty(QByteArray &into, bool &isIncremental)
{
    // Deleted as it is read: that asks an owner sending parts for the next one.
    const auto reply = own(xcb_get_property_reply(connection,
        xcb_get_property(connection, true, window, propertyAtom, XCB_GET_PROPERTY_TYPE_ANY, 0, maxText / 4), nullptr));
    if (!reply || reply->type == XCB_ATOM_NONE)
        return false;
    if (reply->type == incrAtom) {
        isIncremental = true;
        return true;
    }
    into.append(
        static_cast<const char *>(xcb_get_property_value(reply.get())), xcb_get_property_value_length(reply.get()));
    xcb_flush(connection);
    return true;
}

void SelectionReader::finish(const std::optional<QByteArray> &text)
{
    // A copy first: the text may be the one being gathered, which the cancel clears.
    const std::optional<QByteArray> result = text;
    Done whenRead = std::move(done);
    cancel();
    if (whenRead)
        whenRead(result);
}
