#include "window/toolkit/Translations.h"

#include "core/process/LanguageChoice.h"

#include <QCoreApplication>
#include <QDir>
#include <QGuiApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include <memory>

namespace {

const QString prefix = QStringLiteral("zolvenar_");
const QString suffix = QStringLiteral(".qm");

// What the application object holds now (user-interface thread only); an empty
// language is English.
QString installed;
std::unique_ptr<QTranslator> ours;
std::unique_ptr<QTranslator> toolkit;

void removeInstalled()
{
    for (std::unique_ptr<QTranslator> *translator : { &ours, &toolkit }) {
        if (*translator)
            QCoreApplication::removeTranslator(translator->get());
        translator->reset();
    }
}

} // namespace

void Translations::install()
{
    install(LanguageChoice::choose(LanguageChoice::Environment::current(), available()));
}

void Translations::install(const QString &language)
{
    const QString wanted = language == LanguageChoice::english ? QString() : language;
    if (wanted == installed)
        return;
    removeInstalled();
    installed = wanted;
    Qt::LayoutDirection direction = Qt::LeftToRight;
    if (!wanted.isEmpty()) {
        ours = std::make_unique<QTranslator>();
        if (ours->load(QStringLiteral(":/i18n/") + prefix + wanted + suffix))
            QCoreApplication::installTranslator(ours.get());
        // Qt's own are a separate package: without them its buttons stay English.
        toolkit = std::make_unique<QTranslator>();
        if (toolkit->load(QStringLiteral("qtbase_") + wanted, QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
            QCoreApplication::installTranslator(toolkit.get());
        direction = QLocale(wanted).textDirection();
    }
    // --help has an application object without a window.
    if (qobject_cast<QGuiApplication *>(QCoreApplication::instance()))
        QGuiApplication::setLayoutDirection(direction);
}

QString Translations::beforeApplication(const char *context, const char *sourceText)
{
    const QString language = LanguageChoice::choose(LanguageChoice::Environment::current(), available());
    QTranslator translator;
    if (language != LanguageChoice::english
        && translator.load(QStringLiteral(":/i18n/") + prefix + language + suffix)) {
        const QString text = translator.translate(context, sourceText);
        if (!text.isEmpty())
            return text;
    }
    return QString::fromUtf8(sourceText);
}

QStringList Translations::available()
{
    QStringList languages;
    for (const QString &file : QDir(QStringLiteral(":/i18n")).entryList({ prefix + QLatin1Char('*') + suffix }))
        languages << file.mid(prefix.size()).chopped(suffix.size());
    return languages;
}
