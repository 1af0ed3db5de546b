#include "cli/CalibrationJson.h"
#include "cli/ChannelFiles.h"
#include "cli/CliContext.h"
#include "cli/CommandLine.h"
#include "cli/ContentsJson.h"
#include "cli/ContentsTable.h"
#include "cli/DifferenceLines.h"
#include "cli/DifferencesJson.h"
#include "cli/PortsJson.h"
#include "link/ComPortChoices.h"

#include "support/PseudoTerminal.h"
#include "support/SampleRadio.h"
#include "support/TemporaryHome.h"
#include "support/TemporaryProgramFolder.h"

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>
#include <cerrno>

// The command line's parts that need no radio and no process of their own: what an
// argument list means, and how differences and a radio's contents are printed.
namespace {

using Command = CommandLine::Command;

// Everything a parse found, as one line, so that a row names all of it at once.
QString described(const CommandLine& line)
{
    QStringList parts;
    parts << CommandLine::commandName(line.command);
    if (!line.files.isEmpty())
        parts << QStringLiteral("files=") + line.files.join(QLatin1Char(','));
    if (!line.ports.isEmpty())
        parts << QStringLiteral("port=") + line.ports.join(QLatin1Char(','));
    if (!line.output.isEmpty())
        parts << QStringLiteral("output=") + line.output;
    const auto flag = [&parts](bool set, const char* name) {
        if (set)
            parts << QString::fromLatin1(name);
    };
    flag(line.noBackup, "no-backup");
    flag(line.noVerify, "no-verify");
    flag(line.repeat, "repeat");
    flag(line.json, "json");
    flag(line.dryRun, "dry-run");
    flag(line.allPorts, "all-ports");
    flag(line.isFleet(), "fleet");
    if (line.lowPower >= 0 || line.highPower >= 0 || line.lowVoltage >= 0)
        parts << QStringLiteral("power=%1,%2,%3")
                     .arg(line.lowPower)
                     .arg(line.highPower)
                     .arg(line.lowVoltage);
    if (line.language)
        parts << (*line.language == Language::English ? QStringLiteral("english")
                                                      : QStringLiteral("chinese"));
    flag(line.quiet, "quiet");
    flag(line.help, "help");
    flag(line.version, "version");
    parts.removeAll(QString());
    return parts.join(QLatin1Char(' '));
}

// Columns on a terminal, where a Chinese character takes two.
int displayWidth(const QString& text)
{
    int width = 0;
    for (const QChar character : text)
        width += character.unicode() >= 0x1100 ? 2 : 1;
    return width;
}

// The terminal column at which each field of a table line starts.
QList<int> fieldStarts(const QString& line)
{
    QList<int> starts;
    int column = 0;
    bool inField = false;
    for (qsizetype i = 0; i < line.size(); ++i) {
        const bool space = line.at(i) == QLatin1Char(' ');
        // Two spaces or more part fields; a single one belongs to a caption ("RX Freq").
        const bool gap = space && i + 1 < line.size() && line.at(i + 1) == QLatin1Char(' ');
        if (!inField && !space)
            starts << column;
        inField = inField ? !gap : !space;
        column += displayWidth(line.at(i));
    }
    return starts;
}

// The value at a path such as "channels/0/power" in a document; undefined when it has none.
QJsonValue valueAt(const QJsonObject& document, const QString& path)
{
    QJsonValue value = document;
    for (const QString& step : path.split(QLatin1Char('/'))) {
        bool index = false;
        const int number = step.toInt(&index);
        value = index ? value.toArray().at(number) : value.toObject().value(step);
    }
    return value;
}

// A value as compact JSON, to compare and to show; "undefined" for a value not there.
QString compact(const QJsonValue& value)
{
    if (value.isUndefined())
        return QStringLiteral("undefined");
    if (value.isObject())
        return QString::fromUtf8(QJsonDocument(value.toObject()).toJson(QJsonDocument::Compact));
    return QString::fromUtf8(
        QJsonDocument(QJsonArray{value}).toJson(QJsonDocument::Compact).chopped(1).mid(1));
}

} // namespace

class TestCommandLine : public QObject
{
    Q_OBJECT

private slots:
    void parsesWhatWasAsked_data();
    void parsesWhatWasAsked();
    void refusesAMistake_data();
    void refusesAMistake();
    void languageIsKnownBeforeTheParse_data();
    void languageIsKnownBeforeTheParse();
    void differenceLines_data();
    void differenceLines();
    void contentsTableLinesUpItsColumns_data();
    void contentsTableLinesUpItsColumns();
    void fileProblemsNameTheirCause_data();
    void fileProblemsNameTheirCause();
    void readDocumentSpeaksNoLanguage_data();
    void readDocumentSpeaksNoLanguage();
    void differencesDocument_data();
    void differencesDocument();
    void comparisonResult_data();
    void comparisonResult();
    void calibrationDocument_data();
    void calibrationDocument();
    void portsDocument_data();
    void portsDocument();
};

