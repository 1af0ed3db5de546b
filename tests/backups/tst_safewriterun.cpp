#include "backups/BackupFolder.h"
#include "backups/SafeWriteRun.h"
#include "files/ChannelFileWriter.h"
#include "link/Link.h"
#include "link/MemoryMap.h"
#include "link/ReadProcedure.h"
#include "workspace/Workspace.h"

#include "RadioBeforeWrite.h"
#include "RadioSimulator.h"
#include "support/RadioImage.h"
#include "support/SampleRadio.h"
#include "support/SimulatedLine.h"
#include "support/TemporaryHome.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTest>

using Ending = SafeWriteOutcome::Ending;
using Place = ContentsDifference::Place;

Q_DECLARE_METATYPE(RadioFaults)
Q_DECLARE_METATYPE(SafeWriteOutcome::Ending)
Q_DECLARE_METATYPE(ContentsDifference)

namespace {
const QByteArray Ack(1, 0x06);
using RadioBeforeWrite::EmptiedRow;
using RadioBeforeWrite::shortBandReply;
const auto previousImage = RadioBeforeWrite::image;

QByteArray withBytes(QByteArray image, int address, const QByteArray& bytes)
{
    image.replace(address, bytes.size(), bytes);
    return image;
}

QByteArray failedReadFromProgram()
{
    // The 06 after the band does not go out while the short reply waits unread.
    return SampleRadio::hello() + Ack + SampleRadio::readRequest(MemoryMap::BandBlock);
}

struct RecordingReport : SafeWriteReport
{
    void stageStarted(SafeWriteStage stage) override { stages << stage; }
    void setProgress(int percent) override { progress << percent; }
    QList<SafeWriteStage> stages;
    QList<int> progress;
};
} // namespace

// A checked write over a real line against the simulated radio: which sessions run and
// their bytes, what the radio holds after, the backup, and how each ending is reported.
class TestSafeWriteRun : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void endings_data();
    void endings();
    void valueTheRadioCannotTakeStopsBeforeTheBackup();
    void expectedReadBackIsWhatTheRadioGivesBack();
    void readBackComparesEveryByte_data();
    void readBackComparesEveryByte();
    void replyOfAnotherBlockStopsTheRun_data();
    void replyOfAnotherBlockStopsTheRun();
    void doubledAcknowledgementStopsTheWrite_data();
    void doubledAcknowledgementStopsTheWrite();

private:
    std::unique_ptr<TemporaryHome> m_home;
};

void TestSafeWriteRun::init()
{
    m_home = std::make_unique<TemporaryHome>();
    QVERIFY(m_home->isValid());
}

