#include "window/app/StrengthLine.h"

#include "core/toolkit/Threads.h"
#include "core/toolkit/UiPoster.h"
#include "window/app/MouseTrack.h"
#include "window/app/WindowTexts.h"
#include "window/widgets/IntComboBox.h"

#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>

#include <mutex>
#include <optional>
#include <stdexcept>

namespace {

StrengthLine::Model modelHook;

// The worker's coalescing slot on the window's poster.
constexpr int figureSlot = 4101;

bool weighedAtOnce(const GenerationOptions::Inputs &inputs)
{
    for (const GenerationOptions::CharacterSet *set : { &inputs.lowerCase, &inputs.upperCase, &inputs.number,
             &inputs.symbol, &inputs.includeCustom, &inputs.similar, &inputs.excludeCustom }) {
        if (set->text.size() > StrengthLine::maxSetBytesWeighedAtOnce)
            return false;
    }
    return true;
}

} // namespace

// Requests for the worker: only the newest waits, the worker takes it when done.
struct StrengthLine::Queue
{
    struct Job
    {
        std::uint64_t request = 0;
        GenerationOptions::Inputs inputs;
        Model model;
    };

    std::mutex mutex;
    std::optional<Job> next;
    bool working = false; // a worker is alive and will look at next again
};

StrengthLine::StrengthLine(ZolvenarMainForm &form)
    : form(form)
    , queue(std::make_shared<Queue>())
{ }

StrengthLine::~StrengthLine() = default;

void StrengthLine::setModelForTesting(Model model)
{
    modelHook = std::move(model);
}

void StrengthLine::connectOptions()
{
    for (QCheckBox *box : form.setCheckBoxes)
        connect(box, &QCheckBox::toggled, this, &StrengthLine::refresh);
    for (QLineEdit *box : form.setEdits)
        connect(box, &QLineEdit::textChanged, this, &StrengthLine::refresh);
    for (IntComboBox *box : form.numericCombos)
        connect(box, &IntComboBox::editTextChanged, this, &StrengthLine::refresh);
    for (QAction *action : { form.actionMixSystemRandom, form.actionRequireEachSet })
        connect(action, &QAction::toggled, this, &StrengthLine::refresh);
    refresh();
}

void StrengthLine::refresh()
{
    const std::uint64_t request = ++latest;
    GenerationOptions::Inputs inputs = form.mouseTrack->readInputs();
    const Model model = modelHook ? modelHook : Model(&StrengthModel::of);
    if (weighedAtOnce(inputs)) {
        {
            std::scoped_lock lock(queue->mutex);
            queue->next.reset(); // a long request still waiting is out of date
        }
        show(model(GenerationOptions::fromInputs(inputs)));
        return;
    }
    {
        std::scoped_lock lock(queue->mutex);
        queue->next = Queue::Job { request, std::move(inputs), model };
        if (queue->working)
            return;
        queue->working = true;
    }
    try {
        Threads::start([queue = queue, poster = form.uiPoster(), this] { weighInTurn(queue, poster, this); });
    } catch (const std::runtime_error &) {
        // No thread to be had: the line keeps its figure until the next change.
        std::scoped_lock lock(queue->mutex);
        queue->next.reset();
        queue->working = false;
    }
}

void StrengthLine::weighInTurn(
    const std::shared_ptr<Queue> &queue, const std::shared_ptr<UiPoster> &poster, StrengthLine *line)
{
    for (;;) {
        Queue::Job job;
        {
            std::scoped_lock lock(queue->mutex);
            if (!queue->next) {
                queue->working = false;
                return;
            }
            job = std::move(*queue->next);
            queue->next.reset();
        }
        StrengthModel::Figure figure;
        try {
            figure = job.model(GenerationOptions::fromInputs(job.inputs));
        } catch (...) {
            std::scoped_lock lock(queue->mutex);
            queue->working = false;
            throw;
        }
        // The line is the window's, and work for a window that has gone is never run.
        poster->postLatest(figureSlot, [line, request = job.request, figure] {
            if (request == line->latest)
                line->show(figure);
        });
    }
}

void StrengthLine::show(const StrengthModel::Figure &figure)
{
    const QString text = WindowTexts::strength(figure);
    if (text == form.labelStrength->text())
        return;
    form.labelStrength->setText(text);
    form.labelStrength->setAccessibleName(text);
}
