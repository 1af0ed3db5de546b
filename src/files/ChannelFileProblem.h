#pragma once

#include "workspace/FunctionSettings.h"

#include <QByteArray>

#include <optional>

// Why a channel file does not convert: the first value that is not what its line should
// hold. Only the language line and the settings lines hold values that must convert; any
// line the reader takes something from must not be cut short.
struct ChannelFileProblem
{
    enum class Kind {
        WrongCharacter, // the value's character is not a digit the value allows
        LineTooShort,   // the line ends before the value's character
        FileTooShort,   // the file ends before the value's line
        // The file ends, without a line end, in the middle of a line whose values count
        // (the language, band, settings or a channel line): a copy cut short, which would
        // otherwise read as empty channels and settings.
        CutShort,
    };

    Kind kind = Kind::WrongCharacter;
    int line = 0;     // from 1
    int position = 0; // the value's character within the line, from 1
    // The setting the line holds; nothing for the language line.
    std::optional<FunctionSettings::Setting> setting;
    QByteArray found;    // the character found there (two bytes for a GBK character)
    int linesInFile = 0; // counted up to the last line the format uses
    // Hints for a file that is not what the user thinks it is: lines ended by a bare CR,
    // which does not end a line, or bytes that no text file holds.
    bool bareCarriageReturns = false;
    bool binary = false;
};
