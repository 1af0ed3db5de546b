#pragma once

#include "workspace/Language.h"

#include <QString>

// The boxes the program shows: numbered messages, and the error box of the top-level error
// handler. The real one draws themed dialogs; tests put a recorder in its place that
// answers as the test says.
class MessageLibrary
{
public:
    virtual ~MessageLibrary() = default;

    // Shows message `messageId` under title `titleId` in `language`, styled by skin `theme`, with
    // `cause` (already in that language, may be empty) standing under the message, and returns once
    // the user has dismissed it: true when the user agreed (only the questions 63 and 64 can answer
    // false).
    virtual bool showMessage(Language language, int theme, int titleId, int messageId,
                             const QString& cause) = 0;

    // An unexpected failure (file input and output, a number that does not convert):
    // the text, followed by a full stop, in an error box titled with the program's name.
    virtual void errorBox(const QString& text) = 0;
    // What the user should know after something that went through (a write verified, with
    // unused bytes the radio keeps otherwise): the text, ended as a sentence, with a warning
    // sign rather than an error's.
    virtual void noticeBox(const QString& text) = 0;

    // The About box: the program's name, version and licence. Returns true once the user
    // has closed it.
    virtual bool showAbout(Language language, int theme) = 0;
};
