#include "toolkit/UiPoster.h"

#include <QCoreApplication>
#include <QEvent>

namespace {

const QEvent::Type workEventType = static_cast<QEvent::Type>(QEvent::registerEventType());

class WorkEvent : public QEvent
{
public:
    explicit WorkEvent(std::function<void()> work)
        : QEvent(workEventType)
        , work(std::move(work))
    {
    }
    std::function<void()> work;
};

} // namespace

class UiPosterReceiver : public QObject
{
public:
    explicit UiPosterReceiver(QObject *parent)
        : QObject(parent)
    {
    }

    bool event(QEvent *event) override
    {
        if (event->type() != workEventType)
            return QObject::event(event);
        static_cast<WorkEvent *>(event)->work();
        return true;
    }
};

UiPoster::UiPoster(QObject *target)
    : receiver(new UiPosterReceiver(target))
{
}

UiPoster::~UiPoster() = default;

void UiPoster::post(std::function<void()> work)
{
    std::scoped_lock lock(mutex);
    // Posting under the lock: detach() cannot slip in between the check and the post.
    if (receiver)
        QCoreApplication::postEvent(receiver, new WorkEvent(std::move(work)));
}

void UiPoster::postLatest(int slot, std::function<void()> work)
{
    std::scoped_lock lock(mutex);
    if (!receiver)
        return;
    const bool waiting = latest.count(slot) != 0;
    latest[slot] = std::move(work);
    if (!waiting)
        QCoreApplication::postEvent(receiver, new WorkEvent([this, slot] { runLatest(slot); }));
}

void UiPoster::runLatest(int slot)
{
    std::function<void()> work;
    {
        std::scoped_lock lock(mutex);
        auto found = latest.find(slot);
        if (found == latest.end())
            return;
        work = std::move(found->second);
        latest.erase(found);
    }
    work();
}

void UiPoster::detach()
{
    std::scoped_lock lock(mutex);
    if (receiver) {
        QCoreApplication::removePostedEvents(receiver, workEventType);
        receiver = nullptr;
    }
    latest.clear();
}
