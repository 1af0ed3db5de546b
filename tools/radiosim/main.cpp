// qv3307-radiosim: a simulated QV3307 on a pseudo-terminal, for trying the program without
// a radio. It prints the device it serves and every command it receives, and runs until
// Ctrl+C, then saves the memory image.

#include "PortLink.h"
#include "RadioSimulator.h"
#include "RadioSimulatorOptions.h"

#include <QCoreApplication>
#include <QFileInfo>

#include <csignal>
#include <cstdio>
#include <pthread.h>

namespace {
void print(const QString& line)
{
    std::fprintf(stdout, "%s\n", qPrintable(line));
    std::fflush(stdout);
}

void printError(const QString& line)
{
    std::fprintf(stderr, "qv3307-radiosim: %s\n", qPrintable(line));
}

void printCommand(const RadioSimulator::CommandEntry& entry)
{
    const double seconds = std::chrono::duration<double>(entry.time).count();
    print(QStringLiteral("%1 s  %2")
              .arg(seconds, 9, 'f', 3)
              .arg(RadioProtocol::describe(entry.command)));
}

// Ctrl+C and friends are taken by sigwait on the main thread; every thread starts with
// them blocked, so none of them is interrupted.
sigset_t blockStopSignals()
{
    sigset_t stopSet;
    sigemptyset(&stopSet);
    for (const int signal : {SIGINT, SIGTERM, SIGHUP})
        sigaddset(&stopSet, signal);
    pthread_sigmask(SIG_BLOCK, &stopSet, nullptr);
    return stopSet;
}
} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication application(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("qv3307-radiosim"));
    RadioSimulatorOptions options;
    if (!options.parse(QCoreApplication::arguments())) {
        if (options.helpRequested()) {
            print(options.helpText());
            return 0;
        }
        printError(options.error());
        return 2;
    }

    RadioMemory memory;
    QString error;
    if (!options.imagePath.isEmpty() && QFileInfo::exists(options.imagePath) &&
        !memory.load(options.imagePath, &error)) {
        printError(error);
        return 1;
    }

    const sigset_t stopSignals = blockStopSignals();
    RadioSimulator radio(memory);
    radio.setPaced(options.paced);
    radio.setFaults(options.faults);
    radio.onCommand = printCommand;
    if (!radio.start()) {
        printError(radio.errorString());
        return 1;
    }
    print(QStringLiteral("Simulated radio on %1").arg(radio.slavePath()));

    PortLink link;
    if (!options.programFolder.isEmpty()) {
        if (!link.create(options.programFolder, options.port, radio.slavePath(), &error)) {
            printError(error);
            return 1;
        }
        print(QStringLiteral("COM%1 of the program in %2 leads to it (%3)")
                  .arg(options.port)
                  .arg(options.programFolder, link.path()));
    }
    print(QStringLiteral("Press Ctrl+C to stop."));

    int signal = 0;
    sigwait(&stopSignals, &signal);
    radio.stop();
    link.remove();
    if (!options.imagePath.isEmpty()) {
        if (!radio.memory().save(options.imagePath, &error)) {
            printError(error);
            return 1;
        }
        print(QStringLiteral("Memory saved to %1").arg(options.imagePath));
    }
    return 0;
}
