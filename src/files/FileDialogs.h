#pragma once

#include <QString>

#include <optional>

// The open and save dialogs of the file commands. The real ones are the toolkit's file
// dialogs; tests script the chosen paths.
class FileDialogs
{
public:
    // The filter both dialogs offer first, and the channel list's after it.
    static inline const QString Filter = QStringLiteral("QV3307  文件 (*.F19)");
    static inline const QString ChannelListFilter = QStringLiteral("Channel list CSV (*.csv)");
    static inline const QString Extension = QStringLiteral(".F19");

    virtual ~FileDialogs() = default;

    // The full path chosen, or nothing when the user cancelled. The open dialog does not
    // insist that the file exists; the save dialog does not ask before replacing one.
    // `startFolder`: where the open dialog starts; empty for the folder last used.
    virtual std::optional<QString> openPath(const QString& startFolder) = 0;
    virtual std::optional<QString> savePath() = 0;

    // A name the user typed in the save dialog without an extension gets `extension`
    // (".F19", or ".csv" under the channel list's filter), unless a file of exactly that
    // name exists.
    static QString withDefaultExtension(const QString& path, const QString& extension = Extension);
};
