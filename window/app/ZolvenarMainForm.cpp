#include "window/app/ZolvenarMainForm.h"

#include "core/process/ExitGuard.h"
#include "core/process/TerminationSignals.h"
#include "core/settings/SettingsSchema.h"
#include "core/settings/SettingsWriter.h"
#include "core/toolkit/UiPoster.h"
#include "window/app/CTip.h"
#include "window/app/ClipboardExpiry.h"
#include "window/app/ContextMenu.h"
#include "window/app/MainFormLayout.h"
#include "window/app/MouseMoveRouter.h"
#include "window/app/MouseTrack.h"
#include "window/app/OptionControls.h"
#include "window/app/ResultsActions.h"
#include "window/app/SettingsBinding.h"
#include "window/app/StrengthLine.h"
#include "window/app/WindowTexts.h"
#include "window/toolkit/Clipboard.h"
#include "window/toolkit/MessageBoxes.h"
#include "window/toolkit/PendingMessages.h"
#include "window/toolkit/ResourceIconEngine.h"
#include "window/toolkit/ToolTipComponent.h"
#include "window/toolkit/ZolvenarApplication.h"
#include "window/widgets/IntComboBox.h"
#include "window/widgets/PushCheckButton.h"
#include "window/widgets/ResultsList.h"
#include "window/widgets/TypedLengthEdit.h"
#include "window/x11/SessionManagement.h"

#include <QAction>
#include <QActionGroup>
#include <QCheckBox>
#include <QCloseEvent>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>
#include <QScopeGuard>
#include <QSessionManager>
#include <QThread>
#include <QTimer>

#include <exception>

const QString ZolvenarMainForm::idleTitle = QStringLiteral("Zolvenar " ZOLVENAR_VERSION);

QString ZolvenarMainForm::generateText()
{
    return tr("Click Here to Generate Passwords");
}

QString ZolvenarMainForm::runningText()
{
    return tr("Move the mouse around in this window or click here to stop");
}

QString ZolvenarMainForm::runningTitle(int percent)
{
    return tr("Zolvenar - %1%").arg(percent);
}

QString ZolvenarMainForm::errorCaption()
{
    return tr("Zolvenar Error");
}

ZolvenarMainForm::ZolvenarMainForm(QWidget *parent)
    : QWidget(parent)
    , poster(std::make_shared<UiPoster>(this))
{
    setWindowTitle(idleTitle);
    setFont(QFont(QStringLiteral("Verdana"), 9));
    resize(632, 447);
    createControls();
    postInitialize();
}

ZolvenarMainForm::~ZolvenarMainForm()
{
    ExitGuard::disarm();
    // Nothing posted from a worker may reach a window that is going away; workers
    // of a run still going keep their poster and find it detached.
    poster->detach();
    mouseTrack.reset();
}

namespace {

template <typename Control> Control *place(Control *control, const char *name, int x, int y, int width, int height)
{
    control->setObjectName(QString::fromLatin1(name));
    control->setGeometry(x, y, width, height);
    return control;
}

} // namespace

