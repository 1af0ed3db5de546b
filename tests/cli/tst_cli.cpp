#include "files/ChannelFileParser.h"
#include "files/ChannelFileWriter.h"
#include "workspace/Localisation.h"
#include "workspace/Workspace.h"

#include "CliRun.h"
#include "support/FileBytes.h"
#include "support/PseudoTerminal.h"
#include "support/SampleRadio.h"

#include <QDir>
#include <QFile>
#include <QTest>

namespace {

constexpr int CalibrationAddress = 0x03C8;

// The channel texts of a channel file's rows 1 to 16.
QList<QStringList> channelsOf(const QByteArray& channelFile)
{
    const ParsedChannelFile parsed = ChannelFileParser::parse(channelFile);
    QList<QStringList> rows;
    if (!parsed.ok())
        return rows;
    for (const QStringList& fields : parsed.content.channels)
        rows << fields;
    return rows;
}

QList<QStringList> sampleChannels()
{
    QList<QStringList> rows;
    for (int row = Row::FirstChannel; row <= Row::LastChannel; ++row)
        rows << SampleRadio::rowTexts(row);
    return rows;
}

// A channel file in English with the start-up settings and only channels a channel list
// can carry (in the band, tones of the radio's list), from channel 1 on without a gap.
QByteArray representableChannelFile(const QString& programFolder)
{
    Workspace workspace;
    Localisation(workspace, programFolder).switchLanguage(Language::English);
    workspace.bands.append(SampleRadio::Band);
    workspace.bands.select(0);
    // A list fills channels in its order, so they follow one another from channel 1.
    int row = Row::FirstChannel;
    for (const SampleRadio::Channel& channel : SampleRadio::channels()) {
        if (channel.row == 4 || channel.row == 16)
            continue; // outside the band
        for (int column = Column::FirstField; column <= Column::LastField; ++column)
            workspace.table.setText(row, column, channel.texts.value(column - Column::FirstField));
        ++row;
    }
    return ChannelFileWriter(workspace).contents();
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
    void channelListWriteKeepsTheRadiosSettings();
    void defaultLanguageFollowsTheInstallersLog();
    void verifyListsDifferences();
    void repeatWritesRadioAfterRadio_data();
    void repeatWritesRadioAfterRadio();
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
        "Usage: qv3307-cli read --port PORT [-o FILE]");
    row("help of both calibration commands", {"calibration", "--help"}, false, 0,
        "Usage: qv3307-cli calibration read --port PORT");
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
        "qv3307-cli: COM1 (DEVICE): the radio did not answer or the transfer failed. Cause: the "
        "port DEVICE opened, but the radio did not answer. Check that the radio is switched on "
        "with a charged battery, that the plug is pushed fully into the radio, and that this is "
        "the radio's programming cable.");
    row("silent radio, calibration", {"calibration", "read", "--port", "COM1"}, true, 4,
        "qv3307-cli: COM1 (DEVICE): the radio did not answer or the transfer failed. Cause: the "
        "port DEVICE opened, but the radio did not answer. Check that the radio is switched on "
        "with a charged battery, that the plug is pushed fully into the radio, and that this is "
        "the radio's programming cable.");
    row("output of no known kind", {"read", "--port", "COM1", "-o", "radio.txt"}, false, 5,
        "qv3307-cli: radio.txt: not a channel file; give a .F19 channel file or a .csv "
        "channel list");
    row("missing file", {"convert", "missing.F19", "out.csv"}, false, 5,
        "qv3307-cli: missing.F19: File not found; check the file's name and folder and that "
        "you may use them");
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
}

void CliTest::exitStatuses()
{
    QFETCH(QStringList, arguments);
    QFETCH(bool, silentRadio);
    QFETCH(int, status);
    QFETCH(QString, firstLine);

    CliRun run(SampleRadio::image());
    RadioFaults faults;
    faults.silent = silentRadio;
    run.radio().setFaults(faults);
    QVERIFY(run.start());
    run.program().mapComPort(2, QStringLiteral("/nonexistent/ttyQV0"));
    writeAll(run.file(QStringLiteral("junk.F19")), "hello\r\n");
    writeChannelFiles(run);
    writeAll(run.file(QStringLiteral("junk.csv")), "hello\r\n");
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
// it has the start-up settings and the band a channel file made from a list gets.
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
                            "shows 1 difference(s) from b.F19; write it again")
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
    QCOMPARE(QString::fromUtf8(outcome.out),
             QStringLiteral("Radios written: %1, verified: %1, failed: 0\n").arg(radios));
    QCOMPARE(outcome.err.count("Connect the next radio and press Enter (q and Enter to stop)"),
             radios);
    QTRY_COMPARE(run.radio().commands(RadioCommandKind::Exit).size(), 2 * radios);
}

QTEST_GUILESS_MAIN(CliTest)
#include "tst_cli.moc"
