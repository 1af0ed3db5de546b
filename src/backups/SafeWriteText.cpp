#include "backups/SafeWriteText.h"

#include "workspace/BuiltInLanguages.h"
#include "workspace/IoErrorText.h"
#include "workspace/LanguageStrings.h"
#include "workspace/Localisation.h"

#include <QStringList>

namespace {

using BuiltInLanguages::columnName;
using BuiltInLanguages::settingName;

QString settingsTitle(Language language)
{
    return BuiltInLanguages::string(LanguageString::FunctionSettingsTitle, language);
}

QString bandName(Language language)
{
    return BuiltInLanguages::string(LanguageString::Band, language);
}

QString channelNumber(int row)
{
    return QStringLiteral("%1").arg(row, 2, 10, QLatin1Char('0'));
}

// "Channel 01, byte 12 (001C)", "Settings, byte 7 (03C7)", "Band, byte 5 (03E5)".
QString storedBytePlace(const ContentsDifference& difference, Language language)
{
    using Place = ContentsDifference::Place;
    const QString address =
        QStringLiteral("%1").arg(difference.address(), 4, 16, QLatin1Char('0')).toUpper();
    QString block;
    if (difference.place == Place::ChannelByte) {
        block = inLanguage(language, QStringLiteral("Channel %1"), QStringLiteral("第 %1 信道"))
                    .arg(channelNumber(difference.row));
    } else if (difference.place == Place::SettingsByte) {
        block = inLanguage(language, QStringLiteral("Settings"), settingsTitle(language));
    } else {
        block = bandName(language);
    }
    return inLanguage(language, QStringLiteral("%1, byte %2 (%3)"),
                      QStringLiteral("%1，第 %2 字节（%3）"))
        .arg(block)
        .arg(difference.byte)
        .arg(address);
}

QString place(const ContentsDifference& difference, Language language)
{
    using Place = ContentsDifference::Place;
    switch (difference.place) {
    case Place::Channel:
        return inLanguage(language, QStringLiteral("Channel %1, %2"),
                          QStringLiteral("第 %1 信道，%2"))
            .arg(channelNumber(difference.row), columnName(difference.column, language));
    case Place::Setting:
        return settingName(difference.setting, language);
    case Place::VoxInhibit:
        return BuiltInLanguages::string(LanguageString::VoxInhibit, language);
    case Place::Band:
        return bandName(language);
    case Place::ChannelByte:
    case Place::SettingsByte:
    case Place::BandByte:
        return storedBytePlace(difference, language);
    }
    return {};
}

// A setting as its list shows it ("3 min", "OFF"); a position the list does not have, such
// as a radio may hold, by its number.
QString settingValue(FunctionSettings::Setting setting, const QString& position, Language language)
{
    bool isNumber = false;
    const int index = position.toInt(&isNumber);
    const QString entry = Localisation::settingEntries(setting, BuiltInLanguages::table(language),
                                                       BuiltInLanguages::words(language))
                              .value(isNumber ? index : -1);
    if (!entry.isEmpty())
        return entry;
    return inLanguage(language, QStringLiteral("position %1"), QStringLiteral("位置 %1"))
        .arg(position);
}

QString value(const ContentsDifference& difference, const QString& text, Language language)
{
    using Place = ContentsDifference::Place;
    if (difference.place == Place::Setting)
        return settingValue(difference.setting, text, language);
    if (difference.place == Place::VoxInhibit) {
        const bool on = text == QStringLiteral("1");
        return BuiltInLanguages::string(on ? LanguageString::OnWord : LanguageString::OffWord,
                                        language);
    }
    if (difference.storedByte())
        return text.isEmpty() ? inLanguage(language, "nothing", "无") : text;
    return quoted(language, text);
}

QString differenceLine(const ContentsDifference& difference, Language language)
{
    const QString written = value(difference, difference.written, language);
    const QString held = value(difference, difference.held, language);
    return inLanguage(language, QStringLiteral("%1: written %2, the radio holds %3"),
                      QStringLiteral("%1：写入 %2，电台保存的是 %3"))
        .arg(place(difference, language), written, held);
}

// The unused bytes the radio keeps otherwise, after a line that says what they are.
QStringList keptDifferentlyLines(const QList<ContentsDifference>& kept, Language language)
{
    QStringList lines;
    if (kept.isEmpty())
        return lines;
    lines << inLanguage(language,
                        "The radio keeps these bytes, which the program never reads, otherwise "
                        "than they were written:",
                        "电台保存的以下字节与写入的不同（程序从不读取这些字节）：");
    for (const ContentsDifference& difference : kept)
        lines << differenceLine(difference, language);
    return lines;
}

QString differencesMessage(const SafeWriteOutcome& outcome, Language language)
{
    QStringList lines;
    lines << inLanguage(language,
                        "The radio was written, but reading it back shows it does not hold what "
                        "was written:",
                        "写频已完成，但回读电台发现其保存的内容与写入的不同：");
    for (const ContentsDifference& difference : outcome.differences)
        lines << differenceLine(difference, language);
    lines << keptDifferentlyLines(outcome.keptDifferently, language);
    lines << inLanguage(language, "Write the radio again, or read it to see what it holds",
                        "请重新写频，或读频查看电台保存的内容");
    return lines.join(QLatin1Char('\n'));
}

QString keptDifferentlyMessage(const SafeWriteOutcome& outcome, Language language)
{
    QStringList lines;
    lines << SafeWriteText::verifiedReport(outcome, language);
    lines << keptDifferentlyLines(outcome.keptDifferently, language);
    lines << inLanguage(language,
                        "The channels, the settings and the band are as they were written.",
                        "信道、功能选项和型号都与写入的一致。");
    return lines.join(QLatin1Char('\n'));
}

} // namespace

