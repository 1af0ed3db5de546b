#pragma once

#include "workspace/MessageLibrary.h"

#include <QString>

// The command line shows no boxes: the core's messages are kept here, and the command
// that ran says in one line what failed and what to do.
class RecordedMessages : public MessageLibrary
{
public:
    bool showMessage(Language language, int theme, int titleId, int messageId,
                     const QString& cause) override;
    void errorBox(const QString& text) override;
    // The command prints its own warnings; nothing is kept.
    void noticeBox(const QString& text) override;
    bool showAbout(Language language, int theme) override;

    // The number of the last numbered message, 0 when none came.
    int lastMessage() const { return m_lastMessage; }
    // The text of the last error box, empty when none came.
    const QString& lastError() const { return m_lastError; }
    void clear();

private:
    int m_lastMessage = 0;
    QString m_lastError;
};
