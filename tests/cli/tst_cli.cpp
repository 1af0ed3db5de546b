#include "files/ChannelFileWriter.h"
#include "workspace/Localisation.h"
#include "workspace/Workspace.h"

#include "CliRun.h"
#include "files/CsvRecords.h"
#include "support/ChannelFileRows.h"
#include "support/FileBytes.h"
#include "support/FleetLogResults.h"
#include "support/FleetRadios.h"
#include "support/HeldPort.h"
#include "support/LockFile.h"
#include "support/PseudoTerminal.h"
#include "support/SampleRadio.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <QTest>

#include <csignal>

namespace {

constexpr int CalibrationAddress = 0x03C8;

QList<QStringList> sampleChannels()
{
    QList<QStringList> rows;
    for (int row = Row::FirstChannel; row <= Row::LastChannel; ++row)
        rows << SampleRadio::rowTexts(row);
    return rows;
}

// A channel file in English with the start-up settings and only channels a channel list
// can carry (in the band, tones of the radio's list), each on its own channel: channels 4
// and 16, outside the band, are left empty.
QByteArray representableChannelFile(const QString& programFolder)
{
    Workspace workspace;
    Localisation(workspace, programFolder).switchLanguage(Language::English);
    workspace.bands.append(SampleRadio::Band);
    workspace.bands.select(0);
    for (const SampleRadio::Channel& channel : SampleRadio::channels()) {
        if (channel.row == 4 || channel.row == 16)
            continue; // outside the band
        for (int column = Column::FirstField; column <= Column::LastField; ++column)
            workspace.table.setText(channel.row, column,
                                    channel.texts.value(column - Column::FirstField));
    }
    return ChannelFileWriter(workspace).contents();
}

// The channel file cut short in the middle of channel 2's line, as a copy broken off.
QByteArray cutShort(const QByteArray& channelFile)
{
    return channelFile.left(channelFile.indexOf("\r\nCH02 | ") + 10);
}

QByteArray withChannelOneHigh(QByteArray channelFile)
{
    return channelFile.replace("CH01 | 435.12500 | 131.8 | 436.02500 | D023N | Low |",
                               "CH01 | 435.12500 | 131.8 | 436.02500 | D023N | High |");
}

// a.F19 and a.csv with the same channels, and b.F19 with channel 1 at high power.
void writeChannelFiles(const CliRun& run)
{
    const QByteArray channelFile = representableChannelFile(run.program().path());
    writeAll(run.file(QStringLiteral("a.F19")), channelFile);
    writeAll(run.file(QStringLiteral("b.F19")), withChannelOneHigh(channelFile));
    QCOMPARE(run.run({"convert", "a.F19", "a.csv", "-q"}).status, 0);
}

// Starts the radio, silent or not, with COM2 leading to no device, and junk.F19 (no channel
// file) beside the files writeChannelFiles() makes.
void startWithFiles(CliRun& run, bool silentRadio)
{
    RadioFaults faults;
    faults.silent = silentRadio;
    run.radio().setFaults(faults);
    QVERIFY(run.start());
    run.program().mapComPort(2, QStringLiteral("/nonexistent/ttyQV0"));
    writeAll(run.file(QStringLiteral("junk.F19")), "hello\r\n");
    writeChannelFiles(run);
}

// Channel lists for list.csv, whose rows name their channels.
namespace Lists {
const QByteArray Header = "Location,Frequency,Tone,rToneFreq\r\n";
const QByteArray Good = Header + "1,440.5,,\r\n2,441.5,,\r\n";
const QByteArray OutsideBand = Good + "3,146.52,,\r\n";
const QByteArray NoSuchTone = Good + "3,442.5,Tone,88.4\r\n";
const QString NoSuchToneRow =
    "list.csv, row 4: the tone \"88.4\" (rToneFreq) is not a tone of this radio";
const QByteArray LocationZero = Header + "0,440.5,,\r\n1,441.5,,\r\n";
const QString LocationZeroError =
    "qv3307-cli: list.csv, row 2: the Location \"0\" is not a channel from 1 to 16; the list "
    "may be for another radio: give --in-file-order to fill channels 1 to 16 in the list's order";
} // namespace Lists

RadioFaults slowRadio(bool silent)
{
    RadioFaults faults;
    faults.replyDelayMs = 60;
    faults.silent = silent;
    return faults;
}

} // namespace

class CliTest : public QObject
{
    Q_OBJECT

private slots:
    void exitStatuses_data();
    void exitStatuses();
    void readPrintsTheRadio();
    void readSavesAFile_data();
    void readSavesAFile();
    void progressOnlyOnATerminal();
    void channelListRoundTrip();
    void calibrationWriteThenRead();
    void portsNamesWhereEachComPortLeads();
    void writeIsChecked_data();
    void writeIsChecked();
    void writeWhoseReadBackDiffers();
    void writeWhoseReadBackFails();
    void writeAcknowledgedTwiceFails_data();
    void writeAcknowledgedTwiceFails();
    void writeWithUnusedBytesKeptDifferently();
    void fileWhereTheBackupsFolderShouldBe_data();
    void fileWhereTheBackupsFolderShouldBe();
    void calibrationReadOfALowVoltageByteOfNoLevel();
    void channelListWriteKeepsTheRadiosSettings();
    void defaultLanguageFollowsTheInstallersLog();
    void verifyListsDifferences();
    void repeatWritesRadioAfterRadio_data();
    void repeatWritesRadioAfterRadio();
    void listRowsThatDoNotFitStopTheCommand_data();
    void listRowsThatDoNotFitStopTheCommand();
    void stopSignalEndsTheRunInOrder_data();
    void stopSignalEndsTheRunInOrder();
    void secondStopSignalEndsAtOnce();
    void stopSignalAtTheNextRadioPrompt();
    void fleetWriteFourRadiosOneFaulty();
    void fleetVerifyAndRead();
    void fleetRepeatRoundByRound();
    void fleetStopSignalStopsEveryRadio();
    void outputThatCannotBeWritten_data();
    void outputThatCannotBeWritten();
    void standardInputStandsForAFile_data();
    void standardInputStandsForAFile();
    void standardOutputStandsForAFile_data();
    void standardOutputStandsForAFile();
    void relativeDataHomeIsIgnored();
    void jsonDocumentOnStandardOutput_data();
    void jsonDocumentOnStandardOutput();
    void jsonReadShowsProgressOnStandardError();
    void dryRunSendsNothing_data();
    void dryRunSendsNothing();
};

void CliTest::exitStatuses_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<bool>("silentRadio");
    QTest::addColumn<int>("status");
    // The first line of the output for status 0 and 1, of the error output otherwise.
    QTest::addColumn<QString>("firstLine");

    const auto row = [](const char* name, QStringList arguments, bool silent, int status,
                        const QString& line) {
        QTest::newRow(name) << (arguments << QStringLiteral("--language")
                                          << QStringLiteral("english"))
                            << silent << status << line;
    };
    row("version", {"--version"}, false, 0, "qv3307-cli 1.0.0");
    row("help of a command", {"read", "--help"}, false, 0,
        "Usage: qv3307-cli read --port PORT [-o FILE | --json]");
    row("help of both calibration commands", {"calibration", "--help"}, false, 0,
        "Usage: qv3307-cli calibration read --port PORT [--json]");
    row("read", {"read", "--port", "COM1"}, false, 0, "Band: 400-470MHz");
    row("read by device path", {"read", "--port", "DEVICE"}, false, 0, "Band: 400-470MHz");
    row("files without differences", {"diff", "a.F19", "a.csv"}, false, 0, "");
    row("files with a difference", {"diff", "a.F19", "b.F19"}, false, 1,
        "Channel 01, Power: \"Low\" in a.F19, \"High\" in b.F19");
    row("no command", {}, false, 2, "qv3307-cli: no command given; see qv3307-cli --help");
    row("unknown command", {"erase"}, false, 2,
        "qv3307-cli: unknown command \"erase\"; see qv3307-cli --help");
    row("no port", {"read"}, false, 2,
        "qv3307-cli: read needs --port COM1 to COM4 or a device path; see qv3307-cli read "
        "--help");
    row("unknown option", {"read", "--port", "COM1", "--fast"}, false, 2,
        "qv3307-cli: unknown option --fast; see qv3307-cli read --help");
    row("option of another command", {"read", "--port", "COM1", "--repeat"}, false, 2,
        "qv3307-cli: an option given does not belong to read; see qv3307-cli read --help");
    row("port beyond COM4", {"read", "--port", "COM5"}, false, 2,
        "qv3307-cli: \"COM5\" is not a port; give COM1 to COM4 or a device path such as "
        "/dev/ttyUSB0");
    row("calibration without read or write", {"calibration", "--port", "COM1"}, false, 2,
        "qv3307-cli: calibration needs read or write; see qv3307-cli --help");
    row("power beyond a byte",
        {"calibration", "write", "--port", "COM1", "--low", "256", "--high", "1", "--low-voltage",
         "1"},
        false, 2,
        "qv3307-cli: --low takes a whole number from 0 to 255, not \"256\"; see qv3307-cli "
        "calibration write --help");
    row("missing device", {"read", "--port", "COM2"}, false, 3,
        "qv3307-cli: COM2 (PROGRAM/dosdevices/com2): the port cannot be opened. Cause: the "
        "device PROGRAM/dosdevices/com2 does not exist. The cable is not plugged in, or the "
        "port leads to another device.");
    // The device the user named, not some path of the program's own.
    row("missing device by path", {"read", "--port", "/nonexistent/ttyQV9"}, false, 3,
        "qv3307-cli: /nonexistent/ttyQV9: the port cannot be opened. Cause: the device "
        "/nonexistent/ttyQV9 does not exist. The cable is not plugged in, or the port leads to "
        "another device.");
    row("silent radio", {"read", "--port", "COM1"}, true, 4,
        "qv3307-cli: COM1 (DEVICE): the transfer failed. Cause: the port DEVICE opened, but the "
        "radio did not answer. Check that the radio is switched on with a charged battery, that "
        "the plug is pushed fully into the radio, and that this is the radio's programming "
        "cable.");
    row("silent radio, calibration", {"calibration", "read", "--port", "COM1"}, true, 4,
        "qv3307-cli: COM1 (DEVICE): the transfer failed. Cause: the port DEVICE opened, but the "
        "radio did not answer. Check that the radio is switched on with a charged battery, that "
        "the plug is pushed fully into the radio, and that this is the radio's programming "
        "cable.");
    // Not a serial port, however many programs hold /dev/null open.
    row("a device that is no serial port", {"read", "--port", "/dev/null"}, false, 3,
        "qv3307-cli: /dev/null: the port cannot be opened. Cause: /dev/null is not a serial "
        "port. Give the cable's device with --port; qv3307-cli ports lists the serial devices.");
    row("output of no known kind", {"read", "--port", "COM1", "-o", "radio.txt"}, false, 5,
        "qv3307-cli: radio.txt: not a channel file; give a .F19 channel file or a .csv "
        "channel list");
    row("missing file", {"convert", "missing.F19", "out.csv"}, false, 5,
        "qv3307-cli: missing.F19: there is no such file");
    row("missing folder", {"convert", "a.F19", "nowhere/out.csv"}, false, 5,
        "qv3307-cli: nowhere/out.csv: the folder nowhere does not exist");
    row("not a channel file", {"convert", "junk.F19", "out.csv"}, false, 5,
        "qv3307-cli: junk.F19, line 4: the file ends after line 1; this line should hold a "
        "language code (1 Chinese, 2 English)");
    row("write of no channel file", {"write", "junk.F19", "--port", "COM1"}, false, 5,
        "qv3307-cli: junk.F19, line 4: the file ends after line 1; this line should hold a "
        "language code (1 Chinese, 2 English)");
    row("verify of no channel list", {"verify", "junk.csv", "--port", "COM1"}, false, 5,
        "qv3307-cli: junk.csv, row 1: the header line has no \"Frequency\" column; it reads "
        "\"hello\"");
    row("not a channel list", {"convert", "junk.csv", "out.F19"}, false, 5,
        "qv3307-cli: junk.csv, row 1: the header line has no \"Frequency\" column; it reads "
        "\"hello\"");
    const QString cut = "qv3307-cli: cut.F19, line 19: the file is cut short: it ends in the "
                        "middle of this line, which should hold a whole channel line, ending in "
                        "\" | \"";
    row("convert of a channel file cut short", {"convert", "cut.F19", "out.csv"}, false, 5, cut);
    row("write of a channel file cut short", {"write", "cut.F19", "--port", "COM1"}, false, 5, cut);
    row("verify of a channel file cut short", {"verify", "cut.F19", "--port", "COM1"}, false, 5,
        cut);
}

