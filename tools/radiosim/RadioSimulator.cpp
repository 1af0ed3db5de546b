#include "RadioSimulator.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <poll.h>
#include <pty.h>
#include <sys/eventfd.h>
#include <termios.h>
#include <unistd.h>

RadioSimulator::RadioSimulator(RadioMemory memory) : m_protocol(std::move(memory)) {}

RadioSimulator::~RadioSimulator()
{
    stop();
    if (m_slave >= 0)
        ::close(m_slave);
    if (m_wake >= 0)
        ::close(m_wake);
}

bool RadioSimulator::start()
{
    char name[256] = {};
    if (openpty(&m_master, &m_slave, name, nullptr, nullptr) != 0) {
        m_error = QStringLiteral("cannot open a pseudo-terminal: %1").arg(strerror(errno));
        return false;
    }
    // Raw before the program opens it, or bytes are echoed and CR becomes CR LF. The slave
    // descriptor stays open, or reads on the master fail while the program has it closed.
    termios attributes{};
    tcgetattr(m_slave, &attributes);
    cfmakeraw(&attributes);
    tcsetattr(m_slave, TCSANOW, &attributes);
    fcntl(m_master, F_SETFL, fcntl(m_master, F_GETFL) | O_NONBLOCK);
    m_wake = eventfd(0, EFD_NONBLOCK);
    m_slavePath = QString::fromLocal8Bit(name);
    m_started = Clock::now();
    m_receiveLine = m_sendLine = m_started;
    m_thread = std::thread([this] { run(); });
    return true;
}

void RadioSimulator::stop()
{
    if (!m_thread.joinable())
        return;
    m_stopping = true;
    const quint64 one = 1;
    [[maybe_unused]] const ssize_t written = ::write(m_wake, &one, sizeof one);
    m_thread.join();
    if (m_master >= 0) {
        ::close(m_master);
        m_master = -1;
    }
}

void RadioSimulator::setPaced(bool paced)
{
    m_paced = paced;
}

void RadioSimulator::setFaults(const RadioFaults& faults)
{
    const std::lock_guard lock(m_mutex);
    m_protocol.setFaults(faults);
}

RadioMemory RadioSimulator::memory() const
{
    const std::lock_guard lock(m_mutex);
    return m_protocol.memory();
}

void RadioSimulator::setMemory(const RadioMemory& memory)
{
    const std::lock_guard lock(m_mutex);
    m_protocol.setMemory(memory);
}

bool RadioSimulator::inProgrammingMode() const
{
    const std::lock_guard lock(m_mutex);
    return m_protocol.inProgrammingMode();
}

bool RadioSimulator::agingStarted() const
{
    const std::lock_guard lock(m_mutex);
    return m_protocol.agingStarted();
}

QList<RadioSimulator::LogEntry> RadioSimulator::log() const
{
    const std::lock_guard lock(m_mutex);
    return m_log;
}

QByteArray RadioSimulator::bytes(Direction direction) const
{
    const std::lock_guard lock(m_mutex);
    QByteArray bytes;
    for (const LogEntry& entry : m_log) {
        if (entry.direction == direction)
            bytes.append(char(entry.byte));
    }
    return bytes;
}

QByteArray RadioSimulator::received() const
{
    return bytes(Direction::Received);
}

QByteArray RadioSimulator::sent() const
{
    return bytes(Direction::Sent);
}

QList<RadioSimulator::CommandEntry> RadioSimulator::commands() const
{
    const std::lock_guard lock(m_mutex);
    return m_commands;
}

QList<RadioSimulator::CommandEntry> RadioSimulator::commands(RadioProtocol::CommandKind kind) const
{
    QList<CommandEntry> matching;
    for (const CommandEntry& entry : commands()) {
        if (entry.command.kind == kind)
            matching.append(entry);
    }
    return matching;
}

void RadioSimulator::clearLog()
{
    const std::lock_guard lock(m_mutex);
    m_log.clear();
    m_commands.clear();
}

std::chrono::nanoseconds RadioSimulator::sinceStart(Clock::time_point time) const
{
    return std::chrono::duration_cast<std::chrono::nanoseconds>(time - m_started);
}

void RadioSimulator::run()
{
    while (!m_stopping) {
        const Clock::time_point now = Clock::now();
        takeDueBytes(now);
        writeDueBytes(now);
        waitForWork(now);
        readLine();
    }
}