void TestCommandLine::parsesWhatWasAsked_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("parsed");

    QTest::newRow("read") << QStringList{"read", "--port", "COM1"} << "read port=COM1";
    QTest::newRow("value after =")
        << QStringList{"read", "--port=COM2", "-o", "x.csv"} << "read port=COM2 output=x.csv";
    QTest::newRow("short options and every write option")
        << QStringList{"write",       "a.F19",       "-p",       "/dev/ttyUSB0",
                       "--no-backup", "--no-verify", "--repeat", "-q"}
        << "write files=a.F19 port=/dev/ttyUSB0 no-backup no-verify repeat fleet quiet";
    QTest::newRow("several ports")
        << QStringList{"write", "a.F19", "--port", "COM1", "-p", "COM2", "--port=/dev/ttyUSB5"}
        << "write files=a.F19 port=COM1,COM2,/dev/ttyUSB5 fleet";
    QTest::newRow("every port present")
        << QStringList{"verify", "a.F19", "--all-ports"} << "verify files=a.F19 all-ports fleet";
    QTest::newRow("several radios read, a file for each port")
        << QStringList{"read", "--port", "COM1", "--port", "COM2", "-o", "radio-{port}.F19"}
        << "read port=COM1,COM2 output=radio-{port}.F19 fleet";
    QTest::newRow("options before the command")
        << QStringList{"-q", "--language", "English", "diff", "a.F19", "b.csv"}
        << "diff files=a.F19,b.csv english quiet";
    QTest::newRow("calibration write at the limits")
        << QStringList{"calibration", "write",      "--port",        "COM4", "--low",
                       "0",           "--high=255", "--low-voltage", "2"}
        << "calibration write port=COM4 power=0,255,2";
    QTest::newRow("standard input as the file")
        << QStringList{"verify", "-", "--port", "COM1"} << "verify files=- port=COM1";
    QTest::newRow("standard output as the file")
        << QStringList{"read", "--port", "COM1", "-o", "-"} << "read port=COM1 output=-";
    QTest::newRow("help of a command, wanting nothing else")
        << QStringList{"write", "--help"} << "write help";
    QTest::newRow("help of both calibration commands")
        << QStringList{"calibration", "--help"} << "calibration read help";
    QTest::newRow("version") << QStringList{"--version"} << "version";
    QTest::newRow("the last language counts")
        << QStringList{"ports", "--language", "english", "--language=chinese"} << "ports chinese";
    QTest::newRow("read --json") << QStringList{"read", "--json", "-p", "COM1"}
                                 << "read port=COM1 json";
    QTest::newRow("every command that takes --json")
        << QStringList{"calibration", "read", "--port", "COM2", "--json"}
        << "calibration read port=COM2 json";
    QTest::newRow("write --dry-run with the list options")
        << QStringList{"write", "a.csv", "--port", "COM1", "--dry-run", "--skip-bad-rows"}
        << "write files=a.csv port=COM1 dry-run";
}

void TestCommandLine::parsesWhatWasAsked()
{
    QFETCH(QStringList, arguments);
    QFETCH(QString, parsed);
    const CommandLine line = CommandLine::parse(arguments, Language::English);
    QCOMPARE(line.error, QString());
    QCOMPARE(described(line), parsed);
}

