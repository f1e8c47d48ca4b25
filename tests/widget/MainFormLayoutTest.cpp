#include "core/generation/GenerationOptions.h"
#include "support/FormFixture.h"
#include "window/app/WindowTexts.h"
#include "window/toolkit/ZolvenarApplication.h"
#include "window/widgets/IntComboBox.h"
#include "window/widgets/PushCheckButton.h"
#include "window/widgets/ResultsList.h"

#include <QAccessible>
#include <QCheckBox>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>
#include <QScopeGuard>
#include <QSet>
#include <QStyleFactory>
#include <QStyleOption>
#include <QTest>

namespace {

// The height a line edit needs to show its text uncut.
int textHeight(const QWidget *control, const QString &text)
{
    return qMax(control->fontMetrics().height(), control->fontMetrics().boundingRect(text).height());
}

// Anything drawn in an area leaves more than one colour there.
qsizetype coloursIn(const QImage &image, const QRect &area)
{
    QSet<QRgb> colours;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            colours << image.pixel(x, y);
    return colours.size();
}

} // namespace

Q_DECLARE_METATYPE(StrengthModel::Figure)

class MainFormLayoutTest : public QObject, FormFixture
{
    Q_OBJECT

private:
    // Resizes the client area and lets the window system catch up.
    void resizeClient(int width, int height)
    {
        form->resize(width, height);
        QCoreApplication::processEvents();
    }

    void collapse()
    {
        form->settingsCollapsed = true;
        form->layoutControls();
    }

    void checkSharedFigures();

    // Where a control stands as seen from the side the window's language starts on.
    QRect placed(const QWidget *control) const
    {
        return QStyle::visualRect(form->layoutDirection(), form->rect(), control->geometry());
    }

private Q_SLOTS:
    void initTestCase() { QVERIFY(enterTemporaryDirectory()); }

    void init()
    {
        QVERIFY(openForm());
        resizeClient(632, 447);
        QCOMPARE(form->size(), QSize(632, 447));
    }

    void cleanup() { closeForm(); }

    void panelStatesAtDefaultSize_data();
    void panelStatesAtDefaultSize();
    void smallestClientArea();
    void shrinkingGrowsBack_data();
    void shrinkingGrowsBack();
    void typedComboTextSurvivesResize();
    void accessibleNames();
    void heardByScreenReaders_data();
    void heardByScreenReaders();
    void controlsWholeUnderStyle_data();
    void controlsWholeUnderStyle();
    void strengthWordsFitWhole_data();
    void strengthWordsFitWhole();
};

void MainFormLayoutTest::checkSharedFigures()
{
    for (QLineEdit *edit : form->setEdits) {
        QCOMPARE(placed(edit).x(), 132);
        QCOMPARE(edit->width(), 234);
    }
    QCOMPARE(placed(form->buttonReset), QRect(4, 172, 362, 24));
    for (QLabel *label : form->comboLabels)
        QCOMPARE(placed(label).x(), 374);
    for (IntComboBox *combo : form->numericCombos) {
        QCOMPARE(placed(combo).x(), 502);
        QCOMPARE(combo->width(), 126);
    }
    for (QCheckBox *box : { form->checkClearClipboard, form->checkSettingsWindow, form->checkSettings }) {
        QCOMPARE(placed(box).x(), 374);
        QCOMPARE(box->width(), 254);
    }
    // In the band between the generators and the clipboard box, touching neither.
    QCOMPARE(placed(form->labelStrength), QRect(374, 122, 254, 14));
    QCOMPARE(form->labelStrength->text(), QStringLiteral("80 bits each, limited by length")); // the defaults
    QCOMPARE(placed(form->progressPass), QRect(4, 395, 310, 20));
    QCOMPARE(placed(form->progressTotal), QRect(318, 395, 310, 20));
    const int xs[] = { 4, 161, 318, 475 };
    for (int i = 0; i < 4; ++i)
        QCOMPARE(placed(form->listButtons[i]), QRect(xs[i], 419, 153, 24));
}

