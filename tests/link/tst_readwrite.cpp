#include "link/Link.h"
#include "link/ProgressDisplay.h"
#include "link/QtSerialPort.h"
#include "link/RadioExchange.h"
#include "link/ReadProcedure.h"
#include "link/WriteProcedure.h"
#include "workspace/MessageIds.h"
#include "workspace/Messenger.h"
#include "workspace/Workspace.h"

#include "RadioSimulator.h"
#include "support/RadioImage.h"
#include "support/RecordingMessageLibrary.h"
#include "support/SampleRadio.h"
#include "support/SimulatedLine.h"
#include "support/TemporaryProgramFolder.h"
#include "support/TestWaits.h"

#include <QTest>
#include <QTimer>

#include <atomic>
#include <optional>

using Kind = RadioProtocol::CommandKind;
using Result = RadioExchange::Result;

namespace {
const QByteArray Ack(1, 0x06);
const QStringList Previous = {"111.11111", "OFF", "111.11111", "OFF", "Low", "OFF", "OFF", "OFF"};
// Well past the longest wait, so that a busy machine does not make it count as in time.
constexpr int LateMs = 1000 * TestWaits::Stretch;

struct RecordingProgress : ProgressDisplay
{
    void setProgress(int percent) override
    {
        values.append(percent);
        if (onProgress)
            onProgress(percent);
    }
    QList<int> values;
    std::function<void(int)> onProgress;
};

// The sample image, except that channel 3 has no receive frequency but other bytes set:
// a read must leave that row empty whatever they hold.
QByteArray imageWithStrayBytes()
{
    QByteArray image = SampleRadio::image();
    image.replace(0x30, 16, QByteArray::fromHex("FFFFFFFF0025514318132380F2FFFFFF"));
    return image;
}

// A program's workspace and link, on COM1 of a temporary program folder that leads to a
// simulated radio over a pseudo-terminal.
struct RadioRun : SimulatedLine
{
    Workspace workspace;
    RecordingMessageLibrary messages;
    Messenger messenger{messages, workspace};
    RecordingProgress progress;
    // The radio answers the command of this kind with this number (from 1) late, and
    // every answer after it.
    Kind lateKind = Kind::Hello;
    int lateNumber = 0;
    std::atomic<int> commandsOfLateKind = 0;

    explicit RadioRun(const QByteArray& image = SampleRadio::image())
        : SimulatedLine(memoryOf(image))
    {
        workspace.words = SampleRadio::Words;
        workspace.bands.append(SampleRadio::Band);
        workspace.bands.select(0);
    }

    bool open(const RadioFaults& faults = {})
    {
        radio.setFaults(faults);
        radio.onCommand = [this, faults](const RadioSimulator::CommandEntry& entry) {
            if (entry.command.kind == lateKind && ++commandsOfLateKind == lateNumber) {
                RadioFaults late = faults;
                late.replyDelayMs = LateMs;
                radio.setFaults(late);
            }
        };
        return connect() && link->openPort();
    }

    Result read()
    {
        RadioExchange exchange(*link, progress, messenger);
        return ReadProcedure(workspace, exchange).run();
    }

    Result write()
    {
        RadioExchange exchange(*link, progress, messenger);
        return WriteProcedure(workspace, exchange, messenger).run();
    }

    // Every channel and setting holds something no radio of these tests holds.
    void fillWithPrevious()
    {
        for (int row = Row::FirstChannel; row <= Row::LastChannel; ++row)
            setRow(row, Previous);
    }

    void setRow(int row, const QStringList& texts)
    {
        for (int field = 0; field < texts.size(); ++field)
            workspace.table.setText(row, Column::FirstField + field, texts[field]);
    }

    QStringList row(int row) const { return workspace.table.fields(row); }

    FunctionSettings::Positions positions() const { return workspace.settings.positions(); }

    bool exitReceived() const { return !radio.commands(Kind::Exit).isEmpty(); }
};

QList<int> readProgress()
{
    QList<int> values{0};
    for (int percent = 5; percent <= 90; percent += 5)
        values << percent;
    return values << 100;
}

QList<int> writeProgress()
{
    QList<int> values{0};
    for (int channel = 0; channel < 16; ++channel)
        values << channel * 5 + 2 << channel * 5 + 5;
    return values << 85 << 100 << 100;
}

// The image as it stands after the first `count` write requests have been stored in a
// radio that held nothing.
QByteArray writtenImage(const QByteArray& image, int count)
{
    QByteArray memory(image.size(), char(0xFF));
    for (const int at : SampleRadio::writeAddresses().first(count))
        memory.replace(at, 8, SampleRadio::block(image, at));
    return memory;
}
} // namespace

