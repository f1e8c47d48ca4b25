#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QWidget>

#include <memory>

class QAction;
class QActionGroup;
class QCheckBox;
class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;
class IntComboBox;
class PushCheckButton;
class ResultsList;
class ToolTipComponent;
class MainFormLayout;
class MouseMoveRouter;
class OptionControls;
class ResultsActions;
class ContextMenu;
class ClipboardExpiry;
class StrengthLine;
class SettingsBinding;
class UiPoster;
class QSessionManager;

// The program's one window. Controls are public fields named as the rest of the
// program knows them; each subsystem's behaviour lives in its own class and the
// handlers here hand over to it.
class ZolvenarMainForm : public QWidget
{
    Q_OBJECT

public:
    class MouseTrack;
    class CTip;

    explicit ZolvenarMainForm(QWidget *parent = nullptr);
    ~ZolvenarMainForm() override;

    static const QString idleTitle;
    // The generate button's captions, idle and during a run; the title during a run;
    // the caption of the window's own error boxes.
    static QString generateText();
    static QString runningText();
    static QString runningTitle(int percent);
    static QString errorCaption();

    // Controls, in creation (and focus) order.
    QPushButton *buttonShow = nullptr;
    QCheckBox *checkLowerCase = nullptr;
    QLineEdit *editLowerCase = nullptr;
    QCheckBox *checkUpperCase = nullptr;
    QLineEdit *editUpperCase = nullptr;
    QCheckBox *checkNumber = nullptr;
    QLineEdit *editNumber = nullptr;
    QCheckBox *checkSymbol = nullptr;
    QLineEdit *editSymbol = nullptr;
    QCheckBox *checkSimilar = nullptr;
    QLineEdit *editSimilar = nullptr;
    QCheckBox *checkIncludeCustom = nullptr;
    QLineEdit *editIncludeCustom = nullptr;
    QCheckBox *checkExcludeCustom = nullptr;
    QLineEdit *editExcludeCustom = nullptr;
    QPushButton *buttonReset = nullptr;
    QLabel *labelMinLength = nullptr;
    IntComboBox *comboMinLength = nullptr;
    QLabel *labelMaxLength = nullptr;
    IntComboBox *comboMaxLength = nullptr;
    QLabel *labelPassCount = nullptr;
    IntComboBox *comboPassCount = nullptr;
    QLabel *labelPassStrength = nullptr;
    IntComboBox *comboPassStrength = nullptr;
    QLabel *labelGens = nullptr;
    IntComboBox *comboGens = nullptr;
    QCheckBox *checkClearClipboard = nullptr;
    QCheckBox *checkSettingsWindow = nullptr;
    QCheckBox *checkSettings = nullptr;
    PushCheckButton *checkGen = nullptr;
    ResultsList *listResult = nullptr;
    QPushButton *buttonSelectAll = nullptr;
    QPushButton *buttonDelete = nullptr;
    QPushButton *buttonCopy = nullptr;
    QPushButton *buttonSave = nullptr;
    QProgressBar *progressPass = nullptr;
    QProgressBar *progressTotal = nullptr;
    QLabel *labelStrength = nullptr; // what each password is worth with the options shown
    // The options that live in the context menu, checkable.
    QAction *actionMixSystemRandom = nullptr;
    QAction *actionRequireEachSet = nullptr;
    // The context menu's delays after which a copy leaves the clipboard, one checked;
    // each action's data is its seconds, 0 for Never.
    QActionGroup *groupClearClipboardAfter = nullptr;
    // How long the copy has left on the clipboard, laid over the top of the list while
    // a delay counts down.
    QLabel *labelClipboard = nullptr;

    // Groups of controls, in the order the handlers walk them.
    QList<QCheckBox *> setCheckBoxes; // seven, paired by position with setEdits
    QList<QLineEdit *> setEdits;
    QList<IntComboBox *> numericCombos; // five
    QList<QLabel *> comboLabels; // five, paired with numericCombos
    QList<QPushButton *> listButtons; // four
    QList<QWidget *> optionPanel; // 27, in hide/show order

    // Window state shared with the subsystems.
    bool unsavedPasswords = false;
    // The passwords count as saved only because a copy put them on the clipboard.
    bool copiedNotSaved = false;
    bool settingsCollapsed = false;
    QByteArray clipboardDigest = QByteArray(16, '\0');
    ToolTipComponent *toolTip = nullptr;
    std::unique_ptr<MouseTrack> mouseTrack;

    // Posts work to this window's thread; worker threads keep it beyond the window's life.
    std::shared_ptr<UiPoster> uiPoster() const { return poster; }

    virtual int min(int a, int b);
    virtual int max(int a, int b);
    virtual bool askYesNo(const QString &text, const QString &caption);
    virtual void showError(const QString &text, const QString &caption);
    virtual void postInitialize();
    virtual void resetCharacterSettings();
    virtual void setOptionsEnabled(bool enable);
    virtual void layoutControls();
    virtual void loadSettings();
    virtual void saveSettings();
    virtual void onFormResize();
    virtual void onFormClosing(bool &cancel);
    virtual void resetClick();
    virtual void generateClick();
    virtual void selectAllClick();
    virtual void deleteClick();
    virtual void copyClick();
    virtual void saveClick();
    virtual void normalizeCombos(QObject *sender);
    virtual void updateSetEdits();
    virtual void onShowSettingsClick();

    // The window's two faces, whoever starts or stops the run: a run going on
    // (options off and folded away, progress shown) and idle.
    void showRunning(int passCount);
    void showIdle();

    // The results list's copy key.
    void copySelectedKey();

    // The chosen delay after which a copy leaves the clipboard, in seconds; 0: never.
    int clipboardDelay() const;
    // A copy reached the clipboard: its delay starts.
    void startClipboardDelay();
    // The delay after the last copy has run out.
    void clipboardDelayRanOut();

    // The end of a session or a termination signal: the closing sequence with nobody
    // to answer, no question and nothing that waits, then every loop ends with 0.
    void closeUnattended();
    // The session manager's request to save before the session ends: asks only when
    // it lets us, and the window stays as it is, for the session may go on.
    void commitData(QSessionManager &manager);
    // The settings with the window's bounds as last seen, for when the window cannot
    // be asked (the session is saving, the display is gone).
    void saveSettingsAsLastSeen();

protected:
    void resizeEvent(QResizeEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void createControls();
    void connectHandlers();
    // The closing question when a run or unsaved passwords would be lost; true to go on.
    bool askBeforeClosing();
    // Passwords would be lost: unsaved, or saved only on a clipboard that the close
    // empties because a delay is counting down.
    bool somethingUnsaved() const;
    void clearClipboardIfOurs();
    void finishClipboardEmptying();

    std::shared_ptr<UiPoster> poster;
    std::unique_ptr<MainFormLayout> layout;
    std::unique_ptr<OptionControls> optionControls;
    std::unique_ptr<ResultsActions> resultsActions;
    std::unique_ptr<SettingsBinding> settings;
    std::unique_ptr<MouseMoveRouter> mouseRouter;
    std::unique_ptr<ContextMenu> contextMenu;
    std::unique_ptr<StrengthLine> strengthLine;
    std::unique_ptr<ClipboardExpiry> clipboardExpiry;
    bool initialized = false;
    bool closing = false; // inside the closing sequence
    bool unattended = false; // closing with nobody to answer
};
