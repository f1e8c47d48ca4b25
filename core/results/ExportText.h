#pragma once

#include <QByteArray>
#include <QList>

// The text that copy and save hand out: the passwords as they are, one after the
// other, separated by CR LF, nothing after the last one.
class ExportText
{
public:
    static QByteArray resultsText(const QList<QByteArray> &items);
};
