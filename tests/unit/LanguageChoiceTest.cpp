#include "core/process/LanguageChoice.h"

#include <QTest>

class LanguageChoiceTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void chooses_data();
    void chooses();
};

void LanguageChoiceTest::chooses_data()
{
    QTest::addColumn<QByteArray>("language"); // LANGUAGE
    QTest::addColumn<QByteArray>("lcAll");
    QTest::addColumn<QByteArray>("lcMessages");
    QTest::addColumn<QByteArray>("lang");
    QTest::addColumn<QString>("chosen");
    const QByteArray none;
    QTest::newRow("nothing set is English") << none << none << none << none << "en";
    QTest::newRow("codeset and modifier dropped") << none << none << none << QByteArray("de_DE.UTF-8@euro") << "de";
    QTest::newRow("another territory of a language") << none << none << none << QByteArray("es_MX.UTF-8") << "es";
    QTest::newRow("LC_ALL before LC_MESSAGES") << none << QByteArray("fr_FR") << QByteArray("de_DE") << none << "fr";
    QTest::newRow("LC_MESSAGES before LANG")
        << none << none << QByteArray("ja_JP.UTF-8") << QByteArray("de_DE") << "ja";
    QTest::newRow("an empty LC_ALL is unset") << none << QByteArray("") << none << QByteArray("ar_EG.UTF-8") << "ar";
    QTest::newRow("a language we lack is English") << none << none << none << QByteArray("sv_SE.UTF-8") << "en";
    QTest::newRow("C is English") << none << none << none << QByteArray("C") << "en";
    QTest::newRow("C.UTF-8 is English") << none << none << none << QByteArray("C.UTF-8") << "en";
    QTest::newRow("LANGUAGE before the locale")
        << QByteArray("uk") << none << none << QByteArray("de_DE.UTF-8") << "uk";
    QTest::newRow("first LANGUAGE entry we have wins")
        << QByteArray("eo:sv_SE::nl_BE:de") << none << none << QByteArray("fr_FR.UTF-8") << "nl";
    QTest::newRow("LANGUAGE with none we have is English, not the locale")
        << QByteArray("eo:sv") << none << none << QByteArray("de_DE.UTF-8") << "en";
    QTest::newRow("LANGUAGE ignored under C")
        << QByteArray("de") << QByteArray("C") << none << QByteArray("fr_FR") << "en";
    QTest::newRow("LANGUAGE ignored under POSIX") << QByteArray("de") << none << none << QByteArray("POSIX") << "en";
    QTest::newRow("LANGUAGE ignored without a locale") << QByteArray("de") << none << none << none << "en";
    QTest::newRow("LANGUAGE read under C.UTF-8") << QByteArray("pl") << none << none << QByteArray("C.UTF-8") << "pl";
    QTest::newRow("C in LANGUAGE stops the search")
        << QByteArray("C:de") << none << none << QByteArray("de_DE") << "en";
    QTest::newRow("English in LANGUAGE stops the search")
        << QByteArray("en_GB:de") << none << none << QByteArray("de_DE.UTF-8") << "en";
    QTest::newRow("Brazilian Portuguese") << none << none << none << QByteArray("pt_BR.UTF-8") << "pt_BR";
    QTest::newRow("Portuguese without a territory is Brazilian")
        << QByteArray("pt") << none << none << QByteArray("de_DE") << "pt_BR";
    QTest::newRow("European Portuguese is not Brazilian") << none << none << none << QByteArray("pt_PT.UTF-8") << "en";
    QTest::newRow("Simplified Chinese") << none << none << none << QByteArray("zh_CN.UTF-8") << "zh_CN";
    QTest::newRow("Chinese without a territory is Simplified")
        << QByteArray("zh") << none << none << QByteArray("de_DE") << "zh_CN";
    QTest::newRow("Taiwan's Chinese is not Simplified")
        << QByteArray("zh_TW:zh_HK") << none << none << QByteArray("zh_TW.UTF-8") << "en";
}

void LanguageChoiceTest::chooses()
{
    QFETCH(QByteArray, language);
    QFETCH(QByteArray, lcAll);
    QFETCH(QByteArray, lcMessages);
    QFETCH(QByteArray, lang);
    QFETCH(QString, chosen);
    const QStringList available { "ar", "de", "es", "fr", "it", "ja", "nl", "pl", "pt_BR", "ru", "uk", "zh_CN" };
    QCOMPARE(LanguageChoice::choose({ language, lcAll, lcMessages, lang }, available), chosen);
}

QTEST_APPLESS_MAIN(LanguageChoiceTest)
#include "LanguageChoiceTest.moc"