void ZolvenarMainForm::createControls()
{
    auto check = [this](const char *name, const QString &text, int x, int y, int width) {
        return place(new QCheckBox(text, this), name, x, y, width, 20);
    };
    // Empty until resetCharacterSettings gives the sets their default texts.
    auto edit = [this](const char *name, int y) {
        auto *box = place(new TypedLengthEdit(this), name, 132, y, 232, 20);
        // Room for any set a user would type; loaded text is bound only by SettingsSchema::maxSetBytes.
        box->setMaxTypedLength(256);
        return box;
    };
    auto label = [this](const char *name, const QString &text, int y) {
        auto *box = place(new QLabel(text, this), name, 372, y, 128, 20);
        box->setAlignment(Qt::AlignVCenter | Qt::AlignLeft);
        return box;
    };
    auto combo = [this](const char *name, const char *text, int y, int height, int typedLength) {
        auto *box = place(new IntComboBox(this), name, 500, y, 128, height);
        box->setMaxTypedLength(typedLength);
        box->setEditText(QString::fromUtf8(text));
        return box;
    };
    auto button = [this](const char *name, const QString &text, int x, int y, int width) {
        return place(new QPushButton(text, this), name, x, y, width, 24);
    };

    buttonShow = button("buttonShow", tr("Edit Password Settings"), 4, 4, 192);
    buttonShow->hide();
    checkLowerCase = check("checkLowerCase", tr("Lowercase"), 4, 4, 128);
    editLowerCase = edit("editLowerCase", 4);
    checkUpperCase = check("checkUpperCase", tr("Uppercase"), 4, 28, 128);
    editUpperCase = edit("editUpperCase", 28);
    checkNumber = check("checkNumber", tr("Numbers"), 4, 52, 128);
    editNumber = edit("editNumber", 52);
    checkSymbol = check("checkSymbol", tr("Symbols"), 4, 76, 128);
    editSymbol = edit("editSymbol", 76);
    checkSimilar = check("checkSimilar", tr("Exclude Similar"), 4, 100, 128);
    editSimilar = edit("editSimilar", 100);
    checkIncludeCustom = check("checkIncludeCustom", tr("Include Custom"), 4, 124, 128);
    editIncludeCustom = edit("editIncludeCustom", 124);
    checkExcludeCustom = check("checkExcludeCustom", tr("Exclude Custom"), 4, 148, 128);
    editExcludeCustom = edit("editExcludeCustom", 148);
    buttonReset = button("buttonReset", tr("Reset Character Settings"), 4, 172, 360);
    labelMinLength = label("labelMinLength", tr("Minimum Length"), 4);
    comboMinLength = combo("comboMinLength", "16", 4, 20, 5);
    labelMaxLength = label("labelMaxLength", tr("Maximum Length"), 28);
    comboMaxLength = combo("comboMaxLength", "16", 28, 20, 5);
    labelPassCount = label("labelPassCount", tr("Password Count"), 52);
    comboPassCount = combo("comboPassCount", "10", 52, 20, 5);
    labelPassStrength = label("labelPassStrength", tr("Password Strength"), 76);
    comboPassStrength = combo("comboPassStrength", "100", 76, 20, 4);
    labelGens = label("labelGens", tr("Generators"), 100);
    comboGens = combo("comboGens", "0", 100, 22, 2);
    checkClearClipboard = check("checkClearClipboard", tr("Clear Clipboard on Exit"), 372, 136, 220);
    checkSettingsWindow = check("checkSettingsWindow", tr("Remember Window Position"), 372, 156, 220);
    checkSettings = check("checkSettings", tr("Save Settings on Exit"), 372, 176, 220);
    checkGen = place(new PushCheckButton(generateText(), this), "checkGen", 4, 198, 604, 28);
    QFont bold(QStringLiteral("Verdana"), 9);
    bold.setBold(true);
    checkGen->setFont(bold);
    listResult = place(new ResultsList(this), "listResult", 4, 230, 604, 108);
    listResult->setFont(QFont(QStringLiteral("Courier New"), 9));
    listResult->setSelectionMode(QAbstractItemView::ExtendedSelection);
    listResult->setUniformItemSizes(true); // cheap layout for long lists
    // Passwords read left to right in every language, as the sets they come from.
    listResult->setLayoutDirection(Qt::LeftToRight);
    buttonSelectAll = button("buttonSelectAll", tr("Select All"), 4, 364, 96);
    buttonDelete = button("buttonDelete", tr("Delete Selected"), 104, 364, 96);
    buttonCopy = button("buttonCopy", tr("Copy to Clipboard"), 204, 364, 96);
    buttonSave = button("buttonSave", tr("Save to File"), 304, 364, 96);
    progressPass = place(new QProgressBar(this), "progressPass", 4, 340, 196, 20);
    progressTotal = place(new QProgressBar(this), "progressTotal", 204, 340, 196, 20);
    for (QProgressBar *bar : { progressPass, progressTotal }) {
        bar->setRange(0, 100);
        bar->setValue(0);
        bar->setTextVisible(false);
    }
    // In the band between the generators and the clipboard box, whose 14 pixels take
    // the smaller font; its text comes with the options, after the settings load.
    labelStrength = place(new QLabel(this), "labelStrength", 372, 122, 220, 14);
    labelStrength->setFont(QFont(QStringLiteral("Verdana"), 8));
    labelStrength->setAlignment(Qt::AlignVCenter | Qt::AlignLeft);
    auto option = [this](const char *name, const QString &text) {
        auto *action = new QAction(text, this);
        action->setObjectName(QString::fromLatin1(name));
        action->setCheckable(true);
        return action;
    };
    actionMixSystemRandom = option("actionMixSystemRandom", WindowTexts::mixSystemRandom());
    actionRequireEachSet = option("actionRequireEachSet", WindowTexts::requireEachSet());
    groupClearClipboardAfter = new QActionGroup(this);
    groupClearClipboardAfter->setObjectName(QStringLiteral("groupClearClipboardAfter"));
    for (int seconds : SettingsSchema::clipboardDelays) {
        QAction *choice = groupClearClipboardAfter->addAction(WindowTexts::delayChoice(seconds));
        choice->setCheckable(true);
        choice->setData(seconds);
        choice->setChecked(seconds == 0);
    }
    // In the strip the list leaves free above its first row while it shows.
    labelClipboard = place(new QLabel(WindowTexts::clipboardCountdown(0), this), "labelClipboard", 6, 232, 600, 14);
    labelClipboard->setFont(QFont(QStringLiteral("Verdana"), 8));
    labelClipboard->setAlignment(Qt::AlignVCenter | Qt::AlignLeft);
    labelClipboard->setIndent(2);
    labelClipboard->hide();

    setCheckBoxes = { checkLowerCase, checkUpperCase, checkNumber, checkSymbol, checkSimilar, checkIncludeCustom,
        checkExcludeCustom };
    setEdits
        = { editLowerCase, editUpperCase, editNumber, editSymbol, editSimilar, editIncludeCustom, editExcludeCustom };
    numericCombos = { comboMinLength, comboMaxLength, comboPassCount, comboPassStrength, comboGens };
    comboLabels = { labelMinLength, labelMaxLength, labelPassCount, labelPassStrength, labelGens };
    listButtons = { buttonSelectAll, buttonDelete, buttonCopy, buttonSave };
    for (QCheckBox *box : setCheckBoxes)
        optionPanel << box;
    for (QLineEdit *box : setEdits)
        optionPanel << box;
    optionPanel << buttonReset;
    for (IntComboBox *box : numericCombos)
        optionPanel << box;
    for (QLabel *box : comboLabels)
        optionPanel << box;
    optionPanel << checkClearClipboard << checkSettingsWindow << labelStrength;

    // Screen readers name a text box or combo box after the caption of its row.
    for (QObject *child : children()) {
        if (auto *button = qobject_cast<QAbstractButton *>(child))
            button->setAccessibleName(button->text());
        else if (auto *caption = qobject_cast<QLabel *>(child))
            caption->setAccessibleName(caption->text());
    }
    for (qsizetype i = 0; i < setEdits.size(); ++i)
        setEdits[i]->setAccessibleName(setCheckBoxes[i]->text());
    for (qsizetype i = 0; i < numericCombos.size(); ++i)
        numericCombos[i]->setAccessibleName(comboLabels[i]->text());
    listResult->setAccessibleName(tr("Generated Passwords"));
    progressPass->setAccessibleName(tr("Current Password Progress"));
    progressTotal->setAccessibleName(tr("Total Progress"));
}