QString SafeWriteText::stage(SafeWriteStage stage, Language language)
{
    switch (stage) {
    case SafeWriteStage::Backup:
        return inLanguage(language, "Backing up the radio…", "正在备份电台…");
    case SafeWriteStage::Write:
        return inLanguage(language, "Writing the radio…", "正在写入电台…");
    case SafeWriteStage::Verify:
        return inLanguage(language, "Verifying the radio…", "正在校验电台…");
    }
    return {};
}

QString SafeWriteText::verified(Language language)
{
    return inLanguage(language, "Written and verified", "写入并校验完毕");
}

QString SafeWriteText::verifiedReport(const SafeWriteOutcome& outcome, Language language)
{
    const qsizetype kept = outcome.keptDifferently.size();
    if (kept == 0)
        return verified(language);
    return inLanguage(language, QStringLiteral("Written and verified, with %1 kept differently"),
                      QStringLiteral("写入并校验完毕，有 %1保存得不同"))
        .arg(counted(language, kept, "unused byte", "unused bytes", "个未用字节"));
}

QString SafeWriteText::backupSaved(const QString& fileName, Language language)
{
    return inLanguage(language, QStringLiteral("Backup saved: %1"),
                      QStringLiteral("备份已保存：%1"))
        .arg(fileName);
}

QString SafeWriteText::backupNotSaved(const BackupFolder::SaveOutcome& saved, Language language)
{
    const QString reason = ioErrorCause(saved.error, saved.path, language);
    return inLanguage(language, QStringLiteral("Backup not saved: %1"),
                      QStringLiteral("备份未保存：%1"))
        .arg(reason);
}

QString SafeWriteText::outcomeMessage(const SafeWriteOutcome& outcome, Language language)
{
    using Ending = SafeWriteOutcome::Ending;
    switch (outcome.ending) {
    case Ending::BackupReadFailed:
        return inLanguage(language,
                          "The radio could not be read for its backup, so nothing was written to "
                          "it. Check the cable and that the radio is on, then write again",
                          "无法读取电台进行备份，因此未向电台写入任何数据。请检查连接线并确认电台"
                          "已开机，然后重新写频");
    case Ending::BackupNotSaved: {
        const QString reason = ioErrorCause(outcome.backupError, outcome.backupPath, language);
        return inLanguage(language,
                          QStringLiteral("The radio's backup could not be saved to %1 (%2), so "
                                         "nothing was written to the radio. Clear \"Back up the "
                                         "radio first\" to write without a backup"),
                          QStringLiteral("无法将电台备份保存到 %1（%2），因此未向电台写入任何数据。"
                                         "取消“写频前先备份电台”可不备份直接写频"))
            .arg(outcome.backupPath, reason);
    }
    case Ending::NotVerified:
        return inLanguage(language,
                          "The write finished, but the radio could not be read back, so it could "
                          "not be verified. Read the radio to see what it holds",
                          "写频已完成，但无法回读电台，因此未能校验。请读频查看电台保存的内容");
    case Ending::Differences:
        return differencesMessage(outcome, language);
    case Ending::Verified:
        if (!outcome.keptDifferently.isEmpty())
            return keptDifferentlyMessage(outcome, language);
        break;
    case Ending::Refused:
    case Ending::WriteFailed:
    case Ending::Written:
    case Ending::Quit:
        break;
    }
    return {};
}

QString SafeWriteText::differencePlace(const ContentsDifference& difference, Language language)
{
    return place(difference, language);
}

QString SafeWriteText::differenceValue(const ContentsDifference& difference, const QString& text,
                                       Language language)
{
    return value(difference, text, language);
}

QString SafeWriteText::keptDifferentlyWarning(const ContentsDifference& difference,
                                              Language language)
{
    return inLanguage(language, QStringLiteral("warning: %1"), QStringLiteral("警告：%1"))
        .arg(differenceLine(difference, language));
}

QString SafeWriteText::writtenNotVerified(Language language)
{
    const QString box = BuiltInLanguages::string(LanguageString::VerifyAfterWriting, language);
    return inLanguage(language, QStringLiteral("Written, not verified: \"%1\" is off").arg(box),
                      QStringLiteral("已写入，未校验：“%1”未勾选").arg(box));
}

