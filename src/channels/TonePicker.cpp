#include "channels/TonePicker.h"

#include "channels/ChannelEditor.h"
#include "workspace/ToneList.h"

#include <QFocusEvent>

TonePicker::TonePicker(const ToneList& tones, QWidget* parent) : QComboBox(parent), m_tones(tones)
{
    setObjectName(QStringLiteral("tonePicker"));
    setEditable(false);
    resize(CellSize);
    addItems(tones.entries());
    hide();
}

void TonePicker::showOffEntry()
{
    setItemText(0, m_tones.offEntry());
}

void TonePicker::focusOutEvent(QFocusEvent* event)
{
    QComboBox::focusOutEvent(event);
    // Opening the list is no exit. While the picker is being hidden the editor has already
    // taken the choice over.
    if (m_editor && event->reason() != Qt::PopupFocusReason && !isHidden())
        m_editor->tonePickerLeft();
}
