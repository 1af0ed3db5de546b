#pragma once

#include "workspace/BuiltInLanguages.h"
#include "workspace/Language.h"
#include "workspace/LanguageTable.h"

#include <QObject>
#include <QString>
#include <QStringList>

class Messenger;
class Workspace;

// The interface language: applies a language table to the workspace (caption row, cell
// words, tone list, settings lists) and hands it to every page to re-caption itself;
// switches language the way the language buttons do; picks the start-up language from
// the installer's log.
class Localisation : public QObject
{
    Q_OBJECT

public:
    Localisation(Workspace& workspace, const QString& programFolder, QObject* parent = nullptr);

    // The table file of a language, "chinese.lang" or "english.lang", beside the program.
    static QString tableFileName(const QString& languageName);
    // The entries of a setting's list as a language's table and cell words word them, in
    // the order of its positions.
    static QStringList settingEntries(FunctionSettings::Setting setting, const LanguageTable& table,
                                      const CellWords& words);

    // Loads the language's table and applies it, completed from the built-in copy of the
    // language. Settings lists keep their positions; only their texts change.
    void applyLanguage(Language language);

    // What a language button does when it becomes checked, and what a channel file's
    // language code asks for: apply the language, re-word the recognised words in the
    // grid, record the language code and check the language's button.
    void switchLanguage(Language language);

    // The first step of showing the main window: the installer's log picks the language.
    // A log that is missing, unreadable or shorter than two lines is reported through
    // `messenger` and nothing is applied; returns whether a language was chosen.
    bool chooseStartupLanguage(Messenger& messenger);

    // The strings of the table applied last, for captions set later, such as the read and
    // write buttons of the read/write dialog. Before any, the built-in Chinese strings the
    // windows are built with.
    const LanguageTable& applied() const { return m_applied; }
    bool hasApplied() const { return m_hasApplied; }

signals:
    // A table was applied: each page takes its captions from it.
    void languageApplied(const LanguageTable& table);
    // The language's button is to be shown checked.
    void languageChecked(Language language);

private:
    void applyCaptionRow(const LanguageTable& table);
    void rebuildSettingLists(const LanguageTable& table);
    void rewordGrid();
    void checkButton(Language language);

    Workspace& m_workspace;
    QString m_programFolder;
    LanguageTable m_applied = BuiltInLanguages::table(Language::Chinese);
    bool m_hasApplied = false;
};
