// The yardstick: the least a Qt Widgets program does to show a black frameless
// window of the main window's size and place.
#include <QApplication>
#include <QWidget>

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    QWidget window(nullptr, Qt::Window | Qt::FramelessWindowHint);
    window.setFixedSize(640, 479);
    window.move(93, 26);
    QPalette colours = window.palette();
    colours.setColor(QPalette::Window, Qt::black);
    window.setPalette(colours);
    window.setAutoFillBackground(true);
    window.show();
    return QApplication::exec();
}
