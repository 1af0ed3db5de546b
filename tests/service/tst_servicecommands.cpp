#include "link/Link.h"
#include "link/MemoryMap.h"
#include "link/QtSerialPort.h"
#include "service/ServiceCommands.h"
#include "workspace/MessageIds.h"
#include "workspace/Messenger.h"
#include "workspace/Workspace.h"

#include "RadioSimulator.h"
#include "support/RecordingMessageLibrary.h"
#include "support/ScriptedSerialPort.h"
#include "support/SimulatedLine.h"
#include "support/TemporaryProgramFolder.h"

#include "support/HeldPort.h"
#include <QDir>
#include <QElapsedTimer>
#include <QTest>
#include <QTimer>

#include <functional>
#include <memory>

using Kind = RadioProtocol::CommandKind;
using Command = ServiceCommands::Command;
using Outcome = ServiceCommands::Outcome;

namespace {
const QByteArray HelloBytes = QByteArray::fromHex("0251584B4D4E72");
const QByteArray HelloReplyBytes = QByteArray::fromHex("06214A7355627177");
const QByteArray Ack(1, 6);
const QByteArray ReadRequestBytes = QByteArray::fromHex("5203C808");
const QByteArray ExitBytes = QByteArray::fromHex("646F");
const QByteArray AgingBytes = QByteArray::fromHex("6167");
const QByteArray Fill = QByteArray::fromHex("FFFFFFFFFF");

// The service commands of a program whose COM1 leads to a simulated radio.
struct ServiceLine : SimulatedLine
{
    RecordingMessageLibrary messages;
    Workspace workspace;
    Messenger messenger{messages, workspace};
    std::unique_ptr<ServiceCommands> commands;

    bool start(const RadioFaults& faults = {})
    {
        radio.setFaults(faults);
        if (!connect())
            return false;
        commands = std::make_unique<ServiceCommands>(*link, messenger);
        return true;
    }

    void putCalibration(const QByteArray& bytes)
    {
        RadioMemory memory = radio.memory();
        memory.write(MemoryMap::PowerCalibration, bytes);
        radio.setMemory(memory);
    }

    QByteArray calibrationInRadio() const
    {
        return radio.memory().read(MemoryMap::PowerCalibration, MemoryMap::BlockSize);
    }

    Outcome run(Command command)
    {
        switch (command) {
        case Command::Read:
            return commands->readCalibration();
        case Command::Write:
            return commands->writeCalibration();
        case Command::Aging:
            return commands->startAgingTest();
        case Command::None:
            break;
        }
        return Outcome::Refused;
    }

    ~ServiceLine() { commands.reset(); }
};

PowerCalibrationValues valuesOf(int lowPower, int highPower, int lowVoltage)
{
    PowerCalibrationValues values;
    values.lowPower = lowPower;
    values.highPower = highPower;
    values.lowVoltage = lowVoltage;
    return values;
}

QByteArray writeRequestBytes(const QByteArray& data)
{
    return QByteArray::fromHex("5703C808") + data + Fill;
}
} // namespace

// Power calibration read and write and the aging test against the simulated radio: the
// bytes on the line, the values, the messages, the write's enabling and the busy guard.
class TestServiceCommands : public QObject
{
    Q_OBJECT

private slots:
    void readTakesTheRadiosValues_data();
    void readTakesTheRadiosValues();
    void failedReadKeepsTheValuesAndTheWriteButton_data();
    void failedReadKeepsTheValuesAndTheWriteButton();
    void readWithoutItsReplyFailsOnAScriptedLine_data();
    void readWithoutItsReplyFailsOnAScriptedLine();
    void writeSendsTheValues_data();
    void writeSendsTheValues();
    void writeNeedsAFreshReadWhateverItsOutcome();
    void agingSendsOnlyItsCommand();
    void portHeldByAnotherProgram_data();
    void portHeldByAnotherProgram();
    void silentRadio_data();
    void silentRadio();
    void secondCommandDuringAWaitIsRefused_data();
    void secondCommandDuringAWaitIsRefused();
    void windowGoneDuringAWaitStopsTheCommand();

