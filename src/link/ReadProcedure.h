#pragma once

#include "link/RadioBlocks.h"
#include "link/RadioExchange.h"
#include "workspace/RadioContents.h"

class Workspace;

// Reads the radio: the band block, the 16 channel records and the settings block, into a
// copy of what the main window holds. Only a read that ran to its end hands the copy over,
// all at once (the band into the band box, learning a band the list does not hold, the
// channels into the grid, the settings into their lists); a read that stops at any step
// changes nothing. A reply that cannot be the block asked for stops it as a missing reply
// would: one that names another block (from a radio that names them), a band block that
// holds no band, or a programmed channel whose frequencies or tones hold other digits
// than 0 to 9.
class ReadProcedure
{
public:
    // How far the bar moves for the band, each channel and the settings: 5, 85 and 90
    // after them, 100 at the end.
    static constexpr int StageProgress = 5;

    ReadProcedure(Workspace& workspace, RadioExchange& exchange);

    RadioExchange::Result run();
    // The exchange of a complete read, from the hello to the exit command, into `contents`,
    // and the data bytes of every block into `blocks` when given; neither the workspace nor
    // the bar's start and end are touched (run() does those).
    RadioExchange::Result read(RadioContents& contents, RadioBlocks* blocks = nullptr);

private:
    using Result = RadioExchange::Result;

    Result readBand(RadioContents& contents);
    Result takeBand(RadioContents& contents);
    Result readChannels(RadioContents& contents);
    Result readChannel(int row, RadioContents::Channel& channel);
    Result readSettings(RadioContents& contents);
    // Reads the block and keeps its data bytes when they are asked for.
    Result readBlock(int address, int ms);

    Workspace& m_workspace;
    RadioExchange& m_exchange;
    RadioBlocks* m_blocks = nullptr;
};
