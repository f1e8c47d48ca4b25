// The yardstick for start-up: the least a Qt Widgets program does to show a
// window. bench/startup.py starts it side by side with zolvenar.
#include <QApplication>
#include <QPushButton>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QPushButton button(QStringLiteral("Bare"));
    button.resize(640, 480);
    button.show();
    return QApplication::exec();
}
