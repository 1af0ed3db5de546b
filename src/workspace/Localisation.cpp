#include "workspace/Localisation.h"

#include "workspace/BuiltInLanguages.h"
#include "workspace/FileIo.h"
#include "workspace/InstallLog.h"
#include "workspace/IoErrorText.h"
#include "workspace/LanguageStrings.h"
#include "workspace/LanguageWords.h"
#include "workspace/Messenger.h"
#include "workspace/Workspace.h"

#include <QDir>

namespace {

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

// The table beside the program wins string by string; whatever it lacks, and the whole
// table when it is missing, comes from the built-in copy of the language.
void Localisation::applyLanguage(Language language)
{
    const LanguageTable& builtIn = BuiltInLanguages::table(language);
    const std::optional<LanguageTable> beside =
        LanguageTable::load(QDir(m_programFolder).filePath(tableFileName(languageName(language))));
    m_applied = beside ? beside->completedFrom(builtIn) : builtIn;
    m_hasApplied = true;
    applyCaptionRow(m_applied);
    m_workspace.words = LanguageWords::of(m_applied, language);
    m_workspace.tones.setOffEntry(m_workspace.words.offWord);
    rebuildSettingLists(m_applied);
    emit languageApplied(m_applied);
}

void Localisation::applyCaptionRow(const LanguageTable& table)
{
    for (int column = 0; column < Column::Count; ++column)
        m_workspace.table.setText(Row::Captions, column,
                                  table.string(LanguageString::columnCaption(column)));
}

QStringList Localisation::settingEntries(FunctionSettings::Setting setting,
                                         const LanguageTable& table, const CellWords& words)
{
    using S = FunctionSettings;
    switch (setting) {
    case S::TimeOut:
        return S::timeOutEntries(words.offWord, table.string(LanguageString::MinutesUnit));
    case S::BatterySave:
    case S::PromptTone:
    case S::AlarmKey:
        return {words.offWord, words.onWord};
    case S::Scan:
        return {words.onWord, words.offWord};
    case S::VoicePrompt:
        return {words.offWord, table.string(LanguageString::EnglishVoice),
                table.string(LanguageString::ChineseVoice)};
    case S::Squelch:
    case S::VoxGain:
    case S::VoxDelay:
        break;
    }
    // Numbers and seconds: the same in every language.
    return S::builtInEntries(setting);
}

void Localisation::rebuildSettingLists(const LanguageTable& table)
{
    using S = FunctionSettings;
    for (const S::Setting setting :
         {S::TimeOut, S::BatterySave, S::PromptTone, S::AlarmKey, S::Scan, S::VoicePrompt})
        m_workspace.settings.setEntries(setting, settingEntries(setting, table, m_workspace.words));
}

void Localisation::switchLanguage(Language language)
{
    applyLanguage(language);
    rewordGrid();
    m_workspace.languageCode = languageCode(language);
    checkButton(language);
}

void Localisation::rewordGrid()
{
    ChannelTable& table = m_workspace.table;
    for (int row = Row::FirstChannel; row <= Row::LastChannel; ++row)
        for (int column = Column::FirstField; column <= Column::LastField; ++column)
            table.setText(
                row, column,
                LanguageWords::reworded(column, table.text(row, column), m_workspace.words));
    m_workspace.rewordEditHistory();
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
    applyLanguage(language);
    m_workspace.languageCode = languageCode(language);
    return true;
}
