#include "window/toolkit/Translations.h"
#include "core/process/LanguageChoice.h"
#include "core/settings/SettingsSchema.h"
#include "support/FormFixture.h"
#include "support/core/FileBytes.h"
#include "window/app/WindowTexts.h"
#include "window/toolkit/ErrorWindow.h"
#include "window/toolkit/ZolvenarApplication.h"
#include "window/widgets/IntComboBox.h"
#include "window/widgets/ResultsList.h"

#include <QAction>
#include <QActionGroup>
#include <QCheckBox>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QScopeGuard>
#include <QStyleOption>
#include <QTest>

#include <algorithm>

namespace {

struct Caption
{
    QString text;
    int width = 0; // as the control's font and style lay it out
    int room = 0;
};

// As the style test measures: rounded to whole pixels, for a fraction of a pixel
// past the room cuts no glyph. The access-key marker is not drawn.
int widthOf(const QWidget *control, QString text)
{
    return control->fontMetrics().horizontalAdvance(
        text.replace(QRegularExpression(QStringLiteral("&(.)")), QStringLiteral("\\1")));
}

} // namespace

// The window's texts in every language, each whole in its control at the start
// size under Fusion with the default font.
class TranslationsTest : public QObject, FormFixture
{
    Q_OBJECT

private:
    // Every caption of the idle and the running window, by control.
    QMap<QString, Caption> captions();

    QMap<QString, Caption> english;

private Q_SLOTS:
    void initTestCase();
    void cleanup();

    void captionsFitTheirControls_data();
    void captionsFitTheirControls();
    void settingsFileStaysEnglish_data() { captionsFitTheirControls_data(); }
    void settingsFileStaysEnglish();
    void setsNumbersAndPasswordsStayLeftToRight();
};

QMap<QString, Caption> TranslationsTest::captions()
{
    QMap<QString, Caption> found;
    // A control's caption as the running window shows it only where it differs.
    const auto add = [&](const QWidget *control, const Caption &caption, bool running) {
        if (!running || found[control->objectName()].text != caption.text)
            found[control->objectName() + (running ? QStringLiteral(" running") : QString())] = caption;
    };
    const auto collect = [&](bool running) {
        for (QAbstractButton *button : form->findChildren<QAbstractButton *>(Qt::FindDirectChildrenOnly)) {
            QStyleOptionButton option;
            option.initFrom(button);
            option.text = button->text();
            const bool tick = qobject_cast<QCheckBox *>(button) != nullptr;
            const QRect room = button->style()->subElementRect(
                tick ? QStyle::SE_CheckBoxContents : QStyle::SE_PushButtonContents, &option, button);
            add(button, { button->text(), widthOf(button, button->text()), room.width() }, running);
        }
        for (QLabel *label : form->findChildren<QLabel *>(Qt::FindDirectChildrenOnly))
            add(label, { label->text(), widthOf(label, label->text()), label->contentsRect().width() }, running);
    };
    collect(false);
    for (IntComboBox *combo : form->numericCombos) {
        QStyleOptionComboBox option;
        option.initFrom(combo);
        option.editable = true;
        const QLineEdit *edit = combo->lineEdit();
        // The line edit keeps two pixels each side of its text.
        const int room = combo->style()
                             ->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, combo)
                             .marginsRemoved(edit->textMargins())
                             .width()
            - 4;
        for (int i = 0; i < combo->count(); ++i)
            found[combo->objectName() + QStringLiteral(" item %1").arg(i)]
                = { combo->itemText(i), widthOf(edit, combo->itemText(i)), room };
    }
    // The running window folds the options away and shows the button that unfolds them.
    form->showRunning(1);
    collect(true);
    return found;
}

void TranslationsTest::initTestCase()
{
    QVERIFY(enterTemporaryDirectory());
    ZolvenarApplication::enableVisualStyles();
    QVERIFY(openForm());
    form->resize(632, 447);
    english = captions();
    closeForm();
}

void TranslationsTest::cleanup()
{
    closeForm();
    Translations::install(LanguageChoice::english);
}

void TranslationsTest::captionsFitTheirControls_data()
{
    QTest::addColumn<QString>("language");
    for (const char *language : { "en", "de", "es", "fr", "it", "nl", "pl", "pt_BR", "ru", "uk", "zh_CN", "ja", "ar" })
        QTest::newRow(language) << language;
}

