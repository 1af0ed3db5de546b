#include "link/ComPortChoices.h"
#include "link/ComPortDevices.h"
#include "link/SerialDeviceList.h"
#include "workspace/SettingsFile.h"

#include "support/PseudoTerminal.h"
#include "support/TemporaryProgramFolder.h"

#include <QFile>
#include <QTest>

Q_DECLARE_METATYPE(SerialDevice)

// Which device each COM port leads to, and the serial devices the port page lists.
class TestSerialDevices : public QObject
{
    Q_OBJECT

private slots:
    void lookupOrder_data();
    void lookupOrder();
    void choiceSurvivesInTheSettingsFile();
    void labels_data();
    void labels();
    void byIdLinksJoinTheSystemsDevices();
    void soleUsbCable_data();
    void soleUsbCable();
};

namespace {

SerialDevice usbCable(const QString& path, const QString& description = QStringLiteral("CP2102"))
{
    SerialDevice device;
    device.path = path;
    device.description = description;
    device.hasUsbIds = true;
    device.vendorId = 0x10c4;
    device.productId = 0xea60;
    return device;
}

SerialDevice builtInPort(const QString& path)
{
    SerialDevice device;
    device.path = path;
    device.description = QStringLiteral("ttyS0");
    return device;
}

} // namespace

void TestSerialDevices::lookupOrder_data()
{
    // Which candidates exist: a chosen cable (and whether it is plugged in), the dosdevices
    // link, ttyUSB1 and ttyS1. COM2 is looked up.
    QTest::addColumn<bool>("chosen");
    QTest::addColumn<bool>("chosenPresent");
    QTest::addColumn<bool>("link");
    QTest::addColumn<bool>("usb");
    QTest::addColumn<QString>("expected");
    QTest::addColumn<int>("source");

    using Source = ComPortDevices::Source;
    QTest::newRow("chosen cable first")
        << true << true << true << true << "cable" << int(Source::Chosen);
    QTest::newRow("unplugged chosen cable stays")
        << true << false << true << true << "by-id/usb-Cable" << int(Source::Chosen);
    QTest::newRow("then the link")
        << false << false << true << true << "ttyACM0" << int(Source::Link);
    QTest::newRow("then the USB device")
        << false << false << false << true << "ttyUSB1" << int(Source::UsbDevice);
    QTest::newRow("then the built-in port")
        << false << false << false << false << "ttyS1" << int(Source::BuiltInPort);
}

void TestSerialDevices::lookupOrder()
{
    QFETCH(bool, chosen);
    QFETCH(bool, chosenPresent);
    QFETCH(bool, link);
    QFETCH(bool, usb);
    QFETCH(QString, expected);
    QFETCH(int, source);

    TemporaryProgramFolder program;
    TemporaryProgramFolder devices; // stands in for /dev
    devices.writeFile("ttyS1", {});
    devices.writeFile("ttyACM0", {});
    devices.writeFile("cable", {});
    if (usb)
        devices.writeFile("ttyUSB1", {});
    QVERIFY(QDir(devices.path()).mkpath("by-id"));
    if (chosenPresent)
        QVERIFY(QFile::link(devices.filePath("cable"), devices.filePath("by-id/usb-Cable")));
    if (link)
        program.mapComPort(2, devices.filePath("ttyACM0"));

    SettingsFile settings(program.path());
    ComPortChoices choices;
    if (chosen)
        QVERIFY(choices.choose(settings, 2, devices.filePath("by-id/usb-Cable")));
    const ComPortDevices map(program.path(), devices.path(), &choices);

    const ComPortDevices::Resolution resolved = map.resolve(2);
    QCOMPARE(resolved.path, devices.filePath(expected));
    QCOMPARE(int(resolved.source), source);
    // Another port is not touched by COM2's choice.
    QCOMPARE(map.devicePath(1), devices.filePath("ttyS0"));
}

void TestSerialDevices::choiceSurvivesInTheSettingsFile()
{
    TemporaryProgramFolder program;
    program.writeFile(SettingsFile::FileName, "; mine\r\n[open]\r\ncom=2\r\n");
    {
        SettingsFile settings(program.path());
        ComPortChoices choices;
        QVERIFY(choices.choose(settings, 2, "/dev/serial/by-id/usb-Cable-if00"));
        QVERIFY(choices.choose(settings, 3, "/dev/ttyACM0"));
    }
    QCOMPARE(
        program.readFile(SettingsFile::FileName),
        QByteArray("; mine\r\n[open]\r\ncom=2\r\ncom2device=/dev/serial/by-id/usb-Cable-if00\r\n"
                   "com3device=/dev/ttyACM0\r\n"));

    SettingsFile settings(program.path());
    ComPortChoices choices = ComPortChoices::read(settings, {1, 2, 3, 4});
    QVERIFY(!choices.hasChoice(1));
    QCOMPARE(choices.device(2), "/dev/serial/by-id/usb-Cable-if00");
    QCOMPARE(choices.device(3), "/dev/ttyACM0");

    QVERIFY(choices.forget(settings, 3));
    QVERIFY(!choices.hasChoice(3));
    QCOMPARE(
        program.readFile(SettingsFile::FileName),
        QByteArray("; mine\r\n[open]\r\ncom=2\r\ncom2device=/dev/serial/by-id/usb-Cable-if00\r\n"));
    QVERIFY(choices.forget(settings, 4)); // nothing there: nothing changes
}

