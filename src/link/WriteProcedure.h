#pragma once

#include "link/Link.h"
#include "link/RadioExchange.h"
#include "link/WritePlan.h"

class Messenger;
class Workspace;

// Writes the main window's 16 channels, settings and band into the radio. Every request
// is composed first: when a value cannot be sent as it stands, nothing is sent and the
// user learns which one. Otherwise it stops at the first channel request the radio does
// not acknowledge with its 06 alone (or when the radio did not answer the handshake's 06
// so); what was written before stays written.
class WriteProcedure
{
public:
    // The bar moves 2 after a channel's first block and 3 after its second (80 after
    // channel 16), 5 after the settings, and is full after the band.
    static constexpr int FirstHalfProgress = 2;
    static constexpr int SecondHalfProgress = 3;
    static constexpr int SettingsProgress = 5;

    WriteProcedure(const Workspace& workspace, RadioExchange& exchange, Messenger& messenger);
    // For write() alone, whose caller has checked the plan and tells the user the outcome.
    WriteProcedure(const Workspace& workspace, RadioExchange& exchange);

    RadioExchange::Result run();
    // The exchange of a write of a sendable plan, from the hello to the band block; the
    // bar's start and the exit command are the caller's (run() does those).
    RadioExchange::Result write(const WritePlan& plan);

private:
    using Result = RadioExchange::Result;

    Result writeChannels(const WritePlan& plan);
    Result writeChannel(const WritePlan::ChannelRequests& requests);
    Result writeAcknowledged(const QString& request);
    // `unread`: whether the answer before it counted (Refuse) or was not looked at either.
    Result writeUnchecked(const QString& request, Link::UnreadInput unread);

    const Workspace& m_workspace;
    RadioExchange& m_exchange;
    Messenger* m_messenger = nullptr;
};
