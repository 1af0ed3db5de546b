#include "cli/CliProgram.h"

#include <QCoreApplication>

int main(int argc, char* argv[])
{
    QCoreApplication application(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("qv3307-cli"));
    QCoreApplication::setApplicationVersion(QStringLiteral(QV3307_VERSION));
    const ExitStatus status =
        CliProgram::run(QCoreApplication::applicationDirPath(), application.arguments().mid(1));
    return int(status);
}