void TestCommandLine::refusesAMistake_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<Language>("language");
    QTest::addColumn<QString>("error");
    // The command whose help the error points to; empty: the program's.
    QTest::addColumn<QString>("command");

    const auto english = [](const char* name, const QStringList& arguments, const char* error,
                            const char* command) {
        QTest::newRow(name) << arguments << Language::English << QString::fromUtf8(error)
                            << QString::fromUtf8(command);
    };
    english("nothing", {}, "no command given", "");
    english("unknown command", {"erase", "--port", "COM1"}, "unknown command \"erase\"", "");
    english("unknown option", {"read", "--port", "COM1", "--fast"}, "unknown option --fast",
            "read");
    english("option without its value", {"read", "--port"}, "--port needs a value", "read");
    english("value given to a flag", {"write", "a.F19", "--port", "COM1", "--repeat=yes"},
            "--repeat takes no value", "write");
    english("option of another command", {"verify", "a.F19", "--port", "COM1", "--no-backup"},
            "an option given does not belong to verify", "verify");
    english("one file too many", {"write", "a.F19", "b.F19", "--port", "COM1"},
            "write takes 1 file name, not 2", "write");
    english("no file", {"convert", "a.F19"}, "convert takes 2 file names, not 1", "convert");
    english("no port", {"verify", "a.F19"}, "verify needs --port COM1 to COM4 or a device path",
            "verify");
    english("power beyond a byte",
            {"calibration", "write", "--port", "COM1", "--low", "256", "--high", "1",
             "--low-voltage", "1"},
            "--low takes a whole number from 0 to 255, not \"256\"", "calibration write");
    english("low voltage not a number",
            {"calibration", "write", "--port", "COM1", "--low", "1", "--high", "1", "--low-voltage",
             "x"},
            "--low-voltage takes a whole number from 0 to 2, not \"x\"", "calibration write");
    english("power left out", {"calibration", "write", "--port", "COM1", "--low", "1"},
            "calibration write needs --low, --high and --low-voltage", "calibration write");
    english("calibration alone", {"calibration", "--port", "COM1"},
            "calibration needs read or write", "");
    english("unknown language", {"ports", "--language", "french"},
            "--language takes chinese or english, not \"french\"", "ports");
    english("answers and file both from standard input",
            {"write", "-", "--port", "COM1", "--repeat"},
            "--repeat reads its answers from standard input, so the file cannot come from "
            "there; give its name",
            "write");
    english("--json into a file", {"read", "--port", "COM1", "--json", "-o", "radio.F19"},
            "--json prints what read finds on standard output, so it does not go with -o", "read");
    english("--json of a command that prints no document",
            {"write", "a.F19", "--port", "COM1", "--json"},
            "an option given does not belong to write", "write");
    english("--json of calibration write",
            {"calibration", "write", "--port", "COM1", "--low", "1", "--high", "1", "--low-voltage",
             "1", "--json"},
            "an option given does not belong to calibration write", "calibration write");
    english(
        "--dry-run of many radios", {"write", "a.F19", "--port", "COM1", "--dry-run", "--repeat"},
        "--dry-run checks one write and sends nothing, so it does not go with --repeat", "write");
    english("--dry-run of a read", {"read", "--port", "COM1", "--dry-run"},
            "an option given does not belong to read", "read");
    english("--json given a value", {"ports", "--json=yes"}, "--json takes no value", "ports");
    english("two ports for a calibration",
            {"calibration", "read", "--port", "COM1", "--port", "COM2"},
            "calibration read takes one --port", "calibration read");
    english("every port for a calibration", {"calibration", "write", "--all-ports"},
            "calibration write takes one --port", "calibration write");
    english("ports named and every port", {"write", "a.F19", "--port", "COM1", "--all-ports"},
            "give --port or --all-ports, not both", "write");
    english("several radios read to standard output",
            {"read", "--port", "COM1", "--port", "COM2", "-o", "-"},
            "several radios cannot all be read to standard output; give -o a name with {port} "
            "in it, such as radio-{port}.F19",
            "read");
    english("several radios read to one file", {"read", "--all-ports", "-o", "radio.F19"},
            "when several radios are read, -o needs {port} in its name for each radio's port, "
            "such as radio-{port}.F19",
            "read");
    english("a document of several radios",
            {"verify", "a.F19", "--port", "COM1", "--port", "COM2", "--json"},
            "--json takes one --port at a time", "verify");
    english("a dry run of several radios", {"write", "a.F19", "--all-ports", "--dry-run"},
            "--dry-run takes one --port at a time", "write");
    // The first mistake is the one told.
    english("two mistakes", {"read", "--fast", "--slow", "--port", "COM1"}, "unknown option --fast",
            "read");

    QTest::newRow("in Chinese: unknown command") << QStringList{"erase"} << Language::Chinese
                                                 << QStringLiteral("未知命令“erase”") << QString();
    QTest::newRow("in Chinese: one file too many")
        << QStringList{"write", "a.F19", "b.F19", "--port", "COM1"} << Language::Chinese
        << QStringLiteral("write 需要 1 个文件名，而不是 2 个") << QStringLiteral("write");
}

void TestCommandLine::refusesAMistake()
{
    QFETCH(QStringList, arguments);
    QFETCH(Language, language);
    QFETCH(QString, error);
    QFETCH(QString, command);
    const CommandLine line = CommandLine::parse(arguments, language);
    QCOMPARE(line.error, error);
    QCOMPARE(CommandLine::commandName(line.command), command);
}

void TestCommandLine::languageIsKnownBeforeTheParse_data()
{
    QTest::addColumn<QStringList>("arguments");
    // 0: none asked for, 1: Chinese, 2: English.
    QTest::addColumn<int>("language");

    QTest::newRow("none") << QStringList{"erase"} << 0;
    QTest::newRow("after a mistake") << QStringList{"erase", "--language", "english"} << 2;
    QTest::newRow("with =") << QStringList{"--language=chinese", "--fast"} << 1;
    QTest::newRow("the last counts")
        << QStringList{"--language", "chinese", "--language", "english"} << 2;
    QTest::newRow("without its value") << QStringList{"read", "--language"} << 0;
    QTest::newRow("unknown") << QStringList{"--language", "french"} << 0;
}

