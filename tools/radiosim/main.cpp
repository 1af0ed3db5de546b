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
#include <memory>
#include <pthread.h>
#include <vector>

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

// With several radios each line names the radio it is about ("radio 2: ").
void printCommand(const QString& radioName, const RadioSimulator::CommandEntry& entry)
{
    const double seconds = std::chrono::duration<double>(entry.time).count();
    print(QStringLiteral("%1%2 s  %3")
              .arg(radioName)
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
    std::vector<std::unique_ptr<RadioSimulator>> radios;
    std::vector<std::unique_ptr<PortLink>> links;
    for (int index = 0; index < options.radios; ++index) {
        const QString name =
            options.radios == 1 ? QString() : QStringLiteral("radio %1: ").arg(index + 1);
        auto radio = std::make_unique<RadioSimulator>(memory);
        radio->setPaced(options.paced);
        radio->setFaults(options.faults);
        radio->onCommand = [name](const RadioSimulator::CommandEntry& entry) {
            printCommand(name, entry);
        };
        if (!radio->start()) {
            printError(radio->errorString());
            return 1;
        }
        print(QStringLiteral("%1Simulated radio on %2").arg(name, radio->slavePath()));

        auto link = std::make_unique<PortLink>();
        if (!options.programFolder.isEmpty()) {
            const int port = options.port + index;
            if (!link->create(options.programFolder, port, radio->slavePath(), &error)) {
                printError(error);
                return 1;
            }
            print(QStringLiteral("%1COM%2 of the program in %3 leads to it (%4)")
                      .arg(name)
                      .arg(port)
                      .arg(options.programFolder, link->path()));
        }
        radios.push_back(std::move(radio));
        links.push_back(std::move(link));
    }
    print(QStringLiteral("Press Ctrl+C to stop."));

    int signal = 0;
    sigwait(&stopSignals, &signal);
    for (size_t index = 0; index < radios.size(); ++index) {
        radios[index]->stop();
        links[index]->remove();
    }
    if (!options.imagePath.isEmpty()) {
        if (!radios.front()->memory().save(options.imagePath, &error)) {
            printError(error);
            return 1;
        }
        print(QStringLiteral("Memory saved to %1").arg(options.imagePath));
    }
    return 0;
}
