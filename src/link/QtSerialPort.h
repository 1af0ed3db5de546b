#pragma once

#include "link/ComPortDevices.h"
#include "link/SerialPort.h"

#include <QSerialPort>

// The serial port over a real device: 9600 baud, 8 data bits, no parity, one stop bit,
// no flow control.
class QtSerialPort : public SerialPort
{
    Q_OBJECT

public:
    explicit QtSerialPort(ComPortDevices devices, QObject* parent = nullptr);
    ~QtSerialPort() override;

    void setPortNumber(int portNumber) override { m_portNumber = portNumber; }
    int portNumber() const override { return m_portNumber; }

    bool open() override;
    void close() override;
    bool isOpen() const override { return m_port.isOpen(); }

    void setReceiveThreshold(int count) override { m_threshold = count; }
    int receiveThreshold() const override { return m_threshold; }

    void send(const QByteArray& bytes) override;
    QByteArray readAll() override;
    int bytesAvailable() const override;
    void discardInput() override;
    Event lastEvent() const override { return m_event; }

    QString errorString() const { return m_port.errorString(); }

    // Opens the device exclusively and closes it at once: can the port be used now?
    static bool probe(const QString& devicePath);
    static void configure(QSerialPort& port);

private:
    void onReadyRead();
    void onError(QSerialPort::SerialPortError error);

    ComPortDevices m_devices;
    QSerialPort m_port;
    int m_portNumber = 1;
    int m_threshold = 0;
    Event m_event = Event::None;
};
