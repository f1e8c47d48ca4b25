#pragma once

#include <QObject>
#include <QRect>

#include <memory>
#include <optional>

class QWidget;
class WindowFrame;

// Where a top-level window stands, in the outer bounds (frame included) that the
// settings store. Qt hears of a window manager's frame late, so bounds applied
// before it is known are applied again once it is, and only then is a restored
// window maximized: the window manager keeps the bounds a window has when it is
// maximized for its restore. Without a window manager all happens at once.
class WindowPlacement : public QObject
{
    Q_OBJECT

public:
    // Outer bounds as stored; a missing one keeps the window's own and centres it.
    struct StoredBounds
    {
        std::optional<int> width;
        std::optional<int> height;
        std::optional<int> top;
        std::optional<int> left;
        bool maximized = false;
    };
    // What a save records: the outer bounds in the normal state, and the state.
    struct SavedBounds
    {
        QRect outer;
        bool maximized = false;
    };

    explicit WindowPlacement(QWidget &window);
    ~WindowPlacement() override;

    // Clamped to the fixed limits of the stored geometry, width and height first.
    void applyStored(const StoredBounds &stored);
    void centreWhenFirstShown();
    // Sets the window to the normal state to read its bounds there. A maximized
    // window under a window manager is read once the window manager has put it back,
    // which this waits for (a second at most).
    SavedBounds boundsToSave();
    // Touches neither the window nor the display: its bounds as last seen in the
    // normal state, so the window stays as it is and a lost display is no obstacle.
    SavedBounds boundsAsLastSeen() const;
    // Whether a window's place (LEFT, TOP) can be known and set on this display.
    static bool placesKnown();

Q_SIGNALS:
    // The bounds as last seen, or the state, may have changed.
    void seen();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void frameChanged();
    QPoint centredPosition(QSize outer) const;
    void centre();
    // Sets the window to the normal state and returns its outer bounds in it.
    QRect restoreForSave();
    QRect lastSeenBounds() const;
    // A window still waiting for its frame to be maximized counts as maximized.
    bool maximizeStillPending() const { return fit.pending && fit.maximize; }

    QWidget &window;
    std::unique_ptr<WindowFrame> frame;
    bool centreOnShow = false;
    QRect lastSeen; // outer bounds, the last time the window was seen in the normal state
    // What the window still needs once its frame is known.
    struct
    {
        bool pending = false;
        QRect outer; // as applied while the frame was unknown
        bool outerWidth = false; // the width and height above are outer ones
        bool outerHeight = false;
        bool centre = false;
        bool maximize = false;
    } fit;
};