    // Ends the application's event loop: keep it last.
    void applicationQuitDuringAWaitClosesThePort();
};

void TestServiceCommands::readTakesTheRadiosValues_data()
{
    QTest::addColumn<QByteArray>("stored");
    QTest::addColumn<PowerCalibrationValues>("expected");
    QTest::newRow("79, 48, position 1") << QByteArray::fromHex("4F3001") << valuesOf(79, 48, 1);
    QTest::newRow("0, 16, low voltage 02") << QByteArray::fromHex("001002") << valuesOf(0, 16, 2);
    QTest::newRow("255, low voltage 12") << QByteArray::fromHex("FFFF12") << valuesOf(255, 255, 2);
    QTest::newRow("low voltage 00") << QByteArray::fromHex("4F3000") << valuesOf(79, 48, 0);
    QTest::newRow("low voltage FF") << QByteArray::fromHex("4F30FF") << valuesOf(79, 48, 1);
    QTest::newRow("low voltage 05") << QByteArray::fromHex("4F3005") << valuesOf(79, 48, 1);
}

void TestServiceCommands::readTakesTheRadiosValues()
{
    QFETCH(QByteArray, stored);
    QFETCH(PowerCalibrationValues, expected);
    ServiceLine line;
    QVERIFY(line.start());
    line.putCalibration(stored + Fill);
    line.commands->calibration().setValues(valuesOf(5, 6, 0));

    QCOMPARE(line.commands->readCalibration(), Outcome::Done);
    QCOMPARE(line.commands->calibration().values(), expected);
    QVERIFY(line.commands->writeEnabled());
    QVERIFY(line.messages.boxes.isEmpty());
    QVERIFY(!line.port->isOpen());
    QTRY_COMPARE(line.radio.received(), HelloBytes + Ack + ReadRequestBytes + ExitBytes);
    QVERIFY(!line.radio.inProgrammingMode());
}

void TestServiceCommands::failedReadKeepsTheValuesAndTheWriteButton_data()
{
    QTest::addColumn<RadioFaults>("faults");
    QTest::addColumn<QByteArray>("sentAfterFirstRead");
    RadioFaults noReply;
    noReply.noReplyAt = MemoryMap::PowerCalibration;
    RadioFaults silent;
    silent.silent = true;
    // Only the radio's 06 is there to decode: no calibration in it.
    QTest::newRow("read request unanswered")
        << noReply << HelloBytes + Ack + ReadRequestBytes + ExitBytes;
    QTest::newRow("hello unanswered") << silent << HelloBytes.repeated(Link::HandshakeTries);
}

void TestServiceCommands::failedReadKeepsTheValuesAndTheWriteButton()
{
    QFETCH(RadioFaults, faults);
    QFETCH(QByteArray, sentAfterFirstRead);
    ServiceLine line;
    QVERIFY(line.start());
    QCOMPARE(line.commands->readCalibration(), Outcome::Done);
    QVERIFY(line.commands->writeEnabled());
    QTRY_VERIFY(!line.radio.inProgrammingMode());
    line.radio.setFaults(faults);
    line.radio.clearLog();
    const PowerCalibrationValues typed = valuesOf(100, 200, 2);
    line.commands->calibration().setValues(typed);

    QCOMPARE(line.commands->readCalibration(), Outcome::Failed);
    QCOMPARE(line.messages.messageIds(), QList<int>{Message::PortUnavailable});
    QCOMPARE(line.messages.boxes.front().titleId, int(Message::CommunicationTitle));
    QCOMPARE(line.commands->calibration().values(), typed);
    QVERIFY(line.commands->writeEnabled());
    QVERIFY(!line.port->isOpen());
    QTRY_COMPARE(line.radio.received(), sentAfterFirstRead);
}

