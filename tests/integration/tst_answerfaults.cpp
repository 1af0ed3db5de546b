#include "app/IconButton.h"
#include "app/MainWindow.h"
#include "app/MenuPages.h"
#include "link/MemoryMap.h"
#include "link/ReadWriteDialog.h"
#include "link/ReadWriteSession.h"
#include "link/SerialPort.h"
#include "service/PowerCalibration.h"
#include "service/ServiceCommands.h"
#include "workspace/MessageIds.h"
#include "workspace/SettingsFile.h"

#include "MarkerData.h"
#include "RadioSimulator.h"
#include "support/RecordingMessageLibrary.h"
#include "support/RunningProgram.h"
#include "support/SampleRadio.h"

#include <QDir>
#include <QPushButton>
#include <QTest>

#include <algorithm>
#include <optional>

// A radio that answers late, sends a stray byte before an answer, gives a read reply of 11
// or 13 bytes, answers with another block or a stale reply, or acknowledges a write twice,
// at every stage of every exchange, through the real program over a
// pseudo-terminal. Every row ends either with the right data and no message, or with the
// failure message and nothing changed: not the grid, the settings, the band list, the
// title or qv3307.ini after a read, not the radio after a calibration write or an aging
// test; a failed write leaves every block of the radio as it was or as it was to be
// written. Never a success with wrong data. The rows also pin the wait lengths: an answer
// 400 ms late passes where 550 ms are waited and fails where 250 ms are, a write's 06 at
// 500 ms passes and at 600 ms fails. An answer 260 ms late at a 250 ms wait may still be
// seen on a busy machine, so those rows accept either end. Only the rows of a late answer
// run the program's real waits; the others do not depend on them and run the suites' own
// (TestWaits::Prompt).

namespace {

enum class Procedure { Read, Write, CalibrationRead, CalibrationWrite, Aging };
enum class Outcome { Success, Failure, Either };

using Kind = RadioCommandKind;

constexpr int Channel7 = MemoryMap::channelRecord(7);
constexpr int Channel7SecondHalf = MemoryMap::channelRecordSecondHalf(7);
constexpr int NoAddress = -1;

AnswerFault late(Kind kind, int address, int ms)
{
    return {.answerTo = kind, .address = address, .delayMs = ms};
}

AnswerFault strayByteBefore(Kind kind, int address)
{
    // A stale 06 is the byte most likely to pass for an answer.
    return {.answerTo = kind, .address = address, .strayByteBefore = 0x06};
}

AnswerFault lengthChange(int address, int bytes)
{
    return {.answerTo = Kind::Read, .address = address, .lengthChange = bytes};
}

struct Case
{
    std::optional<AnswerFault> fault;
    Outcome outcome = Outcome::Failure;
    // On a 9600-baud line the bytes of an answer arrive one by one, so a reply of 13 bytes
    // comes as 12 and then 1.
    bool paced = false;
    // The radio's settings block, when not the sample's.
    QByteArray settingsBlock = {};
    // Faults of whole replies, beside or instead of one answer's.
    RadioFaults radio = {};
    // The row tests how long the program waits: the link keeps its real waits. The others
    // get the suites' own (TestWaits::Prompt), as they do not depend on them.
    bool realWaits = false;
};

Case withRadio(const RadioFaults& radio, Outcome outcome, bool paced = false)
{
    return {std::nullopt, outcome, paced, {}, radio};
}

// Rows for the same answer late by each of the delays, with the outcome each gives.
void lateRows(const char* procedure, const char* stage, Kind kind, int address,
              QList<std::pair<int, Outcome>> delays)
{
    for (const auto& [ms, outcome] : delays) {
        QTest::addRow("%s: %s %d ms late", procedure, stage, ms)
            << Case{.fault = late(kind, address, ms), .outcome = outcome, .realWaits = true};
    }
}

} // namespace

Q_DECLARE_METATYPE(Case)

