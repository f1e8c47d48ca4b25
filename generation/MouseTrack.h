#pragma once

#include "app/ZolvenarMainForm.h"

#include <cstdint>

// The window side of a generation run: reads the options from the controls,
// feeds mouse samples to the engine and turns its reports into window updates.
class ZolvenarMainForm::MouseTrack
{
public:
    explicit MouseTrack(ZolvenarMainForm &form);
    virtual ~MouseTrack();

    virtual void start();
    virtual void stop();
    virtual void onMouseMove(int x, int y);

    bool running() const;
    bool paused() const;
    void setPaused(bool paused);

private:
    ZolvenarMainForm &form;
};
