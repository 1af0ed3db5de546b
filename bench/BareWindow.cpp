// qv3307-bare-window WIDTH HEIGHT: a Qt Widgets window of the given size showing one line of
// text and nothing else, built with the same Qt as the program. The window benchmarks start
// it beside the program to learn what a window costs on this machine, so that the program's
// own start-up is measured as a ratio to it. The line of text makes the comparison one with
// any window a user would call bare: reading the font configuration and loading a font come
// with the first text shown, whatever the program.

#include <QApplication>
#include <QLabel>
#include <QWidget>

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    const QStringList arguments = QApplication::arguments();
    if (arguments.size() != 3)
        return 2;
    QWidget window;
    window.setFixedSize(arguments[1].toInt(), arguments[2].toInt());
    auto* line = new QLabel(QStringLiteral("A bare window"), &window);
    line->move(8, 8);
    window.show();
    return application.exec();
}