void TestCommandLine::languageIsKnownBeforeTheParse()
{
    QFETCH(QStringList, arguments);
    QFETCH(int, language);
    const std::optional<Language> requested = CommandLine::requestedLanguage(arguments);
    QCOMPARE(requested ? (*requested == Language::English ? 2 : 1) : 0, language);
}

void TestCommandLine::differenceLines_data()
{
    QTest::addColumn<ContentsDifference>("difference");
    QTest::addColumn<Language>("language");
    QTest::addColumn<QString>("line");

    using Place = ContentsDifference::Place;
    ContentsDifference power;
    power.row = 2;
    power.column = Column::Power;
    power.written = QStringLiteral("High");
    power.held = QStringLiteral("Low");
    ContentsDifference squelch;
    squelch.place = Place::Setting;
    squelch.setting = FunctionSettings::Squelch;
    squelch.written = QStringLiteral("5");
    squelch.held = QStringLiteral("3");
    ContentsDifference vox;
    vox.place = Place::VoxInhibit;
    vox.written = QStringLiteral("1");
    vox.held = QStringLiteral("0");
    ContentsDifference band;
    band.place = Place::Band;
    band.written = QStringLiteral("400-470MHz");
    band.held = QStringLiteral("136-174MHz");

    QTest::newRow("channel field") << power << Language::English
                                   << "Channel 02, Power: \"High\" in radio.F19, \"Low\" in "
                                      "the radio";
    // A setting by its value as the settings page shows it, not by its place in the list.
    QTest::newRow("setting") << squelch << Language::English
                             << "Squelch Level: 5 in radio.F19, 3 in the radio";
    ContentsDifference timeOut;
    timeOut.place = Place::Setting;
    timeOut.setting = FunctionSettings::TimeOut;
    timeOut.written = QStringLiteral("3");
    timeOut.held = QStringLiteral("0");
    QTest::newRow("setting of words")
        << timeOut << Language::English << "TX Time-out: 3 min in radio.F19, OFF in the radio";
    QTest::newRow("setting of words in Chinese")
        << timeOut << Language::Chinese
        << QStringLiteral("超时禁发：radio.F19 中为 3分钟，the radio 中为 禁用");
    // A radio may hold a position its list does not have.
    ContentsDifference voice;
    voice.place = Place::Setting;
    voice.setting = FunctionSettings::VoicePrompt;
    voice.written = QStringLiteral("1");
    voice.held = QStringLiteral("12");
    QTest::newRow("setting beyond its list")
        << voice << Language::English
        << "Voice Prompt: English in radio.F19, position 12 in the radio";
    QTest::newRow("VOX inhibit") << vox << Language::English
                                 << "VOX Inhibit on Receive: ON in radio.F19, OFF in the radio";
    QTest::newRow("band") << band << Language::English
                          << "Band: \"400-470MHz\" in radio.F19, \"136-174MHz\" in the radio";
    QTest::newRow("channel field in Chinese")
        << power << Language::Chinese
        << QStringLiteral("第 02 信道，功率：radio.F19 中为 “High”，the radio 中为 “Low”");
}

void TestCommandLine::differenceLines()
{
    QFETCH(ContentsDifference, difference);
    QFETCH(Language, language);
    QFETCH(QString, line);
    QCOMPARE(::differenceLines({difference}, QStringLiteral("radio.F19"),
                               QStringLiteral("the radio"), language),
             QStringList{line});
}

// What a file the command line cannot read or write is told: the folder or file at fault,
// in the language asked for, never the system's English word alone.
void TestCommandLine::fileProblemsNameTheirCause_data()
{
    QTest::addColumn<Language>("language");
    QTest::addColumn<int>("error");
    // Under the scratch folder, which holds the file "plain".
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("text");

    QTest::newRow("missing folder") << Language::English << ENOENT << "nowhere/deeper/out.csv"
                                    << "SCRATCH/nowhere/deeper/out.csv: the folder "
                                       "SCRATCH/nowhere does not exist";
    QTest::newRow("missing folder in Chinese")
        << Language::Chinese << ENOENT << "nowhere/out.csv"
        << QStringLiteral("SCRATCH/nowhere/out.csv：文件夹 SCRATCH/nowhere 不存在");
    QTest::newRow("missing file") << Language::English << ENOENT << "missing.F19"
                                  << "SCRATCH/missing.F19: there is no such file";
    QTest::newRow("missing file in Chinese") << Language::Chinese << ENOENT << "missing.F19"
                                             << QStringLiteral("SCRATCH/missing.F19：没有这个文件");
    QTest::newRow("file where a folder should be")
        << Language::English << EEXIST << "plain/backup.F19"
        << "SCRATCH/plain/backup.F19: SCRATCH/plain is a file where a folder should be";
    QTest::newRow("file on the way to a folder")
        << Language::Chinese << ENOTDIR << "plain/more/backup.F19"
        << QStringLiteral("SCRATCH/plain/more/backup.F19：SCRATCH/plain 是文件，而此处应为文件夹");
    QTest::newRow("disk full") << Language::English << ENOSPC << "out.csv"
                               << "SCRATCH/out.csv: the disk is full";
    QTest::newRow("disk full in Chinese")
        << Language::Chinese << ENOSPC << "out.csv" << QStringLiteral("SCRATCH/out.csv：磁盘已满");
    QTest::newRow("permission") << Language::English << EACCES << "out.csv"
                                << "SCRATCH/out.csv: permission denied";
    QTest::newRow("another error in Chinese")
        << Language::Chinese << EIO << "out.csv"
        << QStringLiteral("SCRATCH/out.csv：系统错误 %1").arg(EIO);
}

