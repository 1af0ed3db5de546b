#pragma once

#include "link/Link.h"
#include "link/QtSerialPort.h"

#include "RadioSimulator.h"
#include "support/TemporaryProgramFolder.h"
#include "support/TestWaits.h"

#include <memory>

// The program's serial port and link on COM1 of a temporary program folder, leading to a
// simulated radio over a pseudo-terminal.
struct SimulatedLine
{
    RadioSimulator radio;
    TemporaryProgramFolder program;
    std::unique_ptr<QtSerialPort> port;
    std::unique_ptr<Link> link;
    // How long the link's two waits run, set before connect(): long enough for a prompt
    // radio however slow the build; the real 250 and 550 ms (Link::WaitLengths{}) for
    // checks of the waits themselves.
    Link::WaitLengths linkWaits = TestWaits::Prompt;

    explicit SimulatedLine(RadioMemory memory = {}) : radio(std::move(memory)) {}
    ~SimulatedLine();
    SimulatedLine(const SimulatedLine&) = delete;
    SimulatedLine& operator=(const SimulatedLine&) = delete;

    // Starts the radio, maps COM1 to it and builds the port and the link on COM1, still
    // closed.
    bool connect();
};
