#include "link/PortDiagnostics.h"
#include "link/PortProblemText.h"

#include "support/HeldPort.h"
#include "support/PermissionsHonoured.h"
#include "support/PseudoTerminal.h"
#include "support/TemporaryProgramFolder.h"

#include <QCoreApplication>
#include <QFile>
#include <QProcess>
#include <QTest>

#include <sys/stat.h>

// Why a serial port cannot be opened, found out with real devices and processes, and what
// the user reads about each cause.
class TestPortDiagnosis : public QObject
{
    Q_OBJECT

private slots:
    void missingDeviceListsThoseThere();
    void permissionDenied();
    void lockHolderComesBeforeAMereUser();
    void lockFiles_data();
    void lockFiles();
    void lockFileNames_data();
    void lockFileNames();
    void causeTexts_data();
    void causeTexts();
    void missingDeviceText();
    void whatIsNoTerminalIsNoSerialPort_data();
    void whatIsNoTerminalIsNoSerialPort();
    void eachFaceNamesItsOwnWayToChoose_data();
    void eachFaceNamesItsOwnWayToChoose();
};

namespace {

// A process that merely has the device open, as a terminal program's shell would.
class DeviceUser
{
public:
    explicit DeviceUser(const QString& device)
    {
        m_process.setStandardInputFile(device);
        m_process.start(QStringLiteral("sleep"), {QStringLiteral("60")});
        m_process.waitForStarted();
    }
    ~DeviceUser()
    {
        m_process.kill();
        m_process.waitForFinished();
    }
    qint64 processId() const { return m_process.processId(); }

private:
    QProcess m_process;
};

SerialDevice cable()
{
    SerialDevice device;
    device.path = QStringLiteral("/dev/ttyUSB3");
    device.stableName = QStringLiteral("/dev/serial/by-id/usb-Silicon_Labs_CP2102-if00-port0");
    device.description = QStringLiteral("CP2102 USB to UART Bridge Controller");
    device.hasUsbIds = true;
    device.vendorId = 0x10c4;
    device.productId = 0xea60;
    return device;
}

PortDiagnostics diagnosticsSeeing(QList<SerialDevice> present, const QString& lockFolder)
{
    return PortDiagnostics(
        SerialDeviceList(QStringLiteral("/nowhere"), [present] { return present; }), {lockFolder});
}

} // namespace

void TestPortDiagnosis::missingDeviceListsThoseThere()
{
    TemporaryProgramFolder locks;
    const PortDiagnosis none =
        diagnosticsSeeing({}, locks.path()).diagnoseOpening("/dev/no-such-serial-device");
    QCOMPARE(none.cause, PortDiagnosis::Cause::Missing);
    QCOMPARE(none.device, "/dev/no-such-serial-device");
    QVERIFY(none.presentDevices.isEmpty());

    const PortDiagnosis some =
        diagnosticsSeeing({cable()}, locks.path()).diagnoseOpening("/dev/no-such-serial-device");
    QCOMPARE(some.cause, PortDiagnosis::Cause::Missing);
    QCOMPARE(some.presentDevices, QList<SerialDevice>{cable()});
}

void TestPortDiagnosis::permissionDenied()
{
    PseudoTerminal device;
    QVERIFY(device.isValid());
    TemporaryProgramFolder locks;
    const PortDiagnostics diagnostics = diagnosticsSeeing({}, locks.path());
    QVERIFY(::chmod(QFile::encodeName(device.slavePath()).constData(), 0) == 0);
    PortDiagnosis diagnosis;
    {
        const PermissionsHonoured honoured;
        if (!honoured.holds())
            QSKIP("file permissions cannot be made to hold here");
        diagnosis = diagnostics.diagnoseOpening(device.slavePath());
    }
    ::chmod(QFile::encodeName(device.slavePath()).constData(), 0620);
    QCOMPARE(diagnosis.cause, PortDiagnosis::Cause::PermissionDenied);
    QCOMPARE(diagnosis.device, device.slavePath());
}

