#pragma once

#include "window/app/ZolvenarMainForm.h"

#include <QTemporaryDir>

#include <memory>

// Mixed into widget test classes: a temporary working directory for the settings
// file the window reads and writes, and the window under test.
class FormFixture
{
protected:
    enum class Show {
        no,
        exposed,
        active, // for tests that move the keyboard focus
    };

    // Makes a fresh temporary directory current; false when that failed.
    bool enterTemporaryDirectory();
    // Builds the window and shows it as asked; false when it did not come up.
    bool openForm(Show show = Show::exposed);
    void closeForm() { form.reset(); }

    std::unique_ptr<ZolvenarMainForm> form;

private:
    std::unique_ptr<QTemporaryDir> workDir;
};
