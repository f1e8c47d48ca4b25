#pragma once

#include "core/generation/EngineSink.h"

#include <cstdint>
#include <memory>

class QString;

class UiPoster;
class ZolvenarMainForm;

// Turns a run's reports into window updates. Reports arrive on any thread and
// are only posted from there; the posted work runs on the window's thread and
// applies only while the window still shows the run it belongs to.
class TrackSink : public EngineSink, public std::enable_shared_from_this<TrackSink>
{
public:
    TrackSink(ZolvenarMainForm &form, std::shared_ptr<UiPoster> poster);

    void passwordFinished(std::uint64_t run, const std::string &password, std::uint32_t passDone) override;
    void titlePercent(std::uint64_t run, int percent) override;
    void progress(std::uint64_t run, int permille) override;
    void runOver(std::uint64_t run) override;
    void runFailed(std::uint64_t run, const std::string &message) override;

    // Window thread only.
    void showRun(std::uint64_t run) { shownRun = run; }
    // The idle window: what a stop shows, whoever stopped the run.
    void restoreIdle();
    // The window is going away: posted work still waiting does nothing.
    void detach() { form = nullptr; }

private:
    void appendPassword(const QString &text);
    bool shows(std::uint64_t run) const { return form && run != 0 && run == shownRun; }

    // Coalescing slots of the window's poster.
    enum Slot { titleSlot = 4001, progressPassSlot = 4002, progressTotalSlot = 4003 };

    const std::shared_ptr<UiPoster> poster;
    // Window thread only below.
    ZolvenarMainForm *form;
    std::uint64_t shownRun = 0;
};
