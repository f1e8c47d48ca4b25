#include "core/results/ExportText.h"

QByteArray ExportText::resultsText(const QList<QByteArray> &items)
{
    static constexpr char separator[] = "\r\n";
    static constexpr qsizetype separatorSize = sizeof(separator) - 1;

    qsizetype size = 0;
    for (const QByteArray &item : items)
        size += item.size() + separatorSize;
    QByteArray text;
    text.reserve(size);
    for (const QByteArray &item : items) {
        text.append(item);
        text.append(separator, separatorSize);
    }
    text.chop(separatorSize);
    return text;
}
