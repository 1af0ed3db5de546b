#include "link/QtSerialPort.h"

#include <sys/ioctl.h>
#include <termios.h>

QtSerialPort::QtSerialPort(ComPortDevices devices, QObject* parent)
    : SerialPort(parent), m_devices(std::move(devices))
{
    connect(&m_port, &QSerialPort::readyRead, this, &QtSerialPort::onReadyRead);
    connect(&m_port, &QSerialPort::errorOccurred, this, &QtSerialPort::onError);
}

QtSerialPort::~QtSerialPort()
{
    close();
}

void QtSerialPort::configure(QSerialPort& port)
{
    port.setBaudRate(QSerialPort::Baud9600);
    port.setDataBits(QSerialPort::Data8);
    port.setParity(QSerialPort::NoParity);
    port.setStopBits(QSerialPort::OneStop);
    port.setFlowControl(QSerialPort::NoFlowControl);
}

bool QtSerialPort::probe(const QString& devicePath)
{
    // QSerialPort opens exclusively (TIOCEXCL) and takes the device's lock file, so a port
    // held by another program fails here even for root.
    QSerialPort port;
    port.setPortName(devicePath);
    if (!port.open(QIODevice::ReadWrite))
        return false;
    port.close();
    return true;
}

bool QtSerialPort::open()
{
    if (m_port.isOpen())
        return true;
    m_port.setPortName(m_devices.devicePath(m_portNumber));
    configure(m_port);
    if (!m_port.open(QIODevice::ReadWrite))
        return false;
    // Opening does not flush what an earlier exchange left in the input.
    m_port.clear(QSerialPort::Input);
    return true;
}

void QtSerialPort::close()
{
    if (!m_port.isOpen())
        return;
    // QSerialPort::close() throws away what Qt has not yet handed to the kernel, and the kernel's
    // own buffer may still hold bytes: the exit and aging commands are sent right before the port
    // closes, so let them leave first.
    while (m_port.bytesToWrite() > 0 && m_port.waitForBytesWritten(1000)) {
    }
    if (m_port.handle() >= 0)
        tcdrain(m_port.handle());
    m_port.close();
}

void QtSerialPort::send(const QByteArray& bytes)
{
    if (m_port.isOpen())
        m_port.write(bytes);
}

QByteArray QtSerialPort::readAll()
{
    return m_port.isOpen() ? m_port.readAll() : QByteArray();
}

int QtSerialPort::bytesAvailable() const
{
    if (!m_port.isOpen())
        return 0;
    // What Qt has taken in already, and what the kernel holds that Qt has not read yet.
    int inKernel = 0;
    if (m_port.handle() < 0 || ioctl(m_port.handle(), FIONREAD, &inKernel) != 0)
        inKernel = 0;
    return int(m_port.bytesAvailable()) + inKernel;
}

void QtSerialPort::discardInput()
{
    // Both Qt's buffer and the kernel's.
    if (m_port.isOpen())
        m_port.clear(QSerialPort::Input);
}

void QtSerialPort::onReadyRead()
{
    emit bytesArriving();
    if (m_threshold <= 0 || m_port.bytesAvailable() < m_threshold)
        return;
    m_event = Event::Receive;
    emit eventOccurred();
}

void QtSerialPort::onError(QSerialPort::SerialPortError error)
{
    // When the device goes away (cable pulled) Qt reports ReadError over and over and
    // keeps the port open: close it on the first report, so the exchange ends as a
    // missing reply.
    if (error != QSerialPort::ReadError && error != QSerialPort::ResourceError)
        return;
    m_port.clearError();
    if (m_port.isOpen())
        m_port.close();
    m_event = Event::Error;
    emit eventOccurred();
}
