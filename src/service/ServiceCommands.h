#pragma once

#include "service/PowerCalibration.h"
#include "workspace/Messenger.h"

#include <QObject>

#include <functional>

class Link;
class ServiceSession;

// The service page's commands: read and write the radio's power calibration, and start its
// aging test. Each is one short exchange over the link, run straight from its button with
// the main window's full-length waits. The interface stays live during the waits, so the
// three share one busy guard: a command started while another runs is refused and does
// nothing, and two commands never use the port at once.
class ServiceCommands : public QObject
{
    Q_OBJECT

public:
    enum class Command { None, Read, Write, Aging };
    Q_ENUM(Command)

    enum class Outcome {
        Done,    // the exchange ran to its end
        Failed,  // the port or the radio failed; the message has been shown
        Refused, // another service command was running: nothing happened
        Stopped, // the application closed, or the window went, during a wait: nothing more
    };
    Q_ENUM(Outcome)

    // The commands use the port the link has chosen.
    ServiceCommands(Link& link, Messenger& messenger, QObject* parent = nullptr);

    PowerCalibration& calibration() { return m_calibration; }
    const PowerCalibration& calibration() const { return m_calibration; }

    // Reads the calibration block into the values. A successful read enables writing.
    Outcome readCalibration();
    // What the last successful read found, with a low voltage byte that names no level.
    const CalibrationReading& lastReading() const { return m_lastReading; }
    // Writes the values to the radio, unverified. Every write, whatever its outcome, needs a
    // fresh read before the next one.
    Outcome writeCalibration();
    // Sends the radio its aging command; what the radio then does is its own affair.
    Outcome startAgingTest();

    Command running() const { return m_running; }
    bool busy() const { return m_running != Command::None; }
    bool writeEnabled() const { return m_writeEnabled; }

signals:
    void runningChanged(ServiceCommands::Command command);
    void writeEnabledChanged(bool enabled);
    // A calibration read has succeeded with these values (already in calibration()).
    void calibrationRead(const CalibrationReading& reading);

private:
    class Running;
    // What a command does once the radio has answered its hello; the port closes when the
    // session ends.
    using Exchange = std::function<Outcome(ServiceSession& session)>;

    // Refuses the command while another runs; otherwise marks it running, opens a session
    // and, once the radio is ready, runs the exchange. An opening that fails shows
    // `failureMessage`.
    Outcome run(Command command, int failureMessage, const Exchange& exchange);
    void setRunning(Command command);
    void setWriteEnabled(bool enabled);
    Outcome fail(int messageId, const Messenger::Cause& cause = {});
    Messenger::Cause radioDidNotAnswer() const;

    Link& m_link;
    Messenger& m_messenger;
    PowerCalibration m_calibration;
    CalibrationReading m_lastReading;
    Command m_running = Command::None;
    bool m_writeEnabled = false;
};
