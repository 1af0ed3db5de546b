#include "app/Localisation.h"

#include "app/InstallLog.h"
#include "app/LanguageStrings.h"
#include "app/Messenger.h"
#include "app/Workspace.h"
#include "files/FileIo.h"
#include "files/IoErrorText.h"

#include <QDir>

namespace {

// The words a switch recognises in the grid, whatever the tables hold: the Chinese and
// the English form of each.
const QStringList OffForms = {QStringLiteral("禁用"), QStringLiteral("OFF")};
const QStringList OnForms = {QStringLiteral("启用"), QStringLiteral("ON")};
const QStringList HighForms = {QStringLiteral("高功率"), QStringLiteral("High")};
const QStringList LowForms = {QStringLiteral("低功率"), QStringLiteral("Low")};

// The cell's text in the new language's words. Only a recognised word changes, and never
// into an empty word (a table that lacks it, or none applied yet): that would wipe the
// channel's value.
QString reworded(int column, const QString& text, const CellWords& words)
{
    auto replace = [&text](const QStringList& forms, const QString& word) {
        return forms.contains(text) && !word.isEmpty() ? std::optional<QString>(word)
                                                       : std::nullopt;
    };
    std::optional<QString> word;
    if (Column::isTone(column)) {
        word = replace(OffForms, words.OffWord);
    } else if (column == Column::Power) {
        word = replace(HighForms, words.HighWord);
        if (!word)
            word = replace(LowForms, words.LowWord);
    } else if (column >= Column::OptionA && column <= Column::OptionC) {
        word = replace(OffForms, words.OffWord);
        if (!word)
            word = replace(OnForms, words.OnWord);
    }
    return word.value_or(text);
}

QString cannotReadLog(const QString& reason)
{
    return QStringLiteral("Cannot read %1: %2").arg(InstallLog::FileName, reason);
}

} // namespace

Localisation::Localisation(Workspace& workspace, const QString& programFolder, QObject* parent)
    : QObject(parent), m_workspace(workspace), m_programFolder(programFolder)
{
}

QString Localisation::tableFileName(const QString& languageName)
{
    return languageName + QStringLiteral(".lang");
}

void Localisation::ApplyLanguage(const QString& name)
{
    const std::optional<LanguageTable> table =
        LanguageTable::load(QDir(m_programFolder).filePath(tableFileName(name)));
    if (!table)
        return;
    m_applied = *table;
    m_hasApplied = true;
    applyCaptionRow(m_applied);
    applyCellWords(m_applied);
    m_workspace.tones.setOffEntry(m_workspace.words.OffWord);
    rebuildSettingLists(m_applied);
    emit languageApplied(m_applied);
}

void Localisation::applyCaptionRow(const LanguageTable& table)
{
    for (int column = 0; column < Column::Count; ++column)
        m_workspace.table.setText(column, Row::Captions,
                                  table.string(LanguageString::columnCaption(column)));
}

void Localisation::applyCellWords(const LanguageTable& table)
{
    CellWords& words = m_workspace.words;
    words.OffWord = table.string(LanguageString::OffWord);
    words.OnWord = table.string(LanguageString::OnWord);
    words.HighWord = table.string(LanguageString::HighWord);
    words.LowWord = table.string(LanguageString::LowWord);
}

void Localisation::rebuildSettingLists(const LanguageTable& table)
{
    using S = FunctionSettings;
    const CellWords& words = m_workspace.words;
    FunctionSettings& settings = m_workspace.settings;

    QStringList timeOut{words.OffWord};
    const QString minutes = table.string(LanguageString::MinutesUnit);
    for (int minute = 1; minute <= 7; ++minute)
        timeOut << QString::number(minute) + minutes;
    settings.setEntries(S::TxTOT, timeOut);

    const QStringList offOn{words.OffWord, words.OnWord};
    settings.setEntries(S::BatSave, offOn);
    settings.setEntries(S::Tone, offOn);
    settings.setEntries(S::Emg, offOn);
    settings.setEntries(S::Scan, {words.OnWord, words.OffWord});
    settings.setEntries(S::Voice, {words.OffWord, table.string(LanguageString::EnglishVoice),
                                   table.string(LanguageString::ChineseVoice)});
}

void Localisation::switchLanguage(Language language)
{
    ApplyLanguage(languageName(language));
    rewordGrid();
    m_workspace.LanguageCode = languageCode(language);
    checkButton(language);
}

void Localisation::rewordGrid()
{
    ChannelTable& table = m_workspace.table;
    for (int row = Row::FirstChannel; row <= Row::LastChannel; ++row)
        for (int column = Column::FirstField; column <= Column::LastField; ++column)
            table.setText(column, row,
                          reworded(column, table.text(column, row), m_workspace.words));
}

// Checking a button that was not checked would run its switch once more, which changes
// nothing further; so only the button is moved.
void Localisation::checkButton(Language language)
{
    if (m_workspace.checkedLanguage == language)
        return;
    m_workspace.checkedLanguage = language;
    emit languageChecked(language);
}

bool Localisation::chooseStartupLanguage(Messenger& messenger)
{
    const QString path = QDir(m_programFolder).filePath(InstallLog::FileName);
    const FileIo::ReadOutcome log = FileIo::readFile(path);
    if (log.error != 0) {
        messenger.errorBox(cannotReadLog(ioErrorText(log.error, path)));
        return false;
    }
    const std::optional<QByteArray> title = InstallLog::secondLine(log.bytes);
    if (!title) {
        messenger.errorBox(cannotReadLog(QStringLiteral("Read beyond end of file")));
        return false;
    }
    const Language language =
        *title == InstallLog::EnglishTitle ? Language::English : Language::Chinese;
    // Checking a button that is not checked yet runs its switch, as a click would; the
    // button already checked only has its language applied.
    if (m_workspace.checkedLanguage != language) {
        switchLanguage(language);
        return true;
    }
    ApplyLanguage(languageName(language));
    m_workspace.LanguageCode = languageCode(language);
    return true;
}