void TestCommandLine::fileProblemsNameTheirCause()
{
    QFETCH(Language, language);
    QFETCH(int, error);
    QFETCH(QString, path);
    QFETCH(QString, text);

    const TemporaryHome home;
    TemporaryProgramFolder program;
    QTemporaryDir scratch;
    QFile plain(QDir(scratch.path()).filePath(QStringLiteral("plain")));
    QVERIFY(plain.open(QIODevice::WriteOnly));
    plain.close();
    CommandLine line;
    line.command = Command::Convert;
    line.language = language;
    const CliContext context(program.path(), line);
    text.replace(QStringLiteral("SCRATCH"), scratch.path());
    QCOMPARE(ChannelFiles::ioProblemText(context, error, QDir(scratch.path()).filePath(path)),
             text);
}

void TestCommandLine::contentsTableLinesUpItsColumns_data()
{
    QTest::addColumn<Language>("language");
    QTest::addColumn<QString>("bandLine");
    QTest::newRow("English") << Language::English << "Band: 400-470MHz";
    // Chinese captions take two columns a character on a terminal.
    QTest::newRow("Chinese") << Language::Chinese << QStringLiteral("型号: 400-470MHz");
}

// What `read` prints: the band, then the channels under the grid's captions with every
// column starting where its caption does, then the settings with their values lined up.
void TestCommandLine::contentsTableLinesUpItsColumns()
{
    QFETCH(Language, language);
    QFETCH(QString, bandLine);

    const TemporaryHome home;
    TemporaryProgramFolder program;
    program.copyCompanionFiles();
    CommandLine line;
    line.command = Command::Diff;
    line.language = language;
    CliContext context(program.path(), line);
    SampleRadio::fill(context.workspace());
    context.workspace().bands.select(context.workspace().bands.indexOf(SampleRadio::Band));

    const QStringList lines = contentsTable(context).split(QLatin1Char('\n'));
    QCOMPARE(lines.value(0), bandLine);
    QCOMPARE(lines.value(1), QString());
    const QStringList channelLines = lines.mid(2, 1 + 16);
    const QList<int> captionStarts = fieldStarts(channelLines.first());
    QCOMPARE(captionStarts.size(), 1 + Column::LastField);
    for (const QString& channel : channelLines.mid(1)) {
        const QList<int> starts = fieldStarts(channel);
        // Each field starts at its caption; an empty field leaves its place blank.
        for (const int start : starts)
            QVERIFY2(captionStarts.contains(start), qPrintable(channel));
    }
    const QString firstChannel = channelLines.value(1);
    QVERIFY2(firstChannel.startsWith(QStringLiteral("01  ")), qPrintable(firstChannel));

    const QStringList settings = lines.mid(2 + 17 + 1);
    QVERIFY(settings.size() >= FunctionSettings::SettingCount + 1);
    QList<int> valueStarts;
    for (const QString& setting : settings.mid(0, FunctionSettings::SettingCount + 1))
        valueStarts << fieldStarts(setting).value(1);
    QCOMPARE(std::count(valueStarts.begin(), valueStarts.end(), valueStarts.first()),
             valueStarts.size());
}

