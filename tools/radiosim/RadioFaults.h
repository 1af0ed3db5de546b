#pragma once

#include <QtGlobal>

#include <optional>

// Ways the simulated radio can misbehave, to see how the program copes.
struct RadioFaults
{
    // Hears everything, answers nothing and stores nothing, as a radio switched off.
    bool silent = false;
    // Answers the hello with 8 bytes that are not the expected reply.
    bool wrongHelloReply = false;
    // Answers the hello with the expected 8 bytes and one more.
    bool longHelloReply = false;
    // Neither answers nor stores a read or write request at this address.
    std::optional<int> noReplyAt;
    // The byte it acknowledges the program's 06 and write requests with.
    quint8 acknowledgement = 0x06;
    // Every answer leaves this long after the request has fully arrived.
    int replyDelayMs = 0;
    // Hangs up (closes its end of the line) once it has received this many bytes.
    std::optional<int> hangUpAfter;
};