// The read and write procedures over a real line against the simulated radio: the bytes
// on the line, the progress, and what a failure leaves behind.
class TestReadWrite : public QObject
{
    Q_OBJECT

private slots:
    void completeRead();
    void bandFromTheRadio_data();
    void bandFromTheRadio();
    void readFailures_data();
    void readFailures();

    void completeWrite();
    void imageReadAndWrittenBackIsUnchanged();
    void writeFailures_data();
    void writeFailures();

    // Ends the application's event loop: keep it last.
    void applicationQuitStopsARead();
};

void TestReadWrite::completeRead()
{
    const QByteArray image = imageWithStrayBytes();
    RadioRun run(image);
    run.fillWithPrevious();
    // The window's data changes in one step, once everything has been read.
    QList<int> progressAtChange;
    const auto noteChange = [&] { progressAtChange << run.progress.values.last(); };
    connect(&run.workspace.table, &QAbstractItemModel::dataChanged, this, noteChange);
    connect(&run.workspace.settings, &FunctionSettings::positionChanged, this, noteChange);
    connect(&run.workspace.bands, &BandList::entryAppended, this, noteChange);
    connect(&run.workspace, &Workspace::titleChanged, this, noteChange);
    QVERIFY(run.open({}));
    QCOMPARE(run.read(), Result::Done);
    QVERIFY(!progressAtChange.isEmpty());
    QCOMPARE(progressAtChange, QList<int>(progressAtChange.size(), 90));

    QTRY_VERIFY(run.exitReceived());
    QCOMPARE(run.radio.received(), SampleRadio::readFromProgram());
    QCOMPARE(run.radio.sent(), SampleRadio::readFromRadio(image));
    QVERIFY(!run.radio.inProgrammingMode());

    for (int row = Row::FirstChannel; row <= Row::LastChannel; ++row)
        QCOMPARE(run.row(row), SampleRadio::rowTexts(row));
    QCOMPARE(run.positions(), SampleRadio::Settings);
    QCOMPARE(run.workspace.settings.voxInhibit(), SampleRadio::VoxInhibit);
    QCOMPARE(run.workspace.title(), "RZT3307 [400-470MHz]");
    QCOMPARE(run.progress.values, readProgress());
    QVERIFY(run.messages.boxes.isEmpty());
    QVERIFY(!run.workspace.editor.loading);
}

void TestReadWrite::bandFromTheRadio_data()
{
    QTest::addColumn<QByteArray>("bandBlock");
    QTest::addColumn<QStringList>("bands");
    QTest::addColumn<int>("selected");
    QTest::addColumn<QStringList>("bandsAfter");
    QTest::addColumn<QString>("selectedAfter");

    const QStringList two{"400-470MHz", "136-174MHz"};
    QTest::newRow("listed band is selected")
        << QByteArray("60134017FFFFFFFF") << two << 0 << two << "136-174MHz";
    QTest::newRow("unlisted band is learned and selected")
        << QByteArray("00350039FFFFFFFF") << two << 0 << (two + QStringList{"350-390MHz"})
        << "350-390MHz";
    QTest::newRow("band block of FF keeps the selection")
        << QByteArray("FFFFFFFFFFFFFFFF") << two << 1 << two << "136-174MHz";
}

void TestReadWrite::bandFromTheRadio()
{
    QFETCH(QByteArray, bandBlock);
    QFETCH(QStringList, bands);
    QFETCH(int, selected);
    QFETCH(QStringList, bandsAfter);
    QFETCH(QString, selectedAfter);

    QByteArray image = SampleRadio::image();
    image.replace(0x3E0, 8, QByteArray::fromHex(bandBlock));
    RadioRun run(image);
    BandList& bandList = run.workspace.bands;
    for (const QString& band : bands.mid(1))
        bandList.append(band);
    bandList.select(selected);
    // The band box's change reaction looks at loading: it must be set whenever the read
    // changes the selection.
    QList<bool> loadingAtChange;
    connect(&bandList, &BandList::selectionChanged, this,
            [&] { loadingAtChange << run.workspace.editor.loading; });

    QVERIFY(run.open({}));
    QCOMPARE(run.read(), Result::Done);
    QCOMPARE(bandList.entries(), bandsAfter);
    QCOMPARE(bandList.selectedText(), selectedAfter);
    QCOMPARE(run.workspace.title(), "RZT3307 [" + selectedAfter + "]");
    QVERIFY(!loadingAtChange.contains(false));
    QVERIFY(!run.workspace.editor.loading);
    QCOMPARE(run.row(16), SampleRadio::rowTexts(16)); // the read went on to the end
}

