#include "app/IconButton.h"
#include "app/MainWindow.h"
#include "app/MenuPages.h"
#include "link/MemoryMap.h"
#include "link/QtSerialPort.h"
#include "link/ReadWriteDialog.h"
#include "link/ReadWriteSession.h"
#include "link/SerialPort.h"
#include "service/PowerCalibration.h"
#include "service/ServiceCommands.h"
#include "workspace/MessageIds.h"

#include "MarkerData.h"
#include "RadioSimulator.h"
#include "support/RecordingMessageLibrary.h"
#include "support/RunningProgram.h"
#include "support/SampleRadio.h"
#include "support/TemporaryProgramFolder.h"
#include "support/TestWaits.h"

#include "support/HeldPort.h"
#include <QPushButton>
#include <QTest>

#include <memory>
#include <optional>

// Every fault the simulated radio can play, at every stage of every exchange with the
// radio, through the real program: each time the right message, the dialog closable, the
// main window enabled, the port released, and the data exactly as a failure at that stage
// leaves it: a read all or nothing, a write up to the block that failed.

namespace {

enum class Procedure { Read, Write, CalibrationRead, CalibrationWrite, Aging };

// What a row expects of the data. A read takes everything when it succeeds and nothing
// otherwise. Write: how many channel records reached the radio, whether the first half of
// the next one did, whether the settings and band blocks did. The service rows use
// `arrived` alone.
struct Expected
{
    QList<int> messages;
    int channels = 0;
    bool nextRowHalf = false;
    bool settings = false;
    bool band = false;
    bool arrived = false;
};

struct Fault
{
    RadioFaults radio;
    bool portHeld = false;
};

// The bytes the radio has received when a complete exchange reaches a stage: the hello and
// the acknowledgement come first.
constexpr int AfterHandshake = 7 + 1;
constexpr int ReadBandStage = 4 + 1;          // band request, acknowledgement
constexpr int ReadChannelStage = 2 * (4 + 1); // two requests and their acknowledgements
constexpr int WriteChannelStage = 2 * 12;     // two write requests

int readChannelStart(int channel)
{
    return AfterHandshake + ReadBandStage + (channel - 1) * ReadChannelStage;
}

int writeChannelStart(int channel)
{
    return AfterHandshake + (channel - 1) * WriteChannelStage;
}

// The program with its read/write dialog; COM1 leads to the simulated radio.
struct Program : RunningProgram
{
    Program(const QByteArray& image, const RadioFaults& faults)
        : RunningProgram(withShortWaits(ProgramOptions::withRadio(image, faults)))
    {
    }
    // No row here depends on how long the waits are (tst_answerfaults pins them), so they
    // run shorter, still long enough for a prompt radio on a busy machine.
    static ProgramOptions withShortWaits(ProgramOptions options)
    {
        options.linkWaits = TestWaits::Short;
        return options;
    }

    ServiceCommands& service() { return window->serviceCommands(); }
    QByteArray memory(int address, int size = MemoryMap::BlockSize)
    {
        return radio.memory().read(address, size);
    }

