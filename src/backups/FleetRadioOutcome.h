#pragma once

#include "backups/BackupFolder.h"
#include "backups/SafeWriteRun.h"
#include "link/PortDiagnosis.h"
#include "link/RadioExchange.h"
#include "workspace/RadioContents.h"

#include <QMetaType>
#include <QString>

#include <optional>

// What each radio of a fleet gets: a checked write, or a read kept as a backup.
enum class FleetTask { Read, Write };

// One cable of a fleet: the name the user knows it by ("COM2", or a device path as given)
// and the device it leads to.
struct FleetPort
{
    QString name;
    QString devicePath;

    // "COM2 (/dev/ttyUSB1)", or the device alone when the user named it so.
    QString description() const;

    bool operator==(const FleetPort&) const = default;
};

// How one radio of a fleet run ended.
struct FleetRadioOutcome
{
    FleetTask task = FleetTask::Write;
    FleetPort port;
    // Why the port could not be opened; nothing was sent to it.
    std::optional<PortDiagnosis> portProblem;
    // Why the exchange that failed did (see exchangeFailed()): nothing came, or not what
    // the radio sends.
    std::optional<PortDiagnosis> transferFailure;
    // The run was told to stop before it ended; `stage` says where it stood.
    bool interrupted = false;

    // A write: the checked write's outcome, and the stage it last began.
    SafeWriteOutcome write;
    std::optional<SafeWriteStage> stage;

    // A read: how it went, how its backup was saved and, when it went through, what the radio
    // holds.
    RadioExchange::Result read = RadioExchange::Result::Failed;
    std::optional<BackupFolder::SaveOutcome> readBackup;
    RadioContents contents;

    // The write went through (verified, or written when no read-back was asked for), or the
    // read did.
    bool succeeded() const;
    // The radio's answers did not come as they should: in the read, or in the write's
    // backup read, write or read-back. Not a port that would not open, nor a stop.
    bool exchangeFailed() const;
    // The backup kept of the radio, when one was saved.
    QString backupPath() const;
};

// The counts of a fleet's summary line.
struct FleetTally
{
    int written = 0;
    int verified = 0;
    int failed = 0;

    void count(const FleetRadioOutcome& outcome);
};

Q_DECLARE_METATYPE(FleetRadioOutcome)
