#pragma once

#include "cli/ExitStatus.h"

#include <QString>

class CliContext;

// What read and plan do with the channels they end with: print them as the contents table
// or, given a name, save them as the kind of file the name asks for.
ExitStatus printOrSave(CliContext& context, const QString& output);

// The note that a file was written: "Saved sheet.pdf".
void noteSaved(CliContext& context, const QString& output);
