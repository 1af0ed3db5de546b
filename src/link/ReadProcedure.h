#pragma once

#include "link/RadioExchange.h"

class Workspace;

// Reads the radio into the main window's data: the band into the band box (learning a
// band the list does not hold), the 16 channel records into the grid and the settings
// block into the settings lists. It stops at the first step the radio does not answer;
// what was read before that step stays.
class ReadProcedure
{
public:
    // How far the bar moves for the band, each channel and the settings: 5, 85 and 90
    // after them, 100 at the end.
    static constexpr int StageProgress = 5;

    ReadProcedure(Workspace& workspace, RadioExchange& exchange);

    RadioExchange::Result run();

private:
    using Result = RadioExchange::Result;

    Result readBand();
    Result takeBand();
    void selectBand(const QString& band);
    Result readChannels();
    Result readChannel(int row);
    Result readSettings();

    Workspace& m_workspace;
    RadioExchange& m_exchange;
};
