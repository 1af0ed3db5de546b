#include "link/ReadWriteSession.h"

#include "link/Link.h"
#include "link/PortProblemText.h"
#include "link/ReadWriteView.h"
#include "workspace/MessageIds.h"
#include "workspace/Messenger.h"

#include <QCoreApplication>
#include <QEvent>
#include <QPointer>

ReadWriteSession::ReadWriteSession(Link& link, Messenger& messenger, ReadWriteView& view,
                                   Transfer read, Transfer write, CommitCell commitCell,
                                   EnableMainWindow enableMainWindow, QObject* parent)
    : QObject(parent), m_link(link), m_messenger(messenger), m_view(view), m_read(std::move(read)),
      m_write(std::move(write)), m_commitCell(std::move(commitCell)),
      m_enableMainWindow(std::move(enableMainWindow))
{
    if (auto* application = QCoreApplication::instance())
        application->installEventFilter(this);
}

bool ReadWriteSession::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == QCoreApplication::instance() && event->type() == QEvent::Quit)
        m_applicationQuitting = true;
    return QObject::eventFilter(watched, event);
}

void ReadWriteSession::command(Procedure procedure, const QString& caption,
                               const QString& startCaption)
{
    if (!m_commitCell())
        return;
    if (!m_link.probePort()) {
        m_messenger.show(Message::CommunicationTitle, Message::PortUnavailable,
                         PortProblemText::causeOf(m_link.diagnosePort()));
        return;
    }
    m_view.setCaptions(caption, startCaption);
    m_view.setProgress(0);
    m_view.showDialog();
    m_procedure = procedure;
    m_enableMainWindow(false);
    // Should the port have gone since the probe, the run finds no radio and says so.
    m_link.openPort();
}

void ReadWriteSession::start()
{
    if (m_running)
        return;
    m_running = true;
    m_applicationQuitting = false;
    m_view.setStartEnabled(false);
    const QPointer<ReadWriteSession> alive(this);
    const RadioExchange::Result result = run();
    // Once the application is closing nothing may be touched: it is going away.
    if (!alive || result == RadioExchange::Result::Quit)
        return;
    m_running = false;
    m_view.setStartEnabled(true);
    emit finished(result);
}

RadioExchange::Result ReadWriteSession::run()
{
    RadioExchange exchange(m_link, m_view, m_messenger);
    switch (m_procedure) {
    case Read:
        return m_read(exchange);
    case Write:
        return m_write(exchange);
    case None:
        break;
    }
    return RadioExchange::Result::Done;
}

void ReadWriteSession::closed()
{
    m_enableMainWindow(true);
    m_link.closePort();
}
