#include "backups/FleetText.h"

#include "backups/SafeWriteText.h"
#include "workspace/IoErrorText.h"

namespace {

bool english(Language language)
{
    return language == Language::English;
}

QString say(Language language, const QString& inEnglish, const QString& inChinese)
{
    return english(language) ? inEnglish : inChinese;
}

QString writeResult(const SafeWriteOutcome& outcome, Language language)
{
    using Ending = SafeWriteOutcome::Ending;
    switch (outcome.ending) {
    case Ending::Verified:
        // "written and verified", or with the count of unused bytes the radio keeps otherwise.
        return SafeWriteText::verifiedReport(outcome, language).toLower();
    case Ending::Written:
        return say(language, QStringLiteral("written, not verified"),
                   QStringLiteral("已写入，未校验"));
    case Ending::Differences:
        return say(language,
                   QStringLiteral("written, but reading it back shows %1 difference(s); write "
                                  "it again"),
                   QStringLiteral("已写入，但回读发现 %1 处差异；请重新写频"))
            .arg(outcome.differences.size());
    case Ending::NotVerified:
        return say(language, QStringLiteral("written, but it could not be read back to verify it"),
                   QStringLiteral("已写入，但无法回读校验"));
    case Ending::WriteFailed:
        return say(language,
                   QStringLiteral("the radio stopped answering during the write; it is partly "
                                  "written, write it again"),
                   QStringLiteral("写频中途电台停止应答；电台只写入了一部分，请重新写频"));
    case Ending::BackupReadFailed:
        return say(language, QStringLiteral("the radio did not answer; nothing was written"),
                   QStringLiteral("电台没有应答；未写入任何数据"));
    case Ending::BackupNotSaved:
        return say(language,
                   QStringLiteral("its backup could not be saved (%1); nothing was written"),
                   QStringLiteral("无法保存其备份（%1）；未写入任何数据"))
            .arg(ioErrorText(outcome.backupError, outcome.backupPath));
    case Ending::Refused:
        return say(language,
                   QStringLiteral("what it should get cannot be written as it stands; nothing "
                                  "was sent"),
                   QStringLiteral("要写入的内容无法按原样写入；未发送任何数据"));
    case Ending::Quit:
        break;
    }
    return say(language, QStringLiteral("interrupted"), QStringLiteral("已中断"));
}

} // namespace

namespace FleetText {

QString result(const FleetRadioOutcome& outcome, Language language)
{
    if (outcome.portProblem)
        return say(language, QStringLiteral("the port cannot be opened"),
                   QStringLiteral("端口无法打开"));
    if (outcome.interrupted)
        return say(language, QStringLiteral("interrupted"), QStringLiteral("已中断"));
    if (outcome.task == FleetTask::Write)
        return writeResult(outcome.write, language);
    if (outcome.read == RadioExchange::Result::Done)
        return say(language, QStringLiteral("read"), QStringLiteral("已读取"));
    return say(language, QStringLiteral("the radio did not answer or the transfer failed"),
               QStringLiteral("电台没有应答或传输失败"));
}

QString radioLine(const FleetRadioOutcome& outcome, const QString& result, Language language)
{
    QString kept;
    if (const QString backup = outcome.backupPath(); !backup.isEmpty())
        kept = say(language, QStringLiteral("backup %1"), QStringLiteral("备份 %1")).arg(backup);
    else if (outcome.readBackup && !outcome.readBackup->saved())
        kept = SafeWriteText::backupNotSaved(*outcome.readBackup, language);
    else
        kept = say(language, QStringLiteral("no backup"), QStringLiteral("无备份"));
    return say(language, QStringLiteral("%1: %2 (%3)"), QStringLiteral("%1：%2（%3）"))
        .arg(outcome.port.description(), result, kept);
}

QString summary(const FleetTally& tally, Language language)
{
    return say(language, QStringLiteral("Radios written: %1, verified: %2, failed: %3"),
               QStringLiteral("已写入电台：%1，已校验：%2，失败：%3"))
        .arg(tally.written)
        .arg(tally.verified)
        .arg(tally.failed);
}

QString logNotWritten(const QString& path, int error, Language language)
{
    return say(language, QStringLiteral("the fleet log %1 could not be written: %2"),
               QStringLiteral("无法写入批量写频记录 %1：%2"))
        .arg(path, ioErrorText(error, path));
}

QString noRadioConnected(Language language)
{
    return say(language, QStringLiteral("No COM port leads to a radio's cable now"),
               QStringLiteral("当前没有任何 COM 端口连接着电台的连接线"));
}

} // namespace FleetText
