#include "app/MainWindow.h"
#include "app/Platform.h"
#include "app/Skins.h"
#include "app/ThemedMessageBoxes.h"

#include <QApplication>
#include <QSocketNotifier>

#include <csignal>
#include <sys/signalfd.h>
#include <unistd.h>

namespace {

// Turns SIGINT, SIGTERM and SIGHUP into an orderly quit, so that the main window is
// destroyed and the settings file written on these exits too.
int quitSignalsDescriptor()
{
    sigset_t quitSet;
    sigemptyset(&quitSet);
    sigaddset(&quitSet, SIGINT);
    sigaddset(&quitSet, SIGTERM);
    sigaddset(&quitSet, SIGHUP);
    if (pthread_sigmask(SIG_BLOCK, &quitSet, nullptr) != 0)
        return -1;
    return signalfd(-1, &quitSet, SFD_CLOEXEC | SFD_NONBLOCK);
}

} // namespace

int main(int argc, char* argv[])
{
    const int quitSignals = quitSignalsDescriptor();
    QApplication application(argc, argv);
    QApplication::setApplicationName(ThemedMessageBoxes::programName());
    QApplication::setApplicationVersion(QStringLiteral(QV3307_VERSION));

    QSocketNotifier quitNotifier(quitSignals, QSocketNotifier::Read);
    quitNotifier.setEnabled(quitSignals >= 0);
    // A quit can come while a box of the start-up is open, before the main loop runs.
    // QApplication::quit() does nothing then: exit() ends the box's loop instead, and the
    // main loop is not started after it.
    bool quitAsked = false;
    bool mainLoopEntered = false;
    QObject::connect(&quitNotifier, &QSocketNotifier::activated, &application,
                     [quitSignals, &quitAsked, &mainLoopEntered] {
                         signalfd_siginfo info;
                         [[maybe_unused]] const ssize_t ignored =
                             read(quitSignals, &info, sizeof info);
                         quitAsked = true;
                         if (mainLoopEntered)
                             QApplication::quit();
                         else
                             QApplication::exit(0);
                     });

    Platform platform;
    platform.programFolder = QApplication::applicationDirPath();
    Skins skins(platform.programFolder);
    ThemedMessageBoxes messageBoxes(skins);
    platform.messages = &messageBoxes;

    MainWindow mainWindow(platform);
    messageBoxes.setParentWindow(&mainWindow);
    mainWindow.show();
    mainLoopEntered = true;
    const int result = quitAsked ? 0 : application.exec();
    if (quitSignals >= 0)
        close(quitSignals);
    return result;
}
