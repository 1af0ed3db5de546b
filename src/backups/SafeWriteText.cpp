#include "backups/SafeWriteText.h"

#include "workspace/BuiltInLanguages.h"
#include "workspace/IoErrorText.h"
#include "workspace/LanguageStrings.h"

#include <QStringList>

namespace {

bool english(Language language)
{
    return language == Language::English;
}

// A field is named by its caption in the message's language, as the grid and the
// settings page show it.
QString caption(int number, Language language)
{
    return BuiltInLanguages::table(language).string(number);
}

// "Channel 01, byte 12 (001C)", "Settings, byte 7 (03C7)", "Band, byte 5 (03E5)".
QString storedBytePlace(const ContentsDifference& difference, Language language)
{
    using Place = ContentsDifference::Place;
    const QString address =
        QStringLiteral("%1").arg(difference.address(), 4, 16, QLatin1Char('0')).toUpper();
    QString block;
    if (difference.place == Place::ChannelByte) {
        const QString channel = QStringLiteral("%1").arg(difference.row, 2, 10, QLatin1Char('0'));
        block = english(language) ? QStringLiteral("Channel %1").arg(channel)
                                  : QStringLiteral("第 %1 信道").arg(channel);
    } else if (difference.place == Place::SettingsByte) {
        block = english(language) ? QStringLiteral("Settings")
                                  : caption(LanguageString::FunctionSettingsTitle, language);
    } else {
        block = caption(LanguageString::Band, language);
    }
    return english(language)
               ? QStringLiteral("%1, byte %2 (%3)").arg(block).arg(difference.byte).arg(address)
               : QStringLiteral("%1，第 %2 字节（%3）")
                     .arg(block)
                     .arg(difference.byte)
                     .arg(address);
}

QString place(const ContentsDifference& difference, Language language)
{
    using Place = ContentsDifference::Place;
    switch (difference.place) {
    case Place::Channel: {
        const QString channel = QStringLiteral("%1").arg(difference.row, 2, 10, QLatin1Char('0'));
        const QString field = caption(LanguageString::columnCaption(difference.column), language);
        return english(language) ? QStringLiteral("Channel %1, %2").arg(channel, field)
                                 : QStringLiteral("第 %1 信道，%2").arg(channel, field);
    }
    case Place::Setting: {
        const QString setting = caption(LanguageString::settingLabel(difference.setting), language);
        return english(language)
                   ? QStringLiteral("Setting %1").arg(setting)
                   : QStringLiteral("%1 %2").arg(
                         caption(LanguageString::FunctionSettingsTitle, language), setting);
    }
    case Place::VoxInhibit:
        return caption(LanguageString::VoxInhibit, language);
    case Place::Band:
        return caption(LanguageString::Band, language);
    case Place::ChannelByte:
    case Place::SettingsByte:
    case Place::BandByte:
        return storedBytePlace(difference, language);
    }
    return {};
}

QString value(const ContentsDifference& difference, const QString& text, Language language)
{
    using Place = ContentsDifference::Place;
    if (difference.place == Place::Setting)
        return english(language) ? QStringLiteral("position %1").arg(text)
                                 : QStringLiteral("位置 %1").arg(text);
    if (difference.place == Place::VoxInhibit) {
        const bool on = text == QStringLiteral("1");
        return caption(on ? LanguageString::OnWord : LanguageString::OffWord, language);
    }
    if (difference.storedByte())
        return text.isEmpty()
                   ? (english(language) ? QStringLiteral("nothing") : QStringLiteral("无"))
                   : text;
    return english(language) ? QStringLiteral("\"%1\"").arg(text)
                             : QStringLiteral("“%1”").arg(text);
}

QString differenceLine(const ContentsDifference& difference, Language language)
{
    const QString written = value(difference, difference.written, language);
    const QString held = value(difference, difference.held, language);
    return english(language) ? QStringLiteral("%1: written %2, the radio holds %3")
                                   .arg(place(difference, language), written, held)
                             : QStringLiteral("%1：写入 %2，电台保存的是 %3")
                                   .arg(place(difference, language), written, held);
}

// The unused bytes the radio keeps otherwise, after a line that says what they are.
QStringList keptDifferentlyLines(const QList<ContentsDifference>& kept, Language language)
{
    QStringList lines;
    if (kept.isEmpty())
        return lines;
    lines << (english(language) ? QStringLiteral("The radio keeps these bytes, which the program "
                                                 "never reads, otherwise than they were written:")
                                : QStringLiteral("电台保存的以下字节与写入的不同（程序从不读取"
                                                 "这些字节）："));
    for (const ContentsDifference& difference : kept)
        lines << differenceLine(difference, language);
    return lines;
}

QString differencesMessage(const SafeWriteOutcome& outcome, Language language)
{
    QStringList lines;
    lines << (english(language)
                  ? QStringLiteral("The radio was written, but reading it back shows it does not "
                                   "hold what was written:")
                  : QStringLiteral("写频已完成，但回读电台发现其保存的内容与写入的不同："));
    for (const ContentsDifference& difference : outcome.differences)
        lines << differenceLine(difference, language);
    lines << keptDifferentlyLines(outcome.keptDifferently, language);
    lines << (english(language) ? QStringLiteral("Write the radio again, or read it to see what "
                                                 "it holds")
                                : QStringLiteral("请重新写频，或读频查看电台保存的内容"));
    return lines.join(QLatin1Char('\n'));
}

QString keptDifferentlyMessage(const SafeWriteOutcome& outcome, Language language)
{
    QStringList lines;
    lines << SafeWriteText::verifiedReport(outcome, language);
    lines << keptDifferentlyLines(outcome.keptDifferently, language);
    lines << (english(language) ? QStringLiteral("The channels, the settings and the band are as "
                                                 "they were written.")
                                : QStringLiteral("信道、功能选项和型号都与写入的一致。"));
    return lines.join(QLatin1Char('\n'));
}

} // namespace

