#pragma once

#include "channels/ChannelEditor.h"

#include <QLineEdit>
#include <QPointer>

// The in-place editor "TeEdit1" laid over a frequency cell: nine characters at most and no
// context menu. Typed characters pass the editor's filter; whatever the text becomes,
// typed or pasted, is copied into the cell at once.
class FrequencyEditor : public QLineEdit
{
    Q_OBJECT

public:
    static constexpr QSize FormSize{72, 21};
    static constexpr int MaxLength = 9;

    explicit FrequencyEditor(QWidget* parent = nullptr);

    void setEditor(ChannelEditor* editor) { m_editor = editor; }

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;

private:
    static bool isClipboardKey(const QKeyEvent& event);

    QPointer<ChannelEditor> m_editor;
};
