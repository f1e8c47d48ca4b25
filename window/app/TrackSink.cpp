#include "window/app/TrackSink.h"

#include "core/toolkit/UiPoster.h"
#include "window/app/ZolvenarMainForm.h"
#include "window/widgets/PushCheckButton.h"
#include "window/widgets/ResultsList.h"

#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>

TrackSink::TrackSink(ZolvenarMainForm &form, std::shared_ptr<UiPoster> poster)
    : poster(std::move(poster))
    , form(&form)
{ }

void TrackSink::passwordFinished(std::uint64_t run, const std::string &password, std::uint32_t passDone)
{
    // A finished password is the user's, even when a stop was shown first: only
    // the progress of a run that is over is dropped.
    poster->post([self = shared_from_this(), text = QString::fromLatin1(password)] {
        if (self->form)
            self->appendPassword(text);
    });
    poster->postLatest(progressTotalSlot, [self = shared_from_this(), run, passDone] {
        if (self->shows(run))
            self->form->progressTotal->setValue(static_cast<int>(passDone));
    });
}

void TrackSink::titlePercent(std::uint64_t run, int percent)
{
    poster->postLatest(titleSlot, [self = shared_from_this(), run, percent] {
        if (self->shows(run))
            self->form->setWindowTitle(ZolvenarMainForm::runningTitle(percent));
    });
}

void TrackSink::progress(std::uint64_t run, int permille)
{
    poster->postLatest(progressPassSlot, [self = shared_from_this(), run, permille] {
        if (self->shows(run))
            self->form->progressPass->setValue(permille);
    });
}

void TrackSink::runOver(std::uint64_t run)
{
    poster->post([self = shared_from_this(), run] {
        if (self->shows(run))
            self->restoreIdle();
    });
}

void TrackSink::runFailed(std::uint64_t run, const std::string &message)
{
    poster->post([self = shared_from_this(), run, text = QString::fromStdString(message)] {
        if (!self->shows(run))
            return;
        // Idle first, as a stop shows it, so the box stands over a window at rest.
        self->restoreIdle();
        self->form->showError(text, ZolvenarMainForm::errorCaption());
    });
}

void TrackSink::appendPassword(const QString &text)
{
    form->listResult->addItem(text);
    form->unsavedPasswords = true;
    // After the stop the idle window offers the list's buttons as for any other
    // password; a delete in progress (the generate button off) restores them itself.
    if (shownRun == 0 && form->checkGen->isEnabled()) {
        for (QPushButton *button : form->listButtons)
            button->setEnabled(true);
    }
}

void TrackSink::restoreIdle()
{
    shownRun = 0;
    if (form)
        form->showIdle();
}
