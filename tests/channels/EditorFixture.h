#pragma once

#include "channels/CellEditorView.h"
#include "channels/ChannelEditor.h"
#include "workspace/Messenger.h"
#include "workspace/Workspace.h"

#include "support/NewChannel.h"
#include "support/RecordingMessageLibrary.h"

#include <QList>

// Stands in for the widgets around the grid: remembers what the editor showed, where, and
// who has the focus.
class FakeCellEditorView : public CellEditorView
{
public:
    explicit FakeCellEditorView(const ToneList& tones) : m_tones(tones) {}

    bool editorShown = false;
    Cell editorCell;
    QString editorText;
    bool editorFocused = false;
    Caret editorCaret = Caret::AtEnd;

    bool pickerShown = false;
    Cell pickerCell;
    int pickerEntry = 0;
    bool pickerFocused = false;

    Cell gridCell{1, 1};
    bool gridFocused = false;
    bool bandBoxEnabled = true;

    void showFrequencyEditor(Cell cell, const QString& text) override
    {
        editorShown = true;
        editorCell = cell;
        editorText = text;
    }
    void hideFrequencyEditor() override
    {
        editorShown = false;
        editorFocused = false;
    }
    bool isFrequencyEditorShown() const override { return editorShown; }
    void setFrequencyEditorText(const QString& text) override { editorText = text; }
    void focusFrequencyEditor(Caret caret) override
    {
        editorFocused = true;
        editorCaret = caret;
        gridFocused = pickerFocused = false;
    }

    void showTonePicker(Cell cell, int entry) override
    {
        pickerShown = true;
        pickerCell = cell;
        if (entry >= 0)
            pickerEntry = entry;
    }
    void hideTonePicker() override
    {
        pickerShown = false;
        pickerFocused = false;
    }
    bool isTonePickerShown() const override { return pickerShown; }
    bool tonePickerHasFocus() const override { return pickerFocused; }
    QString tonePickerText() const override { return m_tones.entries().value(pickerEntry); }

    Cell gridCurrentCell() const override { return gridCell; }
    void focusGrid() override
    {
        gridFocused = true;
        editorFocused = pickerFocused = false;
    }
    void setBandBoxEnabled(bool enabled) override { bandBoxEnabled = enabled; }

    // The user opens the picker's list and chooses an entry: the picker has the focus.
    void choose(int entry)
    {
        pickerEntry = entry;
        pickerFocused = true;
        gridFocused = editorFocused = false;
    }

private:
    const ToneList& m_tones;
};

// A channel editor on a fresh workspace with the band "400-470MHz" selected and the English
// cell words, its boxes going to a recorder.
struct EditorFixture
{
    RecordingMessageLibrary messages;
    Workspace workspace;
    bool mainWindowEnabled = true;
    Messenger messenger{messages, workspace, [this](bool enabled) { mainWindowEnabled = enabled; }};
    FakeCellEditorView view{workspace.tones};
    ChannelEditor editor{workspace, messenger, view};

    static inline const CellWords English{"OFF", "ON", "High", "Low"};
    static inline const CellWords Chinese{"禁用", "启用", "高功率", "低功率"};

    explicit EditorFixture(const QString& band = QStringLiteral("400-470MHz"))
    {
        workspace.words = English;
        workspace.tones.setOffEntry(English.offWord);
        selectBandQuietly(band);
    }

    void selectBandQuietly(const QString& band)
    {
        workspace.editor.loading = true;
        int index = workspace.bands.indexOf(band);
        if (index < 0) {
            workspace.bands.append(band);
            index = workspace.bands.count() - 1;
        }
        workspace.bands.select(index);
        workspace.editor.loading = false;
    }

    QString cell(int row, int column) const { return workspace.table.text(row, column); }

    // A committed channel: normalised frequencies and the new-channel words.
    void putChannel(int row, const QString& frequency)
    {
        putNewChannel(workspace.table, row, frequency);
    }

    // Clicks a frequency cell, selects the editor's text and types `text` over it, key by
    // key.
    void type(int row, int column, const QString& text)
    {
        click(row, column);
        view.editorText.clear();
        for (const QChar character : text)
            editor.copyEditorText(view.editorText += character);
    }

    // A mouse click on a cell, with its events in the grid's order: the picker loses the
    // focus, the grid gains it, the grid asks before it moves, then reports the click.
    // False when the commit refused the move.
    bool click(int row, int column)
    {
        if (view.pickerFocused) {
            view.pickerFocused = false;
            editor.tonePickerLeft();
        }
        if (!view.gridFocused) {
            view.focusGrid();
            editor.gridFocusIn();
        }
        if (!editor.gridMayMoveCell())
            return false;
        view.gridCell = {row, column};
        editor.gridClick(row, column);
        return true;
    }
};
