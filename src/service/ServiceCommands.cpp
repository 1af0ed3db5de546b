#include "service/ServiceCommands.h"

#include "link/CalibrationCodec.h"
#include "link/Frames.h"
#include "link/HexText.h"
#include "link/Link.h"
#include "link/MemoryMap.h"
#include "link/PortDiagnostics.h"
#include "link/PortProblemText.h"
#include "service/ServiceSession.h"
#include "workspace/MessageIds.h"
#include "workspace/Messenger.h"

#include <QPointer>

#include <optional>

// Marks a command as running for as long as it lives. It may outlive the commands object
// when the window goes during a wait, hence the QPointer.
class ServiceCommands::Running
{
public:
    Running(ServiceCommands& commands, Command command) : m_commands(&commands)
    {
        commands.setRunning(command);
    }
    ~Running()
    {
        if (m_commands)
            m_commands->setRunning(Command::None);
    }
    Running(const Running&) = delete;
    Running& operator=(const Running&) = delete;

private:
    QPointer<ServiceCommands> m_commands;
};

ServiceCommands::ServiceCommands(Link& link, Messenger& messenger, QObject* parent)
    : QObject(parent), m_link(link), m_messenger(messenger)
{
}

ServiceCommands::Outcome ServiceCommands::readCalibration()
{
    return run(Command::Read, Message::PortUnavailable, [this](ServiceSession& session) {
        Link& link = session.link();
        link.setReceiveThreshold(Frame::ReadReplyLength);
        // Bytes still waiting after the handshake answer nothing this read asked: the line
        // is out of step, and the request is not sent.
        const bool sent = link.sendFrame(Frame::readRequest(MemoryMap::PowerCalibration),
                                         Link::UnreadInput::Refuse);
        link.setDataArrived(false);
        if (!session.wait())
            return Outcome::Stopped;
        // Only the whole reply to this request counts: its 12 bytes and nothing before or
        // after them. The bytes the handshake left behind, or a late 06 glued in front of
        // the reply, are no calibration.
        const std::optional<CalibrationReading> reading =
            sent && link.answered(Frame::ReadReplyLength)
                ? CalibrationCodec::read(bytesToHex(link.receivedBytes()))
                : std::nullopt;
        if (reading)
            m_calibration.setValues(reading->values);
        // Asked before the exit command: whether the reply was missing, or came otherwise
        // than the radio sends it.
        const PortDiagnosis failure = link.failure();

        link.sendFrame(Frame::ExitCommand);
        link.setDataArrived(false);
        if (!session.wait())
            return Outcome::Stopped;
        // The radio answered the greeting but not the read as it should: it is the radio, not
        // the port, that failed.
        if (!reading)
            return fail(Message::PortUnavailable, PortProblemText::causeOf(failure));
        m_lastReading = *reading;
        setWriteEnabled(true);
        emit calibrationRead(*reading);
        return Outcome::Done;
    });
}

ServiceCommands::Outcome ServiceCommands::writeCalibration()
{
    if (busy())
        return Outcome::Refused;
    setWriteEnabled(false);
    return run(Command::Write, Message::RadioNotAnswering, [this](ServiceSession& session) {
        Link& link = session.link();
        link.setReceiveThreshold(Frame::AcknowledgementLength);
        // The values are kept within a byte each; should the encoder still refuse them,
        // the radio is let go without a write.
        const std::optional<QString> data = CalibrationCodec::encode(m_calibration.values());
        if (!data || !link.sendFrame(Frame::writeRequest(MemoryMap::PowerCalibration, *data))) {
            link.sendFrame(Frame::ExitCommand);
            return fail(Message::RadioNotAnswering);
        }
        link.setDataArrived(false);
        if (!session.wait())
            return Outcome::Stopped;
        // The radio's answer to the write is not looked at.
        link.sendFrame(Frame::ExitCommand);
        return Outcome::Done;
    });
}

ServiceCommands::Outcome ServiceCommands::startAgingTest()
{
    return run(Command::Aging, Message::RadioNotAnswering, [](ServiceSession& session) {
        Link& link = session.link();
        link.setReceiveThreshold(Frame::AcknowledgementLength);
        link.setDataArrived(false);
        if (!session.wait())
            return Outcome::Stopped;
        // The aging test takes the radio out of programming mode itself: no exit command.
        link.sendFrame(Frame::AgingCommand);
        return Outcome::Done;
    });
}

ServiceCommands::Outcome ServiceCommands::run(Command command, int failureMessage,
                                              const Exchange& exchange)
{
    if (busy())
        return Outcome::Refused;
    const Running running(*this, command);
    ServiceSession session(m_link);
    switch (session.open()) {
    case ServiceSession::Opening::Ready:
        return exchange(session);
    case ServiceSession::Opening::PortUnavailable:
        return fail(failureMessage, PortProblemText::causeOf(m_link.diagnosePort()));
    case ServiceSession::Opening::NoAnswer:
        return fail(failureMessage, radioDidNotAnswer());
    case ServiceSession::Opening::Stopped:
        break;
    }
    return Outcome::Stopped;
}

void ServiceCommands::setRunning(Command command)
{
    if (command == m_running)
        return;
    m_running = command;
    emit runningChanged(command);
}

void ServiceCommands::setWriteEnabled(bool enabled)
{
    if (enabled == m_writeEnabled)
        return;
    m_writeEnabled = enabled;
    emit writeEnabledChanged(enabled);
}

Messenger::Cause ServiceCommands::radioDidNotAnswer() const
{
    return PortProblemText::causeOf(PortDiagnostics::noAnswer(m_link.devicePath()));
}

ServiceCommands::Outcome ServiceCommands::fail(int messageId, const Messenger::Cause& cause)
{
    m_messenger.show(Message::CommunicationTitle, messageId, cause);
    return Outcome::Failed;
}