void CliTest::exitStatuses()
{
    QFETCH(QStringList, arguments);
    QFETCH(bool, silentRadio);
    QFETCH(int, status);
    QFETCH(QString, firstLine);

    CliRun run(SampleRadio::image());
    startWithFiles(run, silentRadio);
    if (QTest::currentTestFailed())
        return;
    writeAll(run.file(QStringLiteral("junk.csv")), "hello\r\n");
    writeAll(run.file(QStringLiteral("cut.F19")),
             cutShort(readAll(run.file(QStringLiteral("a.F19")))));
    arguments.replaceInStrings(QStringLiteral("DEVICE"), run.radio().slavePath());
    firstLine.replace(QStringLiteral("DEVICE"), run.radio().slavePath());
    firstLine.replace(QStringLiteral("PROGRAM"), run.program().path());

    const CliRun::Outcome outcome = run.run(arguments);
    QCOMPARE(outcome.status, status);
    // What a command found goes to the output, failures and notes to the error output.
    const bool found = status == 0 || status == 1;
    QCOMPARE(found ? outcome.firstOutLine() : outcome.firstErrLine(), firstLine);
    if (found)
        QVERIFY2(!outcome.err.contains("qv3307-cli:"), outcome.err.constData());
    else
        QVERIFY(outcome.out.isEmpty());
    // A wrong command line or file is refused before any byte goes to the radio.
    if (status == 2 || status == 5)
        QCOMPARE(run.radio().received(), QByteArray());
}

void CliTest::readPrintsTheRadio()
{
    CliRun run(SampleRadio::image());
    QVERIFY(run.start());
    const CliRun::Outcome outcome =
        run.run({"read", "--port", "COM1", "--language", "english", "-q"});
    QCOMPARE(outcome.status, 0);
    const QStringList lines = QString::fromUtf8(outcome.out).split(QLatin1Char('\n'));
    QCOMPARE(lines.value(2).simplified(),
             QStringLiteral("CH RX Freq RX Tone TX Freq TX Tone Power Wideband Busy Lock "
                            "Scramble"));
    for (int row = Row::FirstChannel; row <= Row::LastChannel; ++row) {
        const QString expected =
            (QStringList{QStringLiteral("%1").arg(row, 2, 10, QLatin1Char('0'))} +
             SampleRadio::rowTexts(row))
                .join(QLatin1Char(' '))
                .simplified();
        QCOMPARE(lines.value(2 + row).simplified(), expected);
    }
    QVERIFY(lines.contains(QStringLiteral("Squelch Level           5")));
    QVERIFY(lines.contains(QStringLiteral("VOX Inhibit on Receive  ON")));
}

void CliTest::readSavesAFile_data()
{
    QTest::addColumn<QString>("name");
    QTest::newRow("channel file") << QStringLiteral("radio.F19");
    QTest::newRow("channel list") << QStringLiteral("radio.csv");
}

void CliTest::readSavesAFile()
{
    QFETCH(QString, name);
    CliRun run(SampleRadio::image());
    QVERIFY(run.start());
    const CliRun::Outcome outcome =
        run.run({"read", "--port", "COM1", "-o", name, "--language", "english"});
    QCOMPARE(outcome.status, 0);
    QVERIFY(outcome.out.isEmpty());
    const QStringList notes = QString::fromUtf8(outcome.err).trimmed().split(QLatin1Char('\n'));
    QCOMPARE(notes.size(), 2);
    QCOMPARE(notes.at(1), QStringLiteral("Saved ") + name);

    // Every complete read is kept as a channel file in the language in use.
    const QStringList backups = QDir(run.backupFolder()).entryList(QDir::Files);
    QCOMPARE(backups.size(), 1);
    QCOMPARE(notes.at(0),
             QStringLiteral("Backup saved: %1/%2").arg(run.backupFolder(), backups.at(0)));
    const QByteArray backup = readAll(run.backupFolder() + QLatin1Char('/') + backups.at(0));
    QCOMPARE(channelsOf(backup), sampleChannels());

    const QByteArray saved = readAll(run.file(name));
    if (name.endsWith(QLatin1String(".F19"))) {
        QCOMPARE(saved, backup);
        return;
    }
    // One line per channel with a receive frequency, after the header.
    const QList<QByteArray> lines = saved.trimmed().split('\n');
    QCOMPARE(lines.size(), 1 + SampleRadio::channels().size());
    QVERIFY(lines.at(0).startsWith("Location,Name,Frequency,Duplex,Offset,Tone"));
    QVERIFY(lines.at(1).startsWith("1,,435.125000,+,0.900000,"));
}

void CliTest::progressOnlyOnATerminal()
{
    CliRun run(SampleRadio::image());
    QVERIFY(run.start());
    const QString output = run.file(QStringLiteral("radio.F19"));

    const CliRun::Outcome piped = run.run({"read", "--port", "COM1", "-o", output});
    QCOMPARE(piped.status, 0);
    QVERIFY2(!piped.err.contains('%'), piped.err.constData());

    PseudoTerminal terminal;
    QVERIFY(terminal.isValid());
    const CliRun::Outcome shown =
        run.run({"read", "--port", "COM1", "-o", output}, {}, terminal.slavePath());
    QCOMPARE(shown.status, 0);
    QByteArray shownProgress;
    QTRY_VERIFY2((shownProgress += terminal.readAvailable()).contains("100%"),
                 shownProgress.constData());

    const CliRun::Outcome quiet =
        run.run({"read", "--port", "COM1", "-o", output, "-q"}, {}, terminal.slavePath());
    QCOMPARE(quiet.status, 0);
    QTest::qWait(100);
    QCOMPARE(terminal.readAvailable(), QByteArray());
}

// A channel file whose channels a channel list can carry comes back byte for byte, since
// it has the start-up settings and the band a channel file made from a list gets; its
// empty channel 4 stays where it is.
void CliTest::channelListRoundTrip()
{
    CliRun run(SampleRadio::image());
    QVERIFY(run.start());
    const QByteArray original = representableChannelFile(run.program().path());
    writeAll(run.file(QStringLiteral("a.F19")), original);

    const QStringList english = {"--language", "english"};
    QCOMPARE(run.run(QStringList{"convert", "a.F19", "a.csv"} + english).status, 0);
    QCOMPARE(run.run(QStringList{"convert", "a.csv", "b.F19"} + english).status, 0);
    QCOMPARE(QString::fromLatin1(readAll(run.file(QStringLiteral("b.F19")))).split("\r\n"),
             QString::fromLatin1(original).split("\r\n"));
    QCOMPARE(run.run(QStringList{"convert", "b.F19", "b.csv"} + english).status, 0);
    QCOMPARE(readAll(run.file(QStringLiteral("b.csv"))),
             readAll(run.file(QStringLiteral("a.csv"))));
    QVERIFY(original.contains("\r\nCH04 |  |"));
    QCOMPARE(readAll(run.file(QStringLiteral("b.F19"))), original);
}

