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
