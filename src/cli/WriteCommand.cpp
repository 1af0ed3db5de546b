#include "backups/SafeWriteRun.h"
#include "backups/SafeWriteText.h"
#include "cli/ChannelFiles.h"
#include "cli/CliContext.h"
#include "cli/Commands.h"
#include "cli/DifferenceLines.h"
#include "cli/FleetCommands.h"
#include "cli/RadioPort.h"
#include "cli/RadioSteps.h"
#include "cli/WriteDryRun.h"
#include "workspace/IoErrorText.h"

namespace {

// The stages of a checked write on the progress line.
class WriteReport : public SafeWriteReport
{
public:
    explicit WriteReport(CliContext& context) : m_context(context) {}

    void stageStarted(SafeWriteStage stage) override
    {
        m_stage = stage;
        QString text = SafeWriteText::stage(stage, m_context.language());
        text.remove(QChar(0x2026)); // the dialog's trailing ellipsis
        m_context.progress().setStage(text);
    }
    void setProgress(int percent) override { m_context.progress().setProgress(percent); }

    // What an interrupted run left the radio holding.
    RadioSteps::LeftAs leftAs() const { return RadioSteps::leftAfter(m_stage); }

private:
    CliContext& m_context;
    SafeWriteStage m_stage = SafeWriteStage::Backup;
};

class RadioWriter
{
public:
    RadioWriter(CliContext& context, const QString& path)
        : m_context(context), m_path(path), m_name(ChannelFiles::displayName(context, path))
    {
    }

    // Everything that can be known about the file before a radio is connected.
    ExitStatus prepare()
    {
        switch (ChannelFiles::kindToRead(m_context, m_path)) {
        case ChannelFiles::Kind::Unknown:
            m_context.error(ChannelFiles::unknownKindText(m_context, m_path));
            return ExitStatus::FileProblem;
        case ChannelFiles::Kind::ChannelList: {
            // Rows that fit no band stop the write before the port is opened; the ones
            // outside the radio's band are known once its band has been read.
            const ChannelFiles::Loaded list = ChannelFiles::checkChannelList(m_context, m_path);
            if (refused(list))
                return ExitStatus::FileProblem;
            // A write names the rows it leaves out once it has read the radio; a dry run
            // reads nothing.
            if (m_context.line().dryRun)
                for (const QString& row : list.skippedRows)
                    m_context.note(row);
            return ExitStatus::Done;
        }
        case ChannelFiles::Kind::ChannelFile:
            break;
        }
        if (refused(ChannelFiles::load(m_context, m_path)))
            return ExitStatus::FileProblem;
        return RadioSteps::checkWritable(m_context, m_name);
    }

    // Writes the radio on the port. A channel file stays as prepare() loaded it (a checked
    // write reads the radio into copies); a channel list takes the radio's own settings.
    ExitStatus writeRadio(RadioPort& port)
    {
        if (const ExitStatus opened = RadioSteps::open(m_context, port); opened != ExitStatus::Done)
            return opened;
        const ExitStatus status = writeOpenRadio(port);
        port.close();
        return status;
    }

private:
    bool refused(const ChannelFiles::Loaded& loaded)
    {
        return ChannelFiles::refusedForWriting(m_context, m_path, loaded);
    }

    // A channel list holds only channels: the radio's own settings and band are read first,
    // so that they are written back as they were rather than from defaults.
    ExitStatus takeChannelList(RadioPort& port)
    {
        const ExitStatus read = RadioSteps::read(m_context, port,
                                                 inLanguage(m_context.language(),
                                                            QStringLiteral("Reading the settings"),
                                                            QStringLiteral("读取功能设置")));
        if (read != ExitStatus::Done)
            return read;
        const ChannelFiles::Loaded loaded = ChannelFiles::loadChannels(m_context, m_path);
        if (refused(loaded))
            return ExitStatus::FileProblem;
        for (const QString& row : loaded.skippedRows)
            m_context.note(row);
        return RadioSteps::checkWritable(m_context, m_name);
    }