void CliTest::calibrationWriteThenRead()
{
    CliRun run(SampleRadio::image());
    QVERIFY(run.start());
    const CliRun::Outcome written =
        run.run({"calibration", "write", "--port", "COM1", "--low", "100", "--high", "200",
                 "--low-voltage", "2", "--language", "english", "-q"});
    QCOMPARE(written.status, 0);
    // Nothing waits for the radio to take the values.
    QTRY_COMPARE(run.radio().memory().read(CalibrationAddress, 3), QByteArray::fromHex("64C802"));

    const CliRun::Outcome read =
        run.run({"calibration", "read", "--port", "COM1", "--language", "english"});
    QCOMPARE(read.status, 0);
    QCOMPARE(QString::fromUtf8(read.out),
             QStringLiteral("Low Power: 100\nHigh Power: 200\nLow Voltage: 2\n"));
    // The values are also kept in the backups folder's log.
    const QByteArray log = readAll(run.backupFolder() + QStringLiteral("/calibration.log"));
    QCOMPARE(log.count('\n'), 1);
    QVERIFY2(log.contains("low power 100, high power 200, low voltage 2"), log.constData());
}

void CliTest::portsNamesWhereEachComPortLeads()
{
    CliRun run(SampleRadio::image());
    QVERIFY(run.start());
    run.program().mapComPort(2, QStringLiteral("/nonexistent/ttyQV0"));
    const CliRun::Outcome outcome = run.run({"ports", "--language", "english"});
    QCOMPARE(outcome.status, 0);
    const QStringList lines = QString::fromUtf8(outcome.out).split(QLatin1Char('\n'));
    QVERIFY2(lines.contains(QStringLiteral("COM1 -> ") + run.radio().slavePath()),
             outcome.out.constData());
    QVERIFY2(
        lines.contains(
            QStringLiteral("COM2 -> %1/dosdevices/com2 (not present)").arg(run.program().path())),
        outcome.out.constData());
}

void CliTest::writeIsChecked_data()
{
    QTest::addColumn<QStringList>("options");
    QTest::addColumn<int>("backups");
    // Each stage is a programming session of its own, ended by the exit command.
    QTest::addColumn<int>("sessions");
    QTest::addColumn<QString>("lastNote");

    QTest::newRow("backup and verify") << QStringList{} << 1 << 3 << "Written and verified";
    QTest::newRow("no backup") << QStringList{"--no-backup"} << 0 << 2 << "Written and verified";
    QTest::newRow("no verify") << QStringList{"--no-verify"} << 1 << 2 << "Written";
    QTest::newRow("neither") << QStringList{"--no-backup", "--no-verify"} << 0 << 1 << "Written";
}

void CliTest::writeIsChecked()
{
    QFETCH(QStringList, options);
    QFETCH(int, backups);
    QFETCH(int, sessions);
    QFETCH(QString, lastNote);

    CliRun run(SampleRadio::image());
    QVERIFY(run.start());
    writeChannelFiles(run);
    const CliRun::Outcome outcome =
        run.run(QStringList{"write", "b.F19", "--port", "COM1", "--language", "english"} + options);
    QCOMPARE(outcome.status, 0);
    QCOMPARE(QString::fromUtf8(outcome.err).trimmed().section(QLatin1Char('\n'), -1), lastNote);
    // The last exit command may still be on its way to the radio when the command ends.
    QTRY_COMPARE(run.radio().commands(RadioCommandKind::Exit).size(), sessions);
    const QStringList saved = QDir(run.backupFolder()).entryList(QDir::Files);
    QCOMPARE(saved.size(), backups);
    if (backups == 1) // what the radio held before
        QCOMPARE(channelsOf(readAll(run.backupFolder() + QLatin1Char('/') + saved.at(0))),
                 sampleChannels());

    QCOMPARE(run.run({"read", "--port", "COM1", "-o", "after.F19", "-q"}).status, 0);
    QCOMPARE(channelsOf(readAll(run.file(QStringLiteral("after.F19")))),
             channelsOf(readAll(run.file(QStringLiteral("b.F19")))));
}

// A radio that acknowledges channel 1's second block without storing it keeps its low power.
void CliTest::writeWhoseReadBackDiffers()
{
    CliRun run(SampleRadio::image());
    RadioFaults faults;
    faults.unstoredWriteAt = 0x18;
    run.radio().setFaults(faults);
    QVERIFY(run.start());
    writeChannelFiles(run);
    const CliRun::Outcome outcome =
        run.run({"write", "b.F19", "--port", "COM1", "--language", "english", "-q"});
    QCOMPARE(outcome.status, 1);
    QCOMPARE(QString::fromUtf8(outcome.out),
             QStringLiteral("Channel 01, Power: \"High\" in b.F19, \"Low\" in the radio\n"));
    QCOMPARE(outcome.firstErrLine(),
             QStringLiteral("qv3307-cli: COM1 (%1): the radio was written, but reading it back "
                            "shows 1 difference from b.F19; write it again")
                 .arg(run.radio().slavePath()));
}

// The radio hangs up once the write is through, during the hello of the read-back.
void CliTest::writeWhoseReadBackFails()
{
    CliRun run(SampleRadio::image());
    RadioFaults faults;
    faults.hangUpAfter = int(SampleRadio::writeFromProgram(SampleRadio::image()).size()) + 2;
    run.radio().setFaults(faults);
    QVERIFY(run.start());
    writeChannelFiles(run);
    const CliRun::Outcome outcome =
        run.run({"write", "b.F19", "--port", "COM1", "--no-backup", "--language", "english", "-q"});
    QCOMPARE(outcome.status, 4);
    QCOMPARE(outcome.firstErrLine(),
             QStringLiteral("qv3307-cli: COM1 (%1): The write finished, but the radio could not "
                            "be read back, so it could not be verified. Read the radio to see "
                            "what it holds")
                 .arg(run.radio().slavePath()));
    QCOMPARE(run.radio().commands(RadioCommandKind::Write).size(),
             SampleRadio::writeAddresses().size());
}

// A radio that answers each write with 06 06 on a 9600-baud line: the second 06 would pass
// for the next block's acknowledgement. The write stops, verified or not. (The backup read
// shows the program the line's pace, byte by byte, however busy the machine.)
void CliTest::writeAcknowledgedTwiceFails_data()
{
    QTest::addColumn<QStringList>("options");
    QTest::newRow("backup and verify") << QStringList{};
    QTest::newRow("no verify") << QStringList{"--no-verify"};
}

void CliTest::writeAcknowledgedTwiceFails()
{
    QFETCH(QStringList, options);
    CliRun run(SampleRadio::image());
    RadioFaults faults;
    faults.doubledWriteAcknowledgement = true;
    run.radio().setFaults(faults);
    run.radio().setPaced(true);
    QVERIFY(run.start());
    writeChannelFiles(run);
    const CliRun::Outcome outcome = run.run(
        QStringList{"write", "b.F19", "--port", "COM1", "--language", "english", "-q"} + options);
    QCOMPARE(outcome.status, 4);
    QVERIFY2(outcome.err.contains("The write stopped half way: only part of the radio has been "
                                  "written; write it again."),
             outcome.err.constData());
    QVERIFY(!outcome.err.contains("Written"));
    // The radio answered, with a byte too many: nothing sends the user to its battery.
    QVERIFY2(outcome.err.contains("the transfer failed. Cause: something answered on"),
             outcome.err.constData());
    QVERIFY(!outcome.err.contains("battery"));
    QVERIFY(run.radio().commands(RadioCommandKind::Write).size() <= 2);
}

// A file stands where the backups folder should be: a write stops before its first byte
// and a read only warns, each naming that file, in the language asked for.
void CliTest::fileWhereTheBackupsFolderShouldBe_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("writeRefused");
    QTest::addColumn<QString>("readWarning");
    QTest::newRow("english") << "english"
                             << "(BACKUPS is a file where a folder should be), so nothing was "
                                "written; put that right, or write with --no-backup"
                             << "qv3307-cli: Backup not saved: BACKUPS is a file where a folder "
                                "should be";
    QTest::newRow("chinese") << "chinese"
                             << QStringLiteral("（BACKUPS 是文件，而此处应为文件夹），因此未写入"
                                               "任何数据；请先解决此问题，或用 --no-backup 写频")
                             << QStringLiteral("qv3307-cli: 备份未保存：BACKUPS 是文件，而此处"
                                               "应为文件夹");
}

void CliTest::fileWhereTheBackupsFolderShouldBe()
{
    QFETCH(QString, language);
    QFETCH(QString, writeRefused);
    QFETCH(QString, readWarning);
    CliRun run(SampleRadio::image());
    QVERIFY(run.start());
    writeChannelFiles(run);
    QVERIFY(QDir().mkpath(QFileInfo(run.backupFolder()).path()));
    writeAll(run.backupFolder(), "not a folder");
    writeRefused.replace("BACKUPS", run.backupFolder());
    readWarning.replace("BACKUPS", run.backupFolder());

    const CliRun::Outcome write =
        run.run({"write", "b.F19", "--port", "COM1", "--language", language});
    QCOMPARE(write.status, 5);
    QVERIFY2(write.firstErrLine().endsWith(writeRefused), write.err.constData());
    QCOMPARE(run.radio().commands(RadioCommandKind::Write).size(), 0);

    const CliRun::Outcome read = run.run({"read", "--port", "COM1", "--language", language});
    QCOMPARE(read.status, 0);
    QCOMPARE(read.firstErrLine(), readWarning);
}

