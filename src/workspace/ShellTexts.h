#pragma once

#include "workspace/Language.h"

#include <QString>

// The main window's own short texts in both languages: the tooltips of its icons and
// buttons, and the status reports that say for a few seconds what a command did.
namespace ShellTexts {
// How long a status report stands before the usual status text comes back.
constexpr int ReportMs = 5000;

enum class Tip {
    FileMenu,
    ProgramMenu,
    OptionsMenu,
    HelpMenu,
    New,
    Open,
    Save,
    Exit,
    Read,
    Write,
    Channels,
    Settings,
    PowerAdjust, // the greyed icon: how to reach its page
    ComPort,
    Language,
    Skin,
    Help,
    About,
    StartTransfer,   // the read/write window's start button
    CloseTransfer,   // and its close button
    CalibrationRead, // the service page's buttons
    CalibrationWrite,
    AgingTest,
    UseDevice, // the COM Port page's buttons
    ForgetDevice,
};

// "Read the radio (Alt+R)": what the control does and its shortcut.
QString tooltip(Tip tip, Language language);

// "Read 16 channels from COM1": the channels actually programmed.
QString readReport(int channels, int portNumber, Language language);
QString writtenReport(int channels, int portNumber, Language language);
QString savedReport(const QString& fileName, Language language);
QString openedReport(const QString& fileName, Language language);
// A COM port tied to a device, or untied, that the settings file at `path` could not keep:
// the choice holds until the program closes.
QString portChoiceNotSaved(const QString& path, Language language);
// A report followed by what came of the command's backup or check, when there is a word
// on it: "Read 16 channels from COM1 — Backup saved: 2026-12-10_17-06-42.F19".
QString withNote(const QString& report, const QString& note);
} // namespace ShellTexts
