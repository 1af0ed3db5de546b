#pragma once

#include "backups/BackupFolder.h"
#include "backups/ContentsDifference.h"
#include "backups/SafeWriteReport.h"
#include "link/RadioExchange.h"
#include "link/WritePlan.h"

#include <QByteArray>
#include <QList>
#include <QString>

class Link;
class Workspace;

struct SafeWriteOptions
{
    // Read the radio completely and save it as a backup before anything is written.
    bool backup = true;
    // Read the radio back after the write and compare it with what was written.
    bool verify = true;
};

// How a checked write ended.
struct SafeWriteOutcome
{
    enum class Ending {
        Refused,          // a value cannot be sent as it stands: nothing was sent (problems)
        BackupReadFailed, // the radio could not be read for the backup: nothing was written
        BackupNotSaved,   // the backup could not be saved: nothing was written
        WriteFailed,      // the write stopped; what was written before stays written
        Written,          // written, not verified (the user did not ask for it)
        Verified,         // written, and the radio holds what was written (keptDifferently
                          // lists the bytes of unused parts it keeps otherwise)
        Differences,      // written, but the radio holds something else (differences)
        NotVerified,      // written, but the radio could not be read back
        Quit,             // the application is closing: nothing more may be touched
    };

    Ending ending = Ending::Refused;
    QList<WriteProblem> problems;
    // The backup saved, or the one that could not be (with the errno of the failing call).
    QString backupPath;
    int backupError = 0;
    // Fields the radio holds otherwise, and stored bytes that stand for such fields although
    // they read the same.
    QList<ContentsDifference> differences;
    // The stored bytes of unused parts (a channel's fill, the high digit of its flags,
    // settings byte 7) the radio keeps otherwise than they were written: worth a warning,
    // but nothing the program reads is different.
    QList<ContentsDifference> keptDifferently;

    bool written() const;
    // What the read/write session makes of it: Done only when the write went through and
    // nothing says the radio holds something else.
    RadioExchange::Result result() const;
};

// A write with its checks: a complete read of the radio saved as a backup (into a copy,
// the window's data untouched), the write of the workspace's channels, settings and band,
// and a complete read of the radio compared with what the write's requests decode to and,
// byte for byte, with what they carried. Each
// stage is a programming session of its own, its bytes exactly those of a plain read or
// write: a read request after writes in the same session is not something the radio
// defines, and a read after the exit command shows what the radio has kept. Every value is
// checked before the first byte; the bar and the stages go to the report. Nothing here
// shows a box: the caller tells the user what the outcome means.
class SafeWriteRun
{
public:
    SafeWriteRun(Workspace& workspace, Link& link, SafeWriteReport& report, BackupFolder folder,
                 SafeWriteOptions options);

    SafeWriteOutcome run();

    // The channel file of a radio's contents as Save would write it had a read taken them
    // into `workspace`: in its language, with its band list and words.
    static QByteArray backupFile(const Workspace& workspace, const RadioContents& contents);

private:
    using Result = RadioExchange::Result;

    Result readRadio(RadioContents& contents, RadioBlocks* blocks = nullptr);
    Result writeRadio(const WritePlan& plan);
    void startStage(SafeWriteStage stage);
    // A stage's 0 to 100 as its share of the whole bar.
    void showStageProgress(int percent);

    // What each stage's exchange shows its progress on.
    class StageProgress : public ProgressDisplay
    {
    public:
        explicit StageProgress(SafeWriteRun& run) : m_run(run) {}
        void setProgress(int percent) override { m_run.showStageProgress(percent); }

    private:
        SafeWriteRun& m_run;
    };

    Workspace& m_workspace;
    Link& m_link;
    SafeWriteReport& m_report;
    BackupFolder m_folder;
    SafeWriteOptions m_options;
    int m_stageCount = 1;
    int m_stageIndex = -1;
    int m_shown = 0;
    StageProgress m_stageProgress{*this};
};