int ZolvenarMainForm::min(int a, int b)
{
    return a < b ? a : b;
}

int ZolvenarMainForm::max(int a, int b)
{
    return a > b ? a : b;
}

bool ZolvenarMainForm::askYesNo(const QString &text, const QString &caption)
{
    return MessageBoxes::askYesNo(text, caption);
}

void ZolvenarMainForm::showError(const QString &text, const QString &caption)
{
    MessageBoxes::showError(text, caption);
}

void ZolvenarMainForm::postInitialize()
{
    layout = std::make_unique<MainFormLayout>(*this);
    optionControls = std::make_unique<OptionControls>(*this);
    resultsActions = std::make_unique<ResultsActions>(*this);
    settings = std::make_unique<SettingsBinding>(*this);

    mouseTrack = std::make_unique<MouseTrack>(*this);
    contextMenu = std::make_unique<ContextMenu>(*this);
    strengthLine = std::make_unique<StrengthLine>(*this);
    clipboardExpiry = std::make_unique<ClipboardExpiry>(*this);
    // Drawn at each size the title bar, task switcher and dock ask for, so none is a
    // blurred enlargement, also on a scaled screen. The window system takes every
    // size as the window is shown: they are decoded meanwhile on another core, and
    // not kept.
    QList<ResourceIconEngine::Drawing> drawings { { QSize(32, 32), QStringLiteral(":/icons/zolvenar.png") } };
    for (int size : { 16, 24, 48, 64, 128, 256 })
        drawings.append({ QSize(size, size), QStringLiteral(":/icons/zolvenar-%1.png").arg(size) });
    auto *icon = new ResourceIconEngine(drawings);
    icon->decodeAhead();
    setWindowIcon(QIcon(icon));
    // checkGen, a push button, already centres its text.
    resetCharacterSettings();
    loadSettings();
    updateSetEdits();
    layoutControls();
    for (QPushButton *button : listButtons)
        button->setEnabled(false);
    optionControls->fillComboLists();
    connectHandlers();
    CTip::attachAll(*this);
    initialized = true;
}

