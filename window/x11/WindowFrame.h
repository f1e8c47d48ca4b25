#pragma once

#include <QMargins>
#include <QObject>
#include <QRect>

#include <cstdint>
#include <memory>
#include <optional>
#include <vector>

class QWidget;

// A top-level window's frame as the X server has it. Qt learns of the window
// manager's frame late and keeps a copy that can lag behind it, so what must match
// the screen is read from the server itself. Off X11, Qt's copy is all there is.
// Everything here is in the window's own (logical) pixels, as Qt's geometry is,
// whatever the scale of the desktop.
class WindowFrame : public QObject
{
    Q_OBJECT

public:
    explicit WindowFrame(QWidget &window);
    ~WindowFrame() override;

    // Whether a window manager that announces its frames runs on the display.
    bool managed() const;
    // Whether a window's place on the screen can be known and set at all: Wayland
    // tells no client where its window is.
    static bool placesKnown();
    // The frame's widths around the client area, once the window manager has set them
    // (off X11: once Qt has a frame that is not empty).
    std::optional<QMargins> extents() const;
    // The frame's widths from the values of the window's _NET_FRAME_EXTENTS (left,
    // right, top, bottom): nullopt while the window manager has not set them.
    static std::optional<QMargins> fromFrameExtents(const std::vector<std::uint32_t> &widths);
    // The window's outermost bounds on the screen, frame included.
    QRect bounds() const;
    // Whether the window manager has the window neither maximized, full-screen nor
    // minimized. It changes this before it moves the window, and before Qt knows.
    bool normalState() const;
    // Whether the window is maximized as the window manager has it; Qt hears of a
    // change late. Without a window manager, Qt's own state.
    bool maximized() const;
    // Once the window has been asked out of the maximized or full-screen state, in
    // which its bounds were from: its bounds after the window manager has put it
    // back (Qt hears of that too late), or nullopt if that takes over a second.
    std::optional<QRect> waitRestored(const QRect &from) const;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

Q_SIGNALS:
    // The window manager has set the frame's widths or placed the window. Queued, so
    // that Qt has handled the same event by then.
    void changed();

private:
    class Watch;

    // In the server's (device) pixels.
    std::optional<QMargins> deviceExtents() const;
    QRect toLogical(const QRect &device) const;
    QMargins toLogical(const QMargins &device) const;

    QWidget &window;
    std::unique_ptr<Watch> watch;
};
