#pragma once

#include "workspace/BandList.h"
#include "workspace/BuiltInLanguages.h"
#include "workspace/CellWords.h"
#include "workspace/ChannelTable.h"
#include "workspace/EditHistory.h"
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
    // question, and the title shows it. It is one undo step.
    void takeRadioContents(const RadioContents& contents);

    // Replaces the 16 channels in one undo step (an imported channel list); the settings and
    // the band stay.
    using Channels = std::array<RadioContents::Channel, RadioContents::ChannelCount>;
    void replaceChannels(const Channels& channels);

    // Undo and redo. The history starts once the window has set itself up; from then on
    // every completed edit calls recordEdit(), which adds a step only when something
    // changed, so an edit that failed or changed nothing adds none. Undo restores a step
    // here only: nothing is sent to a radio, and the band box asks nothing.
    void startEditHistory();
    void recordEdit();
    bool undoEdit();
    bool redoEdit();
    bool canUndoEdit() const { return m_history.canUndo(); }
    bool canRedoEdit() const { return m_history.canRedo(); }
    int undoableEdits() const { return m_history.undoableSteps(); }
    // A cell's text as the current step holds it, before whatever is being typed.
    QString recordedText(int row, int column) const;
    // After a language switch re-worded the grid: the same for every step, so an undo never
    // brings back words of the other language.
    void rewordEditHistory();

    QString title() const { return m_title; }
    // "RZT3307 [" band "]" once a radio read or a file open has taken a band.
    void setTitleFromBand();

signals:
    void titleChanged(const QString& title);
    void themeIndexChanged(int index);

private:
    // The channels, the settings and the band of `contents`, the band selected quietly.
    void setRadioContents(const RadioContents& contents);
    EditSnapshot snapshot() const;
    void restore(const EditSnapshot& step);

    EditHistory m_history;
    QString m_title = InitialTitle;
    int m_themeIndex = 0;
};
