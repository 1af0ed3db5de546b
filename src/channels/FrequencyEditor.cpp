#include "channels/FrequencyEditor.h"

#include "channels/ChannelEditor.h"
#include "channels/FrequencyTyping.h"
#include "channels/TypedCharacter.h"

#include <QKeyEvent>
#include <QValidator>

// The line edit runs every change the user makes through its validator, whichever way the
// text came in; this one keeps of the change only what the frequency filter lets through.
class FrequencyEditor::TypingFilter : public QValidator
{
public:
    explicit TypingFilter(QLineEdit* editor) : QValidator(editor)
    {
        connect(editor, &QLineEdit::textChanged, this,
                [this](const QString& text) { m_before = text; });
    }

    State validate(QString& input, int& caret) const override
    {
        const FrequencyTyping::Edit edit = FrequencyTyping::filterEdit(m_before, input, caret);
        if (edit.text != input) {
            input = edit.text;
            caret = edit.caret;
        }
        return Acceptable;
    }

private:
    QString m_before; // the text before the change being validated
};

FrequencyEditor::FrequencyEditor(QWidget* parent)
    : QLineEdit(parent), m_typingFilter(new TypingFilter(this))
{
    setObjectName(QStringLiteral("frequencyEditor"));
    resize(CellSize);
    setValidator(m_typingFilter);
    setContextMenuPolicy(Qt::PreventContextMenu);
    hide();
    // Pasting with the mouse or dropping text changes the text without a key release.
    connect(this, &QLineEdit::textEdited, this, [this](const QString& text) {
        if (m_editor)
            m_editor->copyEditorText(text);
    });
}

void FrequencyEditor::showText(const QString& text)
{
    // The filter and the length limit are for what the user brings in; a longer text
    // from a file is shown whole, so that a key release does not copy back a cut one.
    setValidator(nullptr);
    setText(text);
    setValidator(m_typingFilter);
}

bool FrequencyEditor::isHistoryKey(const QKeyEvent& event)
{
    const QKeyCombination key = event.keyCombination();
    return key == QKeyCombination(Qt::ControlModifier, Qt::Key_Z) ||
           key == QKeyCombination(Qt::ControlModifier, Qt::Key_Y) ||
           key == QKeyCombination(Qt::ControlModifier | Qt::ShiftModifier, Qt::Key_Z);
}

bool FrequencyEditor::event(QEvent* event)
{
    // Left unclaimed, these keys reach the window's undo and redo, which know what the
    // typing replaced.
    if (event->type() == QEvent::ShortcutOverride &&
        isHistoryKey(*static_cast<QKeyEvent*>(event))) {
        event->ignore();
        return true;
    }
    return QLineEdit::event(event);
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