QString SafeWriteText::stageName(TransferOutcome::Stage stage, Language language)
{
    using Stage = TransferOutcome::Stage;
    switch (stage) {
    case Stage::Backup:
        return inLanguage(language, QStringLiteral("Backup"), QStringLiteral("备份"));
    case Stage::Read:
        return inLanguage(language, QStringLiteral("Read"), QStringLiteral("读频"));
    case Stage::Write:
        return inLanguage(language, QStringLiteral("Write"), QStringLiteral("写频"));
    case Stage::ReadBack:
        return inLanguage(language, QStringLiteral("Read-back"), QStringLiteral("回读"));
    }
    return {};
}

QString SafeWriteText::failedAt(const TransferOutcome& outcome, Language language)
{
    const QString stage = stageName(outcome.stage(), language);
    return inLanguage(language, QStringLiteral("Failed at: %1").arg(stage),
                      QStringLiteral("失败环节：%1").arg(stage));
}

QString SafeWriteText::outcomeDetail(const TransferOutcome& outcome, Language language)
{
    using Ending = TransferOutcome::Ending;
    const QString reason = ioErrorCause(outcome.backup.error, outcome.backup.path, language);
    switch (outcome.ending) {
    case Ending::ReadNotBackedUp:
        return inLanguage(language,
                          QStringLiteral("The radio was read, but its backup could not be saved "
                                         "to %1 (%2)")
                              .arg(outcome.backup.path, reason),
                          QStringLiteral("已读频，但无法将电台备份保存到 %1（%2）")
                              .arg(outcome.backup.path, reason));
    case Ending::ReadFailed:
        return inLanguage(language,
                          QStringLiteral("The read stopped: the radio did not answer as it "
                                         "should. Nothing in the window has changed"),
                          QStringLiteral("读频中止：电台未正确应答。窗口中的内容没有改变"));
    case Ending::WriteRefused:
        return inLanguage(language,
                          QStringLiteral("Nothing was written: a value cannot be sent as it "
                                         "stands"),
                          QStringLiteral("未向电台写入任何数据：有数值无法按原样发送"));
    case Ending::BackupReadFailed:
        return inLanguage(language,
                          QStringLiteral("Nothing was written: the radio could not be read for "
                                         "its backup"),
                          QStringLiteral("未向电台写入任何数据：无法读取电台进行备份"));
    case Ending::BackupNotSaved:
        return inLanguage(language,
                          QStringLiteral("Nothing was written: the radio's backup could not be "
                                         "saved to %1 (%2)")
                              .arg(outcome.backup.path, reason),
                          QStringLiteral("未向电台写入任何数据：无法将电台备份保存到 %1（%2）")
                              .arg(outcome.backup.path, reason));
    case Ending::WriteFailed:
        return inLanguage(language,
                          QStringLiteral("The write stopped: the radio did not answer as it "
                                         "should, and may be partly written"),
                          QStringLiteral("写频中止：电台未正确应答，可能只写入了一部分"));
    case Ending::Differences:
        return inLanguage(language,
                          QStringLiteral("Written, but reading it back shows the radio holds "
                                         "something else: %1"),
                          QStringLiteral("已写入，但回读发现电台保存的内容与写入的不同：%1"))
            .arg(counted(language, outcome.differenceCount, "difference", "differences", "处差异"));
    case Ending::NotVerified:
        return inLanguage(language,
                          QStringLiteral("Written, but the radio could not be read back, so the "
                                         "write is not verified"),
                          QStringLiteral("已写入，但无法回读电台，因此写频未经校验"));
    case Ending::Read:
    case Ending::Written:
    case Ending::Verified:
        break;
    }
    return {};
}

QString SafeWriteText::outcomeWarning(const TransferOutcome& outcome, Language language)
{
    using Ending = TransferOutcome::Ending;
    switch (outcome.ending) {
    case Ending::ReadNotBackedUp:
        return inLanguage(language, QStringLiteral("Last read: backup not saved"),
                          QStringLiteral("上次读频：备份未保存"));
    case Ending::ReadFailed:
        return inLanguage(language, QStringLiteral("Last read failed"),
                          QStringLiteral("上次读频失败"));
    case Ending::WriteRefused:
    case Ending::BackupReadFailed:
    case Ending::BackupNotSaved:
        return inLanguage(language, QStringLiteral("Last write: nothing written"),
                          QStringLiteral("上次写频：未写入"));
    case Ending::WriteFailed:
        return inLanguage(language, QStringLiteral("Last write stopped partway"),
                          QStringLiteral("上次写频中途停止"));
    case Ending::Differences:
        return inLanguage(language, QStringLiteral("Last write: the radio holds something else"),
                          QStringLiteral("上次写频：电台内容与写入的不同"));
    case Ending::NotVerified:
        return inLanguage(language, QStringLiteral("Last write not verified"),
                          QStringLiteral("上次写频未经校验"));
    case Ending::Read:
    case Ending::Written:
    case Ending::Verified:
        break;
    }
    return {};
}
