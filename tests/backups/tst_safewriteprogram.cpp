#include "app/IconButton.h"
#include "app/MainWindow.h"
#include "app/MenuPages.h"
#include "app/TransferWarning.h"
#include "link/MemoryMap.h"
#include "link/ReadWriteDialog.h"
#include "link/ReadWriteSession.h"
#include "service/PowerPage.h"
#include "service/ServiceCommands.h"

#include "RadioBeforeWrite.h"
#include "backups/FleetLog.h"
#include "link/RadioProgressRows.h"
#include "support/FileBytes.h"
#include "support/FleetLogResults.h"
#include "support/FleetRadios.h"
#include "support/RunningProgram.h"
#include "support/SampleRadio.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QTest>

Q_DECLARE_METATYPE(RadioFaults)

namespace {
using RadioBeforeWrite::EmptiedRow;
const auto previousImage = RadioBeforeWrite::image;

// On the box itself, where a user clicks.
void clickBox(QCheckBox* box)
{
    QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(8, box->height() / 2));
}

QStringList backups(const RunningProgram& program)
{
    return QDir(program.backupFolder()).entryList({QStringLiteral("*.F19")}, QDir::Files);
}

void blockBackupFolder(const RunningProgram& program)
{
    QVERIFY(QDir().mkpath(QFileInfo(program.backupFolder()).path()));
    QFile blocker(program.backupFolder());
    QVERIFY(blocker.open(QIODevice::WriteOnly));
}

enum class Run { Read, Write, WriteUnverified };

IconButton* commandFor(RunningProgram& program, Run run)
{
    MenuPages& menu = *program.window->menuPages();
    return run == Run::Read ? menu.readButton() : menu.writeButton();
}

// The command, the verify box as the run asks (both boxes are checked to begin with), the
// start button, and the wait for the end.
void runCommand(RunningProgram& program, Run run)
{
    commandFor(program, run)->button()->click();
    QVERIFY(program.dialog->isVisible());
    if (run != Run::Read && program.dialog->verifyCheckBox()->isChecked() != (run == Run::Write))
        clickBox(program.dialog->verifyCheckBox());
    QTest::mouseClick(program.dialog->startButton(), Qt::LeftButton);
    QTRY_VERIFY_WITH_TIMEOUT(!program.dialog->session()->running(), 30'000);
}
} // namespace
Q_DECLARE_METATYPE(Run)

// Backups and checked writes in the program as a user meets them, against the simulated
// radio: the backup of a read, the two boxes of a write and what each ending says, the
// calibration log, the open dialog's first folder and the removal of old backups.
class TestSafeWriteProgram : public QObject
{
    Q_OBJECT

private slots:
    void readIsBackedUpAsSaveWritesIt();
    void readWhoseBackupCannotBeSavedStillReads();
    void checkedWrites_data();
    void checkedWrites();
    void failuresStayVisible_data();
    void failuresStayVisible();
    void warningOutlastsReportsAndFollowsTheLanguage();
    void boxesAreRememberedOnceChanged();
    void calibrationReadsAreLogged();
    void lowVoltageByteOfNoLevelIsShown();
    void openStartsInTheBackupsUntilAFileIsOpened();
    void oldBackupsGoAtStartUp();
    void writeToEveryConnectedRadio();
};

void TestSafeWriteProgram::readIsBackedUpAsSaveWritesIt()
{
    RunningProgram program(ProgramOptions::withRadio(SampleRadio::image()));
    program.runFromMenu(program.window->menuPages()->readButton());
    QVERIFY(program.messages.errors.isEmpty());
    QCOMPARE(program.row(1), SampleRadio::rowTexts(1));
    QVERIFY(!program.dialog->backupCheckBox()->isVisible());

    const QStringList saved = backups(program);
    QCOMPARE(saved.size(), 1);
    // The read's report names its backup.
    QVERIFY2(program.window->statusPanel()->text().endsWith(" — Backup saved: " + saved.first()),
             qPrintable(program.window->statusPanel()->text()));
    const QString savedPath = program.folder.filePath(QStringLiteral("saved.F19"));
    program.fileDialogs.saveAnswer = savedPath;
    QTest::mouseClick(program.dialog->exitButton(), Qt::LeftButton);
    program.window->menuPages()->saveButton()->button()->click();
    QCOMPARE(readAll(program.backupFolder() + QLatin1Char('/') + saved.first()),
             readAll(savedPath));
}

