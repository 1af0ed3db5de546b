#include "app/IconButton.h"
#include "app/MainWindow.h"
#include "app/MenuPages.h"
#include "link/MemoryMap.h"
#include "link/ReadWriteDialog.h"
#include "link/ReadWriteSession.h"
#include "service/PowerPage.h"
#include "service/ServiceCommands.h"

#include "RadioBeforeWrite.h"
#include "support/FileBytes.h"
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
} // namespace

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
    void boxesAreRememberedOnceChanged();
    void calibrationReadsAreLogged();
    void lowVoltageByteOfNoLevelIsShown();
    void openStartsInTheBackupsUntilAFileIsOpened();
    void oldBackupsGoAtStartUp();
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
    QTest::addColumn<QStringList>("errorParts"); // empty: no error box
    QTest::addColumn<bool>("written");           // whether any write request went out
    // The report of a verified write; empty for the endings that are not.
    QTest::addColumn<QString>("verified");

    const QString verified = QStringLiteral("Written and verified");
    QTest::newRow("stored as written")
        << RadioFaults{} << true << QStringList{} << true << verified;
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
        << true << QStringLiteral("Written and verified, with 2 unused bytes kept differently");
    RadioFaults unstored;
    unstored.unstoredWriteAt = MemoryMap::channelRecord(EmptiedRow);
    QTest::newRow("channel acknowledged, not stored")
        << unstored << true
        << QStringList{"Channel 07, RX Freq: written \"462.56250\", the radio holds \"\""} << true
        << QString();
    RadioFaults altered;
    altered.alteredByte = RadioFaults::AlteredByte{MemoryMap::SettingsBlock + 1, 0x02};
    QTest::newRow("settings byte stored differently")
        << altered << true
        << QStringList{"Setting Squelch Level: written position 5, the radio holds position 2"}
        << true << QString();
    const RadioFaults shortBand = RadioBeforeWrite::shortBandReply();
    QTest::newRow("backup read failing")
        << shortBand << true
        << QStringList{"could not be read for its backup", "nothing was written"} << false
        << QString();
    QTest::newRow("read-back failing")
        << shortBand << false << QStringList{"The write finished", "could not be verified"} << true
        << QString();
}

void TestSafeWriteProgram::checkedWrites()
{
    QFETCH(RadioFaults, faults);
    QFETCH(bool, backupBox);
    QFETCH(QStringList, errorParts);
    QFETCH(bool, written);
    QFETCH(QString, verified);
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
    QCOMPARE(program.messages.errors.size(), errorParts.isEmpty() ? 0 : 1);
    for (const QString& part : errorParts)
        QVERIFY2(program.messages.errors.first().contains(part),
                 qPrintable(program.messages.errors.first()));
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

QTEST_MAIN(TestSafeWriteProgram)
#include "tst_safewriteprogram.moc"
