#include "support/ModalWatch.h"

#include <QApplication>
#include <QTimer>

QWidget *ModalWatch::visible(const QMetaObject &type)
{
    for (QWidget *widget : QApplication::topLevelWidgets()) {
        if (widget->isVisible() && type.cast(widget))
            return widget;
    }
    return nullptr;
}

void ModalWatch::whenOpen(const QMetaObject &type, std::function<void(QWidget &)> action)
{
    QTimer::singleShot(0, qApp, [&type, action = std::move(action)] {
        if (QWidget *window = visible(type))
            action(*window);
        else
            whenOpen(type, action);
    });
}
