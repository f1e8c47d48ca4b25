#pragma once

class ZolvenarMainForm;

// Places and sizes the main window's controls for its client size and panel state.
// Right to left (Arabic), every control takes the mirror image of its place.
class MainFormLayout
{
public:
    explicit MainFormLayout(ZolvenarMainForm &form);

    void layoutControls();
    void onShowSettingsClick();

private:
    void placeControls();
    // Mirrors every control's place across the client width; back with the width
    // the mirror used, for the window may have been resized since.
    void mirror(int width);

    ZolvenarMainForm &form;
    int depth = 0; // growing the window lays it out again inside a layout
    int mirroredAt = 0; // the client width of the mirror image shown, 0 for none
};
