#include "backups/SafeWriteRun.h"
#include "backups/SafeWriteText.h"
#include "cli/ChannelFiles.h"
#include "cli/CliContext.h"
#include "cli/Commands.h"
#include "cli/DifferenceLines.h"
#include "cli/RadioPort.h"
#include "cli/RadioSteps.h"
#include "workspace/IoErrorText.h"

#include <cstdio>

#include <unistd.h>

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

    // What an interrupted run left the radio holding: only the write stage changes it.
    RadioSteps::LeftAs leftAs() const
    {
        switch (m_stage) {
        case SafeWriteStage::Backup:
            return RadioSteps::LeftAs::Unchanged;
        case SafeWriteStage::Write:
            return RadioSteps::LeftAs::PartlyWritten;
        case SafeWriteStage::Verify:
            return RadioSteps::LeftAs::WrittenNotVerified;
        }
        return RadioSteps::LeftAs::Unchanged;
    }

private:
    CliContext& m_context;
    SafeWriteStage m_stage = SafeWriteStage::Backup;
};

struct Tally
{
    int written = 0;
    int verified = 0;
    int failed = 0;
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
            return refused(list) ? ExitStatus::FileProblem : ExitStatus::Done;
        }
        case ChannelFiles::Kind::ChannelFile:
            break;
        }
        if (refused(ChannelFiles::load(m_context, m_path)))
            return ExitStatus::FileProblem;
        return RadioSteps::checkWritable(m_context, m_name);
    }

    // Whether the last radio was written, verified or not.
    bool written() const { return m_written; }

    // Writes the radio on the port. A channel file stays as prepare() loaded it (a checked
    // write reads the radio into copies); a channel list takes each radio's own settings.
    ExitStatus writeRadio(RadioPort& port)
    {
        m_written = false;
        if (const ExitStatus opened = RadioSteps::open(m_context, port); opened != ExitStatus::Done)
            return opened;
        const ExitStatus status = writeOpenRadio(port);
        port.close();
        return status;
    }

private:
    // Whether the file cannot be written as it was read: it did not read, or it is a list
    // with rows that did not become channels and --skip-bad-rows was not given. Says why.
    bool refused(const ChannelFiles::Loaded& loaded)
    {
        FileResult result = loaded.result;
        if (result.ok())
            result = ChannelFiles::refuseSkippedRows(
                m_context, m_path, loaded.skippedRows,
                m_context.say(QStringLiteral("nothing was written to the radio"),
                              QStringLiteral("未向电台写入任何数据")));
        if (!result.ok())
            m_context.error(result.errorText());
        return !result.ok();
    }

    // A channel list holds only channels: the radio's own settings and band are read first,
    // so that they are written back as they were rather than from defaults.
    ExitStatus takeChannelList(RadioPort& port)
    {
        const ExitStatus read = RadioSteps::read(
            m_context, port,
            m_context.say(QStringLiteral("Reading the settings"), QStringLiteral("读取功能设置")));
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
        m_written = outcome.written();
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
            m_context.note(m_context.say(QStringLiteral("Written"), QStringLiteral("写入完毕")));
            return ExitStatus::Done;
        case Ending::Verified:
            warnKeptDifferently(outcome);
            m_context.note(SafeWriteText::verifiedReport(outcome, language));
            return ExitStatus::Done;
        case Ending::Differences: {
            m_context.error(
                m_context.say(QStringLiteral("%1: the radio was written, but reading it back "
                                             "shows %2 difference(s) from %3; write it again")
                                  .arg(port.description())
                                  .arg(outcome.differences.size())
                                  .arg(m_name),
                              QStringLiteral("%1：已写入电台，但回读发现与 %3 有 %2 处差异；"
                                             "请重新写频")
                                  .arg(port.description())
                                  .arg(outcome.differences.size())
                                  .arg(m_name)));
            const QString radio =
                m_context.say(QStringLiteral("the radio"), QStringLiteral("电台"));
            for (const QString& line :
                 differenceLines(outcome.differences, m_name, radio, language))
                m_context.out() << line << '\n';
            warnKeptDifferently(outcome);
            return ExitStatus::Differences;
        }
        case Ending::BackupNotSaved:
            m_context.error(m_context.say(
                QStringLiteral("the radio's backup could not be saved to %1 (%2), "
                               "so nothing was written; free the disk or write "
                               "with --no-backup")
                    .arg(outcome.backupPath, ioErrorText(outcome.backupError, outcome.backupPath)),
                QStringLiteral("无法将电台备份保存到 %1（%2），因此未写入任何数据；"
                               "请腾出磁盘空间，或用 --no-backup 写频")
                    .arg(outcome.backupPath,
                         ioErrorText(outcome.backupError, outcome.backupPath))));
            return ExitStatus::FileProblem;
        case Ending::NotVerified:
            m_context.error(QStringLiteral("%1: %2").arg(
                port.description(), SafeWriteText::outcomeMessage(outcome, language)));
            return ExitStatus::TransferFailed;
        case Ending::WriteFailed:
            // As message 60 says in the window: what went before the failing block stays.
            m_context.error(RadioSteps::noAnswerText(m_context, port) + QLatin1Char(' ') +
                            m_context.say(QStringLiteral("The write stopped half way: only part "
                                                         "of the radio has been written; write "
                                                         "it again."),
                                          QStringLiteral("写入中途失败：电台只写入了一部分，"
                                                         "请重新写入。")));
            return ExitStatus::TransferFailed;
        case Ending::BackupReadFailed:
        case Ending::Quit:
            m_context.error(RadioSteps::noAnswerText(m_context, port));
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
    bool m_written = false;
};

