#pragma once

#include "channels/ChannelEditor.h"

#include <QComboBox>
#include <QPointer>

class ToneList;

// The read-only drop-down laid over a tone cell, listing the tone list. The user's choice
// reaches the cell when the picker loses the focus.
class TonePicker : public QComboBox
{
    Q_OBJECT

public:
    static constexpr QSize CellSize{78, 21};

    explicit TonePicker(const ToneList& tones, QWidget* parent = nullptr);

    void setEditor(ChannelEditor* editor) { m_editor = editor; }

    // Takes over the tone list's first entry, the only one that follows the language.
    void showOffEntry();

protected:
    void focusOutEvent(QFocusEvent* event) override;

private:
    const ToneList& m_tones;
    QPointer<ChannelEditor> m_editor;
};