void MainFormLayoutTest::panelStatesAtDefaultSize_data()
{
    // "collapse" as a run does, "show" clicks the settings button, "right to left" as
    // for Arabic, "wider" and "start size" resize the window
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<QPoint>("settingsAt");
    QTest::addColumn<QRect>("generate");
    QTest::addColumn<QRect>("list");
    const QPoint expandedSettings(374, 176);
    const QPoint collapsedSettings(374, 6);
    const QRect collapsedGenerate(4, 32, 624, 28);
    const QRect collapsedList(4, 64, 624, 327);
    QTest::newRow("expanded") << QStringList() << expandedSettings << QRect(4, 198, 624, 28) << QRect(4, 230, 624, 161);
    QTest::newRow("collapsed") << QStringList { "collapse" } << collapsedSettings << collapsedGenerate << collapsedList;
    // Expanding again leaves the generate button two pixels lower than at the start.
    QTest::newRow("expanded after a collapse")
        << QStringList { "collapse", "show" } << expandedSettings << QRect(4, 200, 624, 28) << QRect(4, 232, 624, 159);
    QTest::newRow("the next run collapses again")
        << QStringList { "collapse", "show", "collapse" } << collapsedSettings << collapsedGenerate << collapsedList;
    // Right to left every control stands in the mirror image of its place.
    QTest::newRow("right to left") << QStringList { "right to left" } << expandedSettings << QRect(4, 198, 624, 28)
                                   << QRect(4, 230, 624, 161);
    QTest::newRow("right to left from a wider window, after a run")
        << QStringList { "wider", "right to left", "collapse", "start size", "show" } << expandedSettings
        << QRect(4, 200, 624, 28) << QRect(4, 232, 624, 159);
}

void MainFormLayoutTest::panelStatesAtDefaultSize()
{
    QFETCH(QStringList, steps);
    QFETCH(QPoint, settingsAt);
    QFETCH(QRect, generate);
    QFETCH(QRect, list);
    for (const QString &step : steps) {
        if (step == QLatin1String("collapse")) {
            collapse();
        } else if (step == QLatin1String("right to left")) {
            form->setLayoutDirection(Qt::RightToLeft);
            form->layoutControls();
        } else if (step == QLatin1String("wider")) {
            resizeClient(800, 500);
        } else if (step == QLatin1String("start size")) {
            resizeClient(632, 447);
        } else {
            QTest::mouseClick(form->buttonShow, Qt::LeftButton);
        }
    }
    const bool collapsed = steps.value(steps.size() - 1) == QLatin1String("collapse");

    checkSharedFigures();
    QCOMPARE(form->settingsCollapsed, collapsed);
    QCOMPARE(placed(form->checkSettings).topLeft(), settingsAt);
    QVERIFY(form->checkSettings->isVisible());
    QCOMPARE(placed(form->checkGen), generate);
    QCOMPARE(placed(form->listResult), list);
    QCOMPARE(form->buttonShow->isVisible(), collapsed);
    if (collapsed)
        QCOMPARE(placed(form->buttonShow).topLeft(), QPoint(4, 4));
    for (QWidget *control : form->optionPanel)
        QVERIFY2(control->isVisible() != collapsed, qPrintable(control->objectName()));
}

void MainFormLayoutTest::smallestClientArea()
{
    resizeClient(455, 341);
    QCOMPARE(form->size(), QSize(455, 341));
    for (IntComboBox *combo : form->numericCombos)
        QCOMPARE(QPoint(combo->x(), combo->width()), QPoint(360, 91));
    for (QLabel *label : form->comboLabels)
        QCOMPARE(label->x(), 232);
    for (QLineEdit *edit : form->setEdits)
        QCOMPARE(edit->width(), 92);
    QCOMPARE(form->labelStrength->geometry(), QRect(232, 122, 219, 14));
    const int xs[] = { 4, 116, 229, 342 };
    const int widths[] = { 108, 109, 109, 109 };
    for (int i = 0; i < 4; ++i)
        QCOMPARE(form->listButtons[i]->geometry(), QRect(xs[i], 313, widths[i], 24));
    QCOMPARE(form->progressPass->geometry(), QRect(4, 289, 221, 20));
    QCOMPARE(form->progressTotal->geometry(), QRect(229, 289, 222, 20));
}