void TestServiceCommands::readWithoutItsReplyFailsOnAScriptedLine_data()
{
    QTest::addColumn<bool>("opens");
    QTest::addColumn<QByteArray>("sent");
    // The radio answers the hello and then nothing: the hello reply is all there is to
    // decode, and it is no calibration.
    QTest::newRow("only the hello answered")
        << true << HelloBytes + Ack + ReadRequestBytes + ExitBytes;
    QTest::newRow("port taken between probe and open") << false << QByteArray();
}

void TestServiceCommands::readWithoutItsReplyFailsOnAScriptedLine()
{
    QFETCH(bool, opens);
    QFETCH(QByteArray, sent);
    ScriptedSerialPort port;
    port.openSucceeds = opens;
    port.onOutput = [&port](const QByteArray& bytes) {
        if (bytes == HelloBytes)
            QTimer::singleShot(0, &port, [&port] { port.deliver(HelloReplyBytes); });
    };
    Link link(port, ComPortDevices(QDir::tempPath()), [](const QString&) { return true; });
    RecordingMessageLibrary messages;
    Workspace workspace;
    Messenger messenger(messages, workspace);
    ServiceCommands commands(link, messenger);
    const PowerCalibrationValues before = commands.calibration().values();

    QCOMPARE(commands.readCalibration(), Outcome::Failed);
    QCOMPARE(messages.messageIds(), QList<int>{Message::PortUnavailable});
    QCOMPARE(commands.calibration().values(), before);
    QVERIFY(!commands.writeEnabled());
    QVERIFY(!port.isOpen());
    QCOMPARE(port.output, sent);
}

void TestServiceCommands::writeSendsTheValues_data()
{
    QTest::addColumn<PowerCalibrationValues>("values");
    QTest::addColumn<QByteArray>("data");
    QTest::newRow("79, 48, position 1") << valuesOf(79, 48, 1) << QByteArray::fromHex("4F3001");
    QTest::newRow("0, 16, position 2") << valuesOf(0, 16, 2) << QByteArray::fromHex("001002");
    QTest::newRow("255, 255, position 0") << valuesOf(255, 255, 0) << QByteArray::fromHex("FFFF00");
}

void TestServiceCommands::writeSendsTheValues()
{
    QFETCH(PowerCalibrationValues, values);
    QFETCH(QByteArray, data);
    ServiceLine line;
    QVERIFY(line.start());
    line.commands->calibration().setValues(values);

    QCOMPARE(line.commands->writeCalibration(), Outcome::Done);
    QVERIFY(line.messages.boxes.isEmpty());
    QVERIFY(!line.port->isOpen());
    // The exit command leaves the line although the port closes right after it.
    QTRY_COMPARE(line.radio.received(), HelloBytes + Ack + writeRequestBytes(data) + ExitBytes);
    QCOMPARE(line.calibrationInRadio(), data + Fill);
    QVERIFY(!line.radio.inProgrammingMode());
}

void TestServiceCommands::writeNeedsAFreshReadWhateverItsOutcome()
{
    ServiceLine line;
    QVERIFY(line.start());
    QVERIFY(!line.commands->writeEnabled());

    QCOMPARE(line.commands->readCalibration(), Outcome::Done);
    QVERIFY(line.commands->writeEnabled());
    QCOMPARE(line.commands->writeCalibration(), Outcome::Done);
    QVERIFY(!line.commands->writeEnabled());

    QCOMPARE(line.commands->readCalibration(), Outcome::Done);
    QVERIFY(line.commands->writeEnabled());
    RadioFaults silent;
    silent.silent = true;
    line.radio.setFaults(silent);
    QCOMPARE(line.commands->writeCalibration(), Outcome::Failed);
    QCOMPARE(line.messages.messageIds(), QList<int>{Message::RadioNotAnswering});
    QVERIFY(!line.commands->writeEnabled());
    QVERIFY(!line.port->isOpen());
}

