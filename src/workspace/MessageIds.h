#pragma once

// The numbered boxes of the message library: a title number and a message number.
namespace Message {
enum : int {
    CommunicationTitle = 58,
    PortUnavailable = 59,   // the port cannot be opened (or the calibration read got no hello)
    RadioNotAnswering = 60, // an exchange with the radio failed
    PromptTitle = 62,
    ConfirmBandChange = 63, // question
    ConfirmNew = 64,        // question
    // question: a channel list's Locations give no channel of its own to each row
    ConfirmListInFileOrder = 65,
    FrequencyOutOfBand = 72,
};

constexpr bool isQuestion(int messageId)
{
    return messageId == ConfirmBandChange || messageId == ConfirmNew ||
           messageId == ConfirmListInFileOrder;
}
} // namespace Message