void MainFormLayoutTest::shrinkingGrowsBack_data()
{
    QTest::addColumn<QSize>("requested");
    QTest::addColumn<QSize>("expected");
    QTest::newRow("both too small") << QSize(200, 150) << QSize(454, 340);
    QTest::newRow("too narrow") << QSize(300, 500) << QSize(454, 500);
    QTest::newRow("too low") << QSize(700, 339) << QSize(700, 340);
    QTest::newRow("exactly the minimum") << QSize(454, 340) << QSize(454, 340);
}

void MainFormLayoutTest::shrinkingGrowsBack()
{
    QFETCH(QSize, requested);
    QFETCH(QSize, expected);
    form->comboPassCount->setEditText(QStringLiteral("37"));
    resizeClient(requested.width(), requested.height());
    QCOMPARE(form->size(), expected);
    // The controls follow the grown size, not the requested one.
    QCOMPARE(form->buttonSave->x() + form->buttonSave->width(), expected.width() - 4);
    QCOMPARE(form->buttonSave->y(), expected.height() - 28);
    QCOMPARE(form->comboPassCount->currentText(), QStringLiteral("37"));
}

void MainFormLayoutTest::typedComboTextSurvivesResize()
{
    IntComboBox *combo = form->comboPassStrength;
    combo->setFocus();
    combo->lineEdit()->clear();
    QTest::keyClicks(combo, QStringLiteral("350"));
    QCOMPARE(combo->currentText(), QStringLiteral("350"));
    combo->lineEdit()->setSelection(1, 2);
    for (const QSize size : { QSize(800, 600), QSize(500, 360), QSize(100, 100) }) {
        resizeClient(size.width(), size.height());
        QCOMPARE(combo->currentText(), QStringLiteral("350"));
        QVERIFY(!combo->lineEdit()->hasSelectedText());
    }
    QCOMPARE(combo->lineEdit()->cursorPosition(), 1); // the selection collapsed to its start
}

void MainFormLayoutTest::accessibleNames()
{
    for (QWidget *control : form->findChildren<QWidget *>(Qt::FindDirectChildrenOnly))
        QVERIFY2(!control->accessibleName().isEmpty(), qPrintable(control->objectName()));
    QCOMPARE(form->checkGen->accessibleName(), QStringLiteral("Click Here to Generate Passwords"));
    QCOMPARE(form->editSimilar->accessibleName(), QStringLiteral("Exclude Similar"));
    QCOMPARE(form->comboPassStrength->accessibleName(), QStringLiteral("Password Strength"));
}

void MainFormLayoutTest::heardByScreenReaders_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QAccessible::Role>("role");
    QTest::addColumn<QString>("heard");
    QTest::addColumn<QString>("value");
    QTest::addColumn<bool>("checkable");
    // Named by the caption of their row, not by the number they hold.
    QTest::newRow("number box named by its label: minimum length")
        << "comboMinLength" << QAccessible::ComboBox << "Minimum Length"
        << "16" << false;
    QTest::newRow("number box named by its label: maximum length")
        << "comboMaxLength" << QAccessible::ComboBox << "Maximum Length"
        << "16" << false;
    QTest::newRow("number box named by its label: password count")
        << "comboPassCount" << QAccessible::ComboBox << "Password Count"
        << "10" << false;
    QTest::newRow("number box named by its label: password strength")
        << "comboPassStrength" << QAccessible::ComboBox << "Password Strength"
        << "100" << false;
    QTest::newRow("number box named by its label: generators") << "comboGens" << QAccessible::ComboBox << "Generators"
                                                               << "0" << false;
    // A button that stays down during a run, not a check box.
    QTest::newRow("generate button is a toggle button")
        << "checkGen" << QAccessible::Button << "Click Here to Generate Passwords"
        << "" << true;
}