void TestReadWrite::readFailures_data()
{
    QTest::addColumn<RadioFaults>("faults");
    QTest::addColumn<int>("lateAcknowledgement"); // the radio's n-th acknowledgement comes late
    QTest::addColumn<QByteArray>("bandBlock");    // in place of the sample's, if not empty
    QTest::addColumn<QByteArray>("sentByProgram");
    QTest::addColumn<int>("progress");

    const QByteArray full = SampleRadio::readFromProgram();
    // Hello, 06, band request, 06; then 10 bytes per channel: request, 06, request, 06.
    const auto upToChannel = [&](int channel, int extra) {
        return full.left(13 + 10 * (channel - 1) + extra);
    };

    RadioFaults silent;
    silent.silent = true;
    QTest::newRow("no radio") << silent << 0 << QByteArray() << SampleRadio::hello().repeated(6)
                              << 0;
    RadioFaults nak;
    nak.acknowledgement = 0x15;
    // The band request is not sent, yet the band stage still ends with the program's 06.
    QTest::newRow("acknowledgement other than 06")
        << nak << 0 << QByteArray() << SampleRadio::hello() + Ack + Ack << 0;
    RadioFaults noBand;
    noBand.noReplyAt = 0x3E0;
    QTest::newRow("band reply missing") << noBand << 0 << QByteArray() << full.left(13) << 0;
    // The program's 06 still follows the band block, as the radio expects.
    QTest::newRow("band block with a letter")
        << RadioFaults{} << 0 << QByteArray("A0400047FFFFFFFF") << full.left(13) << 0;
    QTest::newRow("band block half programmed")
        << RadioFaults{} << 0 << QByteArray("0040FFFFFFFFFFFF") << full.left(13) << 0;
    RadioFaults noChannel7;
    noChannel7.noReplyAt = 0x70;
    QTest::newRow("reply missing at channel 7")
        << noChannel7 << 0 << QByteArray() << upToChannel(7, 4) << 35;
    RadioFaults noSecondHalf7;
    noSecondHalf7.noReplyAt = 0x78;
    QTest::newRow("second half missing at channel 7")
        << noSecondHalf7 << 0 << QByteArray() << upToChannel(7, 9) << 35;
    // Acknowledgements: the handshake's, the band's, then two per channel.
    QTest::newRow("late acknowledgement at channel 7")
        << RadioFaults{} << 2 + 2 * 6 + 1 << QByteArray() << upToChannel(7, 5) << 35;
    QTest::newRow("late acknowledgement after channel 7")
        << RadioFaults{} << 2 + 2 * 7 << QByteArray() << upToChannel(8, 0) << 40;
    RadioFaults noSettings;
    noSettings.noReplyAt = 0x3C0;
    QTest::newRow("settings reply missing")
        << noSettings << 0 << QByteArray() << upToChannel(17, 4) << 85;
    RadioFaults hangUp;
    hangUp.hangUpAfter = 13 + 10 * 3 + 4;
    QTest::newRow("radio hangs up at channel 4")
        << hangUp << 0 << QByteArray() << upToChannel(4, 4) << 20;
}

// Whatever step fails, the read changes nothing: not the band, the band list or the
// title, not one channel, not the settings.
void TestReadWrite::readFailures()
{
    QFETCH(RadioFaults, faults);
    QFETCH(int, lateAcknowledgement);
    QFETCH(QByteArray, bandBlock);
    QFETCH(QByteArray, sentByProgram);
    QFETCH(int, progress);

    QByteArray image = SampleRadio::image();
    if (!bandBlock.isEmpty())
        image.replace(0x3E0, 8, QByteArray::fromHex(bandBlock));
    RadioRun run(image);
    run.workspace.bands.append("136-174MHz");
    run.workspace.bands.select(1);
    run.fillWithPrevious();
    run.workspace.settings.reset(FunctionSettings::StartupPositions);
    run.workspace.settings.setVoxInhibit(false);
    const RadioContents before = run.workspace.radioContents();
    const QStringList bandsBefore = run.workspace.bands.entries();
    run.lateKind = Kind::Acknowledgement;
    run.lateNumber = lateAcknowledgement;
    QVERIFY(run.open(faults));

    QCOMPARE(run.read(), Result::Failed);
    QCOMPARE(run.messages.boxes.size(), 1);
    QCOMPARE(run.messages.boxes[0].titleId, int(Message::CommunicationTitle));
    QCOMPARE(run.messages.boxes[0].messageId, int(Message::RadioNotAnswering));
    QTRY_COMPARE(run.radio.received(), sentByProgram);
    QVERIFY(!run.exitReceived());

    QVERIFY(run.workspace.radioContents() == before);
    QCOMPARE(run.workspace.bands.entries(), bandsBefore);
    QCOMPARE(run.workspace.bands.selectedText(), "136-174MHz");
    QCOMPARE(run.workspace.title(), Workspace::InitialTitle);
    QVERIFY(!run.workspace.editor.loading);
    QCOMPARE(run.progress.values.last(), progress);
}

