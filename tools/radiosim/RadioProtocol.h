#pragma once

#include "RadioFaults.h"
#include "RadioMemory.h"

#include <QByteArray>
#include <QString>

#include <optional>

// How the radio answers its programming protocol, one received byte at a time. Until a
// hello has put it into programming mode it ignores everything else; in programming mode
// it answers 06 with 06, a read request 52 AH AL LL with a 4-byte header (57 AH AL LL,
// naming the block) and the LL bytes of memory, and a write request 57 AH AL LL with LL data bytes
// by storing them and answering 06. 64 6F leaves programming mode; 61 67 starts the aging test,
// which leaves it too.
class RadioProtocol
{
public:
    using CommandKind = RadioCommandKind;

    struct Command
    {
        CommandKind kind = CommandKind::Hello;
        // A request's address; for the program's 06, the address of the request it follows
        // (-1 right after the hello).
        int address = -1;
        QByteArray data; // what a write request carried
    };

    // What one received byte led to: the command it completed, if any, and the answer.
    struct Step
    {
        std::optional<Command> command;
        QByteArray reply;
    };

    static const QByteArray Hello;
    static const QByteArray HelloReply;

    explicit RadioProtocol(RadioMemory memory = {});

    Step receive(quint8 byte);
    // How much later than at once the answer to this command leaves.
    int answerDelayMs(const Command& command) const;

    void setFaults(const RadioFaults& faults) { m_faults = faults; }
    const RadioFaults& faults() const { return m_faults; }

    const RadioMemory& memory() const { return m_memory; }
    void setMemory(const RadioMemory& memory) { m_memory = memory; }

    bool inProgrammingMode() const { return m_programming; }
    bool agingStarted() const { return m_agingStarted; }

    static QString describe(const Command& command);

private:
    Step listenForHello(quint8 byte);
    Step parseCommand();
    Step hello();
    Step acknowledgement();
    // A read reply as the radio gives it for the block at `address`.
    QByteArray readReply(int address, int length) const;
    Step readRequest(int address, int length);
    Step writeRequest(int address, const QByteArray& data);
    Step leaveProgramming(CommandKind kind);
    QByteArray answer(const QByteArray& reply) const;
    bool refusesAddress(int address) const;
    const AnswerFault* answerFaultFor(const Command& command) const;
    Step withAnswerFault(Step step) const;

    RadioMemory m_memory;
    RadioFaults m_faults;
    QByteArray m_pending; // the bytes of the command being received
    int m_lastRequestAddress = -1;
    // The last read reply sent, in this programming session or an earlier one.
    QByteArray m_lastReadReply;
    bool m_programming = false;
    bool m_agingStarted = false;
};
