#pragma once

#include "files/ChannelFileProblem.h"
#include "workspace/Language.h"

#include <QString>

// What the user reads when a channel file does not convert, in the interface's language:
// the file's name, the line and what belongs there, for example
// `example.F19, line 6: "x" is not a squelch level (0–9)`. Without a final full stop,
// which the error box adds.
QString channelFileProblemText(const QString& fileName, const ChannelFileProblem& problem,
                               Language language);
