#include "backups/FleetLog.h"
#include "backups/FleetRun.h"
#include "link/MemoryMap.h"
#include "workspace/Workspace.h"
#include "workspace/WorkspaceSnapshot.h"

#include "RadioBeforeWrite.h"
#include "support/FleetRadios.h"
#include "support/LockFile.h"
#include "support/SampleRadio.h"
#include "support/TemporaryHome.h"
#include "support/TestWaits.h"

#include <QDir>
#include <QFileInfo>
#include <QSignalSpy>
#include <QTest>

using Ending = SafeWriteOutcome::Ending;

Q_DECLARE_METATYPE(RadioFaults)

namespace {
constexpr int RadioCount = 4;
// The radio that misbehaves in the rows that have one.
constexpr int Faulty = 2;
const QByteArray ExitCommand = QByteArray::fromHex("646F");

// The sample, as a program's grid would hold it.
WorkspaceSnapshot sample()
{
    Workspace workspace;
    SampleRadio::fill(workspace);
    return WorkspaceSnapshot::of(workspace);
}

// Answers well within the link's waits, but slowly enough that a run lasts a few seconds:
// a stop sent once the radios are under way surely finds them still going.
RadioFaults slowRadio()
{
    RadioFaults faults;
    faults.replyDelayMs = 30;
    return faults;
}

// Answers at once but for a few milliseconds per request, so that a whole run takes about
// a second: radios started together surely overlap, however a busy machine schedules their
// threads.
RadioFaults unhurriedRadio()
{
    RadioFaults faults;
    faults.replyDelayMs = 3;
    return faults;
}

} // namespace

// Several radios at once over real lines against simulated radios: each gets its whole run
// at the same time as the others, one failing leaves the others alone, and a stop ends every
// one in order.
class TestFleetRun : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void fourRadiosOneFaulty_data();
    void fourRadiosOneFaulty();
    void readsEveryRadio();
    void stopEndsEveryRadioInOrder();
    void stopBeforeTheStartSendsNothing();

private:
    std::unique_ptr<TemporaryHome> m_home;
};

void TestFleetRun::init()
{
    m_home = std::make_unique<TemporaryHome>();
    QVERIFY(m_home->isValid());
}

void TestFleetRun::fourRadiosOneFaulty_data()
{
    QTest::addColumn<RadioFaults>("faults");
    // The faulty radio's port leads nowhere.
    QTest::addColumn<bool>("missing");
    QTest::addColumn<Ending>("ending");
    QTest::addColumn<QString>("logged");
    // Whether the faulty radio still holds what it held before.
    QTest::addColumn<bool>("unchanged");

    RadioFaults silent;
    silent.silent = true;
    QTest::newRow("switched off") << silent << false << Ending::BackupReadFailed << "no answer"
                                  << true;
    RadioFaults hangsUp;
    hangsUp.hangUpAfter = int(SampleRadio::readFromProgram().size()) + 40;
    QTest::newRow("hangs up during the write")
        << hangsUp << false << Ending::WriteFailed << "write failed" << false;
    RadioFaults unstored;
    unstored.unstoredWriteAt = MemoryMap::channelRecord(RadioBeforeWrite::EmptiedRow);
    QTest::newRow("a channel not stored")
        << unstored << false << Ending::Differences << "differences" << false;
    // The reply checks every radio's link makes hold in a fleet too.
    RadioFaults otherBlock;
    otherBlock.otherBlock = RadioFaults::OtherBlock{0x0020, 0x0010};
    QTest::newRow("answers with another block")
        << otherBlock << false << Ending::BackupReadFailed << "no answer" << true;
    RadioFaults doubled;
    doubled.doubledWriteAcknowledgement = true;
    QTest::newRow("acknowledges each write twice")
        << doubled << false << Ending::WriteFailed << "write failed" << false;
    QTest::newRow("cable not plugged in")
        << RadioFaults{} << true << Ending::Refused << "port unavailable" << true;
}

void TestFleetRun::fourRadiosOneFaulty()
{
    QFETCH(RadioFaults, faults);
    QFETCH(bool, missing);
    QFETCH(Ending, ending);
    QFETCH(QString, logged);
    QFETCH(bool, unchanged);

    FleetRadios radios;
    QVERIFY(radios.start(RadioCount, RadioBeforeWrite::image()));
    for (int index = 0; index < RadioCount; ++index)
        radios.radio(index).setFaults(index == Faulty ? faults : unhurriedRadio());
    QList<FleetPort> ports = radios.ports();
    if (missing)
        ports[Faulty].devicePath = m_home->filePath(QStringLiteral("ttyNone"));

    FleetRun fleet(FleetTask::Write, BackupFolder(m_home->backupFolder()));
    fleet.setWaitLengthsForTests(TestWaits::Prompt);
    for (const FleetPort& port : ports)
        fleet.addRadio(port, sample());
    QSignalSpy ended(&fleet, &FleetRun::radioFinished);
    QVERIFY(fleet.run());
    QCOMPARE(ended.size(), RadioCount);

    QStringList backups;
    for (int index = 0; index < RadioCount; ++index) {
        const FleetRadioOutcome& outcome = fleet.outcome(index);
        QCOMPARE(outcome.port, ports[index]);
        QVERIFY(!outcome.interrupted);
        if (index == Faulty) {
            QCOMPARE(outcome.write.ending, ending);
            QCOMPARE(outcome.portProblem.has_value(), missing);
            QVERIFY(!outcome.succeeded());
        } else {
            QCOMPARE(outcome.write.ending, Ending::Verified);
            QVERIFY(outcome.succeeded());
            QCOMPARE(radios.radio(index).memory().read(0, 1024), SampleRadio::image());
        }
        QCOMPARE(FleetLog::resultOf(outcome), index == Faulty ? logged : "verified");
        if (!outcome.backupPath().isEmpty())
            backups << QFileInfo(outcome.backupPath()).fileName();
    }
    if (unchanged)
        QCOMPARE(radios.radio(Faulty).memory().read(0, 1024), RadioBeforeWrite::image());
    // A backup for every radio that was read, each a file of its own.
    backups.sort();
    QCOMPARE(QDir(m_home->backupFolder()).entryList(QDir::Files), backups);
    const bool faultyBackedUp = ending == Ending::WriteFailed || ending == Ending::Differences;
    QCOMPARE(backups.size(), RadioCount - 1 + (faultyBackedUp ? 1 : 0));

    const FleetTally tally = fleet.tally();
    QCOMPARE(tally.written, RadioCount - 1 + (ending == Ending::Differences ? 1 : 0));
    QCOMPARE(tally.verified, RadioCount - 1);
    QCOMPARE(tally.failed, 1);
    QVERIFY2(radios.overlapped({0, 1, 3}), "the radios were written one after another");
}