void MainFormLayoutTest::heardByScreenReaders()
{
    QFETCH(QString, name);
    QFETCH(QAccessible::Role, role);
    QFETCH(QString, heard);
    QFETCH(QString, value);
    QFETCH(bool, checkable);
    QAccessibleInterface *control = QAccessible::queryAccessibleInterface(form->findChild<QWidget *>(name));
    QVERIFY(control);
    QCOMPARE(control->role(), role);
    QCOMPARE(control->text(QAccessible::Name), heard);
    QCOMPARE(control->text(QAccessible::Value), value);
    QCOMPARE(bool(control->state().checkable), checkable);
}

void MainFormLayoutTest::controlsWholeUnderStyle_data()
{
    QTest::addColumn<bool>("dark");
    for (const char *light : { "Fusion", "Windows", "Adwaita", "Adwaita-HighContrast" })
        QTest::newRow(light) << false;
    for (const char *dark : { "Adwaita-Dark", "Adwaita-HighContrastInverse" })
        QTest::newRow(dark) << true;
}

void MainFormLayoutTest::controlsWholeUnderStyle()
{
    QFETCH(bool, dark);
    const QString asked = QString::fromLatin1(QTest::currentDataTag());
    if (!QStyleFactory::keys().contains(asked, Qt::CaseInsensitive))
        QSKIP("style not installed");
    closeForm();
    const QString before = QApplication::style()->name();
    const auto restore = qScopeGuard([&] {
        closeForm();
        QApplication::setStyle(before);
        QApplication::setPalette(QPalette());
    });
    // The style the desktop asks for, as QT_STYLE_OVERRIDE gives it at start-up.
    QApplication::setStyle(asked);
    QApplication::setPalette(QPalette());
    const QPalette desktop = QApplication::palette();
    ZolvenarApplication::enableVisualStyles();
    // The inactive colours take the active ones, never the other way round.
    for (int role = 0; role < QPalette::NColorRoles; ++role) {
        const auto colour = static_cast<QPalette::ColorRole>(role);
        QCOMPARE(QApplication::palette().color(QPalette::Active, colour), desktop.color(QPalette::Active, colour));
    }
    QVERIFY(openForm());
    resizeClient(632, 447);

    for (QLineEdit *edit : form->setEdits) {
        QStyleOptionFrame option; // as QLineEdit fills it
        option.initFrom(edit);
        option.rect = edit->contentsRect();
        option.lineWidth = edit->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, edit);
        option.state |= QStyle::State_Sunken;
        const QRect text = edit->style()
                               ->subElementRect(QStyle::SE_LineEditContents, &option, edit)
                               .marginsRemoved(edit->textMargins());
        QVERIFY2(text.height() >= textHeight(edit, edit->text()), qPrintable(edit->objectName()));
    }
    for (IntComboBox *combo : form->numericCombos) {
        QStyleOptionComboBox option;
        option.initFrom(combo);
        option.editable = true;
        option.rect = combo->rect();
        const auto part = [&](QStyle::SubControl control) {
            return combo->style()->subControlRect(QStyle::CC_ComboBox, &option, control, combo);
        };
        const QRect text = part(QStyle::SC_ComboBoxEditField).marginsRemoved(combo->lineEdit()->textMargins());
        QVERIFY2(text.height() >= textHeight(combo, combo->currentText()), qPrintable(combo->objectName()));
        // Too low for some styles' combo boxes: they leave out the arrow and the frame.
        const QImage shot = combo->grab().toImage();
        const QRect arrow = part(QStyle::SC_ComboBoxArrow);
        QVERIFY2(shot.rect().contains(arrow) && coloursIn(shot, arrow) > 1, qPrintable(combo->objectName()));
        QVERIFY2(shot.pixel(combo->width() / 2, 0) != shot.pixel(combo->width() / 2, combo->height() / 2),
            qPrintable(combo->objectName()));
    }
    for (QProgressBar *bar : { form->progressPass, form->progressTotal }) {
        QStyleOptionProgressBar option;
        option.initFrom(bar);
        for (const auto element : { QStyle::SE_ProgressBarGroove, QStyle::SE_ProgressBarContents }) {
            const QRect drawn = bar->style()->subElementRect(element, &option, bar);
            QVERIFY2(
                drawn.width() * 2 > bar->width() && drawn.height() * 2 > bar->height(), qPrintable(bar->objectName()));
        }
    }
    // Check boxes and buttons alike: the text's room, and a tick mark not cut off.
    for (QAbstractButton *button : form->findChildren<QAbstractButton *>(Qt::FindDirectChildrenOnly)) {
        QStyleOptionButton option;
        option.initFrom(button);
        option.text = button->text();
        const bool tick = qobject_cast<QCheckBox *>(button) != nullptr;
        const QRect text = button->style()->subElementRect(
            tick ? QStyle::SE_CheckBoxContents : QStyle::SE_PushButtonContents, &option, button);
        QVERIFY2(text.height() >= button->fontMetrics().height(), qPrintable(button->objectName()));
        QVERIFY2(
            text.width() >= button->fontMetrics().horizontalAdvance(button->text()), qPrintable(button->objectName()));
        if (tick) {
            const QRect mark = button->style()->subElementRect(QStyle::SE_CheckBoxIndicator, &option, button);
            QVERIFY2(button->rect().contains(mark), qPrintable(button->objectName()));
        }
    }
    // Drawn in the desktop's colours; the passwords list draws in the inactive ones
    // whenever it lacks the focus.
    QCOMPARE(QApplication::palette().color(QPalette::Window).lightness() < 128, dark);
    QCOMPARE(QApplication::palette().color(QPalette::Inactive, QPalette::Text),
        QApplication::palette().color(QPalette::Active, QPalette::Text));
}

