// qv3307-bare-window WIDTH HEIGHT: an empty Qt Widgets window of the given size and nothing
// else, built with the same Qt as the program. The window benchmarks start it beside the
// program to learn what a window costs on this machine, so that the program's own start-up
// is measured as a ratio to it.

#include <QApplication>
#include <QWidget>

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    const QStringList arguments = QApplication::arguments();
    if (arguments.size() != 3)
        return 2;
    QWidget window;
    window.setFixedSize(arguments[1].toInt(), arguments[2].toInt());
    window.show();
    return application.exec();
}
