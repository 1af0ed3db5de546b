#pragma once

#include <QByteArray>
#include <QObject>
#include <QString>

// The serial control the radio link talks through: a port number, open and close, a
// receive threshold, output of bytes, and a receive event after which every waiting byte
// can be read. The real one drives a serial device; tests use a scripted one.
class SerialPort : public QObject
{
    Q_OBJECT

public:
    // What the last OnComm event was about. Only Receive carries bytes.
    enum class Event { None, Receive, Error };

    using QObject::QObject;

    virtual void setCommPort(int portNumber) = 0;
    virtual int CommPort() const = 0;

    // Opens or closes the port. Closing first lets the bytes already handed over leave.
    // Returns false when the port could not be opened.
    virtual bool setPortOpen(bool open) = 0;
    virtual bool PortOpen() const = 0;

    // One receive event as soon as at least this many bytes wait; 0 turns them off.
    virtual void setRThreshold(int count) = 0;
    virtual int RThreshold() const = 0;

    // Sends exactly these bytes, in order.
    virtual void Output(const QByteArray& bytes) = 0;
    // Sends a text whose characters are byte values (the acknowledgement is the one
    // character with code 6).
    void Output(const QString& text) { Output(text.toLatin1()); }

    // Every waiting byte; the receive buffer is left empty.
    virtual QByteArray Input() = 0;
    // How many received bytes wait unread, whatever the receive threshold.
    virtual int InBufferCount() const = 0;
    // Throws away every received byte that waits unread.
    virtual void clearInBuffer() = 0;
    virtual Event CommEvent() const = 0;

signals:
    void OnComm();
};
