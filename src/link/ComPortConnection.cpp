#include "link/ComPortConnection.h"

ComPortConnection::ComPortConnection(const ComPortDevices& devices, int portNumber)
    : m_serialPort(std::make_unique<QtSerialPort>(devices)),
      m_link(std::make_unique<Link>(*m_serialPort, devices))
{
    m_link->setPortNumber(portNumber);
}