void RadioSimulator::readLine()
{
    if (m_master < 0)
        return;
    char buffer[256];
    const ssize_t count = ::read(m_master, buffer, sizeof buffer);
    // Taken once the bytes are in hand: a time taken before the read would come before
    // bytes the program wrote while this thread waited for the processor, and on a paced
    // line its answer would then leave sooner than the line could have carried the request.
    const Clock::time_point now = Clock::now();
    for (ssize_t i = 0; i < count; ++i) {
        // On a paced line a byte has arrived only when the line could have carried it.
        m_receiveLine = m_paced ? std::max(now, m_receiveLine) + ByteTime : now;
        m_incoming.append({m_receiveLine, quint8(buffer[i])});
    }
}

void RadioSimulator::takeDueBytes(Clock::time_point now)
{
    while (!m_incoming.isEmpty() && m_incoming.front().due <= now && m_master >= 0) {
        const Timed byte = m_incoming.takeFirst();
        std::optional<CommandEntry> recognised;
        QByteArray reply;
        int delayMs = 0;
        bool hangingUp = false;
        {
            const std::lock_guard lock(m_mutex);
            m_log.append({Direction::Received, byte.byte, sinceStart(byte.due)});
            const RadioProtocol::Step step = m_protocol.receive(byte.byte);
            if (step.command) {
                recognised = CommandEntry{*step.command, sinceStart(byte.due)};
                m_commands.append(*recognised);
            }
            reply = step.reply;
            ++m_receivedCount;
            const auto& hangUpAfter = m_protocol.faults().hangUpAfter;
            hangingUp = hangUpAfter && m_receivedCount >= *hangUpAfter;
        }
        if (recognised && onCommand)
            onCommand(*recognised);
        if (hangingUp) {
            hangUp();
            return;
        }
        // Asked only now: onCommand may just have changed the faults.
        if (recognised) {
            const std::lock_guard lock(m_mutex);
            delayMs = m_protocol.answerDelayMs(recognised->command);
        }
        answer(byte.due + std::chrono::milliseconds(delayMs), reply);
    }
}

void RadioSimulator::answer(Clock::time_point start, const QByteArray& reply)
{
    if (reply.isEmpty())
        return;
    for (const char byte : reply) {
        m_sendLine = std::max(start, m_sendLine) + (m_paced ? ByteTime : Clock::duration{});
        m_outgoing.append({m_sendLine, quint8(byte)});
    }
}

void RadioSimulator::writeDueBytes(Clock::time_point now)
{
    QByteArray due;
    for (const Timed& byte : std::as_const(m_outgoing)) {
        if (byte.due > now)
            break;
        due.append(char(byte.byte));
    }
    if (due.isEmpty() || m_master < 0)
        return;
    // Written under the log's lock: whoever has read these bytes finds them logged.
    const std::lock_guard lock(m_mutex);
    const ssize_t written = ::write(m_master, due.constData(), due.size());
    if (written <= 0)
        return; // the line is full: try again on the next round
    for (ssize_t i = 0; i < written; ++i)
        m_log.append({Direction::Sent, m_outgoing.takeFirst().byte, sinceStart(now)});
}

void RadioSimulator::waitForWork(Clock::time_point now)
{
    std::optional<Clock::time_point> next;
    for (const QList<Timed>* queue : {&m_incoming, &m_outgoing}) {
        if (!queue->isEmpty() && (!next || queue->front().due < *next))
            next = queue->front().due;
    }
    pollfd descriptors[2] = {{m_wake, POLLIN, 0}, {m_master, POLLIN, 0}};
    const nfds_t count = m_master >= 0 ? 2 : 1;
    timespec timeout{};
    if (next) {
        const auto wait = std::max(Clock::duration{}, *next - now);
        const auto seconds = std::chrono::duration_cast<std::chrono::seconds>(wait);
        timeout.tv_sec = seconds.count();
        timeout.tv_nsec =
            std::chrono::duration_cast<std::chrono::nanoseconds>(wait - seconds).count();
    }
    ppoll(descriptors, count, next ? &timeout : nullptr, nullptr);
    if (descriptors[0].revents & POLLIN) {
        quint64 value = 0;
        [[maybe_unused]] const ssize_t read = ::read(m_wake, &value, sizeof value);
    }
}

void RadioSimulator::hangUp()
{
    ::close(m_master);
    m_master = -1;
    m_incoming.clear();
    m_outgoing.clear();
    m_hungUp = true;
}
