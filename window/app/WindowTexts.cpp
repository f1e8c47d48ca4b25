#include "window/app/WindowTexts.h"

#include <cmath>

namespace {

QString bitsText(double bits)
{
    // Past a thousand bits a tenth says nothing, and six digits must still fit.
    if (bits >= 1000)
        return QString::number(std::floor(bits), 'f', 0);
    QString text = QString::number(bits, 'f', 1);
    if (text.endsWith(QLatin1String(".0")))
        text.chop(2);
    return text;
}

} // namespace

QString WindowTexts::strength(const StrengthModel::Figure &figure)
{
    if (figure.impossible)
        return QStringLiteral("Too short to hold each set");
    const QString bits = bitsText(figure.bits);
    const bool one = bits == QLatin1String("1");
    switch (figure.limit) {
    case StrengthModel::Limit::length:
        return (
            one ? QStringLiteral("%1 bit each, limited by length") : QStringLiteral("%1 bits each, limited by length"))
            .arg(bits);
    case StrengthModel::Limit::samples:
        return (one ? QStringLiteral("%1 bit each, limited by samples")
                    : QStringLiteral("%1 bits each, limited by samples"))
            .arg(bits);
    case StrengthModel::Limit::systemRandom:
        return (one ? QStringLiteral("%1 bit each, with system mix") : QStringLiteral("%1 bits each, with system mix"))
            .arg(bits);
    }
    return {};
}

QString WindowTexts::strengthTip()
{
    return QStringLiteral("What each password is worth: the smaller of what its minimum length can hold from the "
                          "characters left and one bit for each sample that goes into it, or the first alone with "
                          "system randomness mixed in");
}

QString WindowTexts::menuName()
{
    return QStringLiteral("Actions and Options");
}

QString WindowTexts::selectAll()
{
    return QStringLiteral("Select &All");
}

QString WindowTexts::deleteSelected()
{
    return QStringLiteral("&Delete Selected");
}

QString WindowTexts::copyToClipboard()
{
    return QStringLiteral("&Copy to Clipboard");
}

QString WindowTexts::saveToFile()
{
    return QStringLiteral("&Save to File");
}

QString WindowTexts::mixSystemRandom()
{
    return QStringLiteral("&Mix in System Randomness");
}

QString WindowTexts::requireEachSet()
{
    return QStringLiteral("&Require Each Set");
}

QString WindowTexts::about()
{
    return QStringLiteral("A&bout Zolvenar");
}

QString WindowTexts::aboutCaption()
{
    return QStringLiteral("About Zolvenar");
}

QString WindowTexts::aboutText()
{
    return QStringLiteral("Zolvenar %1\nA desktop password generator.\n\nFree software under the MIT licence, "
                          "copyright the Zolvenar developers.\nHome page: %2")
        .arg(QStringLiteral(ZOLVENAR_VERSION), QStringLiteral("https://zolvenar.org/"));
}