void TestFleetRun::readsEveryRadio()
{
    FleetRadios radios;
    QVERIFY(radios.start(2, SampleRadio::image()));
    radios.radio(1).setMemory([] {
        RadioMemory memory;
        memory.write(0, RadioBeforeWrite::image());
        return memory;
    }());
    FleetRun fleet(FleetTask::Read, BackupFolder(m_home->backupFolder()));
    fleet.setWaitLengthsForTests(TestWaits::Prompt);
    for (const FleetPort& port : radios.ports())
        fleet.addRadio(port, sample());
    QVERIFY(fleet.run());

    for (int index = 0; index < 2; ++index) {
        const FleetRadioOutcome& outcome = fleet.outcome(index);
        QCOMPARE(outcome.read, RadioExchange::Result::Done);
        QVERIFY(outcome.readBackup && outcome.readBackup->saved());
        QCOMPARE(FleetLog::resultOf(outcome), QStringLiteral("read"));
        const RadioContents::Channel& emptied =
            outcome.contents.channel(RadioBeforeWrite::EmptiedRow);
        const QStringList texts(emptied.begin(), emptied.end());
        QCOMPARE(texts, index == 0 ? SampleRadio::rowTexts(RadioBeforeWrite::EmptiedRow)
                                   : QStringList(8, QString()));
        QCOMPARE(outcome.contents.band, SampleRadio::Band);
    }
    QCOMPARE(QDir(m_home->backupFolder()).entryList(QDir::Files).size(), 2);
}

// Each radio's exchange ends where it stands, the radio is let out of programming mode, and
// the port and its lock are given back; each outcome says where the run stood.
void TestFleetRun::stopEndsEveryRadioInOrder()
{
    FleetRadios radios;
    QVERIFY(radios.start(RadioCount, RadioBeforeWrite::image()));
    for (int index = 0; index < RadioCount; ++index)
        radios.radio(index).setFaults(slowRadio());
    FleetRun fleet(FleetTask::Write, BackupFolder(m_home->backupFolder()), {.backup = false});
    fleet.setWaitLengthsForTests(TestWaits::Prompt);
    for (const FleetPort& port : radios.ports())
        fleet.addRadio(port, sample());
    QSignalSpy finished(&fleet, &FleetRun::finished);
    fleet.start();
    const auto everyRadioWriting = [&] {
        for (int index = 0; index < RadioCount; ++index)
            if (radios.radio(index).commands(RadioCommandKind::Write).size() < 2)
                return false;
        return true;
    };
    QTRY_VERIFY_WITH_TIMEOUT(everyRadioWriting(), 60000);
    QStringList locks;
    for (int index = 0; index < RadioCount; ++index)
        locks << lockFileOf(radios.radio(index).slavePath());
    QVERIFY2(!locks.contains(QString()), "a port is not locked while in use");

    fleet.stop();
    QVERIFY(finished.wait(30000));
    for (int index = 0; index < RadioCount; ++index) {
        const FleetRadioOutcome& outcome = fleet.outcome(index);
        QVERIFY(outcome.interrupted);
        QCOMPARE(outcome.stage, SafeWriteStage::Write);
        QCOMPARE(FleetLog::resultOf(outcome), QStringLiteral("interrupted"));
        RadioSimulator& radio = radios.radio(index);
        QVERIFY(radio.commands(RadioCommandKind::Write).size() <
                SampleRadio::writeAddresses().size());
        QTRY_VERIFY2(radio.received().endsWith(ExitCommand),
                     radio.received().right(16).toHex(' ').constData());
        QVERIFY(!radio.inProgrammingMode());
        QVERIFY2(!QFileInfo::exists(locks[index]), qPrintable(locks[index]));
    }
    QCOMPARE(fleet.tally().failed, RadioCount);
}

void TestFleetRun::stopBeforeTheStartSendsNothing()
{
    FleetRadios radios;
    QVERIFY(radios.start(2, RadioBeforeWrite::image()));
    FleetRun fleet(FleetTask::Write, BackupFolder(m_home->backupFolder()));
    for (const FleetPort& port : radios.ports())
        fleet.addRadio(port, sample());
    fleet.stop();
    QVERIFY(fleet.run());
    for (int index = 0; index < 2; ++index) {
        QVERIFY(fleet.outcome(index).interrupted);
        QCOMPARE(radios.radio(index).received(), QByteArray());
    }
}

QTEST_GUILESS_MAIN(TestFleetRun)
#include "tst_fleetrun.moc"