void ZolvenarMainForm::connectHandlers()
{
    connect(buttonReset, &QPushButton::clicked, this, &ZolvenarMainForm::resetClick);
    connect(checkGen, &QPushButton::clicked, this, &ZolvenarMainForm::generateClick);
    mouseRouter = std::make_unique<MouseMoveRouter>(*this);
    connect(buttonSelectAll, &QPushButton::clicked, this, &ZolvenarMainForm::selectAllClick);
    connect(buttonDelete, &QPushButton::clicked, this, &ZolvenarMainForm::deleteClick);
    connect(buttonCopy, &QPushButton::clicked, this, &ZolvenarMainForm::copyClick);
    connect(buttonSave, &QPushButton::clicked, this, &ZolvenarMainForm::saveClick);
    connect(listResult, &ResultsList::copyRequested, this, &ZolvenarMainForm::copySelectedKey);
    optionControls->connectFocusLoss();
    contextMenu->connectOpening();
    strengthLine->connectOptions();
    clipboardExpiry->connectChoice();
    for (QCheckBox *box : setCheckBoxes)
        connect(box, &QCheckBox::clicked, this, &ZolvenarMainForm::updateSetEdits);
    connect(buttonShow, &QPushButton::clicked, this, &ZolvenarMainForm::onShowSettingsClick);

    // How a session ends around the window: signals, the session manager, and a
    // library that ends the process when the display goes.
    if (TerminationSignals *signals = TerminationSignals::installed())
        connect(signals, &TerminationSignals::received, this, &ZolvenarMainForm::closeUnattended);
    connect(qApp, &QGuiApplication::commitDataRequest, this, &ZolvenarMainForm::commitData, Qt::DirectConnection);
    qApp->installEventFilter(this);
    ExitGuard::arm([this] { saveSettingsAsLastSeen(); }, [] { SettingsWriter::writeKeptAtEnd(); });
}

