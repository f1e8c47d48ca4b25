#pragma once

#include <QObject>

#include <functional>
#include <memory>

// Hands work from any thread to the thread of one target object, never blocking
// the caller. Work for a target that has gone is dropped, never run. Worker
// threads hold the poster by shared_ptr, so it may outlive the target safely.
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

    // Runs the work still waiting, now. Target's thread only.
    void deliverPending();

    // The target is going away: drops everything pending and everything later.
    // Also happens by itself when the target is destroyed.
    void detach();

    // False once the target has gone or detach() was called.
    bool attached() const;

    struct State;

private:
    std::shared_ptr<State> state;
};
