#pragma once

#include "RadioCommand.h"

#include <QtGlobal>

#include <optional>

// One answer the radio gets wrong. It is the answer to the hello, to the program's 06 sent
// right after the request at `address` (-1: the 06 right after the hello), or to the read
// or write request at `address`. Every answer that fits gets the fault.
struct AnswerFault
{
    RadioCommandKind answerTo = RadioCommandKind::Read;
    int address = -1;
    // Leaves this much later than it would.
    int delayMs = 0;
    // One byte goes out ahead of the answer, as line noise or a stale answer would.
    std::optional<quint8> strayByteBefore = std::nullopt;
    // This many bytes more (each 00, after the answer) or, when negative, fewer (the last
    // ones left out).
    int lengthChange = 0;

    bool appliesTo(RadioCommandKind kind, int commandAddress) const
    {
        return kind == answerTo && (kind == RadioCommandKind::Hello || commandAddress == address);
    }
};

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
    // Acknowledges a write request at this address but keeps what the block held, as a
    // radio whose memory did not take the write.
    std::optional<int> unstoredWriteAt;
    // Holds this byte at this address whatever a write brings, as a memory cell stuck at
    // a value.
    struct AlteredByte
    {
        int address = 0;
        quint8 value = 0;
    };
    std::optional<AlteredByte> alteredByte;
    // Stores what a write brings at this address with the bits of `mask` flipped, as a
    // memory that keeps some bits of its own: only a read of the byte shows it.
    struct KeptDifferently
    {
        int address = 0;
        quint8 mask = 0;
    };
    std::optional<KeptDifferently> keptDifferently;
    // Answers the read request at `address` with the reply to a read of `carried`, header
    // and all: a radio that answers with another block.
    struct OtherBlock
    {
        int address = 0;
        int carried = 0;
    };
    std::optional<OtherBlock> otherBlock;
    // Answers the read request at this address with the last read reply it sent again, as a
    // radio whose answer was not brought up to date (the right reply when it has sent none).
    std::optional<int> staleReplyAt;
    // Starts every read reply with 57 FF FF 08: a header that names no address.
    bool anonymousReplies = false;
    // Acknowledges every write request with 06 06.
    bool doubledWriteAcknowledgement = false;
    // The byte it acknowledges the program's 06 and write requests with.
    quint8 acknowledgement = 0x06;
    // Every answer leaves this long after the request has fully arrived.
    int replyDelayMs = 0;
    // Hangs up (closes its end of the line) once it has received this many bytes.
    std::optional<int> hangUpAfter;
    // One kind of answer late, preceded by a stray byte, or of the wrong length.
    std::optional<AnswerFault> answerFault;
};
