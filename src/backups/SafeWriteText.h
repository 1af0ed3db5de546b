#pragma once

#include "backups/SafeWriteRun.h"
#include "backups/TransferOutcome.h"
#include "workspace/Language.h"

#include <QString>

// What the user reads about backups and checked writes, in either language.
namespace SafeWriteText {
// The read/write dialog's status line while a stage runs: "Writing the radio…".
QString stage(SafeWriteStage stage, Language language);
// The status bars' word after a write the radio was found to hold.
QString verified(Language language);
// The same after a checked write that was verified, counting the unused bytes the radio
// keeps otherwise: "Written and verified, with 2 unused bytes kept differently".
QString verifiedReport(const SafeWriteOutcome& outcome, Language language);
// After a backup was saved: "Backup saved: " and the backup's name, its file name in the
// main window's status bar, its path on the command line.
QString backupSaved(const QString& fileName, Language language);
// The main window's status bar after a read whose backup could not be saved: "Backup not
// saved: " and the system's words for why.
QString backupNotSaved(const BackupFolder::SaveOutcome& saved, Language language);
// The box after a checked write that did not end well, or was verified with unused bytes
// kept differently (listing them); empty for the endings that need none (verified alone,
// written, refused, a failed write and quitting, which have their own).
QString outcomeMessage(const SafeWriteOutcome& outcome, Language language);
// The read/write dialog's status line after a write the user chose not to read back.
QString writtenNotVerified(Language language);
// A stage of a read or a write: "Backup", "Read", "Write", "Read-back".
QString stageName(TransferOutcome::Stage stage, Language language);
// The read/write dialog's headline after a read or a write that failed, in place of its
// percentage: "Failed at: Read-back".
QString failedAt(const TransferOutcome& outcome, Language language);
// What a read or a write that failed leaves behind, in a sentence: the read/write dialog's
// status line, and the main window's warning when the mouse rests on it.
QString outcomeDetail(const TransferOutcome& outcome, Language language);
// The main window's standing warning after a read or a write that failed, until one
// succeeds: "Last write not verified".
QString outcomeWarning(const TransferOutcome& outcome, Language language);
// A warning for one unused byte the radio keeps otherwise: "warning: Channel 01, byte 12
// (001C): written FD, the radio holds 0D".
QString keptDifferentlyWarning(const ContentsDifference& difference, Language language);
// Where a difference lies, such as "Channel 02, Power", and one of its two texts as the user
// reads it, for lists of differences worded in other ways (the command line's).
QString differencePlace(const ContentsDifference& difference, Language language);
QString differenceValue(const ContentsDifference& difference, const QString& text,
                        Language language);
} // namespace SafeWriteText