void TestSafeWriteRun::endings_data()
{
    QTest::addColumn<bool>("backup");
    QTest::addColumn<bool>("verify");
    QTest::addColumn<RadioFaults>("faults");
    QTest::addColumn<bool>("folderBlocked");
    QTest::addColumn<Ending>("ending");
    QTest::addColumn<QByteArray>("fromProgram");
    QTest::addColumn<QByteArray>("memoryAfter");
    QTest::addColumn<QList<SafeWriteStage>>("stages");
    QTest::addColumn<QList<ContentsDifference>>("differences");

    const QByteArray written = SampleRadio::image();
    const QByteArray previous = previousImage();
    const QByteArray read = SampleRadio::readFromProgram();
    const QByteArray write = SampleRadio::writeFromProgram(written);
    using Stage = SafeWriteStage;
    const QList<Stage> all{Stage::Backup, Stage::Write, Stage::Verify};

    QTest::newRow("backup, write, verify")
        << true << true << RadioFaults{} << false << Ending::Verified << read + write + read
        << written << all << QList<ContentsDifference>{};
    QTest::newRow("backup and write")
        << true << false << RadioFaults{} << false << Ending::Written << read + write << written
        << QList<Stage>{Stage::Backup, Stage::Write} << QList<ContentsDifference>{};
    QTest::newRow("write and verify")
        << false << true << RadioFaults{} << false << Ending::Verified << write + read << written
        << QList<Stage>{Stage::Write, Stage::Verify} << QList<ContentsDifference>{};
    QTest::newRow("plain write") << false << false << RadioFaults{} << false << Ending::Written
                                 << write << written << QList<Stage>{Stage::Write}
                                 << QList<ContentsDifference>{};

    // The first block of a channel acknowledged but not stored: the radio gives the channel
    // back empty, and every field of it is named.
    RadioFaults unstored;
    unstored.unstoredWriteAt = MemoryMap::channelRecord(EmptiedRow);
    QList<ContentsDifference> emptiedChannel;
    const QStringList texts = SampleRadio::rowTexts(EmptiedRow);
    for (int field = 0; field < texts.size(); ++field)
        emptiedChannel.append(
            {Place::Channel, EmptiedRow, Column::FirstField + field, {}, texts[field], {}});
    QTest::newRow("channel not stored")
        << true << true << unstored << false << Ending::Differences << read + write + read
        << withBytes(written, MemoryMap::channelRecord(EmptiedRow),
                     QByteArray(MemoryMap::BlockSize, char(0xFF)))
        << all << emptiedChannel;

    // The squelch digit (position 5) stored as 2.
    RadioFaults altered;
    altered.alteredByte = RadioFaults::AlteredByte{MemoryMap::SettingsBlock + 1, 0x02};
    QTest::newRow("settings byte stored differently")
        << false << true << altered << false << Ending::Differences << write + read
        << withBytes(written, MemoryMap::SettingsBlock + 1, QByteArray(1, 0x02))
        << QList<Stage>{Stage::Write, Stage::Verify}
        << QList<ContentsDifference>{{Place::Setting, 0, 0, FunctionSettings::Squelch,
                                      QStringLiteral("5"), QStringLiteral("2")}};

    QTest::newRow("backup read failing")
        << true << true << shortBandReply() << false << Ending::BackupReadFailed
        << failedReadFromProgram() << previous << QList<Stage>{Stage::Backup}
        << QList<ContentsDifference>{};
    QTest::newRow("backup not savable")
        << true << true << RadioFaults{} << true << Ending::BackupNotSaved << read << previous
        << QList<Stage>{Stage::Backup} << QList<ContentsDifference>{};
    QTest::newRow("read-back failing")
        << false << true << shortBandReply() << false << Ending::NotVerified
        << write + failedReadFromProgram() << written << QList<Stage>{Stage::Write, Stage::Verify}
        << QList<ContentsDifference>{};
}

void TestSafeWriteRun::endings()
{
    QFETCH(bool, backup);
    QFETCH(bool, verify);
    QFETCH(RadioFaults, faults);
    QFETCH(bool, folderBlocked);
    QFETCH(Ending, ending);
    QFETCH(QByteArray, fromProgram);
    QFETCH(QByteArray, memoryAfter);
    QFETCH(QList<SafeWriteStage>, stages);
    QFETCH(QList<ContentsDifference>, differences);

    const QString backups = m_home->backupFolder();
    if (folderBlocked) {
        QVERIFY(QDir().mkpath(m_home->filePath(QStringLiteral("data/qv3307"))));
        QFile blocker(backups);
        QVERIFY(blocker.open(QIODevice::WriteOnly));
    }
    SimulatedLine line(memoryOf(previousImage()));
    line.radio.setFaults(faults);
    QVERIFY(line.connect());
    QVERIFY(line.link->openPort());
    Workspace workspace;
    SampleRadio::fill(workspace);
    RecordingReport report;

    SafeWriteRun run(workspace, *line.link, report, BackupFolder::standard(), {backup, verify});
    const SafeWriteOutcome outcome = run.run();

    QCOMPARE(outcome.ending, ending);
    QCOMPARE(report.stages, stages);
    QCOMPARE(outcome.differences, differences);
    QTRY_COMPARE(line.radio.received(), fromProgram);
    QCOMPARE(line.radio.memory().image(), memoryAfter);
    // As after a plain read or write, a session that failed is not closed.
    QCOMPARE(line.radio.inProgrammingMode(), !fromProgram.endsWith(SampleRadio::exitCommand()));

    // The bar covers the whole run and never goes back.
    QCOMPARE(report.progress.first(), 0);
    for (int index = 1; index < report.progress.size(); ++index)
        QVERIFY(report.progress[index] > report.progress[index - 1]);
    const bool ranToTheEnd =
        ending == Ending::Written || ending == Ending::Verified || ending == Ending::Differences;
    QCOMPARE(report.progress.last() == 100, ranToTheEnd);

    // The backup holds what the radio held, as Save writes it after a read.
    const QStringList saved = QDir(backups).entryList({QStringLiteral("*.F19")}, QDir::Files);
    if (!backup || ending == Ending::BackupReadFailed || folderBlocked) {
        QVERIFY(saved.isEmpty());
        return;
    }
    QCOMPARE(saved.size(), 1);
    QCOMPARE(outcome.backupPath, backups + QLatin1Char('/') + saved.first());
    Workspace held;
    SampleRadio::fill(held);
    for (int column = Column::FirstField; column <= Column::LastField; ++column)
        held.table.setText(EmptiedRow, column, QString());
    QFile file(outcome.backupPath);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), ChannelFileWriter(held).contents());
}

