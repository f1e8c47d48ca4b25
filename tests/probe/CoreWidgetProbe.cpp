// Built with the core library's include paths only; it must not compile.
#include <QWidget>

int probe()
{
    QWidget widget;
    return widget.width();
}
