#include "cli/CliProgram.h"

#include <QCoreApplication>
#include <QGuiApplication>

#include <memory>

int main(int argc, char* argv[])
{
    QStringList arguments;
    for (int index = 1; index < argc; ++index)
        arguments.append(QString::fromLocal8Bit(argv[index]));
    std::unique_ptr<QCoreApplication> application;
    if (CliProgram::paintsPages(arguments)) {
        // The sheet's text needs fonts, which come with a QGuiApplication; it paints into a
        // file, so the offscreen platform serves without a display.
        qputenv("QT_QPA_PLATFORM", "offscreen");
        application = std::make_unique<QGuiApplication>(argc, argv);
    } else {
        application = std::make_unique<QCoreApplication>(argc, argv);
    }
    QCoreApplication::setApplicationName(QStringLiteral("qv3307-cli"));
    QCoreApplication::setApplicationVersion(QStringLiteral(QV3307_VERSION));
    const ExitStatus status = CliProgram::run(QCoreApplication::applicationDirPath(),
                                              QCoreApplication::arguments().mid(1));
    return int(status);
}
