#pragma once

#include "channels/ChannelEditor.h"

#include <QLineEdit>
#include <QPointer>

// The in-place editor laid over a frequency cell, with no context menu. Whatever way text
// comes in (typed, with Alt held, pasted, dropped, from an input method) it passes the
// frequency filter, which also keeps typing to nine characters; a text the program shows
// is shown whole. Whatever the text becomes is copied into the cell at once.
class FrequencyEditor : public QLineEdit
{
    Q_OBJECT

public:
    static constexpr QSize CellSize{72, 21};

    explicit FrequencyEditor(QWidget* parent = nullptr);

    void setEditor(ChannelEditor* editor) { m_editor = editor; }
    // Shows `text` as it stands, unfiltered and uncut.
    void showText(const QString& text);

    // Ctrl+Z, Ctrl+Y and Ctrl+Shift+Z: the window's undo and redo, not the line's own.
    static bool isHistoryKey(const QKeyEvent& event);

protected:
    bool event(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;

private:
    class TypingFilter;

    static bool isClipboardKey(const QKeyEvent& event);

    QPointer<ChannelEditor> m_editor;
    TypingFilter* m_typingFilter = nullptr;
};