void TestCommandLine::readDocumentSpeaksNoLanguage_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<QJsonValue>("value");

    const auto row = [](const char* path, const QJsonValue& value) {
        QTest::newRow(path) << QString::fromLatin1(path) << value;
    };
    row("band", QStringLiteral("400-470MHz"));
    row("channels/0/channel", 1);
    row("channels/0/empty", false);
    row("channels/0/rxFrequency", QStringLiteral("435.12500"));
    row("channels/0/rxTone", QStringLiteral("131.8"));
    row("channels/0/txFrequency", QStringLiteral("436.02500"));
    row("channels/0/txTone", QStringLiteral("D023N"));
    row("channels/0/power", QStringLiteral("low"));
    row("channels/0/wideband", true);
    row("channels/0/busyLock", true);
    row("channels/0/scramble", true);
    row("channels/1/rxTone", QStringLiteral("off"));
    row("channels/1/power", QStringLiteral("high"));
    row("channels/1/busyLock", false);
    // A channel without a receive frequency is empty, and says no more.
    row("channels/2/channel", 3);
    row("channels/2/empty", true);
    row("channels/2/rxFrequency", QJsonValue::Undefined);
    row("channels/3/txFrequency", QJsonValue::Null);
    row("channels/3/txTone", QStringLiteral("D754I"));
    row("channels/15/channel", 16);
    row("channels/16", QJsonValue::Undefined);
    row("settings/squelch", 5);
    row("settings/batterySave", true);
    row("settings/timeOut", 6);
    row("settings/promptTone", false);
    row("settings/alarmKey", true);
    row("settings/scan", true);
    row("settings/voicePrompt", QStringLiteral("english"));
    row("settings/voxGain", 4);
    row("settings/voxDelay", 4);
    row("settings/voxInhibit", true);
}

// What `read --json` prints holds the same names and values whatever the language the
// grid's words are in.
void TestCommandLine::readDocumentSpeaksNoLanguage()
{
    QFETCH(QString, path);
    QFETCH(QJsonValue, value);

    const TemporaryHome home;
    TemporaryProgramFolder program;
    program.copyCompanionFiles();
    for (const Language language : {Language::English, Language::Chinese}) {
        CommandLine line;
        line.command = Command::Read;
        line.language = language;
        CliContext context(program.path(), line);
        Workspace& workspace = context.workspace();
        SampleRadio::fill(workspace);
        workspace.bands.select(workspace.bands.indexOf(SampleRadio::Band));
        // In the words of the language in use, as a read gives them.
        context.localisation().switchLanguage(language);
        QCOMPARE(workspace.table.text(2, Column::RxTone) == QLatin1String("OFF"),
                 language == Language::English);

        const QJsonObject document =
            ContentsJson::contents(workspace.radioContents(), workspace.words);
        QCOMPARE(compact(valueAt(document, path)), compact(value));
    }
}

void TestCommandLine::differencesDocument_data()
{
    QTest::addColumn<ContentsDifference>("difference");
    QTest::addColumn<QJsonObject>("entry");

    using Place = ContentsDifference::Place;
    const auto sides = [](ContentsDifference difference, const char* written, const char* held) {
        difference.written = QString::fromUtf8(written);
        difference.held = QString::fromUtf8(held);
        return difference;
    };
    const auto channel = [&sides](int row, int column, const char* written, const char* held) {
        ContentsDifference difference;
        difference.row = row;
        difference.column = column;
        return sides(difference, written, held);
    };
    const auto setting = [&sides](Place place, FunctionSettings::Setting which, const char* written,
                                  const char* held) {
        ContentsDifference difference;
        difference.place = place;
        difference.setting = which;
        return sides(difference, written, held);
    };
    const auto entry = [](const QString& json) {
        return QJsonDocument::fromJson(json.toUtf8()).object();
    };

    QTest::newRow("power") << channel(2, Column::Power, "High", "Low")
                           << entry(R"({"place": "channel", "channel": 2, "field": "power",
                                        "file": "high", "radio": "low"})");
    QTest::newRow("tone off") << channel(16, Column::RxTone, "OFF", "67.0")
                              << entry(R"({"place": "channel", "channel": 16, "field": "rxTone",
                                           "file": "off", "radio": "67.0"})");
    QTest::newRow("option") << channel(1, Column::BusyLock, "ON", "OFF")
                            << entry(R"({"place": "channel", "channel": 1, "field": "busyLock",
                                         "file": true, "radio": false})");
    QTest::newRow("a channel emptied")
        << channel(3, Column::RxFrequency, "440.00000", "")
        << entry(R"({"place": "channel", "channel": 3, "field": "rxFrequency",
                     "file": "440.00000", "radio": null})");
    // Where the locale writes a comma, the document still has a point.
    QTest::newRow("frequency with a comma")
        << channel(5, Column::TxFrequency, "440,00000", "440,01250")
        << entry(R"({"place": "channel", "channel": 5, "field": "txFrequency",
                     "file": "440.00000", "radio": "440.01250"})");
    QTest::newRow("squelch") << setting(Place::Setting, FunctionSettings::Squelch, "5", "3")
                             << entry(R"({"place": "setting", "field": "squelch",
                                          "file": 5, "radio": 3})");
    QTest::newRow("scan, whose list starts with on")
        << setting(Place::Setting, FunctionSettings::Scan, "1", "0")
        << entry(R"({"place": "setting", "field": "scan", "file": false, "radio": true})");
    QTest::newRow("voice") << setting(Place::Setting, FunctionSettings::VoicePrompt, "0", "2")
                           << entry(R"({"place": "setting", "field": "voicePrompt",
                                        "file": "off", "radio": "chinese"})");
    QTest::newRow("VOX delay in seconds")
        << setting(Place::Setting, FunctionSettings::VoxDelay, "0", "3")
        << entry(R"({"place": "setting", "field": "voxDelay", "file": 1, "radio": 4})");
    QTest::newRow("a position outside the list")
        << setting(Place::Setting, FunctionSettings::TimeOut, "9", "0")
        << entry(R"({"place": "setting", "field": "timeOut", "file": null, "radio": 0})");
    QTest::newRow("VOX inhibit")
        << setting(Place::VoxInhibit, FunctionSettings::Squelch, "1", "0")
        << entry(R"({"place": "setting", "field": "voxInhibit", "file": true, "radio": false})");
    QTest::newRow("band") << setting(Place::Band, FunctionSettings::Squelch, "400-470MHz",
                                     "136-174MHz")
                          << entry(R"({"place": "band", "field": "band",
                                       "file": "400-470MHz", "radio": "136-174MHz"})");
}

