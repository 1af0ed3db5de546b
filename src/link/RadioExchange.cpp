#include "link/RadioExchange.h"

#include "link/Frames.h"
#include "link/HexText.h"
#include "link/Link.h"
#include "link/PortDiagnostics.h"
#include "link/PortProblemText.h"
#include "link/ProgressDisplay.h"
#include "workspace/MessageIds.h"
#include "workspace/Messenger.h"

#include <QPointer>

#include <algorithm>

namespace {
constexpr int FullProgress = 100;
} // namespace

RadioExchange::RadioExchange(Link& link, ProgressDisplay& progress, Messenger& messenger)
    : m_link(link), m_progress(progress), m_messenger(&messenger)
{
}

RadioExchange::RadioExchange(Link& link, ProgressDisplay& progress)
    : m_link(link), m_progress(progress)
{
}

void RadioExchange::begin()
{
    m_link.setDataArrived(false);
    m_percent = 0;
    m_settleDue = false;
    m_exitSent = false;
    showProgress();
}

RadioExchange::Result RadioExchange::handshake()
{
    m_replyAddresses.restart();
    m_slowestAcknowledgementNs = 0;
    const QPointer<Link> alive(&m_link);
    if (m_link.handshake(Link::Wait::UntilData)) {
        noteAcknowledgementTime();
        return Result::Done;
    }
    return !alive || m_link.quitting() ? Result::Quit : Result::Failed;
}

bool RadioExchange::send(const QString& frame, int answerLength)
{
    m_link.setDataArrived(false);
    m_link.setReceiveThreshold(answerLength);
    m_answerLength = answerLength;
    return m_link.sendFrame(frame, Link::UnreadInput::Refuse);
}

bool RadioExchange::sendUnchecked(const QString& frame, int answerLength)
{
    m_link.setDataArrived(false);
    m_link.setReceiveThreshold(answerLength);
    m_answerLength = answerLength;
    return m_link.sendFrame(frame, Link::UnreadInput::Discard);
}

RadioExchange::Result RadioExchange::awaitReply(int ms)
{
    if (m_link.wait(ms, Link::Wait::UntilData) == Link::WaitEnd::Quit)
        return Result::Quit;
    return m_link.answered(m_answerLength) ? Result::Done : Result::Failed;
}

RadioExchange::Result RadioExchange::readBlock(int address, int ms)
{
    if (!send(Frame::readRequest(address), Frame::ReadReplyLength))
        return Result::Failed;
    if (const Result reply = awaitReply(ms); reply != Result::Done)
        return reply;
    return m_replyAddresses.accepts(m_link.receivedBytes(), address) ? Result::Done
                                                                     : Result::Failed;
}

RadioExchange::Result RadioExchange::pause(int ms)
{
    if (m_link.wait(ms, Link::Wait::UntilData) == Link::WaitEnd::Quit)
        return Result::Quit;
    return Result::Done;
}

bool RadioExchange::sendAcknowledgement()
{
    m_link.setDataArrived(false);
    m_link.setReceiveThreshold(Frame::AcknowledgementLength);
    m_answerLength = Frame::AcknowledgementLength;
    return m_link.sendAcknowledgement(Link::UnreadInput::Refuse);
}

void RadioExchange::noteAcknowledgementTime()
{
    if (const std::optional<qint64> delay = m_link.answerDelayNs())
        m_slowestAcknowledgementNs = qMax(m_slowestAcknowledgementNs, *delay);
}

RadioExchange::Result RadioExchange::acknowledge()
{
    if (!sendAcknowledgement())
        return Result::Failed;
    if (const Result waited = pause(Link::ShortWait); waited != Result::Done)
        return waited;
    noteAcknowledgementTime();
    return acknowledged() ? Result::Done : Result::Failed;
}

RadioExchange::Result RadioExchange::acknowledgeLast()
{
    if (!sendAcknowledgement())
        return Result::Failed;
    if (const Result waited = pause(Link::ShortWait); waited != Result::Done)
        return waited;
    noteAcknowledgementTime();
    // An answer that never came cannot spoil anything: only the exit command follows.
    if (!m_link.hasDataArrived())
        return Result::Done;
    m_settleDue = true;
    return acknowledged() ? Result::Done : Result::Failed;
}

RadioExchange::Result RadioExchange::leaveProgramming()
{
    // Nothing answers the exit command: the radio simply leaves programming mode.
    const auto unread = m_settleDue ? Link::UnreadInput::Refuse : Link::UnreadInput::Discard;
    if (!m_link.sendFrame(Frame::ExitCommand, unread))
        return Result::Failed;
    m_exitSent = true;
    if (!m_settleDue)
        return Result::Done;
    if (m_link.wait(settleWaitMs(), Link::Wait::FullLength) == Link::WaitEnd::Quit)
        return Result::Quit;
    return m_link.answered(0) ? Result::Done : Result::Failed;
}

int RadioExchange::settleWaitMs() const
{
    // A byte that trails the last answer follows it at once; one the radio sends as an
    // answer of its own comes after its usual turnaround. Twice the slowest seen covers a
    // radio that is slower now and then; the exit command has already left, so the watch
    // costs the radio nothing.
    constexpr qint64 NsPerMs = 1'000'000;
    const qint64 twiceSlowest = (2 * m_slowestAcknowledgementNs + NsPerMs - 1) / NsPerMs;
    return int(std::clamp<qint64>(twiceSlowest, Link::SettleWait, Link::ShortWait));
}

bool RadioExchange::acknowledged() const
{
    return m_link.acknowledged();
}

QString RadioExchange::reply() const
{
    return bytesToHex(m_link.receivedBytes());
}

void RadioExchange::advance(int percent)
{
    m_percent = qMin(m_percent + percent, FullProgress);
    showProgress();
}

void RadioExchange::fillProgress()
{
    m_percent = FullProgress;
    showProgress();
}

void RadioExchange::showProgress()
{
    m_progress.setProgress(m_percent);
}

RadioExchange::Result RadioExchange::finish(Result result)
{
    switch (result) {
    case Result::Done:
        if (!m_exitSent)
            leaveProgramming();
        fillProgress();
        break;
    case Result::Failed:
        if (m_messenger)
            m_messenger->showFromDialog(
                Message::CommunicationTitle, Message::RadioNotAnswering,
                PortProblemText::causeOf(PortDiagnostics::noAnswer(m_link.devicePath())));
        break;
    case Result::Quit:
        break;
    }
    return result;
}