void TestPortDiagnosis::lockHolderComesBeforeAMereUser()
{
    PseudoTerminal device;
    QVERIFY(device.isValid());
    // The mere user starts first, so it comes first among the processes using the device.
    const DeviceUser user(device.slavePath());
    QTRY_VERIFY(!PortDiagnostics().processesUsing(device.slavePath()).isEmpty());
    const PortDiagnostics diagnostics;
    {
        HeldPort held(device.slavePath());
        QVERIFY(held.holding());
        const PortDiagnosis diagnosis = diagnostics.diagnoseOpening(device.slavePath());
        QCOMPARE(diagnosis.cause, PortDiagnosis::Cause::Busy);
        QVERIFY(diagnosis.holder);
        QCOMPARE(diagnosis.holder->pid, held.processId());
        QCOMPARE(diagnosis.holder->name, "qv3307_port_holder");
        QVERIFY(diagnosis.holder->fromLockFile);

        const QList<PortHolder> users = diagnostics.processesUsing(device.slavePath());
        QCOMPARE(users.size(), 2);
        QCOMPARE(users[0].pid, user.processId());
        QCOMPARE(users[0].name, "sleep");
        QCOMPARE(users[1].pid, held.processId());
    }
    // Without a lock, the process that has it open is the one named.
    const std::optional<PortHolder> holder = diagnostics.lockHolder(device.slavePath());
    QVERIFY(!holder);
    const QList<PortHolder> users = diagnostics.processesUsing(device.slavePath());
    QCOMPARE(users.size(), 1);
    QCOMPARE(users[0].pid, user.processId());
    QVERIFY(!users[0].fromLockFile);
}

void TestPortDiagnosis::lockFiles_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<bool>("live"); // %1 in content becomes a live process's number
    QTest::addColumn<bool>("named");

    QTest::newRow("as the serial port library writes it")
        << QByteArray("%1\nsleep\nhost\n") << true << true;
    QTest::newRow("padded, as older programs write it") << QByteArray("      %1\n") << true << true;
    QTest::newRow("stale: the process has gone") << QByteArray("%1\n") << false << false;
    QTest::newRow("this process's own") << QByteArray("self\n") << true << false;
    QTest::newRow("not a number") << QByteArray("garbage\n") << true << false;
    QTest::newRow("empty") << QByteArray() << true << false;
}

void TestPortDiagnosis::lockFiles()
{
    QFETCH(QByteArray, content);
    QFETCH(bool, live);
    QFETCH(bool, named);

    QProcess sleeper;
    qint64 pid = 0;
    if (live) {
        sleeper.start(QStringLiteral("sleep"), {QStringLiteral("60")});
        QVERIFY(sleeper.waitForStarted());
        pid = sleeper.processId();
    } else {
        sleeper.start(QStringLiteral("true"), {});
        QVERIFY(sleeper.waitForFinished());
        pid = sleeper.processId();
    }
    content.replace("%1", QByteArray::number(pid));
    content.replace("self", QByteArray::number(QCoreApplication::applicationPid()));
    TemporaryProgramFolder locks;
    locks.writeFile("LCK..ttyUSB0", content);

    const std::optional<PortHolder> holder =
        diagnosticsSeeing({}, locks.path()).lockHolder("/dev/ttyUSB0");
    QCOMPARE(bool(holder), named);
    if (holder) {
        QCOMPARE(holder->pid, pid);
        QCOMPARE(holder->name, "sleep");
        QVERIFY(holder->fromLockFile);
    }
    sleeper.kill();
    sleeper.waitForFinished();
}

void TestPortDiagnosis::lockFileNames_data()
{
    QTest::addColumn<QString>("device");
    QTest::addColumn<QString>("lockFile");
    QTest::newRow("usb") << "/dev/ttyUSB0"
                         << "LCK..ttyUSB0";
    QTest::newRow("pseudo-terminal") << "/dev/pts/3"
                                     << "LCK..pts_3";
    QTest::newRow("outside /dev") << "/tmp/x/ttyS9"
                                  << "LCK..ttyS9";
}