    // Runs a read or a write the way the user does, then closes the dialog.
    void readOrWrite(IconButton* command)
    {
        emit command->clicked();
        if (!dialog->isVisible())
            return; // the command stopped before the dialog (the port was not usable)
        QTest::mouseClick(dialog->startButton(), Qt::LeftButton);
        QTRY_VERIFY_WITH_TIMEOUT(!dialog->session()->running(), 30'000);
        QVERIFY(dialog->startButton()->isEnabled());
        QTest::mouseClick(dialog->exitButton(), Qt::LeftButton);
        QVERIFY(!dialog->isVisible());
    }
};

Fault fault(const RadioFaults& faults = {})
{
    return {faults, false};
}

Fault portHeld()
{
    return {{}, true};
}

RadioFaults silent()
{
    RadioFaults faults;
    faults.silent = true;
    return faults;
}
RadioFaults wrongHello()
{
    RadioFaults faults;
    faults.wrongHelloReply = true;
    return faults;
}
RadioFaults longHello()
{
    RadioFaults faults;
    faults.longHelloReply = true;
    return faults;
}
RadioFaults acknowledgement(quint8 byte)
{
    RadioFaults faults;
    faults.acknowledgement = byte;
    return faults;
}
RadioFaults noReplyAt(int address)
{
    RadioFaults faults;
    faults.noReplyAt = address;
    return faults;
}
// Every answer later than the longest a handshake waits for it.
RadioFaults late()
{
    RadioFaults faults;
    faults.replyDelayMs = 2000 * TestWaits::Stretch;
    return faults;
}
// The line goes dead once the radio has received this many bytes: a pulled cable.
RadioFaults hangUpAfter(int bytes)
{
    RadioFaults faults;
    faults.hangUpAfter = bytes;
    return faults;
}

} // namespace

Q_DECLARE_METATYPE(Procedure)
Q_DECLARE_METATYPE(Fault)
Q_DECLARE_METATYPE(Expected)

class TestFaultMatrix : public QObject
{
    Q_OBJECT

private slots:
    void everyFaultAtEveryStage_data();
    void everyFaultAtEveryStage();
};

void TestFaultMatrix::everyFaultAtEveryStage_data()
{
    QTest::addColumn<Procedure>("procedure");
    QTest::addColumn<Fault>("fault");
    QTest::addColumn<Expected>("expected");

    using P = Procedure;
    const QList<int> none;
    const QList<int> portUnavailable{Message::PortUnavailable};
    const QList<int> notAnswering{Message::RadioNotAnswering};

    // A read: the radio's data after success, the marker data after any failure.
    const auto read = [](const char* name, Fault f, Expected e) {
        QTest::newRow(qPrintable(QStringLiteral("read: ") + QLatin1String(name)))
            << P::Read << f << e;
    };
    read("prompt radio", fault(), {none});
    read("port held", portHeld(), {portUnavailable});
    read("silent", fault(silent()), {notAnswering});
    read("wrong hello reply", fault(wrongHello()), {notAnswering});
    read("9-byte hello reply", fault(longHello()), {notAnswering});
    read("acknowledgement 15", fault(acknowledgement(0x15)), {notAnswering});
    read("no band reply", fault(noReplyAt(MemoryMap::BandBlock)), {notAnswering});
    read("no reply at channel 1", fault(noReplyAt(MemoryMap::channelRecord(1))), {notAnswering});
    read("no reply at channel 7, second half",
         fault(noReplyAt(MemoryMap::channelRecordSecondHalf(7))), {notAnswering});
    read("no reply at channel 16, second half",
         fault(noReplyAt(MemoryMap::channelRecordSecondHalf(16))), {notAnswering});
    read("no settings reply", fault(noReplyAt(MemoryMap::SettingsBlock)), {notAnswering});
    read("late replies", fault(late()), {notAnswering});
    read("hang-up in the hello", fault(hangUpAfter(3)), {notAnswering});
    read("hang-up at channel 7", fault(hangUpAfter(readChannelStart(7) + 2)), {notAnswering});
    read("hang-up at the settings", fault(hangUpAfter(readChannelStart(17) + 2)), {notAnswering});

    // A write into a blank radio: what reached it is the sample's, the rest still FF.
    const auto write = [](const char* name, Fault f, Expected e) {
        QTest::newRow(qPrintable(QStringLiteral("write: ") + QLatin1String(name)))
            << P::Write << f << e;
    };
    write("prompt radio", fault(), {none, 16, false, true, true});
    write("port held", portHeld(), {portUnavailable});
    write("silent", fault(silent()), {notAnswering});
    write("wrong hello reply", fault(wrongHello()), {notAnswering});
    write("9-byte hello reply", fault(longHello()), {notAnswering});
    // Its answer to the handshake's 06 already tells: nothing is written.
    write("acknowledgement 15", fault(acknowledgement(0x15)), {notAnswering});
    write("no reply at channel 1", fault(noReplyAt(MemoryMap::channelRecord(1))), {notAnswering});
    write("no reply at channel 7, second half",
          fault(noReplyAt(MemoryMap::channelRecordSecondHalf(7))), {notAnswering, 6, true});
    // The settings and band requests are not acknowledged: a radio that ignores them
    // still gives a successful write.
    write("settings ignored", fault(noReplyAt(MemoryMap::SettingsBlock)),
          {none, 16, false, false, true});
    write("band ignored", fault(noReplyAt(MemoryMap::BandBlock)), {none, 16, false, true, false});
    write("late replies", fault(late()), {notAnswering});
    write("hang-up in the hello", fault(hangUpAfter(3)), {notAnswering});
    write("hang-up at channel 7", fault(hangUpAfter(writeChannelStart(7) + 6)), {notAnswering, 6});

    const auto service = [](P procedure, const char* name, Fault f, Expected e) {
        const char* prefix = procedure == P::CalibrationRead    ? "calibration read: "
                             : procedure == P::CalibrationWrite ? "calibration write: "
                                                                : "aging: ";
        QTest::newRow(qPrintable(QLatin1String(prefix) + QLatin1String(name)))
            << procedure << f << e;
    };
    for (const P procedure : {P::CalibrationRead, P::CalibrationWrite, P::Aging}) {
        const QList<int> failure = procedure == P::CalibrationRead ? portUnavailable : notAnswering;
        Expected done{none};
        done.arrived = true;
        service(procedure, "prompt radio", fault(), done);
        service(procedure, "port held", portHeld(), {failure});
        service(procedure, "silent", fault(silent()), {failure});
        service(procedure, "wrong hello reply", fault(wrongHello()), {failure});
        service(procedure, "9-byte hello reply", fault(longHello()), {failure});
        // The radio's answer to the handshake's acknowledgement is never examined here.
        service(procedure, "acknowledgement 15", fault(acknowledgement(0x15)), done);
        service(procedure, "late replies", fault(late()), {failure});
        service(procedure, "hang-up in the hello", fault(hangUpAfter(3)), {failure});
    }
    // A calibration read needs its reply; a write is never verified.
    service(P::CalibrationRead, "no reply", fault(noReplyAt(MemoryMap::PowerCalibration)),
            {portUnavailable});
    service(P::CalibrationRead, "hang-up in the request", fault(hangUpAfter(AfterHandshake + 2)),
            {portUnavailable});
    service(P::CalibrationWrite, "request ignored", fault(noReplyAt(MemoryMap::PowerCalibration)),
            {none});
    service(P::CalibrationWrite, "hang-up in the request", fault(hangUpAfter(AfterHandshake + 6)),
            {none});
}

void TestFaultMatrix::everyFaultAtEveryStage()
{
    QFETCH(Procedure, procedure);
    QFETCH(Fault, fault);
    QFETCH(Expected, expected);

    const QByteArray image = MarkerData::sampleRadio();
    const QByteArray& blank = MarkerData::BlankRadio;
    Program program(procedure == Procedure::Write ? blank : image, fault.radio);
    QVERIFY(QTest::qWaitForWindowExposed(program.window.get()));
    QVERIFY(!program.radio.slavePath().isEmpty());

    // What the program holds before: marker data for a read, the sample for a write.
    Workspace& workspace = program.workspace();
    if (procedure == Procedure::Write) {
        SampleRadio::fill(workspace);
    } else {
        MarkerData::fill(workspace);
    }
    program.service().calibration().setValues(MarkerData::BoxCalibration);
    const QStringList tableBefore = [&] {
        QStringList texts;
        for (int row = 1; row <= 16; ++row)
            texts << program.row(row);
        return texts;
    }();

    std::optional<HeldPort> holder;
    if (fault.portHeld) {
        holder.emplace(program.radio.slavePath());
        QVERIFY(holder->holding());
    }

    MenuPages* menu = program.window->menuPages();
    switch (procedure) {
    case Procedure::Read:
        program.readOrWrite(menu->readButton());
        break;
    case Procedure::Write:
        program.readOrWrite(menu->writeButton());
        break;
    case Procedure::CalibrationRead:
        program.service().readCalibration();
        break;
    case Procedure::CalibrationWrite:
        program.service().writeCalibration();
        break;
    case Procedure::Aging:
        program.service().startAgingTest();
        break;
    }
    if (QTest::currentTestFailed())
        return;

    // The message, the window enabled, nothing left running, the port released.
    QCOMPARE(program.messages.messageIds(), expected.messages);
    QVERIFY(program.messages.errors.isEmpty());
    QVERIFY(program.window->isEnabled());
    QVERIFY(!program.dialog->isVisible());
    QVERIFY(!program.service().busy());
    QVERIFY(!program.window->serialPort().isOpen());
    holder.reset();
    // The port can be opened again, unless the radio hung up. It hangs up when it takes
    // the byte, which may come while the port is probed; and a program that gave up sooner
    // (on a busy machine) may never send that byte.
    if (!program.radio.hungUp() && !QtSerialPort::probe(program.radio.slavePath())) {
        QVERIFY(fault.radio.hangUpAfter.has_value());
        QTRY_VERIFY(program.radio.hungUp());
    }

    // The data, exactly as a failure at that stage leaves it.
    switch (procedure) {
    case Procedure::Read: {
        const bool taken = expected.messages.isEmpty();
        for (int row = 1; row <= 16; ++row)
            QCOMPARE(program.row(row), taken ? SampleRadio::rowTexts(row) : MarkerData::Channel);
        QCOMPARE(workspace.settings.positions(),
                 taken ? SampleRadio::Settings : MarkerData::Settings);
        QCOMPARE(workspace.bands.selectedText(), taken ? SampleRadio::Band : MarkerData::Band);
        break;
    }
    case Procedure::Write:
        for (int channel = 1; channel <= 16; ++channel) {
            const int address = MemoryMap::channelRecord(channel);
            QByteArray record = blank.mid(address, MemoryMap::ChannelRecordSize);
            if (channel <= expected.channels)
                record = image.mid(address, MemoryMap::ChannelRecordSize);
            else if (channel == expected.channels + 1 && expected.nextRowHalf)
                record.replace(0, MemoryMap::BlockSize, image.mid(address, MemoryMap::BlockSize));
            QCOMPARE(program.memory(address, MemoryMap::ChannelRecordSize).toHex(' '),
                     record.toHex(' '));
        }
        // The answers to these two are not waited for, so they may still be on their way.
        QTRY_COMPARE(program.memory(MemoryMap::SettingsBlock),
                     (expected.settings ? image : blank).mid(MemoryMap::SettingsBlock, 8));
        QTRY_COMPARE(program.memory(MemoryMap::BandBlock),
                     (expected.band ? image : blank).mid(MemoryMap::BandBlock, 8));
        // A write reads the table and changes nothing in it.
        for (int row = 1; row <= 16; ++row)
            QCOMPARE(program.row(row), tableBefore.mid((row - 1) * 8, 8));
        break;
    case Procedure::CalibrationRead:
        QCOMPARE(program.service().calibration().values(),
                 expected.arrived ? MarkerData::RadioCalibration : MarkerData::BoxCalibration);
        QCOMPARE(program.service().writeEnabled(), expected.arrived);
        break;
    // Nothing waits for an answer to the values or the aging command: they may still be on
    // their way.
    case Procedure::CalibrationWrite:
        QTRY_COMPARE(program.memory(MemoryMap::PowerCalibration),
                     MarkerData::calibrationBlock(expected.arrived ? MarkerData::BoxCalibration
                                                                   : MarkerData::RadioCalibration));
        QVERIFY(!program.service().writeEnabled());
        break;
    case Procedure::Aging:
        QTRY_COMPARE(program.radio.agingStarted(), expected.arrived);
        break;
    }
}

QTEST_MAIN(TestFaultMatrix)
#include "tst_faultmatrix.moc"
