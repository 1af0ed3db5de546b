#include "backups/FleetText.h"

#include "backups/SafeWriteText.h"
#include "workspace/IoErrorText.h"

namespace {

// What went wrong on the line, as far as the radio's answers tell: silence, or bytes the
// radio does not send (a disturbed line, another device on the port).
bool somethingElseAnswered(const FleetRadioOutcome& radio)
{
    return radio.transferFailure &&
           radio.transferFailure->cause == PortDiagnosis::Cause::WrongAnswer;
}

QString writeResult(const FleetRadioOutcome& radio, Language language)
{
    using Ending = SafeWriteOutcome::Ending;
    const SafeWriteOutcome& outcome = radio.write;
    switch (outcome.ending) {
    case Ending::Verified:
        // "written and verified", or with the count of unused bytes the radio keeps otherwise.
        return SafeWriteText::verifiedReport(outcome, language).toLower();
    case Ending::Written:
        return inLanguage(language, QStringLiteral("written, not verified"),
                          QStringLiteral("已写入，未校验"));
    case Ending::Differences:
        return inLanguage(language,
                          QStringLiteral("written, but reading it back shows %1; write it again"),
                          QStringLiteral("已写入，但回读发现 %1；请重新写频"))
            .arg(counted(language, outcome.differences.size(), "difference", "differences",
                         "处差异"));
    case Ending::NotVerified:
        return inLanguage(language,
                          QStringLiteral("written, but it could not be read back to verify it"),
                          QStringLiteral("已写入，但无法回读校验"));
    case Ending::WriteFailed:
        if (somethingElseAnswered(radio))
            return inLanguage(language,
                              QStringLiteral("something answered during the write, but not as "
                                             "the radio does; it is partly written, write it "
                                             "again"),
                              QStringLiteral("写频中收到了与电台不符的应答；电台只写入了一部分，"
                                             "请重新写频"));
        return inLanguage(language,
                          QStringLiteral("the radio stopped answering during the write; it is "
                                         "partly written, write it again"),
                          QStringLiteral("写频中途电台停止应答；电台只写入了一部分，请重新写频"));
    case Ending::BackupReadFailed:
        if (somethingElseAnswered(radio))
            return inLanguage(language,
                              QStringLiteral("something answered, but not as the radio does; "
                                             "nothing was written"),
                              QStringLiteral("收到了与电台不符的应答；未写入任何数据"));
        return inLanguage(language, QStringLiteral("the radio did not answer; nothing was written"),
                          QStringLiteral("电台没有应答；未写入任何数据"));
    case Ending::BackupNotSaved:
        return inLanguage(language,
                          QStringLiteral("its backup could not be saved (%1); nothing was written"),
                          QStringLiteral("无法保存其备份（%1）；未写入任何数据"))
            .arg(ioErrorCause(outcome.backupError, outcome.backupPath, language));
    case Ending::Refused:
        return inLanguage(
            language,
            QStringLiteral("what it should get cannot be written as it stands; nothing "
                           "was sent"),
            QStringLiteral("要写入的内容无法按原样写入；未发送任何数据"));
    case Ending::Quit:
        break;
    }
    return inLanguage(language, QStringLiteral("interrupted"), QStringLiteral("已中断"));
}

} // namespace

namespace FleetText {

QString result(const FleetRadioOutcome& outcome, Language language)
{
    if (outcome.portProblem)
        return inLanguage(language, QStringLiteral("the port cannot be opened"),
                          QStringLiteral("端口无法打开"));
    if (outcome.interrupted)
        return inLanguage(language, QStringLiteral("interrupted"), QStringLiteral("已中断"));
    if (outcome.task == FleetTask::Write)
        return writeResult(outcome, language);
    if (outcome.read == RadioExchange::Result::Done)
        return inLanguage(language, QStringLiteral("read"), QStringLiteral("已读取"));
    if (somethingElseAnswered(outcome))
        return inLanguage(language, QStringLiteral("something answered, but not as the radio does"),
                          QStringLiteral("收到了与电台不符的应答"));
    return inLanguage(language, QStringLiteral("the radio did not answer"),
                      QStringLiteral("电台没有应答"));
}

QString radioLine(const FleetRadioOutcome& outcome, const QString& result, Language language)
{
    QString kept;
    if (const QString backup = outcome.backupPath(); !backup.isEmpty())
        kept = inLanguage(language, QStringLiteral("backup %1"), QStringLiteral("备份 %1"))
                   .arg(backup);
    else if (outcome.readBackup && !outcome.readBackup->saved())
        kept = SafeWriteText::backupNotSaved(*outcome.readBackup, language);
    else
        kept = inLanguage(language, QStringLiteral("no backup"), QStringLiteral("无备份"));
    return inLanguage(language, QStringLiteral("%1: %2 (%3)"), QStringLiteral("%1：%2（%3）"))
        .arg(outcome.port.description(), result, kept);
}

QStringList endOfWriteLines(const FleetRadioOutcome& outcome, const QString& result,
                            Language language)
{
    const QList<ContentsDifference>& kept = outcome.write.keptDifferently;
    if (outcome.succeeded() && kept.isEmpty())
        return {};
    QStringList lines{radioLine(outcome, result, language)};
    for (const ContentsDifference& byte : kept)
        lines << QStringLiteral("  ") + SafeWriteText::keptDifferentlyWarning(byte, language);
    return lines;
}

QString summary(const FleetTally& tally, Language language)
{
    return inLanguage(language, QStringLiteral("Radios written: %1, verified: %2, failed: %3"),
                      QStringLiteral("已写入电台：%1，已校验：%2，失败：%3"))
        .arg(tally.written)
        .arg(tally.verified)
        .arg(tally.failed);
}

QString logNotWritten(const QString& path, int error, Language language)
{
    return inLanguage(language, QStringLiteral("the fleet log %1 could not be written: %2"),
                      QStringLiteral("无法写入批量写频记录 %1：%2"))
        .arg(path, ioErrorCause(error, path, language));
}

QString noRadioConnected(Language language)
{
    return inLanguage(language, QStringLiteral("No COM port leads to a radio's cable now"),
                      QStringLiteral("当前没有任何 COM 端口连接着电台的连接线"));
}

} // namespace FleetText
