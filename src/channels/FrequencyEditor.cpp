#include "channels/FrequencyEditor.h"

#include "channels/ChannelEditor.h"
#include "channels/TypedCharacter.h"

#include <QKeyEvent>

FrequencyEditor::FrequencyEditor(QWidget* parent) : QLineEdit(parent)
{
    setObjectName(QStringLiteral("TeEdit1"));
    resize(FormSize);
    setMaxLength(MaxLength);
    setContextMenuPolicy(Qt::PreventContextMenu);
    hide();
    // Pasting with the mouse or dropping text changes the text without a key release.
    connect(this, &QLineEdit::textEdited, this, [this](const QString& text) {
        if (m_editor)
            m_editor->copyEditorText(text);
    });
}

bool FrequencyEditor::isClipboardKey(const QKeyEvent& event)
{
    return event.matches(QKeySequence::Copy) || event.matches(QKeySequence::Cut) ||
           event.matches(QKeySequence::Paste) || event.matches(QKeySequence::Undo);
}

void FrequencyEditor::keyPressEvent(QKeyEvent* event)
{
    const QChar character = typedCharacter(*event);
    if (!m_editor || isClipboardKey(*event) || character.isNull()) {
        QLineEdit::keyPressEvent(event);
        return;
    }
    switch (m_editor->editorCharacter(character, text())) {
    case ChannelEditor::EditorKey::Accept:
        QLineEdit::keyPressEvent(event);
        break;
    case ChannelEditor::EditorKey::Discard:
    case ChannelEditor::EditorKey::Commit:
        event->accept();
        break;
    }
}

void FrequencyEditor::keyReleaseEvent(QKeyEvent* event)
{
    QLineEdit::keyReleaseEvent(event);
    if (m_editor)
        m_editor->copyEditorText(text());
}
