#pragma once

#include <QByteArray>
#include <QObject>

#include <csignal>
#include <memory>
#include <optional>

class QSocketNotifier;

// Ctrl+C (SIGINT), SIGTERM and SIGHUP while a command works with a radio. The first one
// becomes an event: the signal handler only writes a byte to a pipe, and a socket notifier
// on the pipe emits stopRequested() from the event loop, where the running wait for the
// radio sees it, so the exchange ends where it stands and the port is closed in order.
// A second one ends the program at once with status 130. A signal that was ignored when
// the program started (run with nohup, or in the background of a script) stays ignored.
// One at a time: the handler can only reach one pipe.
class StopSignals : public QObject
{
    Q_OBJECT

public:
    explicit StopSignals(QObject* parent = nullptr);
    ~StopSignals() override;
    StopSignals(const StopSignals&) = delete;
    StopSignals& operator=(const StopSignals&) = delete;

    // Whether a stop signal came, whether or not the event loop has run since.
    bool requested() const;

    // Waits for a line on the descriptor (reading it byte by byte, so nothing is taken
    // beyond it); nothing when a stop signal comes first, or the input ends before a byte.
    std::optional<QByteArray> readLine(int descriptor) const;

signals:
    // Once, for the first stop signal.
    void stopRequested();

private:
    void takeSignal();

    static constexpr int WatchedCount = 3;
    int m_readEnd = -1;
    int m_writeEnd = -1;
    std::unique_ptr<QSocketNotifier> m_notifier;
    struct sigaction m_previous[WatchedCount] = {};
    bool m_installed[WatchedCount] = {};
    bool m_emitted = false;
};
