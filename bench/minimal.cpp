// The yardstick: a Qt Widgets program that only shows an empty window.
#include <QApplication>
#include <QWidget>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QWidget w;
    w.resize(800, 600);
    w.show();
    return app.exec();
}