// Bytes the program never reads, kept otherwise by the radio: verified, with a warning for
// each, even with -q.
void CliTest::writeWithUnusedBytesKeptDifferently()
{
    CliRun run(SampleRadio::image());
    RadioFaults faults;
    faults.keptDifferently = RadioFaults::KeptDifferently{0x001C, 0xF0};
    faults.alteredByte = RadioFaults::AlteredByte{0x03C7, 0x00};
    run.radio().setFaults(faults);
    QVERIFY(run.start());
    writeChannelFiles(run);
    const QStringList write{"write", "b.F19", "--port", "COM1", "--no-backup"};
    const CliRun::Outcome outcome = run.run(write + QStringList{"--language", "english"});
    QCOMPARE(outcome.status, 0);
    QCOMPARE(QString::fromUtf8(outcome.err),
             QStringLiteral("qv3307-cli: warning: Channel 01, byte 12 (001C): written FA, the "
                            "radio holds 0A\n"
                            "qv3307-cli: warning: Settings, byte 7 (03C7): written FF, the radio "
                            "holds 00\n"
                            "Written and verified, with 2 unused bytes kept differently\n"));
    const CliRun::Outcome quiet = run.run(write + QStringList{"--language", "chinese", "-q"});
    QCOMPARE(quiet.status, 0);
    QCOMPARE(
        QString::fromUtf8(quiet.err),
        QStringLiteral("qv3307-cli: 警告：第 01 信道，第 12 字节（001C）：写入 FA，电台保存的是 "
                       "0A\n"
                       "qv3307-cli: 警告：功能选项，第 7 字节（03C7）：写入 FF，电台保存的是 "
                       "00\n"));
}

// The position the read makes of it, the byte the radio held, a warning and the log.
void CliTest::calibrationReadOfALowVoltageByteOfNoLevel()
{
    QByteArray image = SampleRadio::image();
    image.replace(CalibrationAddress, 3, QByteArray::fromHex("4F3005"));
    CliRun run(image);
    QVERIFY(run.start());
    const CliRun::Outcome read =
        run.run({"calibration", "read", "--port", "COM1", "--language", "english"});
    QCOMPARE(read.status, 0);
    QCOMPARE(QString::fromUtf8(read.out),
             QStringLiteral("Low Power: 79\nHigh Power: 48\nLow Voltage: 1 (byte 05)\n"));
    QCOMPARE(read.firstErrLine(),
             QStringLiteral("qv3307-cli: warning: The radio's low voltage byte is 05, which is "
                            "none of the levels 00, 01 and 02; it is shown as 1. Check it before "
                            "writing."));
    const QByteArray log = readAll(run.backupFolder() + QStringLiteral("/calibration.log"));
    QVERIFY2(log.endsWith("low power 79, high power 48, low voltage 1 (byte 05, no defined "
                          "level)\n"),
             log.constData());
}

// A channel list carries no settings or band: the radio's own are written back.
void CliTest::channelListWriteKeepsTheRadiosSettings()
{
    CliRun run(SampleRadio::image());
    QVERIFY(run.start());
    writeChannelFiles(run);
    QCOMPARE(run.run({"write", "a.csv", "--port", "COM1", "-q"}).status, 0);
    QCOMPARE(run.radio().memory().read(0x03C0, 8),
             SampleRadio::block(SampleRadio::image(), 0x03C0));
    QCOMPARE(run.radio().memory().read(0x03E0, 8),
             SampleRadio::block(SampleRadio::image(), 0x03E0));
    QCOMPARE(run.run({"read", "--port", "COM1", "-o", "after.F19", "-q"}).status, 0);
    QCOMPARE(channelsOf(readAll(run.file(QStringLiteral("after.F19")))),
             channelsOf(readAll(run.file(QStringLiteral("a.F19")))));
}

// Without --language the command line speaks as the window starts: English only for the
// English installer's title on the log's second line.
void CliTest::defaultLanguageFollowsTheInstallersLog()
{
    CliRun run(SampleRadio::image());
    QVERIFY(run.start());
    run.program().writeFile(QStringLiteral("install.Log"), "Setup\r\nTitle: QV3307\r\n");
    const CliRun::Outcome chinese = run.run({"read", "--port", "COM1", "-q"});
    QCOMPARE(chinese.status, 0);
    QCOMPARE(chinese.firstOutLine(), QStringLiteral("型号: 400-470MHz"));

    run.program().writeFile(QStringLiteral("install.Log"),
                            "Setup\r\nTitle: RZT3307 Programming Software\r\n");
    QCOMPARE(run.run({"read", "--port", "COM1", "-q"}).firstOutLine(),
             QStringLiteral("Band: 400-470MHz"));

    // Without a log, as the window: the built-in Chinese, and a word about the log.
    QVERIFY(QFile::remove(run.program().filePath(QStringLiteral("install.Log"))));
    const CliRun::Outcome withoutLog = run.run({"read", "--port", "COM1"});
    QCOMPARE(withoutLog.status, 0);
    QCOMPARE(withoutLog.firstOutLine(), QStringLiteral("型号: 400-470MHz"));
    QCOMPARE(withoutLog.firstErrLine(), QStringLiteral("Cannot read install.Log: File not found"));

    // A usage error already speaks the language asked for.
    const CliRun::Outcome usage = run.run({"erase", "--language", "chinese"});
    QCOMPARE(usage.status, 2);
    QCOMPARE(usage.firstErrLine(),
             QStringLiteral("qv3307-cli: 未知命令“erase”；参见 qv3307-cli --help"));
}

void CliTest::verifyListsDifferences()
{
    CliRun run(SampleRadio::image());
    QVERIFY(run.start());
    writeChannelFiles(run);
    QCOMPARE(run.run({"write", "a.F19", "--port", "COM1", "-q"}).status, 0);

    const QStringList english = {"--port", "COM1", "--language", "english"};
    const CliRun::Outcome same = run.run(QStringList{"verify", "a.F19"} + english);
    QCOMPARE(same.status, 0);
    QVERIFY(same.out.isEmpty());
    QVERIFY(same.err.contains("The radio holds what a.F19 holds"));
    QCOMPARE(run.run(QStringList{"verify", "a.csv"} + english).status, 0);

    const CliRun::Outcome differs = run.run(QStringList{"verify", "b.F19"} + english);
    QCOMPARE(differs.status, 1);
    QCOMPARE(QString::fromUtf8(differs.out),
             QStringLiteral("Channel 01, Power: \"High\" in b.F19, \"Low\" in the radio\n"));
}

void CliTest::repeatWritesRadioAfterRadio_data()
{
    QTest::addColumn<QByteArray>("answers");
    QTest::addColumn<int>("radios");
    QTest::newRow("two Enters, then q") << QByteArray("\n\nq\n") << 3;
    QTest::newRow("Q") << QByteArray("Q\n") << 1;
    QTest::newRow("end of input") << QByteArray() << 1;
}

void CliTest::repeatWritesRadioAfterRadio()
{
    QFETCH(QByteArray, answers);
    QFETCH(int, radios);
    CliRun run(SampleRadio::image());
    QVERIFY(run.start());
    writeChannelFiles(run);
    const CliRun::Outcome outcome = run.run(
        {"write", "a.F19", "--port", "COM1", "--repeat", "--no-backup", "--language", "english"},
        answers);
    QCOMPARE(outcome.status, 0);
    // A line for each radio as it ends, then the count.
    const QString radioLine = QStringLiteral("COM1 (%1): written and verified (no backup)\n")
                                  .arg(run.radio().slavePath());
    QCOMPARE(QString::fromUtf8(outcome.out),
             radioLine.repeated(radios) +
                 QStringLiteral("Radios written: %1, verified: %1, failed: 0\n").arg(radios));
    QCOMPARE(outcome.err.count("Connect the next radio and press Enter (q and Enter to stop)"),
             radios);
    QTRY_COMPARE(run.radio().commands(RadioCommandKind::Exit).size(), 2 * radios);
}

namespace {
// What the simulated radio was sent by a command.
enum class RadioUse { Nothing, ReadOnly, Written };
} // namespace
Q_DECLARE_METATYPE(RadioUse)

void CliTest::listRowsThatDoNotFitStopTheCommand_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QByteArray>("list"); // list.csv
    QTest::addColumn<int>("status");
    QTest::addColumn<QStringList>("out");
    // Lines the error output holds; for a failure, the first is its first error.
    QTest::addColumn<QStringList>("err");
    QTest::addColumn<RadioUse>("radio");

    using namespace Lists;
    const QByteArray& header = Header;
    const QByteArray& outsideBand = OutsideBand;
    const QByteArray& noSuchTone = NoSuchTone;
    const QByteArray& locationZero = LocationZero;
    const QStringList write = {"write", "list.csv", "--port", "COM1"};
    const QStringList convert = {"convert", "list.csv", "out.F19"};
    const QString outsideRow =
        "list.csv, row 4: the frequency \"146.52\" is outside the band 400-470MHz";
    const QString notWritten = "qv3307-cli: list.csv: 1 row cannot become a channel, so "
                               "nothing was written to the radio; correct it, or give "
                               "--skip-bad-rows to leave it out:";

    // The radio's band is read first; nothing is written.
    QTest::newRow("write: a row outside the radio's band")
        << write << outsideBand << 5 << QStringList() << QStringList{notWritten, outsideRow}
        << RadioUse::ReadOnly;
    // A row no band holds stops the write before the port is opened.
    QTest::newRow("write: a tone no radio has")
        << write << noSuchTone << 5 << QStringList() << QStringList{notWritten, NoSuchToneRow}
        << RadioUse::Nothing;
    QTest::newRow("write --skip-bad-rows")
        << write + QStringList{"--skip-bad-rows"} << outsideBand << 0 << QStringList()
        << QStringList{outsideRow, "Written and verified"} << RadioUse::Written;
    QTest::newRow("write: Location 0") << write << locationZero << 5 << QStringList()
                                       << QStringList{LocationZeroError} << RadioUse::Nothing;
    QTest::newRow("write --in-file-order")
        << write + QStringList{"--in-file-order"} << locationZero << 0 << QStringList()
        << QStringList{"Written and verified"} << RadioUse::Written;
    QTest::newRow("write: a header and no rows")
        << write << header << 5 << QStringList()
        << QStringList{"qv3307-cli: list.csv: it has a header line but no channel rows; nothing "
                       "was changed"}
        << RadioUse::Nothing;
    QTest::newRow("convert: a row outside the band")
        << convert << outsideBand << 5 << QStringList()
        << QStringList{"qv3307-cli: list.csv: 1 row cannot become a channel, so out.F19 was "
                       "not written; correct it, or give --skip-bad-rows to leave it out:",
                       outsideRow}
        << RadioUse::Nothing;
    QTest::newRow("convert --skip-bad-rows")
        << convert + QStringList{"--skip-bad-rows"} << outsideBand << 0 << QStringList()
        << QStringList{outsideRow} << RadioUse::Nothing;
    QTest::newRow("convert: a header and no rows")
        << convert << header << 5 << QStringList()
        << QStringList{"qv3307-cli: list.csv: it has a header line but no channel rows; nothing "
                       "was changed"}
        << RadioUse::Nothing;
    // The radio, written with the rows that fit, does not hold what the list says.
    QTest::newRow("verify: a row outside the band is a difference")
        << QStringList{"verify", "list.csv", "--port", "COM1"} << outsideBand << 1
        << QStringList{outsideRow} << QStringList() << RadioUse::ReadOnly;
    QTest::newRow("diff: a row outside the band is a difference")
        << QStringList{"diff", "list.csv", "list.csv"} << outsideBand << 1
        << QStringList{outsideRow, outsideRow} << QStringList() << RadioUse::Nothing;
    QTest::newRow("verify: Location 0")
        << QStringList{"verify", "list.csv", "--port", "COM1"} << locationZero << 5 << QStringList()
        << QStringList{LocationZeroError} << RadioUse::Nothing;
    QTest::newRow("diff --skip-bad-rows is no option of diff")
        << QStringList{"diff", "list.csv", "list.csv", "--skip-bad-rows"} << outsideBand << 2
        << QStringList()
        << QStringList{"qv3307-cli: an option given does not belong to diff; see qv3307-cli diff "
                       "--help"}
        << RadioUse::Nothing;
}

