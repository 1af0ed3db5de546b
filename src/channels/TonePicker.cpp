#include "channels/TonePicker.h"

#include "channels/ChannelEditor.h"
#include "channels/ToneList.h"

#include <QFocusEvent>

TonePicker::TonePicker(const ToneList& tones, QWidget* parent) : QComboBox(parent), m_tones(tones)
{
    setObjectName(QStringLiteral("TeEffectComboBox4"));
    setEditable(false);
    resize(FormSize);
    addItems(tones.entries());
    hide();
}

void TonePicker::showTones()
{
    const QStringList& entries = m_tones.entries();
    if (count() != entries.size()) {
        const int selected = currentIndex();
        clear();
        addItems(entries);
        setCurrentIndex(selected);
        return;
    }
    for (int entry = 0; entry < count(); ++entry) {
        if (itemText(entry) != entries[entry])
            setItemText(entry, entries[entry]);
    }
}

void TonePicker::focusOutEvent(QFocusEvent* event)
{
    QComboBox::focusOutEvent(event);
    // Opening the list is no exit. While the picker is being hidden the editor has already
    // taken the choice over.
    if (m_editor && event->reason() != Qt::PopupFocusReason && !isHidden())
        m_editor->pickerExit();
}
