#include "cli/StopSignals.h"

#include "cli/ExitStatus.h"

#include <QSocketNotifier>

#include <cerrno>

#include <fcntl.h>
#include <poll.h>
#include <unistd.h>

namespace {

constexpr int Watched[] = {SIGINT, SIGTERM, SIGHUP};

// All the state the handler touches. A signal handler is given nothing but the signal's
// number, so the pipe it writes to, and whether a signal came before, must be reachable
// without an object; only these async-signal-safe types are touched there. StopSignals sets
// them before it installs the handler and clears them after it has removed it.
volatile sig_atomic_t writeEndForHandler = -1;
volatile sig_atomic_t stopSignalReceived = 0;

void onStopSignal(int signal)
{
    // The second one: the user will not wait for the orderly stop.
    if (stopSignalReceived != 0)
        _exit(int(ExitStatus::Interrupted));
    stopSignalReceived = signal;
    const int savedErrno = errno;
    const char byte = 1;
    // A full pipe already holds a byte that wakes the notifier.
    if (::write(writeEndForHandler, &byte, 1) < 0) {
    }
    errno = savedErrno;
}

} // namespace

StopSignals::StopSignals(QObject* parent) : QObject(parent)
{
    int ends[2];
    // Without the pipe the signals keep their usual effect: the program ends at once.
    if (::pipe2(ends, O_CLOEXEC | O_NONBLOCK) != 0)
        return;
    m_readEnd = ends[0];
    m_writeEnd = ends[1];
    writeEndForHandler = m_writeEnd;
    stopSignalReceived = 0;

    m_notifier = std::make_unique<QSocketNotifier>(m_readEnd, QSocketNotifier::Read);
    connect(m_notifier.get(), &QSocketNotifier::activated, this, &StopSignals::takeSignal);

    struct sigaction action = {};
    action.sa_handler = onStopSignal;
    // Blocking calls elsewhere carry on after the handler; the pipe wakes the waits.
    action.sa_flags = SA_RESTART;
    sigemptyset(&action.sa_mask);
    for (const int signal : Watched)
        sigaddset(&action.sa_mask, signal);
    for (int i = 0; i < WatchedCount; ++i) {
        if (sigaction(Watched[i], nullptr, &m_previous[i]) != 0 ||
            m_previous[i].sa_handler == SIG_IGN)
            continue;
        m_installed[i] = sigaction(Watched[i], &action, nullptr) == 0;
    }
}

StopSignals::~StopSignals()
{
    for (int i = 0; i < WatchedCount; ++i)
        if (m_installed[i])
            sigaction(Watched[i], &m_previous[i], nullptr);
    if (m_readEnd < 0)
        return;
    m_notifier.reset();
    writeEndForHandler = -1;
    ::close(m_readEnd);
    ::close(m_writeEnd);
}

bool StopSignals::requested() const
{
    return m_readEnd >= 0 && stopSignalReceived != 0;
}

void StopSignals::takeSignal()
{
    char bytes[16];
    while (::read(m_readEnd, bytes, sizeof bytes) > 0) {
    }
    if (m_emitted)
        return;
    m_emitted = true;
    emit stopRequested();
}

std::optional<QByteArray> StopSignals::readLine(int descriptor) const
{
    QByteArray line;
    while (!requested()) {
        pollfd watched[] = {{descriptor, POLLIN, 0}, {m_readEnd, POLLIN, 0}};
        if (::poll(watched, m_readEnd >= 0 ? 2 : 1, -1) < 0) {
            if (errno == EINTR)
                continue;
            break;
        }
        if (m_readEnd >= 0 && (watched[1].revents & POLLIN))
            break;
        char byte = 0;
        const ssize_t count = ::read(descriptor, &byte, 1);
        if (count < 0 && (errno == EINTR || errno == EAGAIN))
            continue;
        if (count <= 0)
            return line.isEmpty() ? std::nullopt : std::optional<QByteArray>(line);
        line += byte;
        if (byte == '\n')
            return line;
    }
    return std::nullopt;
}