void MainFormLayoutTest::strengthWordsFitWhole_data()
{
    QTest::addColumn<StrengthModel::Figure>("figure");
    QTest::addColumn<QString>("words");
    using Limit = StrengthModel::Limit;
    // The most the model gives: 65535 characters from every printable one it keeps.
    GenerationOptions::Inputs widest;
    widest.minLength = "65535";
    for (char ch = 0x20; ch < 0x7F; ++ch)
        widest.includeCustom.text.push_back(ch);
    widest.includeCustom.ticked = true;
    const double most = StrengthModel::outputBits(GenerationOptions::fromInputs(widest));
    QTest::newRow("whole bits without a tenth")
        << StrengthModel::Figure { 80, Limit::length } << "80 bits each, limited by length";
    QTest::newRow("one bit") << StrengthModel::Figure { 1, Limit::length } << "1 bit each, limited by length";
    QTest::newRow("the most, whole past a thousand")
        << StrengthModel::Figure { most, Limit::samples } << "420409 bits each, limited by samples";
    QTest::newRow("the most with system randomness")
        << StrengthModel::Figure { most, Limit::systemRandom } << "420409 bits each, with system mix";
    QTest::newRow("too short for each set")
        << StrengthModel::Figure { 0, Limit::length, true } << "Too short to hold each set";
}

void MainFormLayoutTest::strengthWordsFitWhole()
{
    QFETCH(StrengthModel::Figure, figure);
    QFETCH(QString, words);
    QCOMPARE(WindowTexts::strength(figure), words);
    const QFontMetrics metrics = form->labelStrength->fontMetrics();
    for (const QSize size : { QSize(632, 447), QSize(454, 340) }) {
        resizeClient(size.width(), size.height());
        const QRect room = form->labelStrength->contentsRect();
        QVERIFY2(
            metrics.horizontalAdvance(words) <= room.width() && metrics.height() <= room.height(), qPrintable(words));
    }
}

QTEST_MAIN(MainFormLayoutTest)
#include "MainFormLayoutTest.moc"