// Enter: the next radio; q (or the end of the input): stop.
bool nextRadioWanted(CliContext& context)
{
    context.progress().endLine();
    context.out().flush();
    std::fprintf(stderr, "%s",
                 qPrintable(context.say(
                     QStringLiteral("Connect the next radio and press Enter (q and Enter to "
                                    "stop) "),
                     QStringLiteral("请连接下一台电台并按回车（输入 q 并回车结束） "))));
    std::fflush(stderr);
    // Ctrl+C here ends the run as the end of the input does.
    const std::optional<QByteArray> answer = context.readInputLine();
    // A terminal echoes the Enter; an answer piped in, or Ctrl+C, leaves the line open.
    if (isatty(fileno(stdin)) != 1 || !answer)
        std::fputc('\n', stderr);
    if (!answer)
        return false;
    return QString::fromLocal8Bit(*answer).trimmed().compare(QLatin1String("q"),
                                                             Qt::CaseInsensitive) != 0;
}

} // namespace

ExitStatus Commands::write(CliContext& context)
{
    const QString path = context.line().files.at(0);
    RadioWriter writer(context, path);
    if (const ExitStatus prepared = writer.prepare(); prepared != ExitStatus::Done)
        return prepared;
    const std::unique_ptr<RadioPort> port = RadioSteps::port(context);
    if (!port)
        return ExitStatus::Usage;
    if (!context.line().repeat)
        return writer.writeRadio(*port);

    Tally tally;
    ExitStatus last = ExitStatus::Done;
    do {
        const ExitStatus status = writer.writeRadio(*port);
        tally.written += writer.written() ? 1 : 0;
        if (status == ExitStatus::Done && !context.line().noVerify)
            ++tally.verified;
        if (status != ExitStatus::Done) {
            ++tally.failed;
            last = status;
        }
    } while (!context.interrupted() && nextRadioWanted(context));
    if (context.interrupted() && last != ExitStatus::Interrupted)
        last = RadioSteps::interrupted(context, RadioSteps::LeftAs::BetweenRadios);
    context.out() << context
                         .say(QStringLiteral("Radios written: %1, verified: %2, failed: %3"),
                              QStringLiteral("已写入电台：%1，已校验：%2，失败：%3"))
                         .arg(tally.written)
                         .arg(tally.verified)
                         .arg(tally.failed)
                  << '\n';
    return last;
}
