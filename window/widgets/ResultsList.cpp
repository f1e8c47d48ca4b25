#include "window/widgets/ResultsList.h"

#include <QKeyEvent>

ResultsList::ResultsList(QWidget *parent)
    : QListWidget(parent)
{ }

void ResultsList::keyPressEvent(QKeyEvent *event)
{
    if (event->matches(QKeySequence::Copy)) {
        event->accept();
        Q_EMIT copyRequested();
        return;
    }
    QListWidget::keyPressEvent(event);
}
