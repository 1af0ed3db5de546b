#pragma once

#include <QByteArray>
#include <QObject>

// The serial port the radio link talks through: a port number, open and close, a receive
// threshold, bytes sent, and a receive event after which every waiting byte can be read.
// The real one drives a serial device; tests use a scripted one.
class SerialPort : public QObject
{
    Q_OBJECT

public:
    // What the last eventOccurred() was about. Only Receive carries bytes.
    enum class Event { None, Receive, Error };

    using QObject::QObject;

    virtual void setPortNumber(int portNumber) = 0;
    virtual int portNumber() const = 0;

    // Opens the port of the chosen number; true when it is open (also when it already
    // was).
    virtual bool open() = 0;
    // Closes the port, first letting the bytes already handed over leave.
    virtual void close() = 0;
    virtual bool isOpen() const = 0;

    // One receive event as soon as at least this many bytes wait; 0 turns them off.
    virtual void setReceiveThreshold(int count) = 0;
    virtual int receiveThreshold() const = 0;

    // Sends exactly these bytes, in order.
    virtual void send(const QByteArray& bytes) = 0;

    // Every waiting byte; the receive buffer is left empty.
    virtual QByteArray readAll() = 0;
    // How many received bytes wait unread, whatever the receive threshold.
    virtual int bytesAvailable() const = 0;
    // Throws away every received byte that waits unread.
    virtual void discardInput() = 0;
    virtual Event lastEvent() const = 0;

signals:
    void eventOccurred();
    // Bytes have come in, whether or not enough for a receive event: when the first of an
    // answer came. A port that cannot tell need not say it.
    void bytesArriving();
};