void TestCommandLine::differencesDocument()
{
    QFETCH(ContentsDifference, difference);
    QFETCH(QJsonObject, entry);
    QVERIFY(!entry.isEmpty());
    const QJsonArray differences = DifferencesJson::differences(
        {difference}, SampleRadio::Words, QStringLiteral("file"), QStringLiteral("radio"));
    QCOMPARE(differences.size(), 1);
    QCOMPARE(compact(differences.at(0)), compact(entry));
}

void TestCommandLine::comparisonResult_data()
{
    QTest::addColumn<int>("differences");
    QTest::addColumn<QStringList>("skippedRows");
    QTest::addColumn<QString>("result");

    const QStringList skipped{"list.csv, row 4: the frequency \"146.52\" is outside the band "
                              "400-470MHz"};
    QTest::newRow("nothing") << 0 << QStringList() << "same";
    QTest::newRow("a difference") << 1 << QStringList() << "differences";
    // A row that became no channel says more than the radio or the other file holds.
    QTest::newRow("a skipped row alone") << 0 << skipped << "differences";
}

void TestCommandLine::comparisonResult()
{
    QFETCH(int, differences);
    QFETCH(QStringList, skippedRows);
    QFETCH(QString, result);
    QJsonArray found;
    for (int i = 0; i < differences; ++i)
        found.append(QJsonObject{{QStringLiteral("place"), QStringLiteral("band")}});
    const QJsonObject document = DifferencesJson::comparison(found, skippedRows);
    QCOMPARE(document.value(QStringLiteral("result")).toString(), result);
    QCOMPARE(document.value(QStringLiteral("differences")).toArray().size(), differences);
    QCOMPARE(document.value(QStringLiteral("skippedRows")).toArray(),
             QJsonArray::fromStringList(skippedRows));
}

void TestCommandLine::calibrationDocument_data()
{
    QTest::addColumn<CalibrationReading>("reading");
    QTest::addColumn<Language>("language");
    QTest::addColumn<QString>("document");

    QTest::newRow("a named level")
        << CalibrationReading{{100, 200, 2}, std::nullopt} << Language::English
        << R"({"highPower":200,"lowPower":100,"lowVoltage":2})";
    QTest::newRow("a byte of no level")
        << CalibrationReading{{79, 48, 1}, quint8(0x05)} << Language::English
        << R"({"highPower":48,"lowPower":79,"lowVoltage":1,"lowVoltageByte":5,)"
           R"("warning":"The radio's low voltage byte is 05, which is none of the levels 00, )"
           R"(01 and 02; it is shown as 1. Check it before writing."})";
    QTest::newRow("a byte of no level, in Chinese")
        << CalibrationReading{{79, 48, 1}, quint8(0xFF)} << Language::Chinese
        << QStringLiteral(R"({"highPower":48,"lowPower":79,"lowVoltage":1,"lowVoltageByte":255,)"
                          R"("warning":"电台的低电压字节为 FF，不是规定的等级 00、01、02 之一；)"
                          R"(显示为 1。写入前请核对。"})");
}

void TestCommandLine::calibrationDocument()
{
    QFETCH(CalibrationReading, reading);
    QFETCH(Language, language);
    QFETCH(QString, document);
    QCOMPARE(compact(calibrationJson(reading, language)), document);
}

