#pragma once

#include <cstdint>
#include <string>

// What a run reports. Called with the tracker lock held, on whichever thread
// delivered the sample, so an implementation must only record or hand off.
// Every report names the run it belongs to.
class EngineSink
{
public:
    virtual ~EngineSink() = default;

    // A password is complete and kept; passDone counts the run's passwords so far.
    virtual void passwordFinished(std::uint64_t run, const std::string &password, std::uint32_t passDone) = 0;
    // Whole percent of the run's passwords done.
    virtual void titlePercent(std::uint64_t run, int percent) = 0;
    // Thousandths of the samples the password in progress needs; sent when it changes.
    virtual void progress(std::uint64_t run, int permille) = 0;
    // The run's last password is done and the engine has stopped.
    virtual void runOver(std::uint64_t run) = 0;
    // The engine has stopped the run because it could not go on (the system's
    // randomness failed); the passwords already reported stay valid.
    virtual void runFailed(std::uint64_t run, const std::string &message) = 0;
};
