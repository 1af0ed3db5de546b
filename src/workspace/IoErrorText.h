#pragma once

#include <QString>

// The system's words for a failed file operation, from the error number the operating
// system reported for `path`: "File not found", "File access denied", "Invalid filename",
// "Disk full", or "I/O error" and the number.
QString ioErrorText(int error, const QString& path);
