#pragma once

#include <QObject>

#include <functional>
#include <map>
#include <mutex>

// Hands work from any thread to the thread of one target object, never blocking
// the caller. Work for a target that has gone is dropped, never run. Worker
// threads hold the poster by shared_ptr, so it outlives the target safely.
class UiPoster
{
public:
    explicit UiPoster(QObject *target);
    ~UiPoster();

    UiPoster(const UiPoster &) = delete;
    UiPoster &operator=(const UiPoster &) = delete;

    // Runs work on the target's thread, in the order posted.
    void post(std::function<void()> work);

    // Like post, but while an update for the same slot is still waiting only the
    // newest one is kept: frequent updates (progress, title) cannot flood the loop.
    void postLatest(int slot, std::function<void()> work);

    // The target is going away: drops everything pending and everything later.
    void detach();

private:
    friend class UiPosterReceiver;
    void runLatest(int slot);

    std::mutex mutex;
    QObject *receiver = nullptr; // lives in the target's thread, child of the target
    std::map<int, std::function<void()>> latest;
};
