#pragma once

#include "workspace/BandList.h"
#include "workspace/BuiltInLanguages.h"
#include "workspace/CellWords.h"
#include "workspace/ChannelTable.h"
#include "workspace/EditorState.h"
#include "workspace/FunctionSettings.h"
#include "workspace/Language.h"
#include "workspace/RadioContents.h"
#include "workspace/ToneList.h"

#include <QObject>
#include <QString>

// Everything the main window owns as data: the channels, the function settings, the band,
// the words of the active language, the editor's state and the few choices of the shell.
// Each piece has exactly this one owner; widgets observe it and the codecs, the file and
// the editor read and write it.
class Workspace : public QObject
{
    Q_OBJECT

public:
    static inline const QString InitialTitle = QStringLiteral("QV3307");

    explicit Workspace(QObject* parent = nullptr) : QObject(parent) {}

    ChannelTable table;
    FunctionSettings settings;
    BandList bands;
    // Never empty: until a language is applied, the built-in Chinese words, as the windows
    // are built in Chinese.
    CellWords words = BuiltInLanguages::words(Language::Chinese);
    ToneList tones;
    EditorState editor;

    // The language whose radio button is checked: message and About boxes speak it.
    Language checkedLanguage = Language::Chinese;
    // What the last language switch recorded: 1 Chinese, 2 English, 0 before any.
    int languageCode = 0;

    // The skin list's selected index, also handed to every message and About box.
    int themeIndex() const { return m_themeIndex; }
    void setThemeIndex(int index);

    // The channels, the settings and the selected band, as a radio would take them.
    RadioContents radioContents() const;
    // Replaces the channels, the settings and the band with what a complete read of a
    // radio gave, in one step: the band is selected (a band the list does not hold is added
    // to it first; a radio without a band keeps the selection) without the band box's
    // question, and the title shows it.
    void takeRadioContents(const RadioContents& contents);

    QString title() const { return m_title; }
    // "RZT3307 [" band "]" once a radio read or a file open has taken a band.
    void setTitleFromBand();

signals:
    void titleChanged(const QString& title);
    void themeIndexChanged(int index);

private:
    QString m_title = InitialTitle;
    int m_themeIndex = 0;
};