void CliTest::listRowsThatDoNotFitStopTheCommand()
{
    QFETCH(QStringList, arguments);
    QFETCH(QByteArray, list);
    QFETCH(int, status);
    QFETCH(QStringList, out);
    QFETCH(QStringList, err);
    QFETCH(RadioUse, radio);

    CliRun run(SampleRadio::image());
    QVERIFY(run.start());
    writeAll(run.file(QStringLiteral("list.csv")), list);
    if (arguments.first() == QLatin1String("verify") && status == 1) {
        // The radio holds the rows that fit, and only those.
        QCOMPARE(run.run({"write", "list.csv", "--port", "COM1", "--skip-bad-rows", "-q"}).status,
                 0);
        run.radio().clearLog();
    }
    const QByteArray before = run.radio().memory().read(0, 0x400);

    const CliRun::Outcome outcome = run.run(arguments + QStringList{"--language", "english"});
    QCOMPARE(outcome.status, status);
    const QStringList outLines = QString::fromUtf8(outcome.out).split('\n', Qt::SkipEmptyParts);
    if (!out.isEmpty())
        QCOMPARE(outLines, out);
    const QStringList errLines = QString::fromUtf8(outcome.err).split('\n', Qt::SkipEmptyParts);
    if (status >= 2) {
        const qsizetype error = errLines.indexOf(QRegularExpression("qv3307-cli: .*"));
        QCOMPARE(errLines.mid(error, err.size()), err);
    }
    for (const QString& line : err)
        QVERIFY2(errLines.contains(line), outcome.err.constData());

    QCOMPARE(run.radio().received().isEmpty(), radio == RadioUse::Nothing);
    QCOMPARE(run.radio().commands(RadioCommandKind::Write).isEmpty(), radio != RadioUse::Written);
    if (radio != RadioUse::Written)
        QCOMPARE(run.radio().memory().read(0, 0x400), before);
    if (arguments.first() == QLatin1String("convert"))
        QCOMPARE(QFile::exists(run.file(QStringLiteral("out.F19"))), status == 0);
}

void CliTest::stopSignalEndsTheRunInOrder_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("signal");
    // The signal goes once the radio has received this many commands of this kind.
    QTest::addColumn<RadioCommandKind>("after");
    QTest::addColumn<int>("count");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("output");
    QTest::addColumn<bool>("silentRadio");

    const QString unchanged =
        "qv3307-cli: Interrupted: nothing was changed; the radio holds what it held";
    const QString partlyWritten =
        "qv3307-cli: Interrupted: the radio is partly written; write it again";
    QTest::newRow("SIGINT during a read")
        << QStringList{"read", "--port", "COM1"} << SIGINT << RadioCommandKind::Read << 4
        << unchanged << "" << false;
    QTest::newRow("SIGINT during a write")
        << QStringList{"write", "b.F19", "--port", "COM1", "--no-backup", "--no-verify"} << SIGINT
        << RadioCommandKind::Write << 4 << partlyWritten << "" << false;
    QTest::newRow("SIGTERM during the backup before a write")
        << QStringList{"write", "b.F19", "--port", "COM1"} << SIGTERM << RadioCommandKind::Read << 4
        << unchanged << "" << false;
    QTest::newRow("SIGHUP during the read-back")
        << QStringList{"write", "b.F19", "--port", "COM1", "--no-backup"} << SIGHUP
        << RadioCommandKind::Read << 4
        << "qv3307-cli: Interrupted: the radio was written but not verified; check it with "
           "verify"
        << "" << false;
    // Each radio's line says what the stop left it holding.
    QTest::newRow("SIGINT during a write of many radios")
        << QStringList{"write", "b.F19", "--port", "COM1", "--no-backup", "--repeat"} << SIGINT
        << RadioCommandKind::Write << 4 << "qv3307-cli: Interrupted"
        << "COM1 ({device}): interrupted: the radio is partly written; write it again (no "
           "backup)\nRadios written: 0, verified: 0, failed: 1\n"
        << false;
    // While the program greets a radio that does not answer.
    QTest::newRow("SIGINT during a calibration read")
        << QStringList{"calibration", "read", "--port", "COM1"} << SIGINT << RadioCommandKind::Hello
        << 2 << unchanged << "" << true;
}

// The exchange ends where it stands, the radio is let out of programming mode, the port and
// its lock are given back, and the user learns what the radio holds.
void CliTest::stopSignalEndsTheRunInOrder()
{
    QFETCH(QStringList, arguments);
    QFETCH(int, signal);
    QFETCH(RadioCommandKind, after);
    QFETCH(int, count);
    QFETCH(QString, message);
    QFETCH(QString, output);
    QFETCH(bool, silentRadio);

    CliRun run(SampleRadio::image());
    QVERIFY(run.start());
    writeChannelFiles(run);
    run.radio().setFaults(slowRadio(silentRadio));
    const std::unique_ptr<QProcess> process =
        run.start(arguments << QStringLiteral("--language") << QStringLiteral("english"));
    QTRY_VERIFY_WITH_TIMEOUT(run.radio().commands(after).size() >= count, 30000);
    const QString lock = lockFileOf(run.radio().slavePath());
    QVERIFY2(!lock.isEmpty(), "the port is not locked while in use");

    QCOMPARE(::kill(pid_t(process->processId()), signal), 0);
    const CliRun::Outcome outcome = CliRun::finish(*process);
    QCOMPARE(outcome.status, 130);
    QCOMPARE(QString::fromUtf8(outcome.err).trimmed().section(QLatin1Char('\n'), -1), message);
    QCOMPARE(QString::fromUtf8(outcome.out),
             QString(output).replace(QStringLiteral("{device}"), run.radio().slavePath()));
    // The last bytes the program sent are the exit command (which may still be on its way
    // to the radio as the program ends).
    QTRY_VERIFY2(run.radio().received().endsWith(QByteArray::fromHex("646F")),
                 run.radio().received().right(16).toHex(' ').constData());
    QVERIFY(!run.radio().inProgrammingMode());
    QVERIFY2(!QFileInfo::exists(lock), qPrintable(lock));
    // An interrupted read keeps no backup: it holds only part of the radio.
    if (message.endsWith(QLatin1String("what it held")) && after == RadioCommandKind::Read)
        QCOMPARE(QDir(run.backupFolder()).entryList(QDir::Files), QStringList());
}

// The user who presses Ctrl+C again does not wait for the orderly end. Both signals are
// held back until the program runs on, so that the second surely comes during the first's
// handling.
void CliTest::secondStopSignalEndsAtOnce()
{
    CliRun run(SampleRadio::image());
    QVERIFY(run.start());
    writeChannelFiles(run);
    run.radio().setFaults(slowRadio(false));
    const std::unique_ptr<QProcess> process =
        run.start({"write", "b.F19", "--port", "COM1", "--no-backup", "--no-verify", "--language",
                   "english"});
    QTRY_VERIFY_WITH_TIMEOUT(run.radio().commands(RadioCommandKind::Write).size() >= 2, 30000);
    const pid_t pid = pid_t(process->processId());
    QCOMPARE(::kill(pid, SIGSTOP), 0);
    QCOMPARE(::kill(pid, SIGINT), 0);
    QCOMPARE(::kill(pid, SIGTERM), 0);
    QCOMPARE(::kill(pid, SIGCONT), 0);
    const CliRun::Outcome outcome = CliRun::finish(*process);
    QCOMPARE(outcome.status, 130);
    QVERIFY2(!outcome.err.contains("Interrupted"), outcome.err.constData());
    QVERIFY(run.radio().commands(RadioCommandKind::Write).size() <
            SampleRadio::writeAddresses().size());
}

