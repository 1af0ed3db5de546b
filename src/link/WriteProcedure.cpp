#include "link/WriteProcedure.h"

#include "link/Frames.h"
#include "link/WriteProblemText.h"
#include "workspace/Messenger.h"
#include "workspace/Workspace.h"

WriteProcedure::WriteProcedure(const Workspace& workspace, RadioExchange& exchange,
                               Messenger& messenger)
    : m_workspace(workspace), m_exchange(exchange), m_messenger(&messenger)
{
}

WriteProcedure::WriteProcedure(const Workspace& workspace, RadioExchange& exchange)
    : m_workspace(workspace), m_exchange(exchange)
{
}

RadioExchange::Result WriteProcedure::run()
{
    m_exchange.begin();
    const WritePlan plan =
        WritePlan::compose(m_workspace.table, m_workspace.words, m_workspace.settings,
                           m_workspace.bands.selectedText());
    if (!plan.sendable()) {
        if (m_messenger)
            m_messenger->errorBox(writeProblemText(plan.problems, m_workspace.checkedLanguage));
        return Result::Failed;
    }
    return m_exchange.finish(write(plan));
}

RadioExchange::Result WriteProcedure::write(const WritePlan& plan)
{
    Result result = m_exchange.handshake();
    // As for a read: a 06 that comes late, or with something else, would pass for the
    // radio's answer to the first channel block.
    if (result == Result::Done && !m_exchange.acknowledged())
        result = Result::Failed;
    if (result == Result::Done)
        result = writeChannels(plan);
    // The radio's answers to the settings and the band are not looked at.
    if (result == Result::Done) {
        result = writeUnchecked(plan.settings, Link::UnreadInput::Refuse);
        if (result == Result::Done)
            m_exchange.advance(SettingsProgress);
    }
    if (result == Result::Done) {
        result = writeUnchecked(plan.band, Link::UnreadInput::Discard);
        if (result == Result::Done)
            m_exchange.fillProgress();
    }
    return result;
}

RadioExchange::Result WriteProcedure::writeChannels(const WritePlan& plan)
{
    for (const WritePlan::ChannelRequests& requests : plan.channels) {
        if (const Result result = writeChannel(requests); result != Result::Done)
            return result;
    }
    return Result::Done;
}

RadioExchange::Result WriteProcedure::writeChannel(const WritePlan::ChannelRequests& requests)
{
    if (const Result result = writeAcknowledged(requests.firstHalf); result != Result::Done)
        return result;
    m_exchange.advance(FirstHalfProgress);
    if (const Result result = writeAcknowledged(requests.secondHalf); result != Result::Done)
        return result;
    m_exchange.advance(SecondHalfProgress);
    return Result::Done;
}

RadioExchange::Result WriteProcedure::writeAcknowledged(const QString& request)
{
    // Only a 06 received after this request could have reached the radio, and nothing with
    // it, is its acknowledgement.
    if (!m_exchange.send(request, Frame::AcknowledgementLength))
        return Result::Failed;
    if (m_exchange.pause(Link::LongWait) == Result::Quit)
        return Result::Quit;
    return m_exchange.acknowledged() ? Result::Done : Result::Failed;
}

RadioExchange::Result WriteProcedure::writeUnchecked(const QString& request,
                                                     Link::UnreadInput unread)
{
    const bool sent = unread == Link::UnreadInput::Refuse
                          ? m_exchange.send(request, Frame::AcknowledgementLength)
                          : m_exchange.sendUnchecked(request, Frame::AcknowledgementLength);
    if (!sent)
        return Result::Failed;
    const Result waited = m_exchange.pause(Link::ShortWait);
    // The answer is not looked at, but after a block whose answer counted, a byte that was
    // already on its way when this request went out says the radio answered that block
    // more than once, as a byte waiting unread before it would have.
    if (waited == Result::Done && unread == Link::UnreadInput::Refuse &&
        m_exchange.link().arrivedEarly())
        return Result::Failed;
    return waited;
}