void TestPortDiagnosis::lockFileNames()
{
    QFETCH(QString, device);
    QFETCH(QString, lockFile);
    QCOMPARE(PortDiagnostics::lockFileName(device), lockFile);
}

void TestPortDiagnosis::causeTexts_data()
{
    QTest::addColumn<int>("cause");
    QTest::addColumn<QString>("holder");
    QTest::addColumn<int>("language");
    QTest::addColumn<QStringList>("mentions");
    QTest::addColumn<bool>("namesUdevRule");

    using Cause = PortDiagnosis::Cause;
    const int english = int(Language::English);
    const int chinese = int(Language::Chinese);
    const QString rule = PortProblemText::UdevRule;
    for (const int language : {english, chinese}) {
        const char* suffix = language == english ? " english" : " chinese";
        const auto row = [suffix](const char* name) -> QTestData& {
            return QTest::newRow((QByteArray(name) + suffix).constData());
        };
        row("missing") << int(Cause::Missing) << QString() << language
                       << QStringList{"/dev/ttyUSB0"} << false;
        row("permission") << int(Cause::PermissionDenied) << QString() << language
                          << QStringList{"/dev/ttyUSB0", "dialout",
                                         "sudo usermod -aG dialout $USER"}
                          << false;
        row("held, unseen") << int(Cause::Busy) << QString() << language
                            << QStringList{"/dev/ttyUSB0"} << false;
        row("held by minicom") << int(Cause::Busy) << "minicom" << language
                               << QStringList{"minicom", "4321"} << false;
        row("held by ModemManager") << int(Cause::Busy) << "ModemManager" << language
                                    << QStringList{"ModemManager", rule} << true;
        row("held by brltty") << int(Cause::Busy) << "brltty" << language
                              << QStringList{"brltty", rule} << true;
        row("no answer") << int(Cause::NoAnswer) << QString() << language
                         << QStringList{"/dev/ttyUSB0"} << false;
        row("wrong answer") << int(Cause::WrongAnswer) << QString() << language
                            << QStringList{"/dev/ttyUSB0"} << false;
        row("not a serial port") << int(Cause::Unusable) << QString() << language
                                 << QStringList{"/dev/ttyUSB0"} << false;
    }
}

void TestPortDiagnosis::causeTexts()
{
    QFETCH(int, cause);
    QFETCH(QString, holder);
    QFETCH(int, language);
    QFETCH(QStringList, mentions);
    QFETCH(bool, namesUdevRule);

    PortDiagnosis diagnosis;
    diagnosis.cause = PortDiagnosis::Cause(cause);
    diagnosis.device = "/dev/ttyUSB0";
    if (!holder.isEmpty())
        diagnosis.holder = PortHolder{4321, holder, true};
    const QString text = PortProblemText::cause(diagnosis, Language(language));
    for (const QString& mention : mentions)
        QVERIFY2(text.contains(mention), qPrintable(text));
    // Only a refused permission is about the dialout group.
    QCOMPARE(text.contains("dialout"), diagnosis.cause == PortDiagnosis::Cause::PermissionDenied);
    QCOMPARE(text.contains(PortProblemText::UdevRule), namesUdevRule);
    // Each language is written in its own words.
    const bool hasChinese = std::any_of(text.begin(), text.end(), [](QChar c) {
        return c.unicode() >= 0x4e00 && c.unicode() <= 0x9fff;
    });
    QCOMPARE(hasChinese, Language(language) == Language::Chinese);
    // The radio's own checks belong to a silent radio only.
    QCOMPARE(text.contains(Language(language) == Language::English ? "switched on" : "已开机"),
             diagnosis.cause == PortDiagnosis::Cause::NoAnswer);
}

