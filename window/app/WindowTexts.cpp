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
        return tr("Too short to hold each set");
    const QString bits = bitsText(figure.bits);
    const bool one = bits == QLatin1String("1");
    switch (figure.limit) {
    case StrengthModel::Limit::length:
        return (one ? tr("%1 bit each, limited by length") : tr("%1 bits each, limited by length")).arg(bits);
    case StrengthModel::Limit::samples:
        return (one ? tr("%1 bit each, limited by samples") : tr("%1 bits each, limited by samples")).arg(bits);
    case StrengthModel::Limit::systemRandom:
        return (one ? tr("%1 bit each, with system mix") : tr("%1 bits each, with system mix")).arg(bits);
    }
    return {};
}

QString WindowTexts::strengthTip()
{
    return tr("What each password is worth: the smaller of what its minimum length can hold from the "
              "characters left and one bit for each sample that goes into it, or the first alone with "
              "system randomness mixed in");
}

QString WindowTexts::menuName()
{
    return tr("Actions and Options");
}

QString WindowTexts::selectAll()
{
    return tr("Select &All");
}

QString WindowTexts::deleteSelected()
{
    return tr("&Delete Selected");
}

QString WindowTexts::copyToClipboard()
{
    return tr("&Copy to Clipboard");
}

QString WindowTexts::saveToFile()
{
    return tr("&Save to File");
}

QString WindowTexts::mixSystemRandom()
{
    return tr("&Mix in System Randomness");
}

QString WindowTexts::requireEachSet()
{
    return tr("&Require Each Set");
}

QString WindowTexts::about()
{
    return tr("A&bout Zolvenar");
}

QString WindowTexts::clearClipboardAfter()
{
    return tr("C&lear Clipboard After");
}

QString WindowTexts::delayChoice(int seconds)
{
    // Each with an access key of its own: N, 0, 3, 1, 5.
    switch (seconds) {
    case 0:
        return tr("&Never");
    case 10:
        return tr("1&0 s");
    case 30:
        return tr("&30 s");
    case 60:
        return tr("&1 min");
    case 300:
        return tr("&5 min");
    }
    return QString::number(seconds);
}

QString WindowTexts::clipboardCountdown(int secondsLeft)
{
    if (secondsLeft < 60)
        return tr("Clipboard clears in %1 s").arg(secondsLeft);
    return tr("Clipboard clears in %1:%2").arg(secondsLeft / 60).arg(secondsLeft % 60, 2, 10, QLatin1Char('0'));
}

QString WindowTexts::aboutCaption()
{
    return tr("About Zolvenar");
}

QString WindowTexts::aboutText()
{
    return tr("Zolvenar %1\nA desktop password generator.\n\nFree software under the MIT licence, "
              "copyright the Zolvenar developers.\nHome page: %2")
        .arg(QStringLiteral(ZOLVENAR_VERSION), QStringLiteral("https://zolvenar.org/"));
}
