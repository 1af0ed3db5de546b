#pragma once

#include "cli/ExitStatus.h"

#include <QJsonObject>
#include <QString>

class CliContext;

// What --json prints: one JSON document on standard output, what the command found or why
// it failed; progress, notes and errors stay on standard error all the same.
namespace JsonOutput {

// Prints the document, indented, as UTF-8 ending in a newline.
void print(CliContext& context, const QJsonObject& document);

// The document of a command that found nothing to print: {"exitStatus": 4, "error": "..."},
// the error as standard error has it.
QJsonObject failure(ExitStatus status, const QString& message);

} // namespace JsonOutput
