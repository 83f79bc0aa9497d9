// The yardstick for start-up time and memory: the least Qt 6 Widgets program
// that shows a fixed-size window like the game's, built the same way.

#include <QApplication>
#include <QWidget>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle("Bare");
    window.setFixedSize(581, 341);
    window.move(100, 100);
    window.show();
    return app.exec();
}