QString SafeWriteText::stage(SafeWriteStage stage, Language language)
{
    switch (stage) {
    case SafeWriteStage::Backup:
        return english(language) ? QStringLiteral("Backing up the radio…")
                                 : QStringLiteral("正在备份电台…");
    case SafeWriteStage::Write:
        return english(language) ? QStringLiteral("Writing the radio…")
                                 : QStringLiteral("正在写入电台…");
    case SafeWriteStage::Verify:
        return english(language) ? QStringLiteral("Verifying the radio…")
                                 : QStringLiteral("正在校验电台…");
    }
    return {};
}

QString SafeWriteText::verified(Language language)
{
    return english(language) ? QStringLiteral("Written and verified")
                             : QStringLiteral("写入并校验完毕");
}

QString SafeWriteText::verifiedReport(const SafeWriteOutcome& outcome, Language language)
{
    const qsizetype kept = outcome.keptDifferently.size();
    if (kept == 0)
        return verified(language);
    if (english(language))
        return kept == 1
                   ? QStringLiteral("Written and verified, with 1 unused byte kept differently")
                   : QStringLiteral("Written and verified, with %1 unused bytes kept "
                                    "differently")
                         .arg(kept);
    return QStringLiteral("写入并校验完毕，有 %1 个未用字节保存得不同").arg(kept);
}

QString SafeWriteText::backupSaved(const QString& fileName, Language language)
{
    return english(language) ? QStringLiteral("Backup saved: %1").arg(fileName)
                             : QStringLiteral("备份已保存：%1").arg(fileName);
}

QString SafeWriteText::backupNotSaved(const BackupFolder::SaveOutcome& saved, Language language)
{
    const QString reason = ioErrorText(saved.error, saved.path);
    return english(language) ? QStringLiteral("Backup not saved: %1").arg(reason)
                             : QStringLiteral("备份未保存：%1").arg(reason);
}

QString SafeWriteText::outcomeMessage(const SafeWriteOutcome& outcome, Language language)
{
    using Ending = SafeWriteOutcome::Ending;
    switch (outcome.ending) {
    case Ending::BackupReadFailed:
        return english(language)
                   ? QStringLiteral("The radio could not be read for its backup, so nothing was "
                                    "written to it. Check the cable and that the radio is on, "
                                    "then write again")
                   : QStringLiteral("无法读取电台进行备份，因此未向电台写入任何数据。请检查连接线"
                                    "并确认电台已开机，然后重新写频");
    case Ending::BackupNotSaved: {
        const QString reason = ioErrorText(outcome.backupError, outcome.backupPath);
        return english(language)
                   ? QStringLiteral("The radio's backup could not be saved to %1 (%2), so nothing "
                                    "was written to the radio. Clear \"Back up the radio first\" "
                                    "to write without a backup")
                         .arg(outcome.backupPath, reason)
                   : QStringLiteral("无法将电台备份保存到 %1（%2），因此未向电台写入任何数据。"
                                    "取消“写频前先备份电台”可不备份直接写频")
                         .arg(outcome.backupPath, reason);
    }
    case Ending::NotVerified:
        return english(language)
                   ? QStringLiteral("The write finished, but the radio could not be read back, so "
                                    "it could not be verified. Read the radio to see what it holds")
                   : QStringLiteral("写频已完成，但无法回读电台，因此未能校验。请读频查看电台保存"
                                    "的内容");
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
    return (english(language) ? QStringLiteral("warning: %1") : QStringLiteral("警告：%1"))
        .arg(differenceLine(difference, language));
}
