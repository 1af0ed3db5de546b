#include "cli/CliContext.h"
#include "cli/CommandLine.h"
#include "cli/ContentsTable.h"
#include "cli/DifferenceLines.h"

#include "support/SampleRadio.h"
#include "support/TemporaryHome.h"
#include "support/TemporaryProgramFolder.h"

#include <QTest>

#include <algorithm>

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
    if (!line.port.isEmpty())
        parts << QStringLiteral("port=") + line.port;
    if (!line.output.isEmpty())
        parts << QStringLiteral("output=") + line.output;
    const auto flag = [&parts](bool set, const char* name) {
        if (set)
            parts << QString::fromLatin1(name);
    };
    flag(line.noBackup, "no-backup");
    flag(line.noVerify, "no-verify");
    flag(line.repeat, "repeat");
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
        << "write files=a.F19 port=/dev/ttyUSB0 no-backup no-verify repeat quiet";
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
            "write takes 1 file name(s), not 2", "write");
    english("no file", {"convert", "a.F19"}, "convert takes 2 file name(s), not 1", "convert");
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
    QTest::newRow("setting") << squelch << Language::English
                             << "Setting Squelch Level: position 5 in radio.F19, position 3 in "
                                "the radio";
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

QTEST_GUILESS_MAIN(TestCommandLine)
#include "tst_commandline.moc"