    ExitStatus writeOpenRadio(RadioPort& port)
    {
        if (ChannelFiles::kindToRead(m_context, m_path) == ChannelFiles::Kind::ChannelList)
            if (const ExitStatus taken = takeChannelList(port); taken != ExitStatus::Done)
                return taken;
        const CommandLine& line = m_context.line();
        WriteReport report(m_context);
        SafeWriteRun run(m_context.workspace(), port.link(), report, BackupFolder::standard(),
                         {.backup = !line.noBackup, .verify = !line.noVerify});
        const SafeWriteOutcome outcome = run.run();
        m_context.progress().endLine();
        if (outcome.ending == SafeWriteOutcome::Ending::Quit && m_context.interrupted())
            return RadioSteps::interrupted(m_context, report.leftAs());
        return tellOutcome(outcome, port);
    }

    ExitStatus tellOutcome(const SafeWriteOutcome& outcome, const RadioPort& port)
    {
        using Ending = SafeWriteOutcome::Ending;
        const Language language = m_context.language();
        if (outcome.ending != Ending::BackupNotSaved && !outcome.backupPath.isEmpty())
            m_context.note(SafeWriteText::backupSaved(outcome.backupPath, language));
        switch (outcome.ending) {
        case Ending::Written:
            m_context.note(inLanguage(m_context.language(), QStringLiteral("Written"),
                                      QStringLiteral("写入完毕")));
            return ExitStatus::Done;
        case Ending::Verified:
            warnKeptDifferently(outcome);
            m_context.note(SafeWriteText::verifiedReport(outcome, language));
            return ExitStatus::Done;
        case Ending::Differences: {
            m_context.error(
                inLanguage(language,
                           QStringLiteral("%1: the radio was written, but reading it back "
                                          "shows %2 from %3; write it again"),
                           QStringLiteral("%1：已写入电台，但回读发现与 %3 有 %2；请重新写频"))
                    .arg(port.description(),
                         counted(language, outcome.differences.size(), "difference", "differences",
                                 "处差异"),
                         m_name));
            for (const QString& line :
                 differenceLinesWithRadio(outcome.differences, m_name, language))
                m_context.out() << line << '\n';
            warnKeptDifferently(outcome);
            return ExitStatus::Differences;
        }
        case Ending::BackupNotSaved:
            m_context.error(
                inLanguage(language,
                           QStringLiteral("the radio's backup could not be saved to %1 (%2), so "
                                          "nothing was written; put that right, or write with "
                                          "--no-backup"),
                           QStringLiteral("无法将电台备份保存到 %1（%2），因此未写入任何数据；"
                                          "请先解决此问题，或用 --no-backup 写频"))
                    .arg(outcome.backupPath,
                         ioErrorCause(outcome.backupError, outcome.backupPath, language)));
            return ExitStatus::FileProblem;
        case Ending::NotVerified:
            m_context.error(QStringLiteral("%1: %2").arg(
                port.description(), SafeWriteText::outcomeMessage(outcome, language)));
            return ExitStatus::TransferFailed;
        case Ending::WriteFailed:
            // As message 60 says in the window: what went before the failing block stays.
            m_context.error(RadioSteps::transferFailedText(m_context, port) +
                            inLanguage(language,
                                       " The write stopped half way: only part of the radio has "
                                       "been written; write it again.",
                                       "写入中途失败：电台只写入了一部分，请重新写入。"));
            return ExitStatus::TransferFailed;
        case Ending::BackupReadFailed:
        case Ending::Quit:
            m_context.error(RadioSteps::transferFailedText(m_context, port));
            return ExitStatus::TransferFailed;
        case Ending::Refused:
            break;
        }
        return RadioSteps::checkWritable(m_context, m_name);
    }

    // Unused bytes the radio keeps otherwise: a warning each, shown even with -q.
    void warnKeptDifferently(const SafeWriteOutcome& outcome)
    {
        for (const ContentsDifference& kept : outcome.keptDifferently)
            m_context.error(SafeWriteText::keptDifferentlyWarning(kept, m_context.language()));
    }

    CliContext& m_context;
    QString m_path;
    // The file as messages name it.
    QString m_name;
};

} // namespace

ExitStatus Commands::write(CliContext& context)
{
    const QString path = context.line().files.at(0);
    RadioWriter writer(context, path);
    const ExitStatus prepared = writer.prepare();
    if (context.line().dryRun)
        return WriteDryRun::finish(context, path, prepared);
    if (prepared != ExitStatus::Done)
        return prepared;
    if (context.line().isFleet())
        return FleetCommands::write(context, path);
    const std::unique_ptr<RadioPort> port = RadioSteps::port(context);
    if (!port)
        return ExitStatus::Usage;
    return writer.writeRadio(*port);
}
