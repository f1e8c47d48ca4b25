#pragma once

#include <QByteArray>
#include <QObject>

#include <chrono>
#include <functional>
#include <memory>
#include <optional>

class QSocketNotifier;
class QTimer;
struct xcb_connection_t;

// The X server's CLIPBOARD text as another client owns it, read without waiting:
// on a connection of its own whose answers the window's event loop hears, so an
// owner that never answers costs the window nothing. Qt's own read waits on the
// window's thread for as long as 10 seconds.
class SelectionReader : public QObject
{
    Q_OBJECT

public:
    // The text as UTF-8, empty when the owner offers none; nothing when no answer
    // came within the bound or the server could not be asked.
    using Done = std::function<void(const std::optional<QByteArray> &text)>;

    SelectionReader();
    ~SelectionReader() override;

    // Whether the program runs on an X server.
    static bool available();
    // Asks the owner; done runs once, on this thread, unless cancelled first.
    void read(std::chrono::milliseconds bound, Done done);
    void cancel();

private:
    bool connectOnce();
    void readable();
    void finish(const std::optional<QByteArray> &text);
    // The property the owner wrote, deleted as it is read; false when it is gone.
    bool takeProperty(QByteArray &into, bool &incremental);

    xcb_connection_t *connection = nullptr;
    quint32 window = 0;
    quint32 clipboardAtom = 0;
    quint32 utf8Atom = 0;
    quint32 propertyAtom = 0;
    quint32 incrAtom = 0;
    std::unique_ptr<QSocketNotifier> notifier; // goes before the socket it watches closes
    QTimer *deadline = nullptr;
    Done done;
    bool incremental = false; // the owner sends its text in parts
    QByteArray received;
};
