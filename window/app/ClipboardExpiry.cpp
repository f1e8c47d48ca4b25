#include "window/app/ClipboardExpiry.h"

#include "core/results/ClipboardDigest.h"
#include "core/toolkit/TickCounter.h"
#include "window/app/WindowTexts.h"
#include "window/app/ZolvenarMainForm.h"
#include "window/toolkit/Clipboard.h"
#include "window/widgets/ResultsList.h"
#include "window/x11/SelectionReader.h"

#include <QAction>
#include <QActionGroup>
#include <QLabel>
#include <QTimer>

#include <chrono>

namespace {

constexpr std::uint64_t nanosecondsPerSecond = 1'000'000'000;
// How long another program that owns the clipboard may take to hand over its text
// before the timed clear leaves it alone: an owner answers within milliseconds, and
// the window goes on meanwhile.
constexpr std::chrono::seconds ownerAnswer { 5 };

} // namespace

ClipboardExpiry::ClipboardExpiry(ZolvenarMainForm &form)
    : form(form)
    , expiry(new QTimer(this))
    , ticker(new QTimer(this))
{
    expiry->setSingleShot(true);
    expiry->setTimerType(Qt::PreciseTimer);
    connect(expiry, &QTimer::timeout, &form, &ZolvenarMainForm::clipboardDelayRanOut);
    ticker->setInterval(1000);
    connect(ticker, &QTimer::timeout, this, &ClipboardExpiry::showLeft);
}

ClipboardExpiry::~ClipboardExpiry() = default;

void ClipboardExpiry::connectChoice()
{
    connect(form.groupClearClipboardAfter, &QActionGroup::triggered, this, &ClipboardExpiry::chosen);
}

int ClipboardExpiry::delay() const
{
    const QAction *chosen = form.groupClearClipboardAfter->checkedAction();
    return chosen ? chosen->data().toInt() : 0;
}

void ClipboardExpiry::copied()
{
    if (delay() > 0)
        start(delay());
    else
        stop();
}

// A new choice applies to the copy on the clipboard, counted from the choice;
// Never leaves it there.
void ClipboardExpiry::chosen()
{
    if (!counting)
        return;
    copied();
}

void ClipboardExpiry::start(int seconds)
{
    counting = true;
    deadline = TickCounter::ticks() + std::uint64_t(seconds) * nanosecondsPerSecond;
    expiry->start(seconds * 1000);
    ticker->start();
    if (reader)
        reader->cancel();
    form.listResult->reserveTopStrip(form.labelClipboard->height());
    form.labelClipboard->show();
    showLeft();
}

void ClipboardExpiry::showLeft()
{
    const std::uint64_t now = TickCounter::ticks();
    const std::uint64_t left = deadline > now ? deadline - now : 0;
    const QString text = WindowTexts::clipboardCountdown(int((left + nanosecondsPerSecond - 1) / nanosecondsPerSecond));
    if (text == form.labelClipboard->text())
        return;
    form.labelClipboard->setText(text);
    form.labelClipboard->setAccessibleName(text);
}

void ClipboardExpiry::stop()
{
    counting = false;
    expiry->stop();
    ticker->stop();
    if (reader)
        reader->cancel();
    form.labelClipboard->hide();
    form.listResult->reserveTopStrip(0);
}

void ClipboardExpiry::runOut()
{
    stop();
    if (form.clipboardDigest == QByteArray(16, '\0'))
        return;
    if (Clipboard::owns() || !SelectionReader::available()) {
        if (holdsOurCopy()) {
            Clipboard::empty();
            emptied();
        }
        return;
    }
    // Another X client owns the clipboard: its text is read on a connection of our
    // own, so an owner that never answers cannot stop the window.
    if (!reader)
        reader = std::make_unique<SelectionReader>();
    reader->read(ownerAnswer, [this](const std::optional<QByteArray> &text) {
        if (text && ClipboardDigest::of(*text) == form.clipboardDigest) {
            Clipboard::empty();
            emptied();
        }
    });
}

bool ClipboardExpiry::holdsOurCopy() const
{
    // Without a copy of ours the clipboard is not even read: its owner may never answer.
    if (form.clipboardDigest == QByteArray(16, '\0'))
        return false;
    // What we own is what we put there; only another owner's text is compared,
    // however it may have re-spaced or re-broken our lines.
    return Clipboard::owns() || ClipboardDigest::of(Clipboard::text()) == form.clipboardDigest;
}

void ClipboardExpiry::emptied()
{
    if (form.copiedNotSaved && form.listResult->count() > 0)
        form.unsavedPasswords = true;
    form.copiedNotSaved = false;
}
