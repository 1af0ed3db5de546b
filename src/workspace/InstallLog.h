#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

// The installer's log beside the program. Its second line tells which language the
// installation was made in, and so which one the program starts in.
namespace InstallLog {

inline const QString FileName = QStringLiteral("install.Log");
// The second line of an English installation, exactly; anything else means Chinese.
inline const QByteArray EnglishTitle = QByteArrayLiteral("Title: RZT3307 Programming Software");

// The log's second line (a line ends at CR LF, LF or CR); empty when the log has fewer
// than two lines.
std::optional<QByteArray> secondLine(const QByteArray& log);

} // namespace InstallLog
