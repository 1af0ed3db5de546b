#include "support/RecordingMessageLibrary.h"

bool RecordingMessageLibrary::showMessage(Language language, int theme, int titleId, int messageId,
                                          const QString& cause)
{
    const Box box{language, theme, titleId, messageId, cause};
    boxes.append(box);
    if (onBox)
        onBox(box);
    return answers.isEmpty() ? true : answers.takeFirst();
}

void RecordingMessageLibrary::errorBox(const QString& text)
{
    errors.append(text);
}

void RecordingMessageLibrary::noticeBox(const QString& text)
{
    notices.append(text);
}

QList<int> RecordingMessageLibrary::messageIds() const
{
    QList<int> ids;
    for (const Box& box : boxes)
        ids.append(box.messageId);
    return ids;
}

void RecordingMessageLibrary::clear()
{
    boxes.clear();
    errors.clear();
    notices.clear();
    aboutBoxes.clear();
    answers.clear();
}

bool RecordingMessageLibrary::showAbout(Language language, int theme)
{
    aboutBoxes.append({language, theme, 0, 0, {}});
    return true;
}