void ZolvenarMainForm::resetCharacterSettings()
{
    settings->resetCharacterSettings();
}

void ZolvenarMainForm::setOptionsEnabled(bool enable)
{
    // A run may end on a worker thread; controls are touched on this window's thread only.
    if (QThread::currentThread() != thread()) {
        poster->post([this, enable] { setOptionsEnabled(enable); });
        return;
    }
    for (QCheckBox *box : setCheckBoxes)
        box->setEnabled(enable);
    for (QLineEdit *box : setEdits)
        box->setEnabled(enable);
    for (IntComboBox *box : numericCombos)
        box->setEnabled(enable);
    buttonReset->setEnabled(enable);
    actionMixSystemRandom->setEnabled(enable);
    actionRequireEachSet->setEnabled(enable);
    const bool listButtonsOn = enable && listResult->count() > 0;
    for (QPushButton *button : listButtons)
        button->setEnabled(listButtonsOn);
    if (enable)
        updateSetEdits();
    for (QLabel *label : comboLabels)
        label->setEnabled(enable);
}

void ZolvenarMainForm::layoutControls()
{
    layout->layoutControls();
}

void ZolvenarMainForm::loadSettings()
{
    settings->loadSettings();
}

void ZolvenarMainForm::saveSettings()
{
    settings->saveSettings();
}

void ZolvenarMainForm::onFormResize()
{
    layoutControls();
}

void ZolvenarMainForm::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    if (initialized)
        onFormResize();
}

void ZolvenarMainForm::closeEvent(QCloseEvent *event)
{
    // Ignored until the sequence has run through: an error escaping it keeps the
    // window open, as a cancel would.
    event->ignore();
    bool cancel = false;
    closing = true;
    auto done = qScopeGuard([this] { closing = false; });
    onFormClosing(cancel);
    if (cancel)
        return;
    PendingMessages::setQuitting(true);
    event->accept();
}

bool ZolvenarMainForm::eventFilter(QObject *watched, QEvent *event)
{
    // The session manager's "die", or the platform ending the program: while the
    // window is open, nobody is there to answer a question any more.
    if (watched == qApp && event->type() == QEvent::Quit && isVisible()) {
        closeUnattended();
        return true;
    }
    // The first input after a clear the compositor refused: now it takes one.
    const bool input = event->type() == QEvent::MouseButtonPress || event->type() == QEvent::KeyPress;
    if (input && Clipboard::emptiedInPlace())
        QTimer::singleShot(0, this, &ZolvenarMainForm::finishClipboardEmptying);
    return QWidget::eventFilter(watched, event);
}

void ZolvenarMainForm::onFormClosing(bool &cancel)
{
    // A password finished just before the close is still on its way to the list.
    poster->deliverPending();
    if (!unattended && !askBeforeClosing()) {
        cancel = true;
        return;
    }
    if (!unattended) {
        clearClipboardIfOurs();
    } else {
        // A clipboard that fails now cannot keep the settings from being saved:
        // nobody is left to see the error.
        try {
            clearClipboardIfOurs();
        } catch (...) { }
    }
    saveSettings();
}

bool ZolvenarMainForm::somethingUnsaved() const
{
    return unsavedPasswords || (clipboardExpiry->pending() && copiedNotSaved && listResult->count() > 0);
}

bool ZolvenarMainForm::askBeforeClosing()
{
    const bool running = mouseTrack->running();
    if (!running && !somethingUnsaved())
        return true;
    const QString question = running ? tr("You are currently generating passwords. Are you sure you want to exit?")
                                     : tr("There are unsaved changes. Are you sure you want to exit?");
    // Samples wait while the question is open; the flag is cleared however it ends.
    mouseTrack->setPaused(true);
    auto unpause = qScopeGuard([this] { mouseTrack->setPaused(false); });
    const bool yes = askYesNo(question, tr("Zolvenar"));
    // The session ended while the question was open: the close goes on unanswered.
    return yes || unattended;
}

