#pragma once

#include "link/ComPortDevices.h"

#include <QByteArray>
#include <QObject>
#include <QString>

#include <functional>

class SerialPort;

// The link state of one program run and the exchanges built on it: hex text in, bytes out
// through the serial port, received bytes kept until the next receive event, and the two
// waits that keep the interface alive while the radio answers. Every exchange is a strict
// request, wait, inspect sequence on the interface thread; the callers make sure only one
// runs at a time.
class Link : public QObject
{
    Q_OBJECT

public:
    // The radio's acknowledgement, sent by the program and expected back.
    static constexpr quint8 AckByte = 6;
    // Only the hello is repeated, and at most this many times.
    static constexpr int HandshakeTries = 6;
    // The two wait lengths the exchanges use, in milliseconds.
    static constexpr int ShortWait = 250;
    static constexpr int LongWait = 550;

    // The two waits: the read/write dialog's ends as soon as data has arrived, the main
    // window's always runs its full length.
    enum class Wait { UntilData, FullLength };
    // Why a wait ended. Quit means the application is closing: the exchange must stop.
    enum class WaitEnd { Time, Data, Quit };

    // Opens a device exclusively and closes it at once; true when it could be opened.
    using Probe = std::function<bool(const QString& devicePath)>;

    Link(SerialPort& port, ComPortDevices devices, Probe probe, QObject* parent = nullptr);
    // Probes with the real serial port.
    Link(SerialPort& port, ComPortDevices devices, QObject* parent = nullptr);

    // What the last request sent, rebuilt from scratch by every HexToBytes.
    const QByteArray& SendBuffer() const { return m_sendBuffer; }
    // The bytes of the most recent receive event, replaced whole by the next one.
    const QByteArray& ReceivedBytes() const { return m_receivedBytes; }
    // Set by a receive event; the exchanges clear it before or right after each request.
    bool DataArrived() const { return m_dataArrived; }
    void setDataArrived(bool arrived) { m_dataArrived = arrived; }

    // Did the last receive event start with the acknowledgement byte?
    bool acknowledged() const;
    // Spoils a kept acknowledgement, so that an earlier 06 cannot pass for the answer to
    // the next request.
    void clearAcknowledgement();

    // Can COM<portNumber> be opened now?
    bool PortProbe(int portNumber) const;
    // Opens COM<portNumber>: always the port that was probed, whatever the serial port
    // was set to before.
    bool openPort(int portNumber);
    void closePort();
    void setRThreshold(int count);

    // Fills SendBuffer from hex text. False, with SendBuffer empty, when the text is not
    // hex text.
    bool HexToBytes(const QString& text);
    // Sends a frame given as hex text. A text that is not hex text sends nothing and
    // returns false: the caller ends its exchange.
    bool sendFrame(const QString& text);
    void sendAcknowledgement();

    // Waits `ms` milliseconds while events are dispatched. 0 or less returns at once.
    // UntilData entered with DataArrived already set dispatches pending events once and
    // returns. Once the application is quitting every wait returns Quit at once; so does a
    // wait during which the link itself was destroyed, and the caller must then stop.
    WaitEnd SysDelay(int ms, Wait wait);

    // Puts the radio into programming mode: up to six hellos until the exact reply comes,
    // then the acknowledgement. The caller has opened the port and cleared DataArrived.
    // False when the radio never gave the reply, or when the application is quitting.
    bool Handshake(Wait wait);

    bool quitting() const { return m_quitting; }

signals:
    // A receive event has stored new bytes.
    void dataArrived();
    // The application is closing: every wait ends.
    void quitRequested();

private:
    void MSComm1Comm();
    void stopWaiting();

    SerialPort& m_port;
    ComPortDevices m_devices;
    Probe m_probe;
    QByteArray m_sendBuffer;
    QByteArray m_receivedBytes;
    bool m_dataArrived = false;
    bool m_quitting = false;
};
