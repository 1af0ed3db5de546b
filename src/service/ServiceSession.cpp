#include "service/ServiceSession.h"

#include "link/Link.h"

ServiceSession::ServiceSession(Link& link) : m_link(&link) {}

ServiceSession::~ServiceSession()
{
    // Closing lets the last command leave the line first.
    if (m_portTouched && m_link)
        m_link->closePort();
}

ServiceSession::Opening ServiceSession::open()
{
    if (!m_link->probePort())
        return Opening::PortUnavailable;
    m_portTouched = true;
    // The port can still be taken between the probe and the open.
    if (!m_link->openPort())
        return Opening::PortUnavailable;
    m_link->setDataArrived(false);
    if (!wait())
        return Opening::Stopped;
    m_link->setDataArrived(false);
    if (m_link->handshake(Link::Wait::FullLength))
        return Opening::Ready;
    return !m_link || m_link->quitting() ? Opening::Stopped : Opening::NoAnswer;
}

bool ServiceSession::wait()
{
    return m_link && m_link->wait(Link::ShortWait, Link::Wait::FullLength) != Link::WaitEnd::Quit;
}
