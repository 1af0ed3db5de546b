#pragma once

#include "channels/CellEditorView.h"

#include <QList>
#include <QObject>
#include <QString>

#include <optional>

class ChannelTable;
struct CellWords;
class Messenger;
class Workspace;
struct EditorState;

// Every rule of editing the channel grid: typing and committing frequencies, clicking,
// toggling and picking tones, moving and deleting channels, and changing the band. It
// works on the workspace's data and shows the frequency editor and the tone picker through
// a CellEditorView; the widgets only forward their events here.
class ChannelEditor : public QObject
{
    Q_OBJECT

public:
    enum class EditorKey {
        Accept,  // the editor takes the character
        Discard, // the character is dropped
        Commit,  // Enter: the typed frequency has been committed
    };
    Q_ENUM(EditorKey)

    ChannelEditor(Workspace& workspace, Messenger& messenger, CellEditorView& view,
                  QObject* parent = nullptr);

    // What a new channel's tone, power or option cell starts with.
    static QString newChannelWord(int column, const CellWords& words);

    // Commits the cell last handled: a newly typed channel gets its normalised frequency
    // and default words in the cells still empty, a typed frequency is normalised, and a
    // row without a receive frequency is emptied. False when a text did not read as a
    // number (the error box has been shown and the cell keeps its text): the caller must
    // not go on with its action.
    bool commitEditedCell();
    // Normalises the frequency in a cell against the selected band.
    bool normaliseFrequency(int row, int column);

    // A character typed into the frequency editor, whose text is `editorText` so far.
    EditorKey editorCharacter(QChar character, const QString& editorText);
    // The editor's text has changed under the user's hand; the cell shows it as it stands.
    void copyEditorText(const QString& text);

    // The grid is about to move its current cell; false keeps it where it is.
    bool gridMayMoveCell();
    // A click on a data cell, or the grid's current cell moved there by key or wheel.
    void gridClick(int row, int column);
    void gridKeyDown(Qt::Key key);
    // A character typed while the grid has the focus. True for the characters the grid
    // takes (Enter and digits), whether or not they started frequency input.
    bool gridCharacterKey(QChar character);
    // Before the wheel moves the grid's current row.
    void gridWheel();
    void gridFocusIn();

    // The tone picker lost the focus: its choice goes into the cell it was opened for.
    void tonePickerLeft();

    void channelUp();
    void channelDown();
    void deleteChannel();

    // --- Several channels at once: rows firstRow to lastRow, each edit one undo step. The
    // cell being edited is committed first; a commit that fails stops the edit.

    // The power or an option word for every programmed row; empty channels stay empty.
    void setRowsWord(int firstRow, int lastRow, int column, const QString& word);
    // A receive or transmit tone (an entry of the tone list) for every programmed row.
    void setRowsTone(int firstRow, int lastRow, int column, const QString& tone);
    // A click on a power, option or tone cell inside a selection of several rows: the cell
    // switches, or its tone picker opens, as for one cell, and what it gets goes into
    // every programmed row of the selection.
    void selectionClick(int firstRow, int lastRow, int row, int column);

    // The steps "Fill frequencies" offers: 5, 6.25, 12.5 and 25 kHz.
    static constexpr qint64 FillSteps[] = {500, 625, 1250, 2500};
    struct LeftOutFrequency
    {
        int row = 0;
        qint64 frequency = 0;
    };
    // Receive and transmit frequency of every row from `start` up in steps of `step`
    // (10 Hz units). Each frequency goes onto the channel step as typing it would; one
    // outside the band is left out, its row kept as it was, and the message lists it. An
    // empty row becomes a new channel with the default words. Gives what was left out;
    // nothing when the start does not read as a number (the error box has said so).
    std::optional<QList<LeftOutFrequency>> fillFrequencies(int firstRow, int lastRow,
                                                           const QString& start, qint64 step);

    // The band box's selection changed, by the user or by the program.
    void bandChanged();

    // Ctrl+Z: a frequency being typed loses just that typing; otherwise a tone chosen in an
    // open picker becomes its own step first, and the last step is undone.
    void undo();
    // Ctrl+Y or Ctrl+Shift+Z: the step last undone is done again.
    void redo();

    // Hides the tone picker and the frequency editor, as leaving the grid for a menu page
    // or a file command does.
    void closeCellEditors();

private:
    EditorState& state() const;
    bool commitCell();
    bool dropTyping();
    ChannelTable& table() const;

    bool commitNewChannel(int row, int column);
    void writeNewChannelWords(int row);
    void fillIfEmpty(int row, int column, const QString& text);
    bool conversionFailed(const QString& text);
    void showOutOfBand();

    void commitFromEditor();
    bool typingGoesToEditor() const;

    void openFrequencyEditor(int row, int column);
    void openTonePicker(int row, int column);
    void toggleFlag(int row, int column);
    QString toggledWord(int row, int column) const;
    void closeTonePicker();
    void handOverTone();

    bool currentCellMoves() const;
    void swapChannels(int row, int otherRow);

    bool prepareRowsEdit();
    void setProgrammedRows(int firstRow, int lastRow, int column, const QString& text);

    Workspace& m_workspace;
    Messenger& m_messenger;
    CellEditorView& m_view;
    // The rows a tone chosen in the picker goes to: the picker's own row, or the selection
    // it was opened in.
    int m_toneFirstRow = 0;
    int m_toneLastRow = 0;
};
