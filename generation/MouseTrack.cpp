#include "generation/MouseTrack.h"

ZolvenarMainForm::MouseTrack::MouseTrack(ZolvenarMainForm &form)
    : form(form)
{
}

ZolvenarMainForm::MouseTrack::~MouseTrack() = default;

void ZolvenarMainForm::MouseTrack::start()
{
}

void ZolvenarMainForm::MouseTrack::stop()
{
}

void ZolvenarMainForm::MouseTrack::onMouseMove(int x, int y)
{
    (void)x;
    (void)y;
}

bool ZolvenarMainForm::MouseTrack::running() const
{
    return false;
}

bool ZolvenarMainForm::MouseTrack::paused() const
{
    return false;
}

void ZolvenarMainForm::MouseTrack::setPaused(bool value)
{
    (void)value;
}
