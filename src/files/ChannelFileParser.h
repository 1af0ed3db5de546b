#pragma once

#include "files/ChannelFileContent.h"
#include "files/ChannelFileProblem.h"

#include <QByteArray>

#include <optional>

// A channel file's bytes, converted: its whole content, or the problem that stops it.
struct ParsedChannelFile
{
    ChannelFileContent content; // complete only when there is no problem
    std::optional<ChannelFileProblem> problem;

    bool ok() const { return !problem.has_value(); }
};

// Converts the bytes of a .F19 channel file. Values are taken by line and character
// position alone; headers, labels and "CH" numbers are never checked, and lines after the
// sixteenth channel line are not looked at. A line ends at LF, with or without a CR
// before it; a bare CR belongs to the line.
namespace ChannelFileParser {

ParsedChannelFile parse(const QByteArray& bytes);

} // namespace ChannelFileParser
