#include "link/ComPortDevices.h"
#include "link/QtSerialPort.h"

#include "support/PseudoTerminal.h"
#include "support/TemporaryProgramFolder.h"

#include <QSignalSpy>
#include <QTest>

#include <termios.h>

// The serial control over a pseudo-terminal: the test plays the radio on the master side.
class TestSerialPort : public QObject
{
    Q_OBJECT

private slots:
    void comPortsResolveToDevices();
    void opensAtNineThousandSixHundredBaud();
    void receiveEventWaitsForTheThreshold();
    void thresholdZeroRaisesNoEvent();
    void sendSendsExactlyTheBytes();
    void inputLeftBeforeOpeningIsDiscarded();
    void unreadInputIsCountedAndThrownAway();
    void hangUpClosesThePort();
    void probeSeesABusyPort();
};

void TestSerialPort::comPortsResolveToDevices()
{
    TemporaryProgramFolder program;
    TemporaryProgramFolder devices; // stands in for /dev
    devices.writeFile("ttyS0", {});
    devices.writeFile("ttyS1", {});
    devices.writeFile("ttyUSB1", {});
    devices.writeFile("ttyACM0", {});
    program.mapComPort(3, devices.filePath("ttyACM0"));
    const ComPortDevices map(program.path(), devices.path());

    QCOMPARE(map.devicePath(1), devices.filePath("ttyS0"));
    QCOMPARE(map.devicePath(2), devices.filePath("ttyUSB1")); // USB cable before the COM port
    QCOMPARE(map.devicePath(3), devices.filePath("ttyACM0")); // the user's link first of all
    QCOMPARE(map.devicePath(7), devices.filePath("ttyS6"));   // nothing there: named anyway
    QCOMPARE(map.linkPath(3), program.filePath("dosdevices/com3"));
}

void TestSerialPort::opensAtNineThousandSixHundredBaud()
{
    PseudoTerminal radio;
    QVERIFY(radio.isValid());
    TemporaryProgramFolder program;
    program.mapComPort(1, radio.slavePath());
    QtSerialPort port{ComPortDevices(program.path())};
    port.setPortNumber(1);
    QVERIFY(port.open());
    QVERIFY(port.isOpen());

    termios attributes{};
    QCOMPARE(tcgetattr(radio.masterDescriptor(), &attributes), 0);
    QCOMPARE(cfgetospeed(&attributes), speed_t(B9600));
    QCOMPARE(attributes.c_cflag & CSIZE, tcflag_t(CS8));
    port.close();
    QVERIFY(!port.isOpen());
}

void TestSerialPort::receiveEventWaitsForTheThreshold()
{
    PseudoTerminal radio;
    TemporaryProgramFolder program;
    program.mapComPort(2, radio.slavePath());
    QtSerialPort port{ComPortDevices(program.path())};
    port.setPortNumber(2);
    QVERIFY(port.open());
    QSignalSpy events(&port, &SerialPort::eventOccurred);

    port.setReceiveThreshold(12);
    radio.write(QByteArray::fromHex("5203e008aabb"));
    QTest::qWait(100);
    QCOMPARE(events.size(), 0); // 6 of 12 bytes: no event yet

    radio.write(QByteArray::fromHex("0040004700ff"));
    QVERIFY(events.wait(2000));
    QCOMPARE(port.lastEvent(), SerialPort::Event::Receive);
    // Every waiting byte is read, and the buffer is left empty.
    QCOMPARE(port.readAll(), QByteArray::fromHex("5203e008aabb0040004700ff"));
    QCOMPARE(port.readAll(), QByteArray());

    port.setReceiveThreshold(1);
    radio.write(QByteArray::fromHex("06"));
    QVERIFY(events.wait(2000));
    QCOMPARE(port.readAll(), QByteArray::fromHex("06"));
}

void TestSerialPort::thresholdZeroRaisesNoEvent()
{
    PseudoTerminal radio;
    TemporaryProgramFolder program;
    program.mapComPort(1, radio.slavePath());
    QtSerialPort port{ComPortDevices(program.path())};
    QVERIFY(port.open());
    QSignalSpy events(&port, &SerialPort::eventOccurred);
    port.setReceiveThreshold(0);
    radio.write("abc");
    QTest::qWait(150);
    QCOMPARE(events.size(), 0);
}

