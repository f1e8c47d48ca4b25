#include "window/app/MouseTrack.h"

#include "core/generation/GenerationOptions.h"
#include "core/generation/PasswordEngine.h"
#include "core/toolkit/TickCounter.h"
#include "window/app/TrackSink.h"
#include "window/widgets/IntComboBox.h"
#include "window/widgets/PushCheckButton.h"

#include <QAction>
#include <QCheckBox>
#include <QLineEdit>

#include <cstdlib>
#include <stdexcept>

ZolvenarMainForm::MouseTrack::MouseTrack(ZolvenarMainForm &form)
    : form(form)
    , runEngine(PasswordEngine::create(Psdes::fromTicks(TickCounter::ticks())))
    , sink(std::make_shared<TrackSink>(form, form.uiPoster()))
{
    runEngine->setSink(sink);
}

ZolvenarMainForm::MouseTrack::~MouseTrack()
{
    // The window may close mid-run: end it, cut the engine off from the window,
    // and give its threads five sleeps to leave. Any still inside hold the
    // engine themselves and find it stopped.
    runEngine->stop();
    runEngine->setSink(nullptr);
    sink->detach();
    runEngine->waitForThreads(5 * PasswordEngine::sleepMs);
}

namespace {

GenerationOptions::CharacterSet characterSet(const QCheckBox *box, const QLineEdit *edit)
{
    return { box->isChecked(), edit->text().toUtf8().toStdString() };
}

} // namespace

GenerationOptions::Inputs ZolvenarMainForm::MouseTrack::readInputs() const
{
    GenerationOptions::Inputs inputs;
    inputs.minLength = form.comboMinLength->currentText().toUtf8();
    inputs.maxLength = form.comboMaxLength->currentText().toUtf8();
    inputs.passCount = form.comboPassCount->currentText().toUtf8();
    inputs.passStrength = form.comboPassStrength->currentText().toUtf8();
    inputs.generators = form.comboGens->currentText().toUtf8();
    inputs.lowerCase = characterSet(form.checkLowerCase, form.editLowerCase);
    inputs.upperCase = characterSet(form.checkUpperCase, form.editUpperCase);
    inputs.number = characterSet(form.checkNumber, form.editNumber);
    inputs.symbol = characterSet(form.checkSymbol, form.editSymbol);
    inputs.includeCustom = characterSet(form.checkIncludeCustom, form.editIncludeCustom);
    inputs.similar = characterSet(form.checkSimilar, form.editSimilar);
    inputs.excludeCustom = characterSet(form.checkExcludeCustom, form.editExcludeCustom);
    inputs.mixSystemRandom = form.actionMixSystemRandom->isChecked();
    inputs.requireEachSet = form.actionRequireEachSet->isChecked();
    return inputs;
}

GenerationOptions ZolvenarMainForm::MouseTrack::readOptions() const
{
    return GenerationOptions::fromInputs(readInputs());
}

void ZolvenarMainForm::MouseTrack::start()
{
    const GenerationOptions options = readOptions();
    if (options.poolTooSmall()) {
        form.showError(GenerationOptions::tr(GenerationOptions::poolTooSmallText),
            GenerationOptions::tr(GenerationOptions::errorCaption));
        stop();
        return;
    }
    // A password of the minimum length must have room for a character of each set.
    if (options.tooShortForEachSet()) {
        form.showError(QString::fromStdString(options.tooShortForEachSetMessage()), ZolvenarMainForm::errorCaption());
        stop();
        return;
    }
    const std::string weak = options.weakSettingsMessage();
    if (!weak.empty()
        && !form.askYesNo(QString::fromStdString(weak), GenerationOptions::tr(GenerationOptions::questionCaption))) {
        stop();
        return;
    }
    beginRun(options);
}

void ZolvenarMainForm::MouseTrack::beginRun(const GenerationOptions &options)
{
    generators = options.generators;
    run = runEngine->begin(options);
    sink->showRun(run);
    form.showRunning(options.passCount);

    const PasswordEngine::GeneratorStart started = runEngine->startGenerators(generators, run);
    if (started.error) {
        form.showError(tr("Failed to initialize generator. There are %1 active generators\n%2")
                           .arg(started.started)
                           .arg(QString::fromStdString(*started.error)),
            GenerationOptions::tr(GenerationOptions::errorCaption));
    }
}

void ZolvenarMainForm::MouseTrack::stop()
{
    runEngine->stop();
    sink->restoreIdle();
}

void ZolvenarMainForm::MouseTrack::onMouseMove(int x, int y)
{
    if (!runEngine->running())
        return;
    const long long distance
        = std::llabs(static_cast<long long>(x) - lastPointX) + std::llabs(static_cast<long long>(y) - lastPointY);
    if (distance < minimumMove)
        return;
    const std::uint32_t sample = (static_cast<std::uint32_t>(y) << 16) | static_cast<std::uint32_t>(x);
    if (generators == 0) {
        runEngine->addSample(sample, run, PasswordEngine::Intake::dropWhilePaused);
    } else {
        try {
            runEngine->startSampleWorker(sample, run);
        } catch (const std::runtime_error &error) {
            // Every later sample would fail alike, one error each, and the run could
            // not go on: it stops here, and what it made stays in the list.
            stop();
            form.showError(tr("The run has stopped: no thread could be started for a mouse sample. "
                              "The passwords made so far are kept.\n%1")
                               .arg(QString::fromUtf8(error.what())),
                GenerationOptions::tr(GenerationOptions::errorCaption));
            return;
        }
    }
    lastPointX = x;
    lastPointY = y;
}

bool ZolvenarMainForm::MouseTrack::running() const
{
    return runEngine->running();
}

bool ZolvenarMainForm::MouseTrack::paused() const
{
    return runEngine->paused();
}

void ZolvenarMainForm::MouseTrack::setPaused(bool value)
{
    runEngine->setPaused(value);
}