class TestAnswerFaults : public QObject
{
    Q_OBJECT

private slots:
    void read_data();
    void read() { run(Procedure::Read); }
    void write_data();
    void write() { run(Procedure::Write); }
    void calibrationRead_data();
    void calibrationRead() { run(Procedure::CalibrationRead); }
    void calibrationWrite_data();
    void calibrationWrite() { run(Procedure::CalibrationWrite); }
    void aging_data();
    void aging() { run(Procedure::Aging); }

private:
    void run(Procedure procedure);
};

void TestAnswerFaults::read_data()
{
    QTest::addColumn<Case>("row");
    constexpr auto S = Outcome::Success;
    constexpr auto F = Outcome::Failure;
    constexpr auto E = Outcome::Either;
    const char* read = "read";
    // The handshake waits 250 ms for each answer; a hello reply that comes after its wait is
    // taken for the next hello's, and the reply to that one then spoils the answer to the
    // program's 06.
    lateRows(read, "hello reply", Kind::Hello, NoAddress, {{260, E}, {400, F}, {600, F}});
    lateRows(read, "06 after the hello", Kind::Acknowledgement, NoAddress,
             {{260, E}, {300, F}, {400, F}, {600, F}});
    // The band and a channel's first half are waited for 550 ms, the rest 250 ms.
    lateRows(read, "band", Kind::Read, MemoryMap::BandBlock, {{260, S}, {400, S}, {600, F}});
    lateRows(read, "06 after the band", Kind::Acknowledgement, MemoryMap::BandBlock,
             {{260, E}, {300, F}, {400, F}, {600, F}});
    lateRows(read, "channel 7", Kind::Read, Channel7, {{260, S}, {400, S}, {600, F}});
    lateRows(read, "06 after channel 7", Kind::Acknowledgement, Channel7,
             {{260, E}, {400, F}, {600, F}});
    lateRows(read, "channel 7 second half", Kind::Read, Channel7SecondHalf,
             {{260, E}, {400, F}, {600, F}});
    lateRows(read, "06 after channel 7 second half", Kind::Acknowledgement, Channel7SecondHalf,
             {{260, E}, {400, F}, {600, F}});
    lateRows(read, "settings", Kind::Read, MemoryMap::SettingsBlock,
             {{260, E}, {400, F}, {600, F}});
    // Nothing needs the answer to the last 06, and nothing follows that it could spoil.
    lateRows(read, "06 after the settings", Kind::Acknowledgement, MemoryMap::SettingsBlock,
             {{260, S}, {300, S}, {400, S}, {600, S}});

    for (const bool paced : {false, true}) {
        const char* line = paced ? ", 9600 baud" : "";
        QTest::addRow("read: stray byte before the band%s", line)
            << Case{strayByteBefore(Kind::Read, MemoryMap::BandBlock), F, paced};
        QTest::addRow("read: stray byte before channel 7%s", line)
            << Case{strayByteBefore(Kind::Read, Channel7), F, paced};
        QTest::addRow("read: stray byte before the settings%s", line)
            << Case{strayByteBefore(Kind::Read, MemoryMap::SettingsBlock), F, paced};
        // Shifted by the stray byte, the block's last byte comes as the answer to the last
        // 06, which it is not: the radio's own 06 follows it.
        QTest::addRow("read: stray byte before settings that end in 06%s", line)
            << Case{strayByteBefore(Kind::Read, MemoryMap::SettingsBlock), F, paced,
                    QByteArray::fromHex("FD0503060301FE06")};
        // From a radio that names its blocks in the reply header, a reply that names another
        // block answers another request.
        RadioFaults radio;
        radio.otherBlock =
            RadioFaults::OtherBlock{MemoryMap::channelRecord(2), MemoryMap::channelRecord(1)};
        QTest::addRow("read: channel 2 answered with channel 1's block%s", line)
            << withRadio(radio, F, paced);
        radio = {};
        radio.staleReplyAt = MemoryMap::channelRecord(2);
        QTest::addRow("read: stale reply at channel 2%s", line) << withRadio(radio, F, paced);
        radio.staleReplyAt = MemoryMap::SettingsBlock;
        QTest::addRow("read: stale reply at the settings%s", line) << withRadio(radio, F, paced);
        // A radio that names no block is read as it answers; a stale tone block taken for
        // channel 2's frequencies still shows in its digits.
        radio = {};
        radio.anonymousReplies = true;
        QTest::addRow("read: radio naming no block%s", line) << withRadio(radio, S, paced);
        radio.staleReplyAt = MemoryMap::channelRecord(2);
        QTest::addRow("read: radio naming no block, stale reply at channel 2%s", line)
            << withRadio(radio, F, paced);
        for (const int bytes : {-1, 1}) {
            const int length = 12 + bytes;
            QTest::addRow("read: %d-byte band reply%s", length, line)
                << Case{lengthChange(MemoryMap::BandBlock, bytes), F, paced};
            QTest::addRow("read: %d-byte reply at channel 7 second half%s", length, line)
                << Case{lengthChange(Channel7SecondHalf, bytes), F, paced};
            QTest::addRow("read: %d-byte settings reply%s", length, line)
                << Case{lengthChange(MemoryMap::SettingsBlock, bytes), F, paced};
        }
    }
}

