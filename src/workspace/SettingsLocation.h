#pragma once

#include <QString>

// Where qv3307.ini is kept. Beside the program while the user may write there (or may write
// the file that stands there); otherwise, as with a program installed for every user of the
// machine, in the user's configuration folder, $XDG_CONFIG_HOME/qv3307 (by default
// ~/.config/qv3307, also when that is relative). The language tables, help and skins stay in the
// program folder whichever is chosen.
namespace SettingsLocation {
inline const QString UserFolderName = QStringLiteral("qv3307");

// The folder that holds the settings file, made ready for use: a user folder is created
// when missing, and starts from a copy of the settings file shipped in the program folder
// when it has none yet. `configHome` is the user's configuration folder; empty asks the
// system for it.
QString prepareFolder(const QString& programFolder, const QString& configHome = {});

// The folder whose settings file holds the user's choices, for a program that only reads
// them (the command line): the same folder as prepareFolder's, but nothing is created or
// copied; before the window has ever run for this user it is the program folder.
QString folderToRead(const QString& programFolder, const QString& configHome = {});

// Whether the running user may write the settings file in this folder.
bool programFolderKeepsSettings(const QString& programFolder);
} // namespace SettingsLocation
