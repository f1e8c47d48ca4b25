#pragma once

#include "core/generation/GenerationOptions.h"
#include "core/generation/StrengthModel.h"

#include <QObject>

#include <cstdint>
#include <functional>
#include <memory>

class UiPoster;
class ZolvenarMainForm;

// The strength line: what each password is worth with the options as a run would
// read them now, following every change. Options of any size a user can type are
// weighed at once; the long sets a settings file may hold are weighed on a worker
// thread, so the window never waits for them.
class StrengthLine : public QObject
{
    Q_OBJECT

public:
    explicit StrengthLine(ZolvenarMainForm &form);
    ~StrengthLine() override;

    // Follows every option control from now on, starting with what they hold.
    void connectOptions();
    void refresh();

    // A set typed in full is 256 characters, at most 768 bytes: with every set that
    // long and both exclusions on, the pool builds in under 10 ms. Only the file gives
    // longer sets (up to 64 KiB), and their exclusions may take minutes.
    static constexpr qsizetype maxSetBytesWeighedAtOnce = 1024;

    using Model = std::function<StrengthModel::Figure(const GenerationOptions &)>;
    // Test hook: weighs with this model instead of StrengthModel::of; empty restores it.
    static void setModelForTesting(Model model);

private:
    struct Queue;

    void show(const StrengthModel::Figure &figure);
    static void weighInTurn(
        const std::shared_ptr<Queue> &queue, const std::shared_ptr<UiPoster> &poster, StrengthLine *line);

    ZolvenarMainForm &form;
    std::shared_ptr<Queue> queue;
    std::uint64_t latest = 0; // the newest request; window's thread only
};