// Between radios, Ctrl+C ends the run as q does, and the count is still given.
void CliTest::stopSignalAtTheNextRadioPrompt()
{
    CliRun run(SampleRadio::image());
    QVERIFY(run.start());
    writeChannelFiles(run);
    const std::unique_ptr<QProcess> process = run.start(
        {"write", "a.F19", "--port", "COM1", "--repeat", "--no-backup", "--language", "english"});
    QByteArray errors;
    QTRY_VERIFY_WITH_TIMEOUT((errors += process->readAllStandardError()).contains("press Enter"),
                             30000);
    QCOMPARE(::kill(pid_t(process->processId()), SIGINT), 0);
    const CliRun::Outcome outcome = CliRun::finish(*process);
    QCOMPARE(outcome.status, 130);
    QCOMPARE(QString::fromUtf8(errors + outcome.err).trimmed().section(QLatin1Char('\n'), -1),
             QStringLiteral("qv3307-cli: Interrupted"));
    QCOMPARE(QString::fromUtf8(outcome.out),
             QStringLiteral("COM1 (%1): written and verified (no backup)\nRadios written: 1, "
                            "verified: 1, failed: 0\n")
                 .arg(run.radio().slavePath()));
    QTRY_COMPARE(run.radio().commands(RadioCommandKind::Exit).size(), 2);
}

namespace {
// Four radios holding the sample on COM1 to COM4 of the run, and the channel files of
// writeChannelFiles().
struct FourRadios
{
    CliRun run{SampleRadio::image()};
    // COM2 to COM4.
    FleetRadios more;

    bool start()
    {
        if (!run.start() || !more.start(3, SampleRadio::image()))
            return false;
        for (int index = 0; index < 3; ++index)
            run.program().mapComPort(index + 2, more.radio(index).slavePath());
        writeChannelFiles(run);
        return true;
    }
};

// The radio lines of a fleet command's output, by their first word: the port (or "Radios"
// for the count).
QMap<QString, QString> radioLines(const QByteArray& out)
{
    QMap<QString, QString> byPort;
    for (const QString& line : QString::fromUtf8(out).split(QLatin1Char('\n'), Qt::SkipEmptyParts))
        if (!line.startsWith(QLatin1Char(' ')))
            byPort.insert(line.section(QLatin1Char(' '), 0, 0), line);
    return byPort;
}
} // namespace

// Four radios written at once, one of them switched off: it fails, the three others are
// backed up, written and verified, the status is that of the failure, and each radio has
// its row in the fleet log.
void CliTest::fleetWriteFourRadiosOneFaulty()
{
    FourRadios radios;
    QVERIFY(radios.start());
    CliRun& run = radios.run;
    FleetRadios& more = radios.more;
    RadioFaults silent;
    silent.silent = true;
    more.radio(1).setFaults(silent); // COM3
    // COM2 keeps an unused byte otherwise: still verified, with a warning.
    RadioFaults keeps;
    keeps.keptDifferently = RadioFaults::KeptDifferently{0x001C, 0xF0};
    more.radio(0).setFaults(keeps);

    const CliRun::Outcome outcome =
        run.run({"write", "b.F19", "--all-ports", "--language", "english"});
    QCOMPARE(outcome.status, 4);
    QMap<QString, QString> lines = radioLines(outcome.out);
    QVERIFY(outcome.out.endsWith("\nRadios written: 3, verified: 3, failed: 1\n"));
    lines.remove(QStringLiteral("Radios"));
    QCOMPARE(lines.keys(), (QStringList{"COM1", "COM2", "COM3", "COM4"}));
    const QString silentDevice = more.radio(1).slavePath();
    QCOMPARE(lines.value("COM3"),
             QStringLiteral("COM3 (%1): the radio did not answer; nothing was written (no backup)")
                 .arg(silentDevice));
    QVERIFY2(
        outcome.err.contains(
            QStringLiteral("COM3 (%1): the transfer failed. Cause: ").arg(silentDevice).toUtf8()),
        outcome.err.constData());
    const QRegularExpression verified(
        QStringLiteral(R"(^COM\d \(/dev/pts/\d+\): written and verified(, with 1 unused byte kept )"
                       R"(differently)? \(backup (.+)\)$)"));
    for (const QString port : {"COM1", "COM2", "COM4"}) {
        const QRegularExpressionMatch match = verified.match(lines.value(port));
        QVERIFY2(match.hasMatch(), qPrintable(lines.value(port)));
        QCOMPARE(match.capturedLength(1) > 0, port == QLatin1String("COM2"));
    }
    QVERIFY2(outcome.err.contains(QStringLiteral("qv3307-cli: COM2 (%1): warning: Channel 01, "
                                                 "byte 12 (001C): written FA, the radio holds 0A\n")
                                      .arg(more.radio(0).slavePath())
                                      .toUtf8()),
             outcome.err.constData());

    const CsvRecords::Split log = CsvRecords::split(
        QString::fromUtf8(readAll(run.home() + QStringLiteral("/data/qv3307/fleet-log.csv"))));
    QCOMPARE(log.records.size(), 5);
    QCOMPARE(log.records[0].fields,
             (QStringList{"Time", "Port", "Device", "File written", "Result", "Backup file"}));
    QMap<QString, QStringList> rows;
    for (const CsvRecords::Record& record : log.records.mid(1))
        rows.insert(record.fields.value(1), record.fields);
    QCOMPARE(rows.keys(), lines.keys());
    for (auto row = rows.cbegin(); row != rows.cend(); ++row) {
        const QStringList& fields = row.value();
        QCOMPARE(fields.size(), 6);
        QCOMPARE(fields[3], run.file("b.F19"));
        const bool faulty = row.key() == QLatin1String("COM3");
        QCOMPARE(fields[4], faulty ? QStringLiteral("no answer") : QStringLiteral("verified"));
        QCOMPARE(fields[5].isEmpty(), faulty);
        if (!faulty) {
            QVERIFY(QFileInfo::exists(fields[5]));
            QVERIFY(lines.value(row.key()).contains(fields[5]));
        }
    }
    QCOMPARE(more.radio(1).commands(RadioCommandKind::Write).size(), 0);
}

// verify and read of several radios: each radio's differences under its line, and each read
// saved under its own name.
void CliTest::fleetVerifyAndRead()
{
    FourRadios radios;
    QVERIFY(radios.start());
    CliRun& run = radios.run;
    QCOMPARE(run.run({"write", "a.F19", "--port", "COM1", "--port", "COM2", "-q"}).status, 0);
    QCOMPARE(run.run({"write", "b.F19", "--port", "COM3", "-q"}).status, 0);

    const CliRun::Outcome verified = run.run({"verify", "a.F19", "--port", "COM1", "--port", "COM2",
                                              "--port", "COM3", "--language", "english"});
    QVERIFY2(verified.status == 1, verified.err.constData());
    const QStringList out = QString::fromUtf8(verified.out).split(QLatin1Char('\n'));
    const int differing = int(out.indexOf(QRegularExpression(QStringLiteral("^COM3 .*"))));
    QVERIFY2(differing >= 0, verified.out.constData());
    QVERIFY2(out[differing].contains(QStringLiteral(": differs from a.F19 (backup ")),
             qPrintable(out[differing]));
    QCOMPARE(out.value(differing + 1),
             QStringLiteral("  Channel 01, Power: \"Low\" in a.F19, \"High\" in the radio"));
    QVERIFY(radioLines(verified.out).value("COM1").contains(": holds what a.F19 holds"));

    const CliRun::Outcome read =
        run.run({"read", "--port", "COM2", "--port", "COM3", "-o", "radio-{port}.F19", "-q"});
    QCOMPARE(read.status, 0);
    QCOMPARE(channelsOf(readAll(run.file("radio-COM2.F19"))),
             channelsOf(readAll(run.file("a.F19"))));
    QCOMPARE(channelsOf(readAll(run.file("radio-COM3.F19"))),
             channelsOf(readAll(run.file("b.F19"))));
}

// --repeat with several ports: each round writes every port at once, then asks for the next
// radios; every radio has its line and its fleet-log row, and the count covers all rounds.
void CliTest::fleetRepeatRoundByRound()
{
    FourRadios radios;
    QVERIFY(radios.start());
    CliRun& run = radios.run;
    const CliRun::Outcome outcome = run.run({"write", "a.F19", "--port", "COM1", "--port", "COM2",
                                             "--repeat", "--no-backup", "--language", "english"},
                                            "\nq\n");
    QCOMPARE(outcome.status, 0);
    QStringList out = QString::fromUtf8(outcome.out).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    QCOMPARE(out.takeLast(), QStringLiteral("Radios written: 4, verified: 4, failed: 0"));
    out.sort();
    const QString com1 =
        QStringLiteral("COM1 (%1): written and verified (no backup)").arg(run.radio().slavePath());
    const QString com2 = QStringLiteral("COM2 (%1): written and verified (no backup)")
                             .arg(radios.more.radio(0).slavePath());
    QCOMPARE(out, (QStringList{com1, com1, com2, com2}));
    QCOMPARE(outcome.err.count("Connect the next radios and press Enter (q and Enter to stop)"), 2);
    // Two rounds of a write and a read-back, each its own session.
    QTRY_COMPARE(run.radio().commands(RadioCommandKind::Exit).size(), 4);
    QTRY_COMPARE(radios.more.radio(0).commands(RadioCommandKind::Exit).size(), 4);
    QCOMPARE(radios.more.radio(1).commands(RadioCommandKind::Exit).size(), 0);

    QCOMPARE(fleetLogResults(run.home() + QStringLiteral("/data/qv3307/fleet-log.csv")),
             (QStringList{"COM1 verified", "COM1 verified", "COM2 verified", "COM2 verified"}));
}

