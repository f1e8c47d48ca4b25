#pragma once

#include "core/generation/GenerationOptions.h"
#include "window/app/ZolvenarMainForm.h"

#include <QCoreApplication>

#include <cstdint>
#include <memory>

class PasswordEngine;
class TrackSink;

// The window side of a generation run: reads the options from the controls,
// feeds mouse samples to the engine and turns its reports into window updates.
class ZolvenarMainForm::MouseTrack
{
    Q_DECLARE_TR_FUNCTIONS(ZolvenarMainForm::MouseTrack)

public:
    explicit MouseTrack(ZolvenarMainForm &form);
    virtual ~MouseTrack();

    virtual void start();
    virtual void stop();
    virtual void onMouseMove(int x, int y);

    bool running() const;
    bool paused() const;
    void setPaused(bool paused);

    int lastX() const { return lastPointX; }
    int lastY() const { return lastPointY; }
    PasswordEngine &engine() const { return *runEngine; }

    // A sample is taken once the pointer has moved this far (across plus down).
    static constexpr int minimumMove = 32;

    // What the option controls hold now, as a run reads them; no side effects.
    GenerationOptions::Inputs readInputs() const;
    GenerationOptions readOptions() const;

private:
    void beginRun(const GenerationOptions &options);

    ZolvenarMainForm &form;
    std::shared_ptr<PasswordEngine> runEngine;
    std::shared_ptr<TrackSink> sink;
    std::uint64_t run = 0;
    int generators = 0;
    int lastPointX = 0;
    int lastPointY = 0;
};