void TestAnswerFaults::write_data()
{
    QTest::addColumn<Case>("row");
    constexpr auto S = Outcome::Success;
    constexpr auto F = Outcome::Failure;
    constexpr auto E = Outcome::Either;
    const char* write = "write";
    lateRows(write, "hello reply", Kind::Hello, NoAddress, {{260, E}, {400, F}, {600, F}});
    // A 06 that comes late would pass for the acknowledgement of the first channel block.
    lateRows(write, "06 after the hello", Kind::Acknowledgement, NoAddress,
             {{260, E}, {300, F}, {400, F}, {600, F}});
    // Channel blocks are acknowledged within 550 ms.
    lateRows(write, "06 for channel 7", Kind::Write, Channel7,
             {{260, S}, {400, S}, {500, S}, {600, F}});
    lateRows(write, "06 for channel 7 second half", Kind::Write, Channel7SecondHalf,
             {{260, S}, {400, S}, {500, S}, {600, F}});
    // The answers to the settings and the band are not looked at.
    lateRows(write, "06 for the settings", Kind::Write, MemoryMap::SettingsBlock,
             {{260, S}, {300, S}, {400, S}, {600, S}});
    lateRows(write, "06 for the band", Kind::Write, MemoryMap::BandBlock,
             {{260, S}, {300, S}, {400, S}, {600, S}});
    QTest::addRow("write: stray byte before the 06 for channel 7")
        << Case{strayByteBefore(Kind::Write, Channel7), F};
    // The second 06 of each answer would pass for the next block's acknowledgement. Without
    // pacing both come at once; on a 9600-baud line tst_safewriterun shows them apart.
    RadioFaults doubled;
    doubled.doubledWriteAcknowledgement = true;
    QTest::addRow("write: every write acknowledged twice") << withRadio(doubled, F);
}

void TestAnswerFaults::calibrationRead_data()
{
    QTest::addColumn<Case>("row");
    constexpr auto S = Outcome::Success;
    constexpr auto F = Outcome::Failure;
    constexpr auto E = Outcome::Either;
    const char* read = "calibration read";
    // Every wait runs its full 250 ms, so a hello reply 400 ms late is still seen during
    // the next try's wait, and the rest of the exchange follows in step.
    lateRows(read, "hello reply", Kind::Hello, NoAddress, {{260, E}, {400, S}, {600, F}});
    // The 06 is not looked at, but a late one lands in front of the calibration reply;
    // one 260 ms late may still come inside a wait that a busy machine ends late.
    lateRows(read, "06 after the hello", Kind::Acknowledgement, NoAddress,
             {{260, E}, {300, F}, {400, F}, {600, F}});
    lateRows(read, "reply", Kind::Read, MemoryMap::PowerCalibration,
             {{260, E}, {400, F}, {600, F}});
    for (const bool paced : {false, true}) {
        const char* line = paced ? ", 9600 baud" : "";
        QTest::addRow("calibration read: stray byte before the reply%s", line)
            << Case{strayByteBefore(Kind::Read, MemoryMap::PowerCalibration), F, paced};
        QTest::addRow("calibration read: 13-byte reply%s", line)
            << Case{lengthChange(MemoryMap::PowerCalibration, 1), F, paced};
    }
    QTest::addRow("calibration read: 11-byte reply")
        << Case{lengthChange(MemoryMap::PowerCalibration, -1), F};
}