// Ctrl+C during a write of four radios stops every radio where it stands: each is let out of
// programming mode and its port given back, each line says what that radio holds, and each
// radio's log row says it was interrupted.
void CliTest::fleetStopSignalStopsEveryRadio()
{
    FourRadios radios;
    QVERIFY(radios.start());
    CliRun& run = radios.run;
    const auto radio = [&radios](int index) -> RadioSimulator& {
        return index == 0 ? radios.run.radio() : radios.more.radio(index - 1);
    };
    for (int index = 0; index < 4; ++index)
        radio(index).setFaults(slowRadio(false));
    const std::unique_ptr<QProcess> process = run.start(
        {"write", "b.F19", "--all-ports", "--no-backup", "--no-verify", "--language", "english"});
    const auto everyRadioWriting = [&radio] {
        for (int index = 0; index < 4; ++index)
            if (radio(index).commands(RadioCommandKind::Write).size() < 2)
                return false;
        return true;
    };
    QTRY_VERIFY_WITH_TIMEOUT(everyRadioWriting(), 30000);
    QStringList locks;
    for (int index = 0; index < 4; ++index)
        locks << lockFileOf(radio(index).slavePath());
    QVERIFY2(!locks.contains(QString()), "a port is not locked while in use");

    QCOMPARE(::kill(pid_t(process->processId()), SIGINT), 0);
    const CliRun::Outcome outcome = CliRun::finish(*process);
    QCOMPARE(outcome.status, 130);
    QCOMPARE(QString::fromUtf8(outcome.err).trimmed().section(QLatin1Char('\n'), -1),
             QStringLiteral("qv3307-cli: Interrupted"));
    QMap<QString, QString> lines = radioLines(outcome.out);
    QCOMPARE(lines.take(QStringLiteral("Radios")),
             QStringLiteral("Radios written: 0, verified: 0, failed: 4"));
    QCOMPARE(lines.size(), 4);
    for (int index = 0; index < 4; ++index) {
        const QString port = QStringLiteral("COM%1").arg(index + 1);
        QCOMPARE(lines.value(port), QStringLiteral("%1 (%2): interrupted: the radio is partly "
                                                   "written; write it again (no backup)")
                                        .arg(port, radio(index).slavePath()));
        QTRY_VERIFY2(radio(index).received().endsWith(QByteArray::fromHex("646F")),
                     qPrintable(port));
        QVERIFY(!radio(index).inProgrammingMode());
        QVERIFY2(!QFileInfo::exists(locks[index]), qPrintable(locks[index]));
    }
    QCOMPARE(fleetLogResults(run.home() + QStringLiteral("/data/qv3307/fleet-log.csv")),
             (QStringList{"COM1 interrupted", "COM2 interrupted", "COM3 interrupted",
                          "COM4 interrupted"}));
}

void CliTest::outputThatCannotBeWritten_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("status");

    QTest::newRow("read") << QStringList{"read", "--port", "COM1"} << 5;
    QTest::newRow("read into standard output")
        << QStringList{"read", "--port", "COM1", "-o", "-"} << 5;
    QTest::newRow("ports") << QStringList{"ports"} << 5;
    QTest::newRow("version") << QStringList{"--version"} << 5;
    QTest::newRow("help") << QStringList{"write", "--help"} << 5;
    QTest::newRow("differences") << QStringList{"diff", "a.F19", "b.F19"} << 5;
    QTest::newRow("conversion") << QStringList{"convert", "a.F19", "-"} << 5;
    // A failure stays the failure it was.
    QTest::newRow("port that cannot be opened")
        << QStringList{"verify", "a.F19", "--port", "COM2"} << 3;
}

void CliTest::outputThatCannotBeWritten()
{
    QFETCH(QStringList, arguments);
    QFETCH(int, status);
    if (!QFileInfo::exists(QStringLiteral("/dev/full")))
        QSKIP("This system has no /dev/full");

    CliRun run(SampleRadio::image());
    QVERIFY(run.start());
    run.program().mapComPort(2, QStringLiteral("/nonexistent/ttyQV0"));
    writeChannelFiles(run);
    const CliRun::Outcome outcome = run.run(arguments << "--language"
                                                      << "english",
                                            {}, {}, QStringLiteral("/dev/full"));
    QCOMPARE(outcome.status, status);
    if (status == 5)
        QCOMPARE(QString::fromUtf8(outcome.err).trimmed().section(QLatin1Char('\n'), -1),
                 QStringLiteral("qv3307-cli: cannot write to standard output: the disk is full"));
    else
        QVERIFY2(!outcome.err.contains("standard output"), outcome.err.constData());
}

void CliTest::standardInputStandsForAFile_data()
{
    QTest::addColumn<QStringList>("arguments");
    // A file of the run's scratch folder, or the bytes themselves.
    QTest::addColumn<QString>("input");
    QTest::addColumn<int>("status");
    // The first line of the output for status 0 and 1, of the error output otherwise.
    QTest::addColumn<QString>("firstLine");
    // A file the radio then holds; empty: not looked at.
    QTest::addColumn<QString>("radioHolds");

    QTest::newRow("channel file") << QStringList{"diff", "-", "b.F19"} << "a.F19" << 1
                                  << "Channel 01, Power: \"Low\" in standard input, \"High\" in "
                                     "b.F19"
                                  << "";
    QTest::newRow("channel list") << QStringList{"diff", "a.F19", "-"} << "a.csv" << 0 << ""
                                  << "";
    QTest::newRow("write") << QStringList{"write", "-", "--port", "COM1", "-q"} << "b.F19" << 0
                           << ""
                           << "b.F19";
    QTest::newRow("neither") << QStringList{"convert", "-", "c.F19"} << "hello\r\n"
                             << 5
                             << "qv3307-cli: standard input, row 1: the header line has no "
                                "\"Frequency\" column; it reads \"hello\""
                             << "";
    // Its answers come from standard input.
    QTest::newRow("write of many radios")
        << QStringList{"write", "-", "--port", "COM1", "--repeat"} << "b.F19" << 2
        << "qv3307-cli: --repeat reads its answers from standard input, so the file cannot come "
           "from there; give its name; see qv3307-cli write --help"
        << "";
}

void CliTest::standardInputStandsForAFile()
{
    QFETCH(QStringList, arguments);
    QFETCH(QString, input);
    QFETCH(int, status);
    QFETCH(QString, firstLine);
    QFETCH(QString, radioHolds);

    CliRun run(SampleRadio::image());
    QVERIFY(run.start());
    writeChannelFiles(run);
    const QByteArray bytes =
        QFileInfo::exists(run.file(input)) ? readAll(run.file(input)) : input.toUtf8();
    const CliRun::Outcome outcome =
        run.run(arguments << QStringLiteral("--language") << QStringLiteral("english"), bytes);
    QCOMPARE(outcome.status, status);
    const bool found = status == 0 || status == 1;
    QCOMPARE(found ? outcome.firstOutLine() : outcome.firstErrLine(), firstLine);
    if (!radioHolds.isEmpty()) {
        const CliRun::Outcome verified = run.run({"verify", radioHolds, "--port", "COM1", "-q"});
        QVERIFY2(verified.status == 0, verified.err.constData());
    }
}

void CliTest::standardOutputStandsForAFile_data()
{
    QTest::addColumn<QStringList>("arguments");
    // What the output must hold: the bytes of this file as the run made it.
    QTest::addColumn<QString>("sameAs");

    QTest::newRow("read") << QStringList{"read", "--port", "COM1", "-o", "-"} << "BACKUP";
    // Conversion goes to the other kind.
    QTest::newRow("channel file to list") << QStringList{"convert", "a.F19", "-"} << "a.csv";
    QTest::newRow("list to channel file") << QStringList{"convert", "a.csv", "-"} << "c.F19";
}

void CliTest::standardOutputStandsForAFile()
{
    QFETCH(QStringList, arguments);
    QFETCH(QString, sameAs);

    CliRun run(SampleRadio::image());
    QVERIFY(run.start());
    writeChannelFiles(run);
    QCOMPARE(run.run({"convert", "a.csv", "c.F19", "-q"}).status, 0);
    const CliRun::Outcome outcome = run.run(arguments);
    QCOMPARE(outcome.status, 0);
    if (sameAs == QLatin1String("BACKUP")) {
        const QStringList backups = QDir(run.backupFolder()).entryList(QDir::Files);
        QCOMPARE(backups.size(), 1);
        sameAs = run.backupFolder() + QLatin1Char('/') + backups.at(0);
    } else {
        sameAs = run.file(sameAs);
    }
    QCOMPARE(outcome.out, readAll(sameAs));
}

// A relative XDG_DATA_HOME would put the backups below whatever folder the command runs
// in: as the XDG rules say, it is ignored.
void CliTest::relativeDataHomeIsIgnored()
{
    CliRun run(SampleRadio::image());
    QVERIFY(run.start());
    run.setEnvironment(QStringLiteral("XDG_DATA_HOME"), QStringLiteral("data"));
    QCOMPARE(run.run({"read", "--port", "COM1", "-q"}).status, 0);
    QCOMPARE(QDir(run.home() + QStringLiteral("/.local/share/qv3307/backups"))
                 .entryList(QDir::Files)
                 .size(),
             1);
    QVERIFY(!QFileInfo::exists(run.file(QStringLiteral("data"))));
}

