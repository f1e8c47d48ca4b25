// The least a window with a text box does before it shows: the bare window with
// one line edit, Qt's font database filled on a thread of its own while it is
// made, as zolvenar does. A text box lays out its text when it is made, so it
// needs the font configuration before the window maps; a lone button waits for
// its first paint. bench/startup.py starts it beside the bare window.
#include <QApplication>
#include <QFontDatabase>
#include <QLineEdit>
#include <QPushButton>

#include <thread>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    std::thread fonts([] { QFontDatabase::families(); });
    QPushButton button(QStringLiteral("Bare"));
    button.resize(640, 480);
    new QLineEdit(&button);
    button.show();
    fonts.join();
    return QApplication::exec();
}
