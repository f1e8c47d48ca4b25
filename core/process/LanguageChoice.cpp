#include "core/process/LanguageChoice.h"

namespace {

struct Entry
{
    QString language; // lower case
    QString territory; // upper case, may be empty
};

// language[_territory][.codeset][@modifier]; a hyphen is taken for the underscore.
Entry parse(const QByteArray &name)
{
    QString text = QString::fromLatin1(name);
    text = text.section(QLatin1Char('@'), 0, 0).section(QLatin1Char('.'), 0, 0);
    text.replace(QLatin1Char('-'), QLatin1Char('_'));
    return { text.section(QLatin1Char('_'), 0, 0).toLower(), text.section(QLatin1Char('_'), 1, 1).toUpper() };
}

bool isPlainC(const QByteArray &locale)
{
    return locale == "C" || locale == "POSIX";
}

QString likelyTerritory(const QString &language)
{
    if (language == QLatin1String("pt"))
        return QStringLiteral("BR");
    if (language == QLatin1String("zh"))
        return QStringLiteral("CN");
    return {};
}

} // namespace

LanguageChoice::Environment LanguageChoice::Environment::current()
{
    return { qgetenv("LANGUAGE"), qgetenv("LC_ALL"), qgetenv("LC_MESSAGES"), qgetenv("LANG") };
}

QString LanguageChoice::choose(const Environment &environment, const QStringList &available)
{
    QByteArray locale = "C";
    for (const QByteArray *value : { &environment.lcAll, &environment.lcMessages, &environment.lang }) {
        if (!value->isEmpty()) {
            locale = *value;
            break;
        }
    }
    if (isPlainC(locale))
        return english;
    const QByteArrayList entries
        = environment.language.isEmpty() ? QByteArrayList { locale } : environment.language.split(':');
    for (const QByteArray &name : entries) {
        if (name.isEmpty())
            continue;
        const Entry entry = parse(name);
        // C in the list stops it, as gettext has it; our own language does the same.
        if (entry.language == english || entry.language == QLatin1String("c")
            || entry.language == QLatin1String("posix"))
            return english;
        const QString territory = entry.territory.isEmpty() ? likelyTerritory(entry.language) : entry.territory;
        const QString full = entry.language + QLatin1Char('_') + territory;
        if (!territory.isEmpty() && available.contains(full))
            return full;
        if (available.contains(entry.language))
            return entry.language;
    }
    return english;
}
