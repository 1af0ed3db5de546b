#include "link/Link.h"

#include "link/Frames.h"
#include "link/HexText.h"
#include "link/PortDiagnostics.h"
#include "link/QtSerialPort.h"
#include "link/SerialPort.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QPointer>
#include <QTimer>

#include <optional>

Link::Link(SerialPort& port, ComPortDevices devices, Probe probe, QObject* parent)
    : QObject(parent), m_port(port), m_devices(std::move(devices)), m_probe(std::move(probe))
{
    connect(&m_port, &SerialPort::eventOccurred, this, &Link::onPortEvent);
    if (auto* application = QCoreApplication::instance())
        connect(application, &QCoreApplication::aboutToQuit, this, &Link::stopWaiting);
}

Link::Link(SerialPort& port, ComPortDevices devices, QObject* parent)
    : Link(port, std::move(devices), &QtSerialPort::probe, parent)
{
}

void Link::onPortEvent()
{
    if (m_port.lastEvent() != SerialPort::Event::Receive)
        return;
    m_dataArrived = true;
    m_receivedBytes = m_port.readAll();
    m_receivedSinceRequest += int(m_receivedBytes.size());
    emit dataArrived();
}

void Link::stopWaiting()
{
    m_quitting = true;
    emit quitRequested();
}

bool Link::answered(int length) const
{
    // Bytes still waiting belong to the same answer: it was longer than `length`.
    return m_receivedSinceRequest == length && m_port.bytesAvailable() == 0 &&
           (length == 0 || m_receivedBytes.size() == length);
}

bool Link::acknowledged() const
{
    return answered(Frame::AcknowledgementLength) && quint8(m_receivedBytes.front()) == AckByte;
}

int Link::portNumber() const
{
    return m_port.portNumber();
}

void Link::setPortNumber(int portNumber)
{
    m_port.setPortNumber(portNumber);
}

bool Link::probePort() const
{
    return m_probe(devicePath());
}

QString Link::devicePath() const
{
    return m_devices.devicePath(portNumber());
}

PortDiagnosis Link::diagnosePort() const
{
    return PortDiagnostics().diagnoseOpening(devicePath());
}

bool Link::openPort()
{
    return m_port.open();
}

void Link::closePort()
{
    m_port.close();
}

void Link::setReceiveThreshold(int count)
{
    m_port.setReceiveThreshold(count);
}

bool Link::beginRequest(UnreadInput unread)
{
    // A byte can land between the look and the discard. Thrown away then, it would never be
    // seen, and a reply one byte too long would pass. So a request that refuses unread input
    // discards only what it saw: a byte that lands after the look stays, and spoils this
    // request's answer instead.
    const bool nothingUnread = m_port.bytesAvailable() == 0;
    if (!nothingUnread || unread == UnreadInput::Discard)
        m_port.discardInput();
    m_receivedSinceRequest = 0;
    m_dataArrived = false;
    return nothingUnread || unread == UnreadInput::Discard;
}

bool Link::sendFrame(const QString& text, UnreadInput unread)
{
    bool hexText = false;
    m_lastRequest = hexToBytes(text, &hexText);
    if (!hexText || !beginRequest(unread))
        return false;
    m_port.send(m_lastRequest);
    return true;
}

bool Link::sendAcknowledgement(UnreadInput unread)
{
    if (!beginRequest(unread))
        return false;
    m_port.send(QByteArray(1, char(AckByte)));
    return true;
}

void Link::setWaitLengthsForTests(int shortMs, int longMs)
{
    m_shortWait = shortMs;
    m_longWait = longMs;
}

Link::WaitEnd Link::wait(int ms, Wait kind)
{
    if (ms == ShortWait)
        ms = m_shortWait;
    else if (ms == LongWait)
        ms = m_longWait;
    if (m_quitting)
        return WaitEnd::Quit;
    if (ms <= 0)
        return WaitEnd::Time;
    const bool endsOnData = kind == Wait::UntilData;
    if (endsOnData && m_dataArrived) {
        QCoreApplication::processEvents();
        return m_quitting ? WaitEnd::Quit : WaitEnd::Data;
    }

    QEventLoop loop;
    std::optional<WaitEnd> end;
    const auto endWith = [&](WaitEnd reason) {
        if (!end)
            end = reason;
        loop.quit();
    };
    QTimer timer;
    timer.setSingleShot(true);
    // A coarse timer may fire early; the wait must last at least its length.
    timer.setTimerType(Qt::PreciseTimer);
    connect(&timer, &QTimer::timeout, &loop, [&] { endWith(WaitEnd::Time); });
    connect(this, &Link::quitRequested, &loop, [&] { endWith(WaitEnd::Quit); });
    connect(this, &QObject::destroyed, &loop, [&] { endWith(WaitEnd::Quit); });
    if (endsOnData)
        connect(this, &Link::dataArrived, &loop, [&] { endWith(WaitEnd::Data); });
    timer.start(ms);
    const QPointer<Link> alive(this);
    loop.exec();
    // Whatever ran inside the wait may have destroyed the link: touch nothing of it then.
    if (!alive)
        return WaitEnd::Quit;

    // Only QCoreApplication::exit() ends the loop without telling why, and once it has
    // been called every new loop returns at once: the application is closing.
    if (!end)
        m_quitting = true;
    return end.value_or(WaitEnd::Quit);
}

bool Link::handshake(Wait waitKind)
{
    bool answered = false;
    for (int attempt = 0; attempt < HandshakeTries && !answered; ++attempt) {
        setReceiveThreshold(Frame::HelloReplyLength);
        sendFrame(Frame::Hello);
        if (wait(ShortWait, waitKind) == WaitEnd::Quit)
            return false;
        if (m_dataArrived) {
            m_dataArrived = false;
            // Exactly the reply, nothing more and nothing less.
            answered = this->answered(Frame::HelloReplyLength) &&
                       bytesToHex(m_receivedBytes) == Frame::HelloReply;
        }
    }
    if (!answered)
        return false;
    // The radio answers with its own 06, left in receivedBytes() for the caller to check.
    // A byte after the reply means it was longer than it should have been after all.
    setReceiveThreshold(Frame::AcknowledgementLength);
    if (!sendAcknowledgement(UnreadInput::Refuse))
        return false;
    m_dataArrived = false;
    return wait(ShortWait, waitKind) != WaitEnd::Quit;
}
