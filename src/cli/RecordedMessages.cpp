#include "cli/RecordedMessages.h"

bool RecordedMessages::showMessage(Language, int, int, int messageId, const QString&)
{
    m_lastMessage = messageId;
    // The only questions ask before emptying the data of a window the command line does
    // not have; no is the answer that changes nothing.
    return false;
}

void RecordedMessages::errorBox(const QString& text)
{
    m_lastError = text;
}

void RecordedMessages::noticeBox(const QString&) {}

bool RecordedMessages::showAbout(Language, int)
{
    return true;
}

void RecordedMessages::clear()
{
    m_lastMessage = 0;
    m_lastError.clear();
}