// Every value is checked before the first byte, the backup's included.
void TestSafeWriteRun::valueTheRadioCannotTakeStopsBeforeTheBackup()
{
    SimulatedLine line(memoryOf(previousImage()));
    QVERIFY(line.connect());
    QVERIFY(line.link->openPort());
    Workspace workspace;
    SampleRadio::fill(workspace);
    workspace.table.setText(2, Column::Power, QStringLiteral("Hi"));
    RecordingReport report;
    const SafeWriteOutcome outcome =
        SafeWriteRun(workspace, *line.link, report, BackupFolder::standard(), {}).run();
    QCOMPARE(outcome.ending, Ending::Refused);
    QCOMPARE(outcome.problems.size(), 1);
    QCOMPARE(outcome.problems.first().text, QStringLiteral("Hi"));
    QVERIFY(report.stages.isEmpty());
    QVERIFY(line.link->lastRequest().isEmpty());
    QVERIFY(!QFileInfo::exists(m_home->backupFolder()));
}

// What the radio cannot hold never counts as a difference: the fields of a channel without
// a receive frequency, a band without digits, the other language's words.
void TestSafeWriteRun::expectedReadBackIsWhatTheRadioGivesBack()
{
    Workspace workspace;
    SampleRadio::fill(workspace);
    // Row 3 has no receive frequency.
    const QStringList unkept{"", "100.0", "", "OFF", "Low", "ON", "ON", "ON"};
    for (int field = 0; field < unkept.size(); ++field)
        workspace.table.setText(3, Column::FirstField + field, unkept[field]);
    workspace.table.setText(2, Column::Power, QStringLiteral("低功率"));
    const WritePlan plan = WritePlan::compose(workspace.table, workspace.words, workspace.settings,
                                              workspace.bands.selectedText());
    QVERIFY(plan.sendable());
    const RadioContents expected = plan.expectedReadBack(workspace.words);
    QCOMPARE(expected.channel(3), RadioContents::Channel{});
    QCOMPARE(expected.channel(2)[RadioContents::fieldIndex(Column::Power)], QStringLiteral("Low"));
    QCOMPARE(expected.channel(1), workspace.radioContents().channel(1));
    QCOMPARE(expected.settings, workspace.radioContents().settings);
    QCOMPARE(expected.band, SampleRadio::Band);
}

namespace {
RadioFaults keptDifferently(int address, quint8 mask)
{
    RadioFaults faults;
    faults.keptDifferently = RadioFaults::KeptDifferently{address, mask};
    return faults;
}

ContentsDifference channelByte(int row, int byte, const char* written, const char* held)
{
    return {Place::ChannelByte, row, 0, {}, written, held, byte};
}

ContentsDifference blockByte(Place place, int byte, const char* written, const char* held)
{
    return {place, 0, 0, {}, written, held, byte};
}

// Every block of the image is either as it was or as it was to be written.
void verifyBlocksOldOrNew(const QByteArray& image, const QByteArray& before,
                          const QByteArray& written)
{
    for (int address = 0; address < MemoryMap::ImageSize; address += MemoryMap::BlockSize) {
        const QByteArray block = image.mid(address, MemoryMap::BlockSize);
        QVERIFY2(block == before.mid(address, MemoryMap::BlockSize) ||
                     block == written.mid(address, MemoryMap::BlockSize),
                 qPrintable(QString::number(address, 16)));
    }
}
} // namespace

