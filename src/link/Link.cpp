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
    m_clock.start();
    connect(&m_port, &SerialPort::eventOccurred, this, &Link::onPortEvent);
    connect(&m_port, &SerialPort::bytesArriving, this, &Link::noteArrival);
    if (auto* application = QCoreApplication::instance())
        connect(application, &QCoreApplication::aboutToQuit, this, &Link::stopWaiting);
}

Link::Link(SerialPort& port, ComPortDevices devices, QObject* parent)
    : Link(port, std::move(devices), &QtSerialPort::probe, parent)
{
}

void Link::noteArrival()
{
    if (m_firstArrivalNs >= 0)
        return;
    m_firstArrivalNs = m_clock.nsecsElapsed();
    m_bytesAtFirstArrival = m_port.bytesAvailable();
}

void Link::notePace(qint64 eventNs)
{
    // Only an answer of exactly the length asked for: a radio simulated without pacing sends
    // each answer in one piece, but a late byte and the next answer can come in two. And only
    // one that was not whole when its first bytes came: a busy machine can hold the program
    // between seeing an answer and reading it, which says nothing of the line.
    const qsizetype length = m_receivedBytes.size();
    if (length >= 2 && length == m_port.receiveThreshold() && m_receivedSinceRequest == 0 &&
        m_bytesAtFirstArrival < length && eventNs - m_firstArrivalNs >= ByteTimeNs)
        m_paced = true;
}

void Link::onPortEvent()
{
    if (m_port.lastEvent() != SerialPort::Event::Receive)
        return;
    m_dataArrived = true;
    noteArrival();
    const qint64 eventNs = m_clock.nsecsElapsed();
    m_receivedBytes = m_port.readAll();
    notePace(eventNs);
    m_receivedSinceRequest += int(m_receivedBytes.size());
    emit dataArrived();
}

void Link::stopWaiting()
{
    m_quitting = true;
    emit quitRequested();
}

void Link::interrupt()
{
    if (m_interrupted)
        return;
    m_interrupted = true;
    emit quitRequested();
}

bool Link::answered(int length) const
{
    // Bytes still waiting belong to the same answer: it was longer than `length`.
    return m_receivedSinceRequest == length && m_port.bytesAvailable() == 0 &&
           (length == 0 || (m_receivedBytes.size() == length && !arrivedEarly()));
}

std::optional<qint64> Link::answerDelayNs() const
{
    if (m_firstArrivalNs < 0)
        return std::nullopt;
    return m_firstArrivalNs - m_requestSentNs;
}

bool Link::answerTookAtLeast(int bytes) const
{
    const std::optional<qint64> delay = answerDelayNs();
    return !delay || *delay >= bytes * ByteTimeNs;
}

bool Link::arrivedEarly() const
{
    // The request's bytes must all have crossed the line before the radio can answer, and
    // the first byte of its answer must cross back. The time noted for the request is
    // before the port even took its bytes, and the time of the answer after the port has
    // told of it, so a real answer is never early.
    return m_paced && !answerTookAtLeast(m_requestLength + 1);
}

PortDiagnosis Link::failure() const
{
    PortDiagnosis diagnosis;
    diagnosis.device = devicePath();
    const bool somethingCame =
        m_refusedUnread || m_receivedSinceRequest > 0 || m_port.bytesAvailable() > 0;
    diagnosis.cause =
        somethingCame ? PortDiagnosis::Cause::WrongAnswer : PortDiagnosis::Cause::NoAnswer;
    return diagnosis;
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
    // A port opened anew may lead to another line.
    if (!m_port.isOpen())
        m_paced = false;
    return m_port.open();
}

void Link::closePort()
{
    if (m_interrupted && m_programming && m_port.isOpen())
        sendFrame(Frame::ExitCommand);
    m_paced = false;
    m_port.close();
}

void Link::setReceiveThreshold(int count)
{
    m_port.setReceiveThreshold(count);
}

bool Link::beginRequest(UnreadInput unread)
{
    const bool nothingUnread = m_port.bytesAvailable() == 0;
    // Only what was seen is thrown away: a byte that lands between the look and the flush
    // would go without a trace, while left in place it spoils the answer it is not part of.
    if (!nothingUnread)
        m_port.discardInput();
    m_receivedSinceRequest = 0;
    m_firstArrivalNs = -1;
    m_dataArrived = false;
    m_refusedUnread = !nothingUnread && unread == UnreadInput::Refuse;
    return !m_refusedUnread;
}

void Link::sendRequest(const QByteArray& bytes)
{
    m_requestLength = int(bytes.size());
    m_requestSentNs = m_clock.nsecsElapsed();
    m_port.send(bytes);
}

bool Link::sendFrame(const QString& text, UnreadInput unread)
{
    bool hexText = false;
    m_lastRequest = hexToBytes(text, &hexText);
    if (!hexText || !beginRequest(unread))
        return false;
    sendRequest(m_lastRequest);
    if (text == Frame::ExitCommand || text == Frame::AgingCommand)
        m_programming = false;
    return true;
}

bool Link::sendAcknowledgement(UnreadInput unread)
{
    if (!beginRequest(unread))
        return false;
    sendRequest(QByteArray(1, char(AckByte)));
    return true;
}

void Link::setWaitLengthsForTests(WaitLengths lengths)
{
    m_waitLengths = lengths;
}

Link::WaitEnd Link::wait(int ms, Wait kind)
{
    if (ms == ShortWait)
        ms = m_waitLengths.shortMs;
    else if (ms == LongWait)
        ms = m_waitLengths.longMs;
    if (quitting())
        return WaitEnd::Quit;
    if (ms <= 0)
        return WaitEnd::Time;
    const bool endsOnData = kind == Wait::UntilData;
    if (endsOnData && m_dataArrived) {
        QCoreApplication::processEvents();
        return quitting() ? WaitEnd::Quit : WaitEnd::Data;
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
    m_programming = true;
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
