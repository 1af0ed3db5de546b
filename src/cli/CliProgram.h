#pragma once

#include "cli/ExitStatus.h"

#include <QString>
#include <QStringList>

// qv3307-cli as a whole: reads the command line, answers --version and --help, and runs
// the command in the language asked for.
namespace CliProgram {
ExitStatus run(const QString& programFolder, const QStringList& arguments);
// Whether the command paints pages (the channel sheet): its text needs the fonts that only
// a QGuiApplication brings.
bool paintsPages(const QStringList& arguments);
} // namespace CliProgram
