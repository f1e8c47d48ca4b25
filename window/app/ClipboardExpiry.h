#pragma once

#include <QObject>

#include <cstdint>
#include <memory>

class QTimer;
class SelectionReader;
class ZolvenarMainForm;

// A copy's time on the clipboard: from each copy, the chosen delay counts down on
// the window's thread, shown in a line above the list, and when it runs out the
// clipboard is emptied while it still holds that copy. Passwords that leave the
// clipboard this way and were saved nowhere else count as unsaved again.
class ClipboardExpiry : public QObject
{
    Q_OBJECT

public:
    explicit ClipboardExpiry(ZolvenarMainForm &form);
    ~ClipboardExpiry() override;

    // Follows the menu's choice of delay from now on.
    void connectChoice();
    // The chosen delay in seconds, 0 for Never.
    int delay() const;
    // A copy of ours reached the clipboard: the delay starts again.
    void copied();
    // A delay is counting down.
    bool pending() const { return counting; }
    // The delay has run out: the clipboard is emptied if it still holds our copy,
    // without waiting on another program that owns it now.
    void runOut();
    // The closing sequence: no countdown goes on, and no answer is waited for.
    void stop();
    // The clipboard holds our copy as far as can be told without waiting: true while
    // we own it, else after reading it (the toolkit's own wait bounds that read).
    bool holdsOurCopy() const;
    // Our copy has left the clipboard through us.
    void emptied();

private:
    void chosen();
    void start(int seconds);
    void showLeft();

    ZolvenarMainForm &form;
    QTimer *expiry = nullptr;
    QTimer *ticker = nullptr;
    std::uint64_t deadline = 0; // TickCounter ticks
    bool counting = false;
    std::unique_ptr<SelectionReader> reader;
};