void TestSerialDevices::labels_data()
{
    QTest::addColumn<SerialDevice>("device");
    QTest::addColumn<QString>("label");
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("usb");
    QTest::addColumn<QString>("line");

    SerialDevice cable = usbCable("/dev/ttyUSB0", "CP2102 USB to UART Bridge Controller");
    cable.stableName = "/dev/serial/by-id/usb-Silicon_Labs_CP2102-if00-port0";
    QTest::newRow("usb cable") << cable << "CP2102 USB to UART Bridge Controller (10c4:ea60)"
                               << cable.stableName << true
                               << cable.stableName +
                                      " — CP2102 USB to UART Bridge Controller (10c4:ea60)";
    SerialDevice small = usbCable("/dev/ttyUSB1", "FT232R");
    small.vendorId = 0x403;
    small.productId = 0x6001;
    QTest::newRow("ids padded") << small << "FT232R (0403:6001)"
                                << "/dev/ttyUSB1" << true << "/dev/ttyUSB1 — FT232R (0403:6001)";
    QTest::newRow("built-in port") << builtInPort("/dev/ttyS0") << "ttyS0"
                                   << "/dev/ttyS0" << false << "/dev/ttyS0 — ttyS0";
    SerialDevice bare;
    bare.path = "/dev/ttyS1";
    QTest::newRow("nothing known but the path") << bare << "/dev/ttyS1"
                                                << "/dev/ttyS1" << false << "/dev/ttyS1";
    SerialDevice linked;
    linked.path = "/dev/pts/4";
    linked.stableName = "/dev/serial/by-id/usb-Test_Cable-if00";
    QTest::newRow("by-id name stands in") << linked << "usb-Test_Cable-if00" << linked.stableName
                                          << true << linked.stableName + " — usb-Test_Cable-if00";
}

void TestSerialDevices::labels()
{
    QFETCH(SerialDevice, device);
    QFETCH(QString, label);
    QFETCH(QString, name);
    QFETCH(bool, usb);
    QFETCH(QString, line);
    QCOMPARE(device.label(), label);
    QCOMPARE(device.name(), name);
    QCOMPARE(device.isUsb(), usb);
    QCOMPARE(device.nameAndLabel(), line);
}

void TestSerialDevices::byIdLinksJoinTheSystemsDevices()
{
    PseudoTerminal cable;
    QVERIFY(cable.isValid());
    TemporaryProgramFolder devices;
    devices.writeFile("ttyUSB0", {});
    QVERIFY(QDir(devices.path()).mkpath("by-id"));
    QVERIFY(QFile::link(devices.filePath("ttyUSB0"), devices.filePath("by-id/usb-Cp2102-port0")));
    QVERIFY(QFile::link(cable.slavePath(), devices.filePath("by-id/usb-Test_Cable-if00")));
    QVERIFY(QFile::link(devices.filePath("gone"), devices.filePath("by-id/usb-Unplugged")));
    const QString usbPath = QFileInfo(devices.filePath("ttyUSB0")).canonicalFilePath();
    const SerialDeviceList list(devices.filePath("by-id"), [&] {
        return QList<SerialDevice>{builtInPort("/dev/ttyS0"), usbCable(usbPath)};
    });

    const QList<SerialDevice> present = list.devices();
    QCOMPARE(present.size(), 3); // the dangling link's device is not there
    const std::optional<SerialDevice> usb = SerialDeviceList::find(present, usbPath);
    QVERIFY(usb);
    QCOMPARE(usb->stableName, devices.filePath("by-id/usb-Cp2102-port0"));
    QVERIFY(usb->hasUsbIds);
    // The pseudo-terminal is no device the system lists; its link makes it one.
    const std::optional<SerialDevice> linked =
        SerialDeviceList::find(present, devices.filePath("by-id/usb-Test_Cable-if00"));
    QVERIFY(linked);
    QCOMPARE(linked->path, cable.slavePath());
    QVERIFY(!SerialDeviceList::find(present, devices.filePath("by-id/usb-Unplugged")));
}

void TestSerialDevices::soleUsbCable_data()
{
    QTest::addColumn<QList<SerialDevice>>("devices");
    QTest::addColumn<QString>("suggested");

    QTest::newRow("none") << QList<SerialDevice>{} << QString();
    QTest::newRow("built-in only") << QList<SerialDevice>{builtInPort("/dev/ttyS0")} << QString();
    QTest::newRow("one cable beside a built-in port")
        << QList<SerialDevice>{builtInPort("/dev/ttyS0"), usbCable("/dev/ttyUSB0")}
        << "/dev/ttyUSB0";
    QTest::newRow("two cables") << QList<SerialDevice>{usbCable("/dev/ttyUSB0"),
                                                       usbCable("/dev/ttyUSB1")}
                                << QString();
}

void TestSerialDevices::soleUsbCable()
{
    QFETCH(QList<SerialDevice>, devices);
    QFETCH(QString, suggested);
    const std::optional<SerialDevice> cable = SerialDeviceList::soleUsbCable(devices);
    QCOMPARE(cable ? cable->path : QString(), suggested);
}

QTEST_GUILESS_MAIN(TestSerialDevices)
#include "tst_serialdevices.moc"
