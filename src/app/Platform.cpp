#include "app/Platform.h"

#include <QCoreApplication>
#include <QCursor>
#include <QDesktopServices>
#include <QProcess>
#include <QStandardPaths>

namespace {

// The desktop's opener tells by its exit status whether anything could show the document
// (it fails where there is no browser); where it cannot even be started, Qt's own opener
// is asked.
void openWithDesktop(const QUrl& url, const Platform::OpenFailed& failed)
{
    const QString opener = QStandardPaths::findExecutable(QStringLiteral("xdg-open"));
    if (opener.isEmpty()) {
        if (!QDesktopServices::openUrl(url) && failed)
            failed();
        return;
    }
    auto* process = new QProcess(QCoreApplication::instance());
    process->setStandardOutputFile(QProcess::nullDevice());
    process->setStandardErrorFile(QProcess::nullDevice());
    QObject::connect(process, &QProcess::finished, process,
                     [process, failed](int exitCode, QProcess::ExitStatus status) {
                         if ((status != QProcess::NormalExit || exitCode != 0) && failed)
                             failed();
                         process->deleteLater();
                     });
    QObject::connect(process, &QProcess::errorOccurred, process,
                     [process, failed](QProcess::ProcessError error) {
                         if (error != QProcess::FailedToStart)
                             return;
                         if (failed)
                             failed();
                         process->deleteLater();
                     });
    process->start(opener, {url.toString()});
}

} // namespace

Platform Platform::withDesktopDefaults() const
{
    Platform filled = *this;
    if (!filled.cursorPosition)
        filled.cursorPosition = [] { return QCursor::pos(); };
    if (!filled.openUrl)
        filled.openUrl = &openWithDesktop;
    return filled;
}
