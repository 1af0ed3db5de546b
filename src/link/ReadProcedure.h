#pragma once

#include "link/RadioExchange.h"
#include "workspace/RadioContents.h"

class Workspace;

// Reads the radio: the band block, the 16 channel records and the settings block, into a
// copy of what the main window holds. Only a read that ran to its end hands the copy over,
// all at once (the band into the band box, learning a band the list does not hold, the
// channels into the grid, the settings into their lists); a read that stops at any step,
// or meets a band block that holds no band, changes nothing.
class ReadProcedure
{
public:
    // How far the bar moves for the band, each channel and the settings: 5, 85 and 90
    // after them, 100 at the end.
    static constexpr int StageProgress = 5;

    ReadProcedure(Workspace& workspace, RadioExchange& exchange);

    RadioExchange::Result run();
    // The exchange of a complete read, from the hello to the exit command, into `contents`;
    // neither the workspace nor the bar's start and end are touched (run() does those).
    RadioExchange::Result read(RadioContents& contents);

private:
    using Result = RadioExchange::Result;

    Result readBand(RadioContents& contents);
    Result takeBand(RadioContents& contents);
    Result readChannels(RadioContents& contents);
    Result readChannel(int row, RadioContents::Channel& channel);
    Result readSettings(RadioContents& contents);

    Workspace& m_workspace;
    RadioExchange& m_exchange;
};