void ZolvenarMainForm::clearClipboardIfOurs()
{
    // A copy whose delay is still counting goes now: left behind, a clipboard
    // manager would keep it for good.
    const bool wanted = checkClearClipboard->isChecked() || clipboardExpiry->pending() || Clipboard::emptiedInPlace();
    if (wanted && clipboardExpiry->holdsOurCopy()) {
        Clipboard::empty();
        clipboardExpiry->emptied();
    }
    clipboardExpiry->stop();
}

void ZolvenarMainForm::finishClipboardEmptying()
{
    Clipboard::finishEmptying();
}

void ZolvenarMainForm::closeUnattended()
{
    if (unattended)
        return; // one close is enough
    unattended = true;
    // A close already under way, its question open, finishes as this one.
    if (!closing)
        close();
    // Boxes and dialogs still open run loops of their own that nobody will answer.
    QCoreApplication::exit(0);
}

void ZolvenarMainForm::commitData(QSessionManager &manager)
{
    poster->deliverPending();
    // A checkpoint ends nothing: it saves, and the session goes on.
    if ((mouseTrack->running() || somethingUnsaved()) && SessionManagement::sessionEnding()) {
        if (manager.allowsInteraction()) {
            const bool goOn = askBeforeClosing();
            manager.release();
            if (!goOn) {
                manager.cancel();
                return;
            }
        }
    }
    saveSettingsAsLastSeen();
}

void ZolvenarMainForm::saveSettingsAsLastSeen()
{
    settings->saveSettingsAsLastSeen();
}

void ZolvenarMainForm::resetClick()
{
    settings->resetClick();
}

void ZolvenarMainForm::generateClick()
{
    if (checkGen->isChecked()) {
        mouseTrack->stop();
        return;
    }
    try {
        mouseTrack->start();
    } catch (...) {
        showError(ZolvenarApplication::describe(std::current_exception()), errorCaption());
    }
}

void ZolvenarMainForm::selectAllClick()
{
    resultsActions->selectAllClick();
}

void ZolvenarMainForm::deleteClick()
{
    resultsActions->deleteClick();
}

void ZolvenarMainForm::copyClick()
{
    resultsActions->copyClick();
}

void ZolvenarMainForm::saveClick()
{
    resultsActions->saveClick();
}

void ZolvenarMainForm::copySelectedKey()
{
    resultsActions->copySelected();
}

int ZolvenarMainForm::clipboardDelay() const
{
    return clipboardExpiry->delay();
}

void ZolvenarMainForm::startClipboardDelay()
{
    clipboardExpiry->copied();
}

void ZolvenarMainForm::clipboardDelayRanOut()
{
    clipboardExpiry->runOut();
}

void ZolvenarMainForm::normalizeCombos(QObject *sender)
{
    optionControls->normalizeCombos(sender);
}

void ZolvenarMainForm::updateSetEdits()
{
    optionControls->updateSetEdits();
}

void ZolvenarMainForm::onShowSettingsClick()
{
    layout->onShowSettingsClick();
}

void ZolvenarMainForm::showRunning(int passCount)
{
    checkGen->setChecked(true);
    setOptionsEnabled(false);
    checkGen->setText(runningText());
    checkGen->setAccessibleName(checkGen->text());
    progressPass->setMaximum(1000);
    progressTotal->setMaximum(passCount);
    if (toolTip)
        toolTip->setActive(false);
    setWindowTitle(runningTitle(0));
    settingsCollapsed = true;
    layoutControls();
}

void ZolvenarMainForm::showIdle()
{
    checkGen->setChecked(false);
    setOptionsEnabled(true);
    checkGen->setText(generateText());
    checkGen->setAccessibleName(checkGen->text());
    progressPass->setValue(0);
    progressTotal->setValue(0);
    if (toolTip)
        toolTip->setActive(true);
    setWindowTitle(idleTitle);
}