void TestServiceCommands::agingSendsOnlyItsCommand()
{
    ServiceLine line;
    QVERIFY(line.start());
    QCOMPARE(line.commands->startAgingTest(), Outcome::Done);
    QVERIFY(line.messages.boxes.isEmpty());
    QVERIFY(!line.port->isOpen());
    // The command leaves although the port closes right after it; no exit command follows.
    QTRY_VERIFY(line.radio.agingStarted());
    QCOMPARE(line.radio.received(), HelloBytes + Ack + AgingBytes);

    // After the acknowledgement come the handshake's wait and one more before the command.
    const auto acknowledged = line.radio.commands(Kind::Acknowledgement).front().time;
    const auto aging = line.radio.commands(Kind::Aging).front().time;
    const int shortWait = line.linkWaits.shortMs;
    QVERIFY(aging - acknowledged >= std::chrono::milliseconds(2 * shortWait - 50));
}

void TestServiceCommands::portHeldByAnotherProgram_data()
{
    QTest::addColumn<Command>("command");
    QTest::addColumn<int>("message");
    QTest::newRow("read") << Command::Read << int(Message::PortUnavailable);
    QTest::newRow("write") << Command::Write << int(Message::RadioNotAnswering);
    QTest::newRow("aging") << Command::Aging << int(Message::RadioNotAnswering);
}

void TestServiceCommands::portHeldByAnotherProgram()
{
    QFETCH(Command, command);
    QFETCH(int, message);
    ServiceLine line;
    QVERIFY(line.start());
    const PowerCalibrationValues before = line.commands->calibration().values();
    HeldPort holder(line.radio.slavePath());
    QVERIFY(holder.holding());

    QCOMPARE(line.run(command), Outcome::Failed);
    QCOMPARE(line.messages.messageIds(), QList<int>{message});
    QCOMPARE(line.commands->calibration().values(), before);
    QVERIFY(!line.commands->writeEnabled());
    QVERIFY(!line.port->isOpen());
    QVERIFY(!line.commands->busy());

    QVERIFY(holder.release());
    QVERIFY(line.radio.received().isEmpty());
}

void TestServiceCommands::silentRadio_data()
{
    QTest::addColumn<Command>("command");
    QTest::addColumn<int>("message");
    QTest::newRow("read") << Command::Read << int(Message::PortUnavailable);
    QTest::newRow("write") << Command::Write << int(Message::RadioNotAnswering);
    QTest::newRow("aging") << Command::Aging << int(Message::RadioNotAnswering);
}

void TestServiceCommands::silentRadio()
{
    QFETCH(Command, command);
    QFETCH(int, message);
    RadioFaults silent;
    silent.silent = true;
    ServiceLine line;
    QVERIFY(line.start(silent));

    QElapsedTimer clock;
    qint64 messageAfter = 0;
    qsizetype hellosBeforeMessage = 0;
    line.messages.onBox = [&](const RecordingMessageLibrary::Box&) {
        messageAfter = clock.elapsed();
        hellosBeforeMessage = line.radio.commands(Kind::Hello).size();
    };
    clock.start();
    QCOMPARE(line.run(command), Outcome::Failed);

    QCOMPARE(line.messages.messageIds(), QList<int>{message});
    QCOMPARE(hellosBeforeMessage, Link::HandshakeTries);
    // The opening wait and one wait per hello, each running its full length; only a lower
    // bound, as the machine is shared.
    QVERIFY2(messageAfter >= (1 + Link::HandshakeTries) * line.linkWaits.shortMs - 20,
             qPrintable(QString::number(messageAfter)));
    QCOMPARE(line.radio.received(), HelloBytes.repeated(Link::HandshakeTries));
    QVERIFY(!line.port->isOpen());
    QVERIFY(!line.commands->busy());
}

