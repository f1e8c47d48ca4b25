#include "core/toolkit/UiPoster.h"

#include <QCoreApplication>
#include <QEvent>

#include <map>
#include <mutex>

// Shared by the poster and its receiver, so whichever of them goes first leaves
// the other something valid to lock.
struct UiPoster::State
{
    std::mutex mutex;
    QObject *receiver = nullptr; // under mutex; cleared before the receiver dies
    std::map<int, std::function<void()>> latest;
};

namespace {

const QEvent::Type workEventType = static_cast<QEvent::Type>(QEvent::registerEventType());

class WorkEvent : public QEvent
{
public:
    explicit WorkEvent(std::function<void()> work)
        : QEvent(workEventType)
        , work(std::move(work))
    { }
    std::function<void()> work;
};

// Lives in the target's thread as the target's child, so it dies with the target
// and Qt discards its undelivered events then.
class Receiver : public QObject
{
public:
    Receiver(QObject *target, std::shared_ptr<UiPoster::State> state)
        : QObject(target)
        , state(std::move(state))
    { }

    ~Receiver() override
    {
        // From here on posters see no receiver; any event already queued for this
        // object is deleted unrun by QObject's destructor.
        std::map<int, std::function<void()>> dropped;
        std::scoped_lock lock(state->mutex);
        state->receiver = nullptr;
        dropped.swap(state->latest); // destroyed after the lock is released
    }

    bool event(QEvent *event) override
    {
        if (event->type() != workEventType)
            return QObject::event(event);
        static_cast<WorkEvent *>(event)->work();
        return true;
    }

private:
    std::shared_ptr<UiPoster::State> state;
};

void runLatest(const std::shared_ptr<UiPoster::State> &state, int slot)
{
    std::function<void()> work;
    {
        std::scoped_lock lock(state->mutex);
        auto found = state->latest.find(slot);
        if (found == state->latest.end())
            return;
        work = std::move(found->second);
        state->latest.erase(found);
    }
    work();
}

} // namespace

UiPoster::UiPoster(QObject *target)
    : state(std::make_shared<State>())
{
    state->receiver = new Receiver(target, state);
}

// Work already posted still runs: only the target's end drops it.
UiPoster::~UiPoster() = default;

void UiPoster::post(std::function<void()> work)
{
    std::scoped_lock lock(state->mutex);
    // Posting under the lock: the receiver cannot be destroyed between the check
    // and the post, since its destructor takes the same lock first.
    if (state->receiver)
        QCoreApplication::postEvent(state->receiver, new WorkEvent(std::move(work)));
}

void UiPoster::postLatest(int slot, std::function<void()> work)
{
    std::scoped_lock lock(state->mutex);
    if (!state->receiver)
        return;
    const bool waiting = state->latest.count(slot) != 0;
    state->latest[slot] = std::move(work);
    if (!waiting)
        QCoreApplication::postEvent(state->receiver, new WorkEvent([state = state, slot] { runLatest(state, slot); }));
}

void UiPoster::deliverPending()
{
    QObject *receiver = nullptr;
    {
        std::scoped_lock lock(state->mutex);
        receiver = state->receiver;
    }
    // Only this thread destroys the receiver, so it cannot go while the work runs.
    if (receiver)
        QCoreApplication::sendPostedEvents(receiver, workEventType);
}

void UiPoster::detach()
{
    std::map<int, std::function<void()>> dropped;
    std::scoped_lock lock(state->mutex);
    if (state->receiver) {
        QCoreApplication::removePostedEvents(state->receiver, workEventType);
        state->receiver = nullptr;
    }
    dropped.swap(state->latest);
}

bool UiPoster::attached() const
{
    std::scoped_lock lock(state->mutex);
    return state->receiver != nullptr;
}