void TestPortDiagnosis::missingDeviceText()
{
    const QString none = PortProblemText::missingDevice("/dev/ttyUSB0", {}, Language::English);
    QVERIFY2(none.contains("No serial device is present"), qPrintable(none));
    const QString some =
        PortProblemText::missingDevice("/dev/ttyUSB0", {cable()}, Language::English);
    QVERIFY2(
        some.contains(cable().stableName + " — CP2102 USB to UART Bridge Controller (10c4:ea60)"),
        qPrintable(some));
    QVERIFY(some.contains("COM Port"));
    const QString chinese =
        PortProblemText::missingDevice("/dev/ttyUSB0", {cable()}, Language::Chinese);
    QVERIFY(chinese.contains("通信端口"));
    QVERIFY(chinese.contains(cable().stableName));
}

// /dev/null, a file: opened by many programs perhaps, but none of them holds a serial port.
void TestPortDiagnosis::whatIsNoTerminalIsNoSerialPort_data()
{
    QTest::addColumn<bool>("nullDevice");
    QTest::newRow("/dev/null") << true;
    QTest::newRow("a file") << false;
}

void TestPortDiagnosis::whatIsNoTerminalIsNoSerialPort()
{
    QFETCH(bool, nullDevice);
    TemporaryProgramFolder folder;
    const QString path = nullDevice ? QStringLiteral("/dev/null") : folder.filePath("ttyQV0");
    if (!nullDevice) {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
    }
    const DeviceUser user(path);
    QTRY_VERIFY(!PortDiagnostics().processesUsing(path).isEmpty());
    const PortDiagnosis diagnosis = diagnosticsSeeing({}, folder.path()).diagnoseOpening(path);
    QCOMPARE(diagnosis.cause, PortDiagnosis::Cause::Unusable);
    QVERIFY(!diagnosis.holder);
    const QString text = PortProblemText::cause(diagnosis, Language::English);
    QVERIFY2(text.startsWith("Cause: " + path + " is not a serial port."), qPrintable(text));
}

void TestPortDiagnosis::eachFaceNamesItsOwnWayToChoose_data()
{
    QTest::addColumn<int>("cause");
    QTest::addColumn<Language>("language");
    QTest::addColumn<PortProblemText::Face>("face");
    QTest::addColumn<QString>("way");
    QTest::addColumn<QString>("otherWay");

    using Cause = PortDiagnosis::Cause;
    using Face = PortProblemText::Face;
    for (const Cause cause : {Cause::Missing, Cause::Unusable}) {
        const QByteArray name = cause == Cause::Missing ? "missing" : "not a serial port";
        QTest::newRow(name + ", window")
            << int(cause) << Language::English << Face::Window << "COM Port page"
            << "--port";
        QTest::newRow(name + ", window, chinese") << int(cause) << Language::Chinese << Face::Window
                                                  << QStringLiteral("通信端口") << "--port";
        QTest::newRow(name + ", command line")
            << int(cause) << Language::English << Face::CommandLine << "--port"
            << "COM Port";
        QTest::newRow(name + ", command line, chinese")
            << int(cause) << Language::Chinese << Face::CommandLine << "--port"
            << QStringLiteral("通信端口");
    }
}

void TestPortDiagnosis::eachFaceNamesItsOwnWayToChoose()
{
    QFETCH(int, cause);
    QFETCH(Language, language);
    QFETCH(PortProblemText::Face, face);
    QFETCH(QString, way);
    QFETCH(QString, otherWay);
    PortDiagnosis diagnosis;
    diagnosis.cause = PortDiagnosis::Cause(cause);
    diagnosis.device = "/dev/ttyUSB0";
    diagnosis.presentDevices = {cable()};
    const QString text = PortProblemText::cause(diagnosis, language, face);
    QVERIFY2(text.contains(way), qPrintable(text));
    QVERIFY2(!text.contains(otherWay), qPrintable(text));
}

QTEST_GUILESS_MAIN(TestPortDiagnosis)
#include "tst_portdiagnosis.moc"
