#pragma once

#include "app/MainWindow.h"
#include "link/ReadWriteDialog.h"
#include "workspace/Language.h"

#include "RadioSimulator.h"
#include "support/RecordingMessageLibrary.h"
#include "support/TemporaryProgramFolder.h"

#include <QStringList>

#include <memory>

// The program as main() builds it, main window and read/write dialog, on a temporary
// program folder with the shipped companion files, shown; COM1 leads to a simulated radio.
struct RunningProgram
{
    RadioSimulator radio;
    TemporaryProgramFolder folder;
    RecordingMessageLibrary messages;
    std::unique_ptr<MainWindow> window;
    std::unique_ptr<ReadWriteDialog> dialog;

    RunningProgram(const QByteArray& image, const RadioFaults& faults,
                   Language language = Language::English);
    ~RunningProgram();
    RunningProgram(const RunningProgram&) = delete;
    RunningProgram& operator=(const RunningProgram&) = delete;

    Workspace& workspace() { return window->workspace(); }
    // The eight field texts of a row.
    QStringList row(int row);
};
