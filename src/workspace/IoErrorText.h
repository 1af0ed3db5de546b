#pragma once

#include "workspace/Language.h"

#include <QString>

// The system's words for a failed file operation, from the error number the operating
// system reported for `path`: "File not found", "File access denied", "Invalid filename",
// "Disk full", or "I/O error" and the number. The window's error box shows these.
QString ioErrorText(int error, const QString& path);

// What went wrong with `path`, in the language, as far as the error number and the folders
// on the way tell: "the folder out does not exist", "backups is a file where a folder
// should be", "the disk is full". No capital and no full stop: it follows the name.
QString ioErrorCause(int error, const QString& path, Language language);