void TranslationsTest::captionsFitTheirControls()
{
    QFETCH(QString, language);
    const bool translated = language != LanguageChoice::english;
    QCOMPARE(Translations::available().contains(language), translated);
    Translations::install(language);
    // Ours, Qt's own for its boxes, and the direction the language is written in.
    QCOMPARE(ErrorWindow(QString()).continueButton()->text() != QStringLiteral("&Continue"), translated);
    QCOMPARE(QCoreApplication::translate("QPlatformTheme", "&Yes") != QStringLiteral("&Yes"), translated);
    QCOMPARE(QGuiApplication::layoutDirection(), language == QStringLiteral("ar") ? Qt::RightToLeft : Qt::LeftToRight);

    QVERIFY(openForm());
    form->resize(632, 447);
    const QMap<QString, Caption> shown = captions();
    QCOMPARE(shown.keys(), english.keys());
    for (auto caption = shown.cbegin(); caption != shown.cend(); ++caption) {
        const QString where = caption.key() + QStringLiteral(": ") + caption->text;
        QVERIFY2(caption->width <= caption->room,
            qPrintable(where + QStringLiteral(" is %1 pixels wide in %2").arg(caption->width).arg(caption->room)));
        // Numbers are the same in every language.
        const bool words
            = std::any_of(caption->text.cbegin(), caption->text.cend(), [](QChar ch) { return ch.isLetter(); });
        if (translated && words)
            QVERIFY2(caption->text != english[caption.key()].text, qPrintable(where + QStringLiteral(" is English")));
    }
    // The strength line's widest words, also in the smallest window.
    form->resize(454, 340);
    using Limit = StrengthModel::Limit;
    for (const StrengthModel::Figure &figure : { StrengthModel::Figure { 420409, Limit::length },
             StrengthModel::Figure { 420409, Limit::samples }, StrengthModel::Figure { 79.9, Limit::systemRandom },
             StrengthModel::Figure { 1, Limit::samples }, StrengthModel::Figure { 0, Limit::length, true } }) {
        const QString text = WindowTexts::strength(figure);
        QVERIFY2(widthOf(form->labelStrength, text) <= form->labelStrength->contentsRect().width(),
            qPrintable(text + QStringLiteral(" is %1 pixels wide").arg(widthOf(form->labelStrength, text))));
    }
    // The countdown over the list, for every second of the longest delay.
    const int countdownRoom = form->labelClipboard->contentsRect().width() - form->labelClipboard->indent();
    for (int left = 0; left <= SettingsSchema::clipboardDelays.back(); ++left) {
        const QString text = WindowTexts::clipboardCountdown(left);
        QVERIFY2(widthOf(form->labelClipboard, text) <= countdownRoom,
            qPrintable(text + QStringLiteral(" is %1 pixels wide").arg(widthOf(form->labelClipboard, text))));
    }
    // Counting down, it lies inside the list's frame at its top, its words from the side
    // the language is written from (right to left in Arabic) and the other end free.
    for (QAction *choice : form->groupClearClipboardAfter->actions())
        choice->setChecked(choice->data().toInt() == 300);
    form->startClipboardDelay();
    const int frame = form->listResult->frameWidth();
    QCOMPARE(form->labelClipboard->geometry(),
        QRect(form->listResult->pos() + QPoint(frame, frame),
            QSize(form->listResult->width() - 2 * frame, form->labelClipboard->height())));
    const QImage line = form->labelClipboard->grab().toImage();
    const auto inkIn = [&line](QRect area) {
        area = QStyle::visualRect(QGuiApplication::layoutDirection(), line.rect(), area);
        for (int y = area.top(); y <= area.bottom(); ++y)
            for (int x = area.left(); x <= area.right(); ++x)
                if (line.pixel(x, y) != line.pixel(area.topLeft()))
                    return true;
        return false;
    };
    QVERIFY(inkIn(QRect(0, 0, 30, line.height())));
    QVERIFY(!inkIn(QRect(line.width() - 30, 0, 30, line.height())));
}

void TranslationsTest::settingsFileStaysEnglish()
{
    QFETCH(QString, language);
    Translations::install(language);
    QVERIFY(openForm());
    form->checkSettings->setChecked(true);
    form->comboGens->setCurrentIndex(0);
    form->saveSettings();
    closeForm();
    const auto removeFile = qScopeGuard([] { QFile::remove(QStringLiteral("Zolvenar.ini")); });
    QVERIFY(FileBytes::read("Zolvenar.ini").contains("\r\nGENERATORS=0 (Disabled)\r\n"));
    // Shown in the window's language again.
    QVERIFY(openForm());
    QCOMPARE(form->comboGens->currentText(), form->comboGens->itemText(0));
}

void TranslationsTest::setsNumbersAndPasswordsStayLeftToRight()
{
    Translations::install(QStringLiteral("ar"));
    QVERIFY(openForm());
    QCOMPARE(form->layoutDirection(), Qt::RightToLeft);
    for (QLineEdit *edit : form->setEdits)
        QCOMPARE(edit->layoutDirection(), Qt::LeftToRight);
    for (IntComboBox *combo : form->numericCombos)
        QCOMPARE(combo->layoutDirection(), Qt::LeftToRight);
    QCOMPARE(form->listResult->layoutDirection(), Qt::LeftToRight);
}

QTEST_MAIN(TranslationsTest)
#include "TranslationsTest.moc"
