#pragma once

#include "RadioFaults.h"
#include "RadioMemory.h"
#include "RadioProtocol.h"

#include <QByteArray>
#include <QList>
#include <QString>

#include <atomic>
#include <chrono>
#include <functional>
#include <mutex>
#include <thread>

// A simulated radio on a pseudo-terminal: the program opens slavePath() as its serial
// device, the simulator answers on the master side from its own thread, so that the
// program's waits and blocking drains never stall it.
//
// On a paced line every byte, in either direction, takes 10/9600 s: received bytes count
// as arrived only once the line could have carried them, and answers leave one byte time
// apart. Send times are fixed in advance against the clock, so late wake-ups do not add up.
class RadioSimulator
{
public:
    using Clock = std::chrono::steady_clock;
    // One byte of start bit, 8 data bits and a stop bit at 9600 baud.
    static constexpr std::chrono::nanoseconds ByteTime{10'000'000'000LL / 9600};

    enum class Direction { Received, Sent };

    struct LogEntry
    {
        Direction direction = Direction::Received;
        quint8 byte = 0;
        // Since the simulator started: when a received byte had arrived (on a paced line,
        // once the line could have carried it), when a sent byte was handed to the line.
        std::chrono::nanoseconds time{};
    };

    struct CommandEntry
    {
        RadioProtocol::Command command;
        // When its last byte had arrived.
        std::chrono::nanoseconds time{};
    };

    explicit RadioSimulator(RadioMemory memory = {});
    ~RadioSimulator();
    RadioSimulator(const RadioSimulator&) = delete;
    RadioSimulator& operator=(const RadioSimulator&) = delete;

    // Opens the pseudo-terminal and starts answering. False with errorString() on failure.
    bool start();
    void stop();
    QString slavePath() const { return m_slavePath; }
    QString errorString() const { return m_error; }

    void setPaced(bool paced);
    void setFaults(const RadioFaults& faults);

    RadioMemory memory() const;
    void setMemory(const RadioMemory& memory);
    bool inProgrammingMode() const;
    bool agingStarted() const;
    bool hungUp() const { return m_hungUp; }

    // Every byte received and sent, in order, with its time.
    QList<LogEntry> log() const;
    QByteArray received() const;
    QByteArray sent() const;
    QList<CommandEntry> commands() const;
    QList<CommandEntry> commands(RadioProtocol::CommandKind kind) const;
    void clearLog();

    // Called on the simulator's thread for every command it recognises; set before start().
    std::function<void(const CommandEntry&)> onCommand;

private:
    struct Timed
    {
        Clock::time_point due;
        quint8 byte = 0;
    };

    void run();
    void readLine();
    void takeDueBytes(Clock::time_point now);
    // Queues an answer to leave from `start` on, after whatever is queued already.
    void answer(Clock::time_point start, const QByteArray& reply);
    void writeDueBytes(Clock::time_point now);
    void waitForWork(Clock::time_point now);
    void hangUp();
    std::chrono::nanoseconds sinceStart(Clock::time_point time) const;
    QByteArray bytes(Direction direction) const;

    int m_master = -1;
    int m_slave = -1;
    int m_wake = -1;
    QString m_slavePath;
    QString m_error;
    Clock::time_point m_started = Clock::now();
    std::thread m_thread;
    std::atomic<bool> m_stopping = false;
    std::atomic<bool> m_hungUp = false;
    std::atomic<bool> m_paced = false;

    // Everything below is shared with the simulator's thread.
    mutable std::mutex m_mutex;
    RadioProtocol m_protocol;
    QList<LogEntry> m_log;
    QList<CommandEntry> m_commands;
    int m_receivedCount = 0;

    // Only the simulator's thread touches these.
    QList<Timed> m_incoming;
    QList<Timed> m_outgoing;
    Clock::time_point m_receiveLine;
    Clock::time_point m_sendLine;
};
