#pragma once

#include "channels/CellEditorView.h"

#include <QPointer>
#include <QWidget>

class ChannelPage;

// The channel editor's view of the real widgets: the frequency editor and the tone picker
// on the channel page, laid over a cell where the grid draws it, and the band box on the
// settings page, once that page is built.
class ChannelEditorView : public CellEditorView
{
public:
    explicit ChannelEditorView(ChannelPage& page);

    // The band box takes the enabled state the editor last asked for.
    void setBandBox(QWidget* bandBox);

    void showFrequencyEditor(Cell cell, const QString& text) override;
    void hideFrequencyEditor() override;
    bool isFrequencyEditorShown() const override;
    void setFrequencyEditorText(const QString& text) override;
    void focusFrequencyEditor(Caret caret) override;

    void showTonePicker(Cell cell, int entry) override;
    void hideTonePicker() override;
    bool isTonePickerShown() const override;
    bool tonePickerHasFocus() const override;
    QString tonePickerText() const override;

    Cell gridCurrentCell() const override;
    void focusGrid() override;

    void setBandBoxEnabled(bool enabled) override;

private:
    void layOver(QWidget& widget, Cell cell) const;

    ChannelPage& m_page;
    QPointer<QWidget> m_bandBox;
    bool m_bandBoxEnabled = true;
};