// The read-back is compared byte for byte with what each written block carried. A radio
// that keeps only unused bits otherwise (the high digit of the flags, the fill, settings
// byte 7, the band's fill) holds what was written, with those bytes named; a byte whose
// bits a read looks at is a difference even when it reads as the same text.
void TestSafeWriteRun::readBackComparesEveryByte_data()
{
    QTest::addColumn<RadioFaults>("faults");
    QTest::addColumn<Ending>("ending");
    QTest::addColumn<QList<ContentsDifference>>("differences");
    QTest::addColumn<QList<ContentsDifference>>("kept");
    using List = QList<ContentsDifference>;

    QTest::newRow("unused half of the flags") << keptDifferently(0x001C, 0xF0) << Ending::Verified
                                              << List{} << List{channelByte(1, 12, "F2", "02")};
    QTest::newRow("fill of a channel") << keptDifferently(0x001D, 0xFF) << Ending::Verified
                                       << List{} << List{channelByte(1, 13, "FF", "00")};
    // Channel 2 has no receive tone: only the first digit of its word is read.
    QTest::newRow("digits of no tone") << keptDifferently(0x0028, 0x0F) << Ending::Verified
                                       << List{} << List{channelByte(2, 8, "FF", "F0")};
    // Channel 3 is not programmed: only its receive frequency is read.
    QTest::newRow("a channel that is not programmed")
        << keptDifferently(0x0034, 0x0F) << Ending::Verified << List{}
        << List{channelByte(3, 4, "FF", "F0")};
    QTest::newRow("settings byte 7") << keptDifferently(0x03C7, 0xFF) << Ending::Verified << List{}
                                     << List{blockByte(Place::SettingsByte, 7, "FF", "00")};
    QTest::newRow("band fill") << keptDifferently(0x03E5, 0x01) << Ending::Verified << List{}
                               << List{blockByte(Place::BandByte, 5, "FF", "FE")};
    QTest::newRow("band digit never read")
        << keptDifferently(0x03E0, 0x0F) << Ending::Verified << List{}
        << List{blockByte(Place::BandByte, 0, "00", "0F")};
    // Scan on is FE; FD reads as on too, but the radio holds another value than written.
    QTest::newRow("scan byte that reads the same")
        << keptDifferently(0x03C6, 0x03) << Ending::Differences
        << List{blockByte(Place::SettingsByte, 6, "FE", "FD")} << List{};
    // The field names the difference; its byte is not listed again.
    QTest::newRow("frequency digit")
        << keptDifferently(0x0010, 0x01) << Ending::Differences
        << List{{Place::Channel, 1, Column::RxFrequency, {}, "435.12500", "435.12501"}} << List{};
}

void TestSafeWriteRun::readBackComparesEveryByte()
{
    QFETCH(RadioFaults, faults);
    QFETCH(Ending, ending);
    QFETCH(QList<ContentsDifference>, differences);
    QFETCH(QList<ContentsDifference>, kept);
    SimulatedLine line(memoryOf(previousImage()));
    line.radio.setFaults(faults);
    QVERIFY(line.connect());
    QVERIFY(line.link->openPort());
    Workspace workspace;
    SampleRadio::fill(workspace);
    RecordingReport report;
    const SafeWriteOutcome outcome =
        SafeWriteRun(workspace, *line.link, report, BackupFolder::standard(), {false, true}).run();
    QCOMPARE(outcome.ending, ending);
    QCOMPARE(outcome.differences, differences);
    QCOMPARE(outcome.keptDifferently, kept);
    QCOMPARE(outcome.result(), ending == Ending::Verified ? RadioExchange::Result::Done
                                                          : RadioExchange::Result::Failed);
}

