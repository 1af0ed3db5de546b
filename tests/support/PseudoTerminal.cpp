#include "support/PseudoTerminal.h"

#include <fcntl.h>
#include <pty.h>
#include <sys/ioctl.h>
#include <termios.h>
#include <unistd.h>

PseudoTerminal::PseudoTerminal()
{
    char name[256] = {};
    if (openpty(&m_master, &m_slave, name, nullptr, nullptr) != 0) {
        m_master = m_slave = -1;
        return;
    }
    // Raw before the program opens it, or bytes are echoed and CR becomes CR LF.
    termios attributes{};
    tcgetattr(m_slave, &attributes);
    cfmakeraw(&attributes);
    tcsetattr(m_slave, TCSANOW, &attributes);
    fcntl(m_master, F_SETFL, fcntl(m_master, F_GETFL) | O_NONBLOCK);
    m_slavePath = QString::fromLocal8Bit(name);
}

PseudoTerminal::~PseudoTerminal()
{
    hangUp();
    if (m_slave >= 0)
        ::close(m_slave);
}

void PseudoTerminal::write(const QByteArray& bytes)
{
    if (m_master >= 0) [[maybe_unused]]
        const ssize_t written = ::write(m_master, bytes.constData(), bytes.size());
}

QByteArray PseudoTerminal::readAvailable()
{
    QByteArray bytes;
    char buffer[512];
    while (m_master >= 0) {
        const ssize_t count = ::read(m_master, buffer, sizeof buffer);
        if (count <= 0)
            break;
        bytes.append(buffer, count);
    }
    return bytes;
}

int PseudoTerminal::waitingAtProgramEnd() const
{
    int waiting = 0;
    if (m_slave < 0 || ioctl(m_slave, FIONREAD, &waiting) != 0)
        return -1;
    return waiting;
}

void PseudoTerminal::hangUp()
{
    if (m_master >= 0) {
        ::close(m_master);
        m_master = -1;
    }
}