void TestAnswerFaults::calibrationWrite_data()
{
    QTest::addColumn<Case>("row");
    constexpr auto S = Outcome::Success;
    constexpr auto E = Outcome::Either;
    // Nothing after the hello is looked at: the radio stores the values whenever its
    // answers come.
    const char* write = "calibration write";
    lateRows(write, "hello reply", Kind::Hello, NoAddress, {{260, E}, {400, S}, {600, S}});
    lateRows(write, "06 after the hello", Kind::Acknowledgement, NoAddress,
             {{260, S}, {300, S}, {400, S}, {600, S}});
    lateRows(write, "06 for the values", Kind::Write, MemoryMap::PowerCalibration,
             {{260, S}, {400, S}, {600, S}});
}

void TestAnswerFaults::aging_data()
{
    QTest::addColumn<Case>("row");
    constexpr auto S = Outcome::Success;
    constexpr auto E = Outcome::Either;
    const char* aging = "aging";
    lateRows(aging, "hello reply", Kind::Hello, NoAddress, {{260, E}, {400, S}, {600, S}});
    lateRows(aging, "06 after the hello", Kind::Acknowledgement, NoAddress,
             {{260, S}, {300, S}, {400, S}, {600, S}});
}

void TestAnswerFaults::run(Procedure procedure)
{
    QFETCH(Case, row);
    RadioFaults faults = row.radio;
    if (row.fault)
        faults.answerFault = row.fault;
    const bool writing = procedure == Procedure::Write;
    QByteArray radioBefore = writing ? MarkerData::BlankRadio : MarkerData::sampleRadio();
    if (!row.settingsBlock.isEmpty())
        radioBefore.replace(MemoryMap::SettingsBlock, MemoryMap::BlockSize, row.settingsBlock);
    ProgramOptions options = ProgramOptions::withRadio(radioBefore, faults);
    if (row.realWaits)
        options.linkWaits = {};
    RunningProgram program(options);
    program.radio.setPaced(row.paced);
    QVERIFY(QTest::qWaitForWindowExposed(program.window.get()));
    Workspace& workspace = program.workspace();
    ServiceCommands& service = program.window->serviceCommands();

    // The program holds the sample for a write, marker data otherwise.
    if (writing) {
        SampleRadio::fill(workspace);
    } else {
        MarkerData::fill(workspace);
    }
    service.calibration().setValues(MarkerData::BoxCalibration);
    const RadioContents before = workspace.radioContents();
    const QStringList bandsBefore = workspace.bands.entries();
    const QString titleBefore = workspace.title();

    switch (procedure) {
    case Procedure::Read:
    case Procedure::Write: {
        MenuPages* menu = program.window->menuPages();
        emit(writing ? menu->writeButton() : menu->readButton())->clicked();
        QVERIFY(program.dialog->isVisible());
        QTest::mouseClick(program.dialog->startButton(), Qt::LeftButton);
        QTRY_VERIFY_WITH_TIMEOUT(!program.dialog->session()->running(), 30'000);
        QTest::mouseClick(program.dialog->exitButton(), Qt::LeftButton);
        break;
    }
    case Procedure::CalibrationRead:
        service.readCalibration();
        break;
    case Procedure::CalibrationWrite:
        service.writeCalibration();
        break;
    case Procedure::Aging:
        service.startAgingTest();
        break;
    }

    const bool succeeded = program.messages.boxes.isEmpty();
    if (row.outcome != Outcome::Either)
        QCOMPARE(succeeded, row.outcome == Outcome::Success);
    const int failureMessage = procedure == Procedure::CalibrationRead ? Message::PortUnavailable
                                                                       : Message::RadioNotAnswering;
    if (!succeeded)
        QCOMPARE(program.messages.messageIds(), QList<int>{failureMessage});
    QVERIFY(program.messages.errors.isEmpty());
    QVERIFY(program.window->isEnabled());
    QVERIFY(!program.dialog->isVisible());
    QVERIFY(!service.busy());
    QVERIFY(!program.window->serialPort().isOpen());

    // The program's data: the radio's after a read that worked, as it was otherwise.
    RadioContents expected = before;
    QStringList bandsExpected = bandsBefore;
    QString titleExpected = titleBefore;
    if (procedure == Procedure::Read && succeeded) {
        for (int channel = Row::FirstChannel; channel <= Row::LastChannel; ++channel)
            std::ranges::copy(SampleRadio::rowTexts(channel), expected.channel(channel).begin());
        expected.settings = {SampleRadio::Settings, SampleRadio::VoxInhibit};
        expected.band = SampleRadio::Band;
        titleExpected = "RZT3307 [" + SampleRadio::Band + "]";
    }
    QCOMPARE(workspace.radioContents(), expected);
    QCOMPARE(workspace.bands.entries(), bandsExpected);
    QCOMPARE(workspace.title(), titleExpected);
    // Only a complete read is kept as a backup (the writes here take none).
    const QStringList backups =
        QDir(program.backupFolder()).entryList({QStringLiteral("*.F19")}, QDir::Files);
    QCOMPARE(backups.size(), procedure == Procedure::Read && succeeded ? 1 : 0);
    const bool calibrationTaken = procedure == Procedure::CalibrationRead && succeeded;
    QCOMPARE(service.calibration().values(),
             calibrationTaken ? MarkerData::RadioCalibration : MarkerData::BoxCalibration);
    QCOMPARE(service.writeEnabled(), calibrationTaken);

    // The radio: changed only by a write, and only ever to what was to be written. The
    // last bytes may still be on their way to it.
    const QByteArray radioAfter = program.radio.memory().image();
    switch (procedure) {
    case Procedure::Write:
        if (succeeded) {
            QTRY_COMPARE(program.radio.memory().image(), SampleRadio::image());
        } else {
            for (int address = 0; address < MemoryMap::ImageSize; address += MemoryMap::BlockSize) {
                const QByteArray block = radioAfter.mid(address, MemoryMap::BlockSize);
                QVERIFY2(block == MarkerData::BlankRadio.mid(address, MemoryMap::BlockSize) ||
                             block == SampleRadio::block(SampleRadio::image(), address),
                         qPrintable(QString::number(address, 16)));
            }
        }
        break;
    case Procedure::CalibrationWrite: {
        QByteArray written = radioBefore;
        written.replace(MemoryMap::PowerCalibration, MemoryMap::BlockSize,
                        MarkerData::calibrationBlock(MarkerData::BoxCalibration));
        QTRY_COMPARE(program.radio.memory().image(), succeeded ? written : radioBefore);
        break;
    }
    case Procedure::Aging:
        QTRY_COMPARE(program.radio.agingStarted(), succeeded);
        QCOMPARE(radioAfter, radioBefore);
        break;
    case Procedure::Read:
    case Procedure::CalibrationRead:
        QCOMPARE(radioAfter, radioBefore);
        break;
    }

    // qv3307.ini, written when the window goes, keeps exactly the band list it had.
    const int selectedExpected = int(bandsExpected.indexOf(expected.band));
    program.exitAndReadSettingsFile();
    const StoredChoices stored = StoredChoices::read(SettingsFile(program.folder.path()));
    QCOMPARE(stored.bands, bandsExpected);
    QCOMPARE(stored.selectedBand, selectedExpected);
}

QTEST_MAIN(TestAnswerFaults)
#include "tst_answerfaults.moc"