void TestServiceCommands::secondCommandDuringAWaitIsRefused_data()
{
    QTest::addColumn<Command>("first");
    QTest::addColumn<Command>("second");
    QTest::addColumn<QByteArray>("sent");
    const QByteArray read = HelloBytes + Ack + ReadRequestBytes + ExitBytes;
    const QByteArray write =
        HelloBytes + Ack + writeRequestBytes(QByteArray::fromHex("4F3001")) + ExitBytes;
    const QByteArray aging = HelloBytes + Ack + AgingBytes;
    QTest::newRow("read during a read") << Command::Read << Command::Read << read;
    QTest::newRow("write during a read") << Command::Read << Command::Write << read;
    QTest::newRow("aging during a write") << Command::Write << Command::Aging << write;
    QTest::newRow("read during the aging test") << Command::Aging << Command::Read << aging;
}

void TestServiceCommands::secondCommandDuringAWaitIsRefused()
{
    QFETCH(Command, first);
    QFETCH(Command, second);
    QFETCH(QByteArray, sent);
    ServiceLine line;
    QVERIFY(line.start());
    std::optional<Outcome> secondOutcome;
    Command runningThen = Command::None;
    QTimer::singleShot(100, line.commands.get(), [&] {
        runningThen = line.commands->running();
        secondOutcome = line.run(second);
    });

    QCOMPARE(line.run(first), Outcome::Done);
    QCOMPARE(runningThen, first);
    QCOMPARE(secondOutcome, Outcome::Refused);
    QVERIFY(line.messages.boxes.isEmpty());
    QTRY_COMPARE(line.radio.received(), sent);

    // The guard is released with the command.
    QCOMPARE(line.commands->running(), Command::None);
    line.radio.clearLog();
    const Outcome again = line.run(second);
    // Seen once on a very busy machine: then what the radio heard and sent, and the cause
    // under the box, tell why.
    QVERIFY2(
        again == Outcome::Done,
        qPrintable(QStringLiteral("heard %1, sent %2, cause: %3")
                       .arg(QString::fromLatin1(line.radio.received().toHex(' ')),
                            QString::fromLatin1(line.radio.sent().toHex(' ')),
                            line.messages.boxes.isEmpty() ? QString()
                                                          : line.messages.boxes.back().cause)));
}

void TestServiceCommands::windowGoneDuringAWaitStopsTheCommand()
{
    RadioFaults silent;
    silent.silent = true;
    ServiceLine line;
    QVERIFY(line.start(silent));
    // The main window owns the commands, the link and the port, and lets them go in this
    // order.
    QTimer::singleShot(100, this, [&] {
        line.commands.reset();
        line.link.reset();
        line.port.reset();
    });

    ServiceCommands* commands = line.commands.get();
    QCOMPARE(commands->readCalibration(), Outcome::Stopped);
    QVERIFY(line.messages.boxes.isEmpty());
    QVERIFY(line.radio.commands(Kind::Hello).isEmpty());
}

void TestServiceCommands::applicationQuitDuringAWaitClosesThePort()
{
    RadioFaults silent;
    silent.silent = true;
    ServiceLine line;
    QVERIFY(line.start(silent));
    std::optional<Outcome> outcome;
    QTimer::singleShot(0, this, [&] { outcome = line.commands->readCalibration(); });
    QTimer::singleShot(400, this, [] { QCoreApplication::quit(); });
    QCoreApplication::exec();

    QCOMPARE(outcome, Outcome::Stopped);
    QVERIFY(line.messages.boxes.isEmpty());
    QVERIFY(!line.port->isOpen());
    QVERIFY(!line.commands->busy());
    QVERIFY(line.radio.received().size() < HelloBytes.size() * Link::HandshakeTries);
}

QTEST_GUILESS_MAIN(TestServiceCommands)
#include "tst_servicecommands.moc"