// A reply that names another block than the one asked for, from a radio that names them,
// stops the read it belongs to: the backup (nothing is written) or the read-back (the write
// cannot be verified). A radio that names no block is read as it answers.
void TestSafeWriteRun::replyOfAnotherBlockStopsTheRun_data()
{
    QTest::addColumn<RadioFaults>("faults");
    QTest::addColumn<bool>("backup");
    QTest::addColumn<Ending>("ending");
    RadioFaults otherBlock;
    otherBlock.otherBlock =
        RadioFaults::OtherBlock{MemoryMap::channelRecord(2), MemoryMap::channelRecord(1)};
    QTest::newRow("backup: channel 2 answered with channel 1's block")
        << otherBlock << true << Ending::BackupReadFailed;
    QTest::newRow("read-back: channel 2 answered with channel 1's block")
        << otherBlock << false << Ending::NotVerified;
    RadioFaults stale;
    stale.staleReplyAt = MemoryMap::channelRecord(2);
    QTest::newRow("backup: stale reply at channel 2") << stale << true << Ending::BackupReadFailed;
    stale.staleReplyAt = MemoryMap::SettingsBlock;
    QTest::newRow("read-back: stale reply at the settings")
        << stale << false << Ending::NotVerified;
    RadioFaults anonymous;
    anonymous.anonymousReplies = true;
    QTest::newRow("radio naming no block") << anonymous << true << Ending::Verified;
}

void TestSafeWriteRun::replyOfAnotherBlockStopsTheRun()
{
    QFETCH(RadioFaults, faults);
    QFETCH(bool, backup);
    QFETCH(Ending, ending);
    SimulatedLine line(memoryOf(previousImage()));
    line.radio.setFaults(faults);
    QVERIFY(line.connect());
    QVERIFY(line.link->openPort());
    Workspace workspace;
    SampleRadio::fill(workspace);
    RecordingReport report;
    const SafeWriteOutcome outcome =
        SafeWriteRun(workspace, *line.link, report, BackupFolder::standard(), {backup, true}).run();
    QCOMPARE(outcome.ending, ending);
    const bool written = ending != Ending::BackupReadFailed;
    QCOMPARE(line.radio.memory().image(), written ? SampleRadio::image() : previousImage());
    QCOMPARE(line.radio.commands(RadioCommandKind::Write).isEmpty(), !written);
    // A failed read saves no backup.
    QCOMPARE(QDir(m_home->backupFolder()).entryList(QDir::Files).size(), backup && written ? 1 : 0);
}

// A radio that answers each write with 06 06: the second 06 comes while the next request is
// on its way and would pass for its acknowledgement. On a line at the radio's pace it fails
// the write at once, with or without verification. The program learns the pace from answers
// that come byte by byte; a write alone has only the hello reply for that, which a starved
// machine may hear in one piece, so the plain write follows a read, as it does in the window.
void TestSafeWriteRun::doubledAcknowledgementStopsTheWrite_data()
{
    QTest::addColumn<bool>("backup");
    QTest::addColumn<bool>("verify");
    QTest::newRow("backup, write, verify") << true << true;
    QTest::newRow("backup and write") << true << false;
    QTest::newRow("plain write after a read") << false << false;
}

void TestSafeWriteRun::doubledAcknowledgementStopsTheWrite()
{
    QFETCH(bool, backup);
    QFETCH(bool, verify);
    SimulatedLine line(memoryOf(previousImage()));
    RadioFaults faults;
    faults.doubledWriteAcknowledgement = true;
    line.radio.setFaults(faults);
    line.radio.setPaced(true);
    QVERIFY(line.connect());
    QVERIFY(line.link->openPort());
    Workspace workspace;
    RecordingReport report;
    if (!backup) {
        RadioExchange exchange(*line.link, report);
        RadioContents held;
        QCOMPARE(ReadProcedure(workspace, exchange).read(held), RadioExchange::Result::Done);
    }
    SampleRadio::fill(workspace);
    const SafeWriteOutcome outcome =
        SafeWriteRun(workspace, *line.link, report, BackupFolder::standard(), {backup, verify})
            .run();
    QCOMPARE(outcome.ending, Ending::WriteFailed);
    QCOMPARE(outcome.result(), RadioExchange::Result::Failed);
    // The second block at the latest: its 06 is the first one's second.
    QVERIFY(line.radio.commands(RadioCommandKind::Write).size() <= 2);
    QCOMPARE(line.radio.commands(RadioCommandKind::Exit).size(), 1);
    verifyBlocksOldOrNew(line.radio.memory().image(), previousImage(), SampleRadio::image());
}

QTEST_GUILESS_MAIN(TestSafeWriteRun)
#include "tst_safewriterun.moc"
