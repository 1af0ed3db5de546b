#pragma once

#include "workspace/MessageLibrary.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <functional>

// Stands in for the message boxes: records every box and answers the questions as the
// test says (yes unless told otherwise).
class RecordingMessageLibrary : public MessageLibrary
{
public:
    struct Box
    {
        Language language = Language::Chinese;
        int theme = 0;
        int titleId = 0;
        int messageId = 0;
        QString cause; // what stood under the message
    };

    bool showMessage(Language language, int theme, int titleId, int messageId,
                     const QString& cause) override;
    void errorBox(const QString& text) override;
    void noticeBox(const QString& text) override;
    bool showAbout(Language language, int theme) override;

    // Answers for the coming questions, in order; once used up, questions get yes.
    QList<bool> answers;
    // Runs while a box is "up", to look at the program's state at that moment.
    std::function<void(const Box&)> onBox;

    QList<Box> boxes;
    QStringList errors;
    QStringList notices;
    QList<Box> aboutBoxes; // titleId and messageId unused

    QList<int> messageIds() const;
    void clear();
};
