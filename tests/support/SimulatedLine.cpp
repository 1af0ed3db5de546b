#include "support/SimulatedLine.h"

SimulatedLine::~SimulatedLine()
{
    link.reset();
    port.reset(); // lets the last bytes leave before the radio goes
}

bool SimulatedLine::connect()
{
    if (!radio.start())
        return false;
    program.mapComPort(1, radio.slavePath());
    const ComPortDevices devices(program.path());
    port = std::make_unique<QtSerialPort>(devices);
    link = std::make_unique<Link>(*port, devices);
    link->setPortNumber(1);
    link->setWaitLengthsForTests(linkWaits);
    return true;
}
