#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

// Which of the program's languages the environment asks for, by gettext's rules:
// the locale is the first set of LC_ALL, LC_MESSAGES and LANG; under C or POSIX
// (or none set) the program speaks English and LANGUAGE is not read; otherwise
// LANGUAGE, a colon-separated list, is tried in order, and only without it the
// locale. An entry names language[_territory][.codeset][@modifier]; its
// territory is tried first, then the language alone. The first entry we have
// wins; none gives English, even when the locale is one we have.
//
// Where gettext would find no catalog, two choices of ours:
// - English ("en", "en_GB") is the program's own language: an entry naming it
//   stops the search, as a catalog of it would.
// - An entry naming no territory takes the one Unicode's likely subtags give it:
//   "pt" is Brazilian Portuguese and "zh" Simplified Chinese. A territory named
//   is kept: pt_PT and zh_TW, zh_HK get no translation of another variety.
class LanguageChoice
{
public:
    // The variables as read; an empty value counts as unset.
    struct Environment
    {
        QByteArray language, lcAll, lcMessages, lang;

        static Environment current();
    };

    static constexpr QLatin1String english { "en" };

    // One of available ("de", "pt_BR"), or english.
    static QString choose(const Environment &environment, const QStringList &available);
};