void TestSafeWriteProgram::readWhoseBackupCannotBeSavedStillReads()
{
    RunningProgram program(ProgramOptions::withRadio(SampleRadio::image()));
    blockBackupFolder(program);
    program.runFromMenu(program.window->menuPages()->readButton());
    QVERIFY(program.messages.errors.isEmpty());
    QVERIFY(program.messages.boxes.isEmpty());
    QCOMPARE(program.row(1), SampleRadio::rowTexts(1));
    QVERIFY2(program.window->statusPanel()->text().contains(" — Backup not saved: "),
             qPrintable(program.window->statusPanel()->text()));
}

void TestSafeWriteProgram::checkedWrites_data()
{
    QTest::addColumn<RadioFaults>("faults");
    QTest::addColumn<bool>("backupBox");
    QTest::addColumn<QStringList>("boxParts"); // empty: no box
    QTest::addColumn<bool>("written");         // whether any write request went out
    // The report of a verified write; empty for the endings that are not.
    QTest::addColumn<QString>("verified");
    // The box warns of something worth knowing after a success, rather than an error.
    QTest::addColumn<bool>("notice");

    const QString verified = QStringLiteral("Written and verified");
    QTest::newRow("stored as written")
        << RadioFaults{} << true << QStringList{} << true << verified << false;
    // Channel 1's flags byte F2 kept as 02, the settings' last byte FF as 00: the program
    // reads neither, so the write is verified, and both are named.
    RadioFaults unused;
    unused.keptDifferently = RadioFaults::KeptDifferently{MemoryMap::channelRecord(1) + 12, 0xF0};
    unused.alteredByte = RadioFaults::AlteredByte{MemoryMap::SettingsBlock + 7, 0x00};
    QTest::newRow("unused bytes kept differently")
        << unused << true
        << QStringList{"Written and verified, with 2 unused bytes kept differently",
                       "Channel 01, byte 12 (001C): written F2, the radio holds 02",
                       "Settings, byte 7 (03C7): written FF, the radio holds 00"}
        << true << QStringLiteral("Written and verified, with 2 unused bytes kept differently")
        << true;
    RadioFaults unstored;
    unstored.unstoredWriteAt = MemoryMap::channelRecord(EmptiedRow);
    QTest::newRow("channel acknowledged, not stored")
        << unstored << true
        << QStringList{"Channel 07, RX Freq: written \"462.56250\", the radio holds \"\""} << true
        << QString() << false;
    RadioFaults altered;
    altered.alteredByte = RadioFaults::AlteredByte{MemoryMap::SettingsBlock + 1, 0x02};
    QTest::newRow("settings byte stored differently")
        << altered << true << QStringList{"Squelch Level: written 5, the radio holds 2"} << true
        << QString() << false;
    const RadioFaults shortBand = RadioBeforeWrite::shortBandReply();
    QTest::newRow("backup read failing")
        << shortBand << true
        << QStringList{"could not be read for its backup", "nothing was written"} << false
        << QString() << false;
    QTest::newRow("read-back failing")
        << shortBand << false << QStringList{"The write finished", "could not be verified"} << true
        << QString() << false;
}

