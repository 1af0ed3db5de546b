#pragma once

#include "workspace/Language.h"

#include <QString>

// What the messages about a channel's cell call that cell, in the interface's language:
// "receive frequency", "transmit tone", "power", "option 2" and so on.
QString channelCellName(int column, Language language);
