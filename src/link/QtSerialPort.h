#pragma once

#include "link/ComPortDevices.h"
#include "link/SerialPort.h"

#include <QSerialPort>

// The serial control over a real device: 9600 baud, 8 data bits, no parity, one stop bit,
// no flow control.
class QtSerialPort : public SerialPort
{
    Q_OBJECT

public:
    explicit QtSerialPort(ComPortDevices devices, QObject* parent = nullptr);
    ~QtSerialPort() override;

    void setCommPort(int portNumber) override { m_portNumber = portNumber; }
    int CommPort() const override { return m_portNumber; }

    bool setPortOpen(bool open) override;
    bool PortOpen() const override { return m_port.isOpen(); }

    void setRThreshold(int count) override { m_threshold = count; }
    int RThreshold() const override { return m_threshold; }

    void Output(const QByteArray& bytes) override;
    using SerialPort::Output;
    QByteArray Input() override;
    int InBufferCount() const override;
    void clearInBuffer() override;
    Event CommEvent() const override { return m_event; }

    QString errorString() const { return m_port.errorString(); }

    // Opens the device exclusively and closes it at once: can the port be used now?
    static bool probe(const QString& devicePath);
    static void configure(QSerialPort& port);

private:
    void onReadyRead();
    void onError(QSerialPort::SerialPortError error);
    void drainAndClose();

    ComPortDevices m_devices;
    QSerialPort m_port;
    int m_portNumber = 1;
    int m_threshold = 0;
    Event m_event = Event::None;
};
