#pragma once

#include "link/SerialPort.h"

#include <QByteArray>

#include <functional>

// A serial port in the test's hands: it records what the program sends, and the test
// plays the radio by delivering bytes (usually from a timer, so that they arrive while the
// program waits, as a real receive event does).
class ScriptedSerialPort : public SerialPort
{
public:
    using SerialPort::SerialPort;

    void setPortNumber(int portNumber) override { m_portNumber = portNumber; }
    int portNumber() const override { return m_portNumber; }
    bool open() override;
    void close() override { m_open = false; }
    bool isOpen() const override { return m_open; }
    void setReceiveThreshold(int count) override { m_threshold = count; }
    int receiveThreshold() const override { return m_threshold; }
    void send(const QByteArray& bytes) override;
    QByteArray readAll() override;
    int bytesAvailable() const override;
    void discardInput() override { m_waiting.clear(); }
    Event lastEvent() const override { return m_event; }

    // The radio's side: bytes arrive, and a receive event follows once enough wait.
    void deliver(const QByteArray& bytes);
    // An event that carries no bytes.
    void raise(Event event);

    // Everything the program has sent, in order.
    QByteArray output;
    // Runs after every send, to answer it.
    std::function<void(const QByteArray& sent)> onOutput;
    // Whether opening works.
    bool openSucceeds = true;
    // Bytes that land just after the program has next looked at what waits, as a paced
    // radio's last byte can; no receive event comes for them.
    mutable QByteArray landingAfterLook;

private:
    mutable QByteArray m_waiting;
    int m_portNumber = 1;
    int m_threshold = 0;
    bool m_open = false;
    Event m_event = Event::None;
};