void TestSerialPort::sendSendsExactlyTheBytes()
{
    PseudoTerminal radio;
    TemporaryProgramFolder program;
    program.mapComPort(1, radio.slavePath());
    QtSerialPort port{ComPortDevices(program.path())};
    QVERIFY(port.open());
    port.send(QByteArray::fromHex("0251584b4d4e72"));
    port.send(QByteArray(1, 6)); // the acknowledgement
    port.send(QByteArray::fromHex("0d0a00ff"));
    port.close(); // closing lets everything leave first
    // The kernel hands them to the other end a moment later.
    QByteArray received;
    QTRY_COMPARE(received += radio.readAvailable(),
                 QByteArray::fromHex("0251584b4d4e72060d0a00ff"));
}

void TestSerialPort::inputLeftBeforeOpeningIsDiscarded()
{
    PseudoTerminal radio;
    TemporaryProgramFolder program;
    program.mapComPort(1, radio.slavePath());
    QtSerialPort port{ComPortDevices(program.path())};
    radio.write("stale");
    QTRY_COMPARE(radio.waitingAtProgramEnd(), 5);
    QVERIFY(port.open());
    QSignalSpy events(&port, &SerialPort::eventOccurred);
    port.setReceiveThreshold(1);
    radio.write(QByteArray::fromHex("06"));
    QVERIFY(events.wait(2000));
    QCOMPARE(port.readAll(), QByteArray::fromHex("06"));
}

void TestSerialPort::unreadInputIsCountedAndThrownAway()
{
    PseudoTerminal radio;
    TemporaryProgramFolder program;
    program.mapComPort(1, radio.slavePath());
    QtSerialPort port{ComPortDevices(program.path())};
    QCOMPARE(port.bytesAvailable(), 0); // closed
    QVERIFY(port.open());
    QSignalSpy events(&port, &SerialPort::eventOccurred);
    port.setReceiveThreshold(12);

    // Below the threshold no event comes, yet the bytes are counted wherever they wait.
    radio.write(QByteArray::fromHex("0657"));
    QTRY_COMPARE(port.bytesAvailable(), 2);
    QCoreApplication::processEvents(); // Qt takes them into its own buffer
    radio.write(QByteArray::fromHex("03"));
    QTRY_COMPARE(port.bytesAvailable(), 3);
    QCOMPARE(events.size(), 0);

    port.discardInput();
    QCOMPARE(port.bytesAvailable(), 0);
    // What comes afterwards is received as always.
    port.setReceiveThreshold(1);
    radio.write(QByteArray::fromHex("06"));
    QVERIFY(events.wait(2000));
    QCOMPARE(port.readAll(), QByteArray::fromHex("06"));
    QCOMPARE(port.bytesAvailable(), 0);
}

void TestSerialPort::hangUpClosesThePort()
{
    auto radio = std::make_unique<PseudoTerminal>();
    TemporaryProgramFolder program;
    program.mapComPort(1, radio->slavePath());
    QtSerialPort port{ComPortDevices(program.path())};
    QVERIFY(port.open());
    port.setReceiveThreshold(1);
    QSignalSpy events(&port, &SerialPort::eventOccurred);
    radio.reset(); // the cable is pulled
    QTRY_VERIFY_WITH_TIMEOUT(!port.isOpen(), 3000);
    QCOMPARE(port.lastEvent(), SerialPort::Event::Error);
    QVERIFY(events.size() < 5); // no flood of events
}

void TestSerialPort::probeSeesABusyPort()
{
    PseudoTerminal radio;
    QVERIFY(QtSerialPort::probe(radio.slavePath()));
    QSerialPort holder;
    holder.setPortName(radio.slavePath());
    QVERIFY(holder.open(QIODevice::ReadWrite));
    QVERIFY(!QtSerialPort::probe(radio.slavePath()));
    holder.close();
    QVERIFY(QtSerialPort::probe(radio.slavePath()));
    QVERIFY(!QtSerialPort::probe("/dev/no-such-serial-device"));
}

QTEST_GUILESS_MAIN(TestSerialPort)
#include "tst_serialport.moc"