void CliTest::jsonDocumentOnStandardOutput_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<bool>("silentRadio");
    QTest::addColumn<int>("status");
    // A value in the document, at a path such as "channels/0/power", as compact JSON.
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("value");
    // A line the error output holds; empty: none is looked for.
    QTest::addColumn<QString>("errorLine");

    const auto row = [](const char* name, const QStringList& arguments, bool silent, int status,
                        const char* path, const QString& value, const QString& errorLine = {}) {
        QTest::newRow(name) << arguments << silent << status << QString::fromLatin1(path) << value
                            << errorLine;
    };
    // The simulated radio's pseudo-terminal, which it keeps open itself, is free to use.
    row("ports", {"ports"}, false, 0, "ports/0",
        R"({"cable":null,"device":"DEVICE","heldBy":null,"port":"COM1","present":true,)"
        R"("source":"link","state":"free"})");
    row("read", {"read", "--port", "COM1"}, false, 0, "channels/0/power", R"("low")",
        "Backup saved: BACKUPS/");
    row("verify", {"verify", "b.F19", "--port", "COM1"}, false, 1, "differences/0",
        R"({"channel":1,"field":"power","file":"high","place":"channel","radio":"low"})");
    row("diff with differences", {"diff", "a.F19", "b.F19"}, false, 1, "differences/0",
        R"({"channel":1,"field":"power","first":"low","place":"channel","second":"high"})");
    row("diff without", {"diff", "a.F19", "a.csv"}, false, 0, "result", R"("same")");
    // The sample radio's calibration block is unprogrammed: FF.
    row("calibration read", {"calibration", "read", "--port", "COM1"}, false, 0, "lowVoltageByte",
        "255",
        "qv3307-cli: warning: The radio's low voltage byte is FF, which is none of the levels 00, "
        "01 and 02; it is shown as 1. Check it before writing.");
    // A failure is a document too, with the error standard error gives.
    row("silent radio", {"read", "--port", "COM1"}, true, 4, "exitStatus", "4");
    row("port that cannot be opened", {"calibration", "read", "--port", "COM2"}, false, 3,
        "exitStatus", "3");
    row("file that is none", {"verify", "junk.F19", "--port", "COM1"}, false, 5, "error",
        "\"junk.F19, line 4: the file ends after line 1; this line should hold a language code "
        "(1 Chinese, 2 English)\"");
    row("usage", {"read"}, false, 2, "error",
        R"("read needs --port COM1 to COM4 or a device path; see qv3307-cli read --help")",
        "qv3307-cli: read needs --port COM1 to COM4 or a device path; see qv3307-cli read --help");
}

// Standard output holds one JSON document and nothing else; notes, warnings and errors go
// to standard error as without --json.
void CliTest::jsonDocumentOnStandardOutput()
{
    QFETCH(QStringList, arguments);
    QFETCH(bool, silentRadio);
    QFETCH(int, status);
    QFETCH(QString, path);
    QFETCH(QString, value);
    QFETCH(QString, errorLine);

    CliRun run(SampleRadio::image());
    startWithFiles(run, silentRadio);
    if (QTest::currentTestFailed())
        return;
    value.replace(QStringLiteral("DEVICE"), run.radio().slavePath());
    errorLine.replace(QStringLiteral("BACKUPS"), run.backupFolder());

    const CliRun::Outcome outcome =
        run.run(arguments + QStringList{"--json", "--language", "english"});
    QCOMPARE(outcome.status, status);
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(outcome.out, &error);
    QVERIFY2(error.error == QJsonParseError::NoError && document.isObject(),
             outcome.out.constData());
    QJsonValue found = document.object();
    for (const QString& step : path.split(QLatin1Char('/'))) {
        bool index = false;
        const int number = step.toInt(&index);
        found = index ? found.toArray().at(number) : found.toObject().value(step);
    }
    const QByteArray foundText =
        QJsonDocument(QJsonArray{found}).toJson(QJsonDocument::Compact).chopped(1).mid(1);
    QCOMPARE(QString::fromUtf8(foundText), value);
    if (status >= 2)
        QCOMPARE(document.object().value(QStringLiteral("exitStatus")).toInt(), status);
    const QStringList errorLines = QString::fromUtf8(outcome.err).split(QLatin1Char('\n'));
    if (!errorLine.isEmpty())
        QVERIFY2(std::any_of(errorLines.begin(), errorLines.end(),
                             [&](const QString& line) { return line.startsWith(errorLine); }),
                 outcome.err.constData());
}

// The transfer's progress shows on a terminal while the document goes to standard output.
void CliTest::jsonReadShowsProgressOnStandardError()
{
    CliRun run(SampleRadio::image());
    QVERIFY(run.start());
    PseudoTerminal terminal;
    QVERIFY(terminal.isValid());
    const CliRun::Outcome outcome =
        run.run({"read", "--port", "COM1", "--json"}, {}, terminal.slavePath());
    QCOMPARE(outcome.status, 0);
    QByteArray shownProgress;
    QTRY_VERIFY2((shownProgress += terminal.readAvailable()).contains("100%"),
                 shownProgress.constData());
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(outcome.out, &error);
    QCOMPARE(error.error, QJsonParseError::NoError);
    QCOMPARE(document.object().value(QStringLiteral("channels")).toArray().size(), 16);
}

void CliTest::dryRunSendsNothing_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QByteArray>("list"); // list.csv
    QTest::addColumn<bool>("portHeld");
    QTest::addColumn<int>("status");
    // Lines the error output holds, its last line last.
    QTest::addColumn<QStringList>("err");

    using namespace Lists;
    const QString nothingSent = "Dry run: nothing was sent to the radio";
    const auto write = [](const char* file, QStringList more = {}) {
        return QStringList{"write", file, "--port", "COM1", "--dry-run"} + more;
    };

    QTest::newRow("channel file")
        << write("b.F19") << QByteArray() << false << 0
        << QStringList{"Dry run: b.F19 can be written to COM1 (DEVICE), which is present and "
                       "free; nothing was sent to the radio"};
    QTest::newRow("channel list")
        << write("list.csv") << Good << false << 0
        << QStringList{"Dry run: a write reads the radio's band first, and a row outside it "
                       "stops the write then",
                       "Dry run: list.csv can be written to COM1 (DEVICE), which is present and "
                       "free; nothing was sent to the radio"};
    QTest::newRow("a row of a tone no radio has")
        << write("list.csv") << NoSuchTone << false << 5
        << QStringList{"qv3307-cli: list.csv: 1 row cannot become a channel, so nothing was "
                       "written to the radio; correct it, or give --skip-bad-rows to leave it "
                       "out:",
                       NoSuchToneRow, nothingSent};
    QTest::newRow("the row left out")
        << write("list.csv", {"--skip-bad-rows"}) << NoSuchTone << false << 0
        << QStringList{NoSuchToneRow, "Dry run: list.csv can be written to COM1 (DEVICE), which "
                                      "is present and free; nothing was sent to the radio"};
    QTest::newRow("Location 0") << write("list.csv") << LocationZero << false << 5
                                << QStringList{LocationZeroError, nothingSent};
    QTest::newRow("a value the radio cannot store")
        << write("odd.F19") << QByteArray() << false << 5
        << QStringList{"qv3307-cli: odd.F19: Nothing was written to the radio: these values are "
                       "not in a form the radio can store:",
                       nothingSent};
    QTest::newRow("no channel file")
        << write("junk.F19") << QByteArray() << false << 5
        << QStringList{"qv3307-cli: junk.F19, line 4: the file ends after line 1; this line "
                       "should hold a language code (1 Chinese, 2 English)",
                       nothingSent};
    QTest::newRow("no such port")
        << QStringList{"write", "b.F19", "--port", "COM2", "--dry-run"} << QByteArray() << false
        << 3
        << QStringList{"qv3307-cli: COM2 (PROGRAM/dosdevices/com2): the port cannot be opened. "
                       "Cause: the device PROGRAM/dosdevices/com2 does not exist. The cable is "
                       "not plugged in, or the port leads to another device.",
                       nothingSent};
    QTest::newRow("port held by another program")
        << write("b.F19") << QByteArray() << true << 3 << QStringList{nothingSent};
    QTest::newRow("not a port")
        << QStringList{"write", "b.F19", "--port", "COM9", "--dry-run"} << QByteArray() << false
        << 2
        << QStringList{"qv3307-cli: \"COM9\" is not a port; give COM1 to COM4 or a device path "
                       "such as /dev/ttyUSB0",
                       nothingSent};
}

// A dry run makes the write's checks, opens and locks the port and lets it go, and sends
// nothing: not even the hello. It keeps no backup and leaves no lock.
void CliTest::dryRunSendsNothing()
{
    QFETCH(QStringList, arguments);
    QFETCH(QByteArray, list);
    QFETCH(bool, portHeld);
    QFETCH(int, status);
    QFETCH(QStringList, err);

    CliRun run(SampleRadio::image());
    startWithFiles(run, false);
    if (QTest::currentTestFailed())
        return;
    writeAll(run.file(QStringLiteral("odd.F19")),
             readAll(run.file(QStringLiteral("a.F19")))
                 .replace("CH01 | 435.12500 | 131.8 | 436.02500 | D023N | Low |",
                          "CH01 | 435.12500 | 131.8 | 436.02500 | D023N | Medium |"));
    if (!list.isEmpty())
        writeAll(run.file(QStringLiteral("list.csv")), list);
    std::unique_ptr<HeldPort> holder;
    if (portHeld) {
        holder = std::make_unique<HeldPort>(run.radio().slavePath());
        QVERIFY(holder->holding());
    }
    err.replaceInStrings(QStringLiteral("DEVICE"), run.radio().slavePath());
    err.replaceInStrings(QStringLiteral("PROGRAM"), run.program().path());

    const CliRun::Outcome outcome = run.run(arguments + QStringList{"--language", "english"});
    QCOMPARE(outcome.status, status);
    QVERIFY(outcome.out.isEmpty());
    const QStringList errLines = QString::fromUtf8(outcome.err).split('\n', Qt::SkipEmptyParts);
    for (const QString& line : err)
        QVERIFY2(errLines.contains(line), outcome.err.constData());
    QCOMPARE(errLines.value(errLines.size() - 1), err.last());

    QCOMPARE(run.radio().received(), QByteArray());
    QCOMPARE(run.radio().memory().read(0, 0x400), SampleRadio::image());
    QVERIFY(!QFileInfo::exists(run.backupFolder()));
    if (!portHeld)
        QCOMPARE(lockFileOf(run.radio().slavePath()), QString());
}

QTEST_GUILESS_MAIN(CliTest)
#include "tst_cli.moc"