void TestSafeWriteProgram::checkedWrites()
{
    QFETCH(RadioFaults, faults);
    QFETCH(bool, backupBox);
    QFETCH(QStringList, boxParts);
    QFETCH(bool, written);
    QFETCH(QString, verified);
    QFETCH(bool, notice);
    ProgramOptions options = ProgramOptions::withRadio(previousImage(), faults);
    options.writeChecks = true;
    RunningProgram program(options);
    SampleRadio::fill(program.workspace());
    MenuPages& menu = *program.window->menuPages();
    menu.writeButton()->button()->click();
    QVERIFY(program.dialog->backupCheckBox()->isVisible());
    QVERIFY(program.dialog->backupCheckBox()->isChecked());
    QVERIFY(program.dialog->verifyCheckBox()->isChecked());
    if (!backupBox)
        clickBox(program.dialog->backupCheckBox());
    QTest::mouseClick(program.dialog->startButton(), Qt::LeftButton);
    QTRY_VERIFY_WITH_TIMEOUT(!program.dialog->session()->running(), 30'000);

    QVERIFY(program.messages.boxes.isEmpty());
    QCOMPARE(!program.radio.commands(RadioCommandKind::Write).isEmpty(), written);
    if (!verified.isEmpty()) {
        QVERIFY2(program.window->statusPanel()->text().endsWith(" — " + verified),
                 qPrintable(program.window->statusPanel()->text()));
        QCOMPARE(program.dialog->statusPanel()->text(), verified);
        QCOMPARE(program.dialog->progressBar()->value(), 100);
        QCOMPARE(backups(program).size(), 1);
        if (!faults.keptDifferently)
            QCOMPARE(program.radio.memory().image(), SampleRadio::image());
    } else {
        QVERIFY(!program.window->statusPanel()->text().contains("Written and verified"));
    }
    const QStringList& shown = notice ? program.messages.notices : program.messages.errors;
    const QStringList& notShown = notice ? program.messages.errors : program.messages.notices;
    QVERIFY(notShown.isEmpty());
    QCOMPARE(shown.size(), boxParts.isEmpty() ? 0 : 1);
    for (const QString& part : boxParts)
        QVERIFY2(shown.first().contains(part), qPrintable(shown.first()));
}

// A run that failed names its stage in the dialog in place of the percentage, says what it
// left behind under the buttons and leaves a warning in the main window's status bar; the
// next read or write that succeeds, whichever it is, takes both away. A write the user
// chose not to read back, and one verified with unused bytes kept otherwise, are
// successes.
void TestSafeWriteProgram::failuresStayVisible_data()
{
    QTest::addColumn<Run>("run");
    QTest::addColumn<RadioFaults>("faults");
    QTest::addColumn<bool>("paced");
    QTest::addColumn<bool>("backupsBlocked");
    QTest::addColumn<bool>("backupBox");
    QTest::addColumn<QString>("stage"); // empty: a success
    QTest::addColumn<QString>("detail");
    QTest::addColumn<QString>("warning");
    QTest::addColumn<Run>("clearedBy");

    const RadioFaults none;
    RadioFaults silent;
    silent.silent = true;
    RadioFaults doubled;
    doubled.doubledWriteAcknowledgement = true;
    RadioFaults stopsAtChannel7;
    stopsAtChannel7.noReplyAt = MemoryMap::channelRecord(EmptiedRow);
    RadioFaults unstored;
    unstored.unstoredWriteAt = MemoryMap::channelRecord(EmptiedRow);
    RadioFaults stuckSquelch;
    stuckSquelch.alteredByte = RadioFaults::AlteredByte{MemoryMap::SettingsBlock + 1, 0x02};
    RadioFaults keptOtherwise;
    keptOtherwise.keptDifferently =
        RadioFaults::KeptDifferently{MemoryMap::channelRecord(1) + 12, 0xF0};
    const RadioFaults shortBand = RadioBeforeWrite::shortBandReply();

    QTest::newRow("read, backups folder not writable")
        << Run::Read << none << false << true << true << "Failed at: Backup"
        << "The radio was read, but its backup could not be saved to "
        << "Last read: backup not saved" << Run::Read;
    QTest::newRow("read, radio silent")
        << Run::Read << silent << false << false << true << "Failed at: Read"
        << "The read stopped: the radio did not answer as it should. Nothing in the window has "
           "changed"
        << "Last read failed" << Run::Write;
    QTest::newRow("write, backups folder not writable")
        << Run::Write << none << false << true << true << "Failed at: Backup"
        << "Nothing was written: the radio's backup could not be saved to "
        << "Last write: nothing written" << Run::Write;
    QTest::newRow("write, backup read failing")
        << Run::Write << shortBand << false << false << true << "Failed at: Backup"
        << "Nothing was written: the radio could not be read for its backup"
        << "Last write: nothing written" << Run::Read;
    QTest::newRow("write, doubled acknowledgement")
        << Run::Write << doubled << true << false << true << "Failed at: Write"
        << "The write stopped: the radio did not answer as it should, and may be partly written"
        << "Last write stopped partway" << Run::Write;
    QTest::newRow("write, no answer at channel 7")
        << Run::Write << stopsAtChannel7 << false << false << false << "Failed at: Write"
        << "The write stopped"
        << "Last write stopped partway" << Run::WriteUnverified;
    QTest::newRow("write, channel 7 not stored")
        << Run::Write << unstored << false << false << true << "Failed at: Read-back"
        << "Written, but reading it back shows the radio holds something else: 8 differences"
        << "Last write: the radio holds something else" << Run::Write;
    QTest::newRow("write, squelch byte stuck")
        << Run::Write << stuckSquelch << false << false << true << "Failed at: Read-back"
        << "Written, but reading it back shows the radio holds something else: 1 difference"
        << "Last write: the radio holds something else" << Run::Read;
    QTest::newRow("write, read-back failing")
        << Run::Write << shortBand << false << false << false << "Failed at: Read-back"
        << "Written, but the radio could not be read back, so the write is not verified"
        << "Last write not verified" << Run::Read;
    QTest::newRow("write, unused byte kept otherwise")
        << Run::Write << keptOtherwise << false << false << true << QString() << QString()
        << QString() << Run::Read;
    QTest::newRow("write, read-back off")
        << Run::WriteUnverified << unstored << false << false << true << QString()
        << "Written, not verified: \"Verify after writing\" is off" << QString() << Run::Read;
}

void TestSafeWriteProgram::failuresStayVisible()
{
    QFETCH(Run, run);
    QFETCH(RadioFaults, faults);
    QFETCH(bool, paced);
    QFETCH(bool, backupsBlocked);
    QFETCH(bool, backupBox);
    QFETCH(QString, stage);
    QFETCH(QString, detail);
    QFETCH(QString, warning);
    QFETCH(Run, clearedBy);
    ProgramOptions options = ProgramOptions::withRadio(previousImage(), faults);
    options.writeChecks = true;
    RunningProgram program(options);
    program.radio.setPaced(paced);
    SampleRadio::fill(program.workspace());
    if (backupsBlocked)
        blockBackupFolder(program);
    if (!backupBox)
        clickBox(program.dialog->backupCheckBox());
    ReadWriteDialog& dialog = *program.dialog;
    TransferWarning& standing = *program.window->transferWarning();

    runCommand(program, run);
    if (stage.isEmpty()) {
        QCOMPARE(dialog.percentLabel()->text(), "100%");
        QVERIFY(dialog.outcomeLabel()->isHidden());
        QCOMPARE(dialog.statusPanel()->text().startsWith("Written"), run != Run::Read);
        if (!detail.isEmpty())
            QCOMPARE(dialog.statusPanel()->text(), detail);
        QVERIFY(standing.isHidden());
        return;
    }
    QCOMPARE(dialog.percentLabel()->text(), stage);
    QVERIFY(dialog.outcomeIcon()->isVisible());
    QVERIFY(dialog.outcomeLabel()->isVisible());
    QVERIFY2(dialog.outcomeLabel()->text().startsWith(detail),
             qPrintable(dialog.outcomeLabel()->text()));
    QVERIFY(standing.isVisible());
    QCOMPARE(standing.textLabel()->text(), warning);
    QCOMPARE(standing.toolTip(), stage + '\n' + dialog.outcomeLabel()->text());

    // Still there with the dialog closed, until a read or a write goes well.
    QTest::mouseClick(dialog.exitButton(), Qt::LeftButton);
    QVERIFY(standing.isVisible());
    program.radio.setFaults({});
    program.radio.setPaced(false);
    QFile::remove(program.backupFolder());
    runCommand(program, clearedBy);
    QCOMPARE(dialog.percentLabel()->text(), "100%");
    QVERIFY(dialog.outcomeIcon()->isHidden());
    QVERIFY(dialog.outcomeLabel()->isHidden());
    QVERIFY(standing.isHidden());
}

// The warning is no five-second report: later reports leave it standing, and it speaks the
// language the user switches to.
void TestSafeWriteProgram::warningOutlastsReportsAndFollowsTheLanguage()
{
    RunningProgram program(ProgramOptions::withRadio(SampleRadio::image()));
    blockBackupFolder(program);
    program.readOrWrite(program.window->menuPages()->readButton());
    TransferWarning& standing = *program.window->transferWarning();
    QVERIFY(standing.isVisible());
    QCOMPARE(standing.findChild<QLabel*>("transferWarningIcon")->pixmap().size(), QSize(16, 16));

    program.fileDialogs.answerBoth(program.folder.filePath(QStringLiteral("saved.F19")));
    program.window->menuPages()->saveButton()->button()->click();
    QCOMPARE(program.window->statusPanel()->text(), "Saved saved.F19");
    QVERIFY(standing.isVisible());

    program.window->localisation().switchLanguage(Language::Chinese);
    QCOMPARE(standing.textLabel()->text(), "上次读频：备份未保存");
    QVERIFY2(standing.toolTip().startsWith("失败环节：备份\n已读频，但无法将电台备份保存到 "),
             qPrintable(standing.toolTip()));
}

void TestSafeWriteProgram::boxesAreRememberedOnceChanged()
{
    ProgramOptions options;
    options.writeChecks = true;
    {
        RunningProgram untouched(options);
        QVERIFY(!untouched.exitAndReadSettingsFile().contains("safewrite"));
    }
    RunningProgram program(options);
    clickBox(program.dialog->verifyCheckBox());
    const QByteArray ini = program.exitAndReadSettingsFile();
    QVERIFY2(ini.contains("[safewrite]\nverify=0\n") && !ini.contains("backup="), ini.constData());
    program.start();
    QVERIFY(program.dialog->backupCheckBox()->isChecked());
    QVERIFY(!program.dialog->verifyCheckBox()->isChecked());
    clickBox(program.dialog->verifyCheckBox());
    QVERIFY(program.exitAndReadSettingsFile().contains("verify=1"));
}

void TestSafeWriteProgram::calibrationReadsAreLogged()
{
    QByteArray image = SampleRadio::image();
    image.replace(MemoryMap::PowerCalibration, 3, QByteArray::fromHex("4F3002"));
    RunningProgram program(ProgramOptions::withRadio(image));
    QCOMPARE(program.window->serviceCommands().readCalibration(), ServiceCommands::Outcome::Done);
    QCOMPARE(program.window->serviceCommands().readCalibration(), ServiceCommands::Outcome::Done);
    const QList<QByteArray> lines =
        readAll(program.backupFolder() + QStringLiteral("/calibration.log")).split('\n');
    QCOMPARE(lines.size(), 3);
    QVERIFY(lines[0].endsWith(" low power 79, high power 48, low voltage 2"));
    QCOMPARE(lines[1].mid(19), lines[0].mid(19));
    QVERIFY(lines[2].isEmpty());
}

// A low voltage byte that names no level: the page shows the position the read makes of it
// and says which byte the radio held, in the page's language, and the log keeps the byte. A
// read of a named level takes the warning away.
void TestSafeWriteProgram::lowVoltageByteOfNoLevelIsShown()
{
    QByteArray image = SampleRadio::image();
    image.replace(MemoryMap::PowerCalibration, 3, QByteArray::fromHex("4F3005"));
    RunningProgram program(ProgramOptions::withRadio(image));
    ServiceCommands& service = program.window->serviceCommands();
    QLabel* warning = program.window->powerPage()->lowVoltageWarning();
    QVERIFY(warning->isHidden());

    QCOMPARE(service.readCalibration(), ServiceCommands::Outcome::Done);
    QVERIFY(program.messages.boxes.isEmpty());
    QCOMPARE(program.window->powerPage()->lowVoltageBox()->currentIndex(), 1);
    QVERIFY(!warning->isHidden());
    QVERIFY2(warning->text().contains("05") && warning->text().contains("1"),
             qPrintable(warning->text()));
    program.window->powerPage()->setLanguage(Language::English);
    QCOMPARE(warning->text(),
             "The radio's low voltage byte is 05, which is none of the levels 00, 01 and 02; it "
             "is shown as 1. Check it before writing.");
    program.window->powerPage()->setLanguage(Language::Chinese);
    QCOMPARE(warning->text(), "电台的低电压字节为 05，不是规定的等级 00、01、02 之一；显示为 1。"
                              "写入前请核对。");

    RadioMemory memory = program.radio.memory();
    memory.write(MemoryMap::PowerCalibration + 2, QByteArray::fromHex("02"));
    program.radio.setMemory(memory);
    QCOMPARE(service.readCalibration(), ServiceCommands::Outcome::Done);
    QVERIFY(warning->isHidden());
    const QList<QByteArray> lines =
        readAll(program.backupFolder() + QStringLiteral("/calibration.log")).split('\n');
    QCOMPARE(lines.size(), 3);
    QVERIFY2(lines[0].endsWith(" low power 79, high power 48, low voltage 1 (byte 05, no defined "
                               "level)"),
             lines[0].constData());
    QVERIFY2(lines[1].endsWith(" low power 79, high power 48, low voltage 2"),
             lines[1].constData());
}

void TestSafeWriteProgram::openStartsInTheBackupsUntilAFileIsOpened()
{
    RunningProgram program;
    MenuPages& menu = *program.window->menuPages();
    // No backups folder yet: the dialog starts where it would.
    menu.openButton()->button()->click();
    QCOMPARE(program.fileDialogs.openStartFolder, QString());
    QVERIFY(QDir().mkpath(program.backupFolder()));
    menu.openButton()->button()->click();
    QCOMPARE(program.fileDialogs.openStartFolder, program.backupFolder());
    program.fileDialogs.openAnswer = program.folder.filePath(QStringLiteral("none.F19"));
    menu.openButton()->button()->click();
    program.fileDialogs.openAnswer.reset();
    menu.openButton()->button()->click();
    QCOMPARE(program.fileDialogs.openStartFolder, QString());
}

void TestSafeWriteProgram::oldBackupsGoAtStartUp()
{
    RunningProgram program;
    QVERIFY(QDir().mkpath(program.backupFolder()));
    const QDateTime old = QDateTime::currentDateTime().addDays(-400);
    const QString oldBackup = program.backupFolder() + QStringLiteral("/") +
                              old.toString(QStringLiteral("yyyy-MM-dd_HH-mm-ss")) +
                              QStringLiteral(".F19");
    const QString usersFile = program.backupFolder() + QStringLiteral("/radio.F19");
    for (const QString& path : {oldBackup, usersFile}) {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        QVERIFY(file.setFileTime(old, QFileDevice::FileModificationTime));
    }
    program.start();
    QVERIFY(!QFile::exists(oldBackup));
    QVERIFY(QFile::exists(usersFile));
}

// The dialog's write to every connected radio, with four radios of which one is switched
// off: a row per radio with its bar and result, the count in the status line, one box for
// the failure, a row per radio in the fleet log, and the chosen port open again after.
void TestSafeWriteProgram::writeToEveryConnectedRadio()
{
    ProgramOptions options = ProgramOptions::withRadio(previousImage());
    options.writeChecks = true;
    RunningProgram program(options);
    FleetRadios more;
    QVERIFY(more.start(3, previousImage()));
    for (int index = 0; index < 3; ++index)
        program.folder.mapComPort(index + 2, more.radio(index).slavePath());
    RadioFaults silent;
    silent.silent = true;
    more.radio(1).setFaults(silent); // COM3
    SampleRadio::fill(program.workspace());

    program.window->menuPages()->writeButton()->button()->click();
    ReadWriteDialog& dialog = *program.dialog;
    QCheckBox* everyRadio = dialog.everyRadioCheckBox();
    QVERIFY(everyRadio->isVisible());
    QVERIFY(!everyRadio->isChecked());
    QCOMPARE(everyRadio->text(), QStringLiteral("Write to every connected radio"));
    clickBox(everyRadio);
    QTest::mouseClick(dialog.startButton(), Qt::LeftButton);
    QTRY_VERIFY_WITH_TIMEOUT(!dialog.session()->running(), 60'000);

    RadioProgressRows& rows = *dialog.radioRows();
    QVERIFY(rows.isVisible());
    QCOMPARE(rows.count(), 4);
    for (int row = 0; row < 4; ++row) {
        QCOMPARE(rows.nameLabel(row)->text(), QStringLiteral("COM%1").arg(row + 1));
        const bool faulty = row == 2;
        QCOMPARE(rows.resultLabel(row)->text(),
                 faulty ? QStringLiteral("the radio did not answer; nothing was written")
                        : QStringLiteral("written and verified"));
        if (!faulty)
            QCOMPARE(rows.progressBar(row)->value(), 100);
    }
    QCOMPARE(dialog.statusPanel()->text(),
             QStringLiteral("Radios written: 3, verified: 3, failed: 1"));
    QCOMPARE(program.messages.errors.size(), 1);
    QVERIFY2(
        program.messages.errors.first().startsWith(
            QStringLiteral("COM3 (%1): the radio did not answer").arg(more.radio(1).slavePath())),
        qPrintable(program.messages.errors.first()));
    QCOMPARE(program.radio.memory().read(0, 1024), SampleRadio::image());
    QCOMPARE(more.radio(0).memory().read(0, 1024), SampleRadio::image());
    QCOMPARE(more.radio(1).memory().read(0, 1024), previousImage());
    QCOMPARE(more.radio(2).memory().read(0, 1024), SampleRadio::image());
    QCOMPARE(backups(program).size(), 3);
    QVERIFY(program.window->serialPort().isOpen());

    QCOMPARE(fleetLogResults(FleetLog::standard().path()),
             (QStringList{"COM1 verified", "COM2 verified", "COM3 no answer", "COM4 verified"}));

    // A write to the one radio again leaves the rows.
    clickBox(everyRadio);
    QTest::mouseClick(dialog.startButton(), Qt::LeftButton);
    QTRY_VERIFY_WITH_TIMEOUT(!dialog.session()->running(), 60'000);
    QVERIFY(!rows.isVisible());
}

QTEST_MAIN(TestSafeWriteProgram)
#include "tst_safewriteprogram.moc"