void TestCommandLine::portsDocument_data()
{
    QTest::addColumn<int>("port");
    QTest::addColumn<QString>("document");

    // FOLDER is the test's folder, PROGRAM its program folder. A link leads to its device
    // when there is one.
    QTest::newRow("a cable, free")
        << 1
        << R"({"cable":"/dev/serial/by-id/usb-Prolific-if00-port0","device":"FOLDER/dev/ttyQV1",)"
           R"("heldBy":null,"port":"COM1","present":true,"source":"link","state":"free"})";
    QTest::newRow("a link to nothing")
        << 2
        << R"({"cable":null,"device":"PROGRAM/dosdevices/com2","heldBy":null,"port":"COM2",)"
           R"("present":false,"source":"link","state":"missing"})";
    QTest::newRow("held by another program")
        << 3
        << R"({"cable":null,"device":"HELD","heldBy":{"pid":4242,)"
           R"("program":"minicom"},"port":"COM3","present":true,"source":"link","state":"held"})";
    QTest::newRow("a cable chosen but not plugged in")
        << 4
        << R"({"cable":"/dev/serial/by-id/usb-FTDI-if00-port0",)"
           R"("device":"/dev/serial/by-id/usb-FTDI-if00-port0","heldBy":null,"port":"COM4",)"
           R"("present":false,"source":"chosen","state":"missing"})";
}

void TestCommandLine::portsDocument()
{
    QFETCH(int, port);
    QFETCH(QString, document);

    QTemporaryDir folder;
    QVERIFY(folder.isValid());
    const QDir root(folder.path());
    for (const char* path : {"program/dosdevices", "dev", "lock", "proc/4242"})
        QVERIFY(root.mkpath(QString::fromLatin1(path)));
    const auto touch = [&root](const char* name, const QByteArray& bytes) {
        QFile file(root.filePath(QString::fromLatin1(name)));
        return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
    };
    QVERIFY(touch("dev/ttyQV1", {}));
    // The held device is a terminal, as a serial port is: a plain file is no port at all.
    const PseudoTerminal heldTerminal;
    QVERIFY(heldTerminal.isValid());
    const QString heldDevice = heldTerminal.slavePath();
    const QString program = root.filePath(QStringLiteral("program"));
    const auto link = [&](int number, const QString& target) {
        return QFile::link(target, QStringLiteral("%1/dosdevices/com%2").arg(program).arg(number));
    };
    QVERIFY(link(1, root.filePath(QStringLiteral("dev/ttyQV1"))));
    QVERIFY(link(2, root.filePath(QStringLiteral("dev/ttyQV2"))));
    QVERIFY(link(3, heldDevice));
    // Another program's lock file, as serial programs leave it.
    QVERIFY(touch(qPrintable(QStringLiteral("lock/") + PortDiagnostics::lockFileName(heldDevice)),
                  "      4242\n"));
    QVERIFY(touch("proc/4242/cmdline", QByteArray("/usr/bin/minicom\0-D\0", 20)));
    ComPortChoices choices;
    choices.tie(4, QStringLiteral("/dev/serial/by-id/usb-FTDI-if00-port0"));

    SerialDevice cable;
    cable.path = root.filePath(QStringLiteral("dev/ttyQV1"));
    cable.stableName = QStringLiteral("/dev/serial/by-id/usb-Prolific-if00-port0");
    cable.description = QStringLiteral("USB-Serial Controller");
    cable.vendorId = 0x067b;
    cable.productId = 0x2303;
    cable.hasUsbIds = true;
    const ComPortDevices devices(program, root.filePath(QStringLiteral("dev")), &choices);
    const PortDiagnostics diagnostics(SerialDeviceList(), {root.filePath(QStringLiteral("lock"))},
                                      root.filePath(QStringLiteral("proc")));
    // The cable opens; the held device does not.
    const auto probe = [&cable](const QString& path) { return path == cable.path; };
    const QJsonObject ports = PortsJson::ports({cable}, devices, probe, diagnostics);

    document.replace(QStringLiteral("PROGRAM"), program);
    document.replace(QStringLiteral("FOLDER"), folder.path());
    document.replace(QStringLiteral("HELD"), heldDevice);
    QCOMPARE(compact(valueAt(ports, QStringLiteral("ports/%1").arg(port - 1))), document);
    QCOMPARE(valueAt(ports, QStringLiteral("ports")).toArray().size(), 4);
    QCOMPARE(compact(valueAt(ports, QStringLiteral("devices"))),
             QStringLiteral(R"([{"comPorts":["COM1"],"description":"USB-Serial Controller",)"
                            R"("path":"%1","stableName":"/dev/serial/by-id/)"
                            R"(usb-Prolific-if00-port0","usbId":"067b:2303"}])")
                 .arg(cable.path));
}

QTEST_GUILESS_MAIN(TestCommandLine)
#include "tst_commandline.moc"
