#include "channels/ChannelEditorView.h"

#include "channels/ChannelGrid.h"
#include "channels/ChannelPage.h"
#include "channels/FrequencyEditor.h"
#include "channels/TonePicker.h"

ChannelEditorView::ChannelEditorView(ChannelPage& page) : m_page(page) {}

void ChannelEditorView::setBandBox(QWidget* bandBox)
{
    m_bandBox = bandBox;
    if (m_bandBox)
        m_bandBox->setEnabled(m_bandBoxEnabled);
}

void ChannelEditorView::layOver(QWidget& widget, Cell cell) const
{
    widget.move(m_page.grid()->pos() + m_page.grid()->cellRect(cell.row, cell.column).topLeft());
    widget.raise();
}

void ChannelEditorView::showFrequencyEditor(Cell cell, const QString& text)
{
    FrequencyEditor& editor = *m_page.frequencyEditor();
    layOver(editor, cell);
    editor.showText(text);
    editor.show();
}

void ChannelEditorView::hideFrequencyEditor()
{
    m_page.frequencyEditor()->hide();
}

bool ChannelEditorView::isFrequencyEditorShown() const
{
    return !m_page.frequencyEditor()->isHidden();
}

void ChannelEditorView::setFrequencyEditorText(const QString& text)
{
    m_page.frequencyEditor()->showText(text);
}

void ChannelEditorView::focusFrequencyEditor(Caret caret)
{
    FrequencyEditor& editor = *m_page.frequencyEditor();
    editor.setFocus(Qt::OtherFocusReason);
    if (caret == Caret::SelectAll)
        editor.selectAll();
    else
        editor.end(false);
}

void ChannelEditorView::showTonePicker(Cell cell, int entry)
{
    TonePicker& picker = *m_page.tonePicker();
    if (entry >= 0)
        picker.setCurrentIndex(entry);
    layOver(picker, cell);
    picker.show();
}

void ChannelEditorView::hideTonePicker()
{
    if (TonePicker* picker = m_page.tonePickerIfMade())
        picker->hide();
}

bool ChannelEditorView::isTonePickerShown() const
{
    const TonePicker* picker = m_page.tonePickerIfMade();
    return picker && !picker->isHidden();
}

bool ChannelEditorView::tonePickerHasFocus() const
{
    const TonePicker* picker = m_page.tonePickerIfMade();
    return picker && picker->hasFocus();
}

QString ChannelEditorView::tonePickerText() const
{
    return m_page.tonePicker()->currentText();
}

CellEditorView::Cell ChannelEditorView::gridCurrentCell() const
{
    const QModelIndex current = m_page.grid()->currentIndex();
    return {current.row(), current.column()};
}

void ChannelEditorView::focusGrid()
{
    m_page.grid()->setFocus(Qt::OtherFocusReason);
}

void ChannelEditorView::setBandBoxEnabled(bool enabled)
{
    m_bandBoxEnabled = enabled;
    if (m_bandBox)
        m_bandBox->setEnabled(enabled);
}
