#pragma once

#include <QString>

// What the channel editor needs of the widgets around the grid: the frequency editor and
// the tone picker that it lays over a cell, the grid's own current cell and focus, and the
// band box. The widget layer implements it; tests put a fake in its place.
class CellEditorView
{
public:
    struct Cell
    {
        int row = 0;
        int column = 0;
    };

    enum class Caret {
        SelectAll, // ready to be typed over
        AtEnd,     // ready to be typed on
    };

    virtual ~CellEditorView() = default;

    // Laid over the cell and shown, holding `text`, without taking the focus.
    virtual void showFrequencyEditor(Cell cell, const QString& text) = 0;
    virtual void hideFrequencyEditor() = 0;
    virtual bool isFrequencyEditorShown() const = 0;
    virtual void setFrequencyEditorText(const QString& text) = 0;
    virtual void focusFrequencyEditor(Caret caret) = 0;

    // Laid over the cell and shown without taking the focus, with tone list entry `entry`
    // selected; -1 keeps the entry selected before.
    virtual void showTonePicker(Cell cell, int entry) = 0;
    virtual void hideTonePicker() = 0;
    virtual bool isTonePickerShown() const = 0;
    virtual bool tonePickerHasFocus() const = 0;
    virtual QString tonePickerText() const = 0;

    // The cell the grid highlights; it can differ from the editor's current cell after a
    // channel move.
    virtual Cell gridCurrentCell() const = 0;
    virtual void focusGrid() = 0;

    virtual void setBandBoxEnabled(bool enabled) = 0;
};
