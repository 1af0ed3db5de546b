#pragma once

#include "workspace/Language.h"

#include <QWidget>

class ChannelEditor;
class ChannelGrid;
class ChannelTable;
class FrequencyEditor;
class LanguageTable;
class QPushButton;
class TonePicker;
class ToneList;

// The channel page: the channel grid, the frequency editor and the tone picker that lie
// over its cells, and, under it, the channel up, channel down and delete buttons and
// "Fill from a plan…" (also Ctrl+Shift+F anywhere on the page).
class ChannelPage : public QWidget
{
    Q_OBJECT

public:
    // The grid's place on the page; cell editors are laid over cells by the same offset.
    static constexpr QPoint GridOffset{10, 10};

    ChannelPage(ChannelTable& table, const ToneList& tones, QWidget* parent = nullptr);

    // The editor the grid, the frequency editor and the tone picker forward their events to.
    void setEditor(ChannelEditor* editor);

    ChannelGrid* grid() const { return m_grid; }
    FrequencyEditor* frequencyEditor() const { return m_frequencyEditor; }
    // The tone picker is made the first time a tone cell is edited, or here when asked for
    // before; tonePickerIfMade() is null until then.
    TonePicker* tonePicker();
    TonePicker* tonePickerIfMade() const { return m_tonePicker; }
    QPushButton* upButton() const { return m_up; }
    QPushButton* downButton() const { return m_down; }
    QPushButton* deleteButton() const { return m_delete; }
    QPushButton* planButton() const { return m_plan; }

    void applyCaptions(const LanguageTable& table);
    // The texts no language table numbers, in the checked language.
    void setLanguage(Language language);

signals:
    // The button or its key; the window fills from the selected rows, or the current one.
    void fillFromPlanRequested(int firstRow);

private:
    const ToneList& m_tones;
    ChannelEditor* m_editor = nullptr;
    ChannelGrid* m_grid;
    FrequencyEditor* m_frequencyEditor;
    TonePicker* m_tonePicker = nullptr;
    QPushButton* m_up;
    QPushButton* m_down;
    QPushButton* m_delete;
    QPushButton* m_plan;
};