void TestReadWrite::completeWrite()
{
    const QByteArray image = SampleRadio::image();
    RadioRun run(QByteArray(1024, char(0xFF)));
    SampleRadio::fill(run.workspace);
    QVERIFY(run.open({}));
    QCOMPARE(run.write(), Result::Done);

    QTRY_VERIFY(run.exitReceived());
    QCOMPARE(run.radio.received(), SampleRadio::writeFromProgram(image));
    QCOMPARE(run.radio.sent(), SampleRadio::writeFromRadio());
    QCOMPARE(run.radio.memory().image(), image);
    QCOMPARE(run.progress.values, writeProgress());
    QVERIFY(run.messages.boxes.isEmpty());
    QVERIFY(run.messages.errors.isEmpty());
}

void TestReadWrite::imageReadAndWrittenBackIsUnchanged()
{
    const QByteArray image = SampleRadio::image();
    RadioRun run(image);
    run.fillWithPrevious();
    QVERIFY(run.open({}));
    QCOMPARE(run.read(), Result::Done);
    QTRY_VERIFY(run.exitReceived());

    run.radio.setMemory(RadioMemory());
    QCOMPARE(run.write(), Result::Done);
    QTRY_COMPARE(run.radio.commands(Kind::Exit).size(), 2);
    QCOMPARE(run.radio.memory().image(), image);
}

void TestReadWrite::writeFailures_data()
{
    QTest::addColumn<RadioFaults>("faults");
    QTest::addColumn<int>("lateWrite"); // the radio acknowledges its n-th write request late
    QTest::addColumn<int>("requestsSent");
    QTest::addColumn<int>("requestsStored");

    RadioFaults silent;
    silent.silent = true;
    QTest::newRow("no radio") << silent << 0 << -1 << 0;
    RadioFaults nak;
    nak.acknowledgement = 0x15;
    // Its answer to the handshake's 06 already tells: nothing is written.
    QTest::newRow("acknowledgement other than 06") << nak << 0 << 0 << 0;
    QTest::newRow("late acknowledgement at channel 3") << RadioFaults{} << 5 << 5 << 5;
    RadioFaults noSecondHalf7;
    noSecondHalf7.noReplyAt = 0x78;
    QTest::newRow("no acknowledgement for the second half of channel 7")
        << noSecondHalf7 << 0 << 14 << 13;
}

void TestReadWrite::writeFailures()
{
    QFETCH(RadioFaults, faults);
    QFETCH(int, lateWrite);
    QFETCH(int, requestsSent);
    QFETCH(int, requestsStored);

    const QByteArray image = SampleRadio::image();
    RadioRun run(QByteArray(1024, char(0xFF)));
    SampleRadio::fill(run.workspace);
    run.lateKind = Kind::Write;
    run.lateNumber = lateWrite;
    QVERIFY(run.open(faults));

    QCOMPARE(run.write(), Result::Failed);
    QCOMPARE(run.messages.messageIds(), QList<int>{Message::RadioNotAnswering});
    // Hello and 06, then 12 bytes per write request; without a radio only the hellos.
    const QByteArray sent = requestsSent < 0
                                ? SampleRadio::hello().repeated(6)
                                : SampleRadio::writeFromProgram(image).left(8 + 12 * requestsSent);
    QTRY_COMPARE(run.radio.received(), sent);
    QVERIFY(!run.exitReceived());
    QCOMPARE(run.radio.memory().image(), writtenImage(image, requestsStored));
    if (lateWrite > 0) {
        // The late answer is not lost: it stays for whatever looks next.
        QTRY_VERIFY(run.link->hasDataArrived());
        QCOMPARE(run.link->receivedBytes(), Ack);
    }
}

void TestReadWrite::applicationQuitStopsARead()
{
    RadioRun run;
    QVERIFY(run.open({}));
    // Quit once channel 2 has been read: the procedure learns it at its next wait.
    run.progress.onProgress = [](int percent) {
        if (percent == 15)
            QCoreApplication::quit();
    };
    std::optional<Result> result;
    QTimer::singleShot(0, this, [&] { result = run.read(); });
    QCoreApplication::exec();

    QCOMPARE(result, Result::Quit);
    QVERIFY(run.messages.boxes.isEmpty());
    // Channel 3's first request went out before the wait that saw the quit; nothing after.
    QTRY_COMPARE(run.radio.received(), SampleRadio::readFromProgram().left(13 + 20 + 4));
    QVERIFY(!run.exitReceived());
}

QTEST_GUILESS_MAIN(TestReadWrite)
#include "tst_readwrite.moc"
