#pragma once

#include "core/generation/GenerationOptions.h"
#include "core/generation/StrengthModel.h"

#include <QObject>

#include <functional>

class ZolvenarMainForm;

// The strength line: what each password is worth with the options as a run would
// read them now, following every change. Weighed on the window's thread: with every
// set 64 KiB (the most the file gives) and both exclusions on, under a millisecond.
class StrengthLine : public QObject
{
    Q_OBJECT

public:
    explicit StrengthLine(ZolvenarMainForm &form);
    ~StrengthLine() override;

    // Follows every option control from now on, starting with what they hold.
    void connectOptions();
    void refresh();

    using Model = std::function<StrengthModel::Figure(const GenerationOptions &)>;
    // Test hook: weighs with this model instead of StrengthModel::of; empty restores it.
    static void setModelForTesting(Model model);

private:
    ZolvenarMainForm &form;
};
