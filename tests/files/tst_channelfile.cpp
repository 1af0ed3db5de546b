#include "files/ChannelFileParser.h"
#include "files/ChannelFileReader.h"
#include "files/ChannelFileWriter.h"
#include "workspace/Gbk.h"
#include "workspace/IoErrorText.h"

#include "support/PermissionsHonoured.h"
#include "support/ReadOnlyFolder.h"
#include "support/WorkspaceFixture.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <cerrno>
#include <csignal>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

using S = FunctionSettings;

// GBK bytes of the Chinese cell words.
const QByteArray Off = "\xBD\xFB\xD3\xC3";          // 禁用
const QByteArray On = "\xC6\xF4\xD3\xC3";           // 启用
const QByteArray High = "\xB8\xDF\xB9\xA6\xC2\xCA"; // 高功率
const QByteArray Low = "\xB5\xCD\xB9\xA6\xC2\xCA";  // 低功率

// The bytes of a literal that may hold NUL bytes, without its terminating one.
template <size_t Size> QByteArray bytesOf(const char (&literal)[Size])
{
    return QByteArray(literal, Size - 1);
}

QByteArray crlfLines(const QList<QByteArray>& lines)
{
    QByteArray file;
    for (const QByteArray& line : lines)
        file += line + "\r\n";
    return file;
}

QByteArray emptyChannelLine(int row)
{
    return QByteArray("CH") + QByteArray::number(row).rightJustified(2, '0') +
           " |  |  |  |  |  |  |  |  | ";
}

// Lines 1 to 17 of a file as the program writes it, settings at their start-up positions.
QList<QByteArray> headLines(const QByteArray& language = "Language 2",
                            const QByteArray& band = "BAND 400-470MHz")
{
    return {"QV-3307 MEMORY CHANNEL",
            "",
            "",
            language,
            band,
            "Squelch 2 2",
            "BatSave 1 ON",
            "TxT.O.T 3 3 min",
            "TONE 1 ON",
            "EMG 1 ON",
            "SCAN 1 OFF",
            "VOICE 2 Chinese",
            "VoxGainLevel 2 3",
            "VoxDelay 2 3s",
            "VoxInhibit 1",
            "",
            ""};
}

// A whole file: the head above, then the channel part exactly as given.
QByteArray fileWithChannels(const QByteArray& channelPart)
{
    return crlfLines(headLines()) + channelPart;
}

QByteArray fileWithLines(QList<QByteArray> lines)
{
    for (int row = 1; row <= 16; ++row)
        lines << emptyChannelLine(row);
    return crlfLines(lines);
}

void fillTable(ChannelTable& table, const QString& text)
{
    for (int row = Row::FirstChannel; row <= Row::LastChannel; ++row)
        for (int column = Column::FirstField; column <= Column::LastField; ++column)
            table.setText(row, column, text);
}

FileResult readInto(WorkspaceFixture& fixture, const QByteArray& file)
{
    return ChannelFileReader(fixture.workspace, fixture.localisation).read(file, "radio.F19");
}

// A device that takes `capacity` bytes and then no more; a capacity below zero fails
// every write.
class LimitedDevice : public QIODevice
{
public:
    explicit LimitedDevice(qint64 capacity) : m_capacity(capacity)
    {
        open(QIODevice::WriteOnly | QIODevice::Unbuffered);
    }

protected:
    qint64 readData(char*, qint64) override { return -1; }
    qint64 writeData(const char*, qint64 length) override
    {
        if (m_capacity < 0)
            return -1;
        const qint64 taken = qMin(length, m_capacity);
        m_capacity -= taken;
        return taken;
    }

private:
    qint64 m_capacity;
};

// Holds the process's file size limit low, as a full disk would stop the next write.
class FileSizeLimit
{
public:
    explicit FileSizeLimit(rlim_t bytes)
    {
        getrlimit(RLIMIT_FSIZE, &m_previous);
        m_previousHandler = std::signal(SIGXFSZ, SIG_IGN);
        const rlimit limit{bytes, m_previous.rlim_max};
        setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FileSizeLimit()
    {
        setrlimit(RLIMIT_FSIZE, &m_previous);
        std::signal(SIGXFSZ, m_previousHandler);
    }

private:
    rlimit m_previous{};
    void (*m_previousHandler)(int) = nullptr;
};

} // namespace

class TestChannelFile : public QObject
{
    Q_OBJECT

private slots:
    void writesTheExampleFileByteForByte();
    void writesCellsAsTheyStand();
    void writtenFilesReadBack_data();
    void writtenFilesReadBack();
    void channelLinesAreReadByPosition_data();
    void channelLinesAreReadByPosition();
    void settingsAreReadByPosition_data();
    void settingsAreReadByPosition();
    void languageCodeRunsTheSwitch_data();
    void languageCodeRunsTheSwitch();
    void bandIsSelectedLearnedOrLeft_data();
    void bandIsSelectedLearnedOrLeft();
    void aFileThatDoesNotConvertChangesNothing_data();
    void aFileThatDoesNotConvertChangesNothing();
    void theParserNeedsNoWorkspace();
    void fileErrorsUseTheSystemsWords_data();
    void fileErrorsUseTheSystemsWords();
    void fullDeviceIsReported();
    void failedSaveLeavesThePreviousFileWhole();
    void replacingKeepsPermissionsAndFollowsLinks();
    void savingWhereOnlyTheFileIsWritable_data();
    void savingWhereOnlyTheFileIsWritable();
    void aStickyFolderRefusingTheRenameIsWrittenInPlace();
    void iconvFallbackAgreesWithQt();
};

void TestChannelFile::writesTheExampleFileByteForByte()
{
    WorkspaceFixture fixture;
    Workspace& workspace = fixture.workspace;
    fixture.localisation.switchLanguage(Language::Chinese);
    workspace.settings.setPosition(S::TimeOut, 0);
    workspace.settings.setPosition(S::VoicePrompt, 0);
    const QStringList channel1 = {"430.12500", "67.0", "430.12500", "67.0",
                                  "高功率",    "启用", "禁用",      "禁用"};
    const QStringList channel2 = {"445.50000", "禁用", "445.50000", "D023N",
                                  "低功率",    "启用", "禁用",      "启用"};
    for (int column = Column::FirstField; column <= Column::LastField; ++column) {
        workspace.table.setText(1, column, channel1[column - 1]);
        workspace.table.setText(2, column, channel2[column - 1]);
    }

    QList<QByteArray> expected = {"QV-3307 MEMORY CHANNEL",
                                  "",
                                  "",
                                  "Language 1",
                                  "BAND 400-470MHz",
                                  "Squelch 2 2",
                                  "BatSave 1 " + On,
                                  "TxT.O.T 0 " + Off,
                                  "TONE 1 " + On,
                                  "EMG 1 " + On,
                                  "SCAN 1 " + Off,
                                  "VOICE 0 " + Off,
                                  "VoxGainLevel 2 3",
                                  "VoxDelay 2 3s",
                                  "VoxInhibit 1",
                                  "",
                                  "",
                                  "CH01 | 430.12500 | 67.0 | 430.12500 | 67.0 | " + High + " | " +
                                      On + " | " + Off + " | " + Off + " | ",
                                  "CH02 | 445.50000 | " + Off + " | 445.50000 | D023N | " + Low +
                                      " | " + On + " | " + Off + " | " + On + " | "};
    for (int row = 3; row <= 16; ++row)
        expected << emptyChannelLine(row);

    QCOMPARE(ChannelFileWriter(workspace).contents(), crlfLines(expected));
}

void TestChannelFile::writesCellsAsTheyStand()
{
    // Nothing is validated or re-worded: a half-typed frequency, a tone cell of a row
    // without a receive frequency and the other language's word all go out unchanged.
    WorkspaceFixture fixture;
    fixture.localisation.switchLanguage(Language::English);
    ChannelTable& table = fixture.workspace.table;
    table.setText(1, Column::RxFrequency, "43");
    table.setText(1, Column::Power, "高功率");
    table.setText(2, Column::RxTone, "67.0");

    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    QVERIFY(ChannelFileWriter(fixture.workspace).write(&buffer).ok());
    const QList<QByteArray> lines = buffer.data().split('\n');
    QCOMPARE(lines.size(), 34); // 33 lines, each ended, the last one too
    QCOMPARE(lines[3], QByteArray("Language 2\r"));
    QCOMPARE(lines[17], "CH01 | 43 |  |  |  | " + High + " |  |  |  | \r");
    QCOMPARE(lines[18], QByteArray("CH02 |  | 67.0 |  |  |  |  |  |  | \r"));
    QVERIFY(lines[33].isEmpty());
}

void TestChannelFile::writtenFilesReadBack_data()
{
    QTest::addColumn<Language>("language");
    QTest::addColumn<QString>("band");
    QTest::newRow("chinese, listed band") << Language::Chinese << "400-470MHz";
    QTest::newRow("english, band learned on reading") << Language::English << "136-174MHz";
}

void TestChannelFile::writtenFilesReadBack()
{
    QFETCH(Language, language);
    QFETCH(QString, band);

    WorkspaceFixture source;
    Workspace& written = source.workspace;
    source.localisation.switchLanguage(language);
    if (written.bands.indexOf(band) < 0)
        written.bands.append(band);
    written.bands.select(written.bands.indexOf(band));
    written.settings.reset({7, 0, 6, 0, 1, 0, 1, 5, 3});
    written.settings.setVoxInhibit(false);
    const CellWords& words = written.words;
    const QList<QStringList> channels = {
        {"430.12500", "67.0", "430.12500", "D754I", words.highWord, words.onWord, words.offWord,
         words.offWord},
        {"145.20000", words.offWord, "146.00625", "254.1", words.lowWord, words.offWord,
         words.onWord, words.onWord},
    };
    for (int row = 0; row < channels.size(); ++row)
        for (int column = Column::FirstField; column <= Column::LastField; ++column)
            written.table.setText(2 * row + 3, column, channels[row][column - 1]);

    const QTemporaryDir dir;
    const QString path = dir.filePath("radio.F19");
    QVERIFY(ChannelFileWriter(written).writeFile(path).ok());

    WorkspaceFixture target;
    Workspace& read = target.workspace;
    fillTable(read.table, "old");
    QVERIFY(ChannelFileReader(read, target.localisation).readFile(path).ok());

    for (int row = Row::FirstChannel; row <= Row::LastChannel; ++row)
        QCOMPARE(read.table.fields(row), written.table.fields(row));
    QCOMPARE(read.settings.positions(), written.settings.positions());
    QCOMPARE(read.settings.voxInhibit(), false);
    QCOMPARE(read.bands.selectedText(), band);
    QCOMPARE(read.title(), "RZT3307 [" + band + "]");
    QCOMPARE(read.languageCode, written.languageCode);
    QCOMPARE(read.checkedLanguage, language);
    QCOMPARE(read.words.offWord, written.words.offWord);
}

void TestChannelFile::channelLinesAreReadByPosition_data()
{
    QTest::addColumn<QByteArray>("channelPart");
    QTest::addColumn<QList<QStringList>>("rows"); // from row 1; later rows come back empty

    const QStringList empty(8);
    const QStringList written = {"430.12500", "67.0", "430.12500", "D023N",
                                 "High",      "ON",   "OFF",       "ON"};
    const QByteArray writtenLine = "CH01 | 430.12500 | 67.0 | 430.12500 | D023N | High | ON | "
                                   "OFF | ON | ";
    QByteArray sixteenEmpty;
    for (int row = 1; row <= 16; ++row)
        sixteenEmpty += emptyChannelLine(row) + "\r\n";

    QTest::newRow("a row as written") << writtenLine + "\r\n" << QList<QStringList>{written};
    QTest::newRow("gbk words") << "CH01 | 430.12500 | " + Off + " | 430.12500 | " + Off + " | " +
                                      Low + " | " + On + " | " + Off + " | " + On + " | \r\n"
                               << QList<QStringList>{{"430.12500", "禁用", "430.12500", "禁用",
                                                      "低功率", "启用", "禁用", "启用"}};
    QTest::newRow("no receive frequency: the whole row stays empty")
        << QByteArray("CH01 |  | 67.0 | 430.12500 | 67.0 | High | ON | OFF | OFF | \r\n")
        << QList<QStringList>{empty};
    QTest::newRow("empty cells between set ones")
        << QByteArray("CH01 | 430.12500 |  | 430.12500 |  | High |  |  |  | \r\n")
        << QList<QStringList>{{"430.12500", "", "430.12500", "", "High", "", "", ""}};
    QTest::newRow("CH numbers are not looked at")
        << "CH07 | 440.00000 | 67.0 | 440.00000 | 67.0 | Low | ON | OFF | OFF | \r\n" +
               writtenLine.mid(0, 2) + "99" + writtenLine.mid(4) + "\r\n"
        << QList<QStringList>{{"440.00000", "67.0", "440.00000", "67.0", "Low", "ON", "OFF", "OFF"},
                              written};
    QTest::newRow("a line too short for a frequency")
        << QByteArray("CH01 |\r\n") << QList<QStringList>{empty};
    QTest::newRow("a bare LF ends a line") << writtenLine + "\n" + writtenLine + "\r\n"
                                           << QList<QStringList>{written, written};
    QTest::newRow("a bare CR does not end a line") << writtenLine + "\r" + writtenLine + "\r\n"
                                                   << QList<QStringList>{written, empty};
    QTest::newRow("19 lines fill rows 1 and 2") << writtenLine + "\r\n" + writtenLine + "\r\n"
                                                << QList<QStringList>{written, written};
    QTest::newRow("lines after the sixteenth channel are ignored")
        << sixteenEmpty + writtenLine + "\r\n" + writtenLine + "\r\n"
        << QList<QStringList>{};
    QTest::newRow("no channel lines at all") << QByteArray() << QList<QStringList>{};

    // A file may end without a line end once its last line is whole.
    QTest::newRow("no line end after a whole channel line")
        << writtenLine + "\n" + writtenLine << QList<QStringList>{written, written};
    QTest::newRow("no line end, and no space after the last bar")
        << writtenLine.chopped(1) << QList<QStringList>{written};
    QTest::newRow("cut between CR and LF") << writtenLine + "\r" << QList<QStringList>{written};
    QTest::newRow("cut in a line after the sixteenth channel")
        << sixteenEmpty + "CH17 | 430.1" << QList<QStringList>{};
}

void TestChannelFile::channelLinesAreReadByPosition()
{
    QFETCH(QByteArray, channelPart);
    QFETCH(QList<QStringList>, rows);

    WorkspaceFixture fixture;
    fillTable(fixture.workspace.table, "old");
    QVERIFY(readInto(fixture, fileWithChannels(channelPart)).ok());

    const ChannelTable& table = fixture.workspace.table;
    for (int row = Row::FirstChannel; row <= Row::LastChannel; ++row) {
        const QStringList expected = rows.value(row - 1, QStringList(8));
        QCOMPARE(table.fields(row), expected);
        QCOMPARE(table.text(row, Column::ChannelLabel), ChannelTable::channelLabel(row));
    }
}

void TestChannelFile::settingsAreReadByPosition_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QList<int>>("positions"); // every setting starts at 0
    QTest::addColumn<bool>("voxInhibit");

    const QList<int> startup = {2, 1, 3, 1, 1, 1, 2, 2, 2};
    QTest::newRow("as written") << fileWithLines(headLines()) << startup << true;

    QList<QByteArray> relabelled = {"something else entirely",
                                    "x",
                                    "y",
                                    "LANGUAGE_1",
                                    "band:400-470MHz",
                                    "squelch 9",
                                    "bat-sav 1 whatever",
                                    "timeout 7",
                                    "tone:1",
                                    "emg:1",
                                    "scan:0",
                                    "voice:1",
                                    "vox-gain-lvl 7",
                                    "vox-dly: 3",
                                    "VoxInhibit 1",
                                    "not empty",
                                    "not empty"};
    QTest::newRow("header and labels are not looked at")
        << fileWithLines(relabelled) << QList<int>{9, 1, 7, 1, 1, 0, 1, 7, 3} << true;

    auto withLine = [](int number, const QByteArray& text) {
        QList<QByteArray> lines = headLines();
        lines[number - 1] = text;
        return fileWithLines(lines);
    };
    QTest::newRow("VoxInhibit 0") << withLine(15, "VoxInhibit 0") << startup << false;
    QTest::newRow("VoxInhibit 1 with a trailing space")
        << withLine(15, "VoxInhibit 1 ") << startup << false;
    QTest::newRow("VoxInhibit in other letters")
        << withLine(15, "voxinhibit 1") << startup << false;
    QTest::newRow("empty VoxInhibit line") << withLine(15, "") << startup << false;
}

void TestChannelFile::settingsAreReadByPosition()
{
    QFETCH(QByteArray, file);
    QFETCH(QList<int>, positions);
    QFETCH(bool, voxInhibit);

    WorkspaceFixture fixture;
    FunctionSettings& settings = fixture.workspace.settings;
    settings.reset({0, 0, 0, 0, 0, 0, 0, 0, 0});
    settings.setVoxInhibit(!voxInhibit);

    QVERIFY(readInto(fixture, file).ok());
    QCOMPARE(QList<int>(settings.positions().begin(), settings.positions().end()), positions);
    QCOMPARE(settings.voxInhibit(), voxInhibit);
}

void TestChannelFile::languageCodeRunsTheSwitch_data()
{
    QTest::addColumn<QByteArray>("languageLine");
    QTest::addColumn<Language>("language");
    QTest::addColumn<QString>("offWord");

    QTest::newRow("1: chinese") << QByteArray("Language 1") << Language::Chinese << "禁用";
    QTest::newRow("2: english again") << QByteArray("Language 2") << Language::English << "OFF";
    QTest::newRow("3: unchanged") << QByteArray("Language 3") << Language::English << "OFF";
}

void TestChannelFile::languageCodeRunsTheSwitch()
{
    QFETCH(QByteArray, languageLine);
    QFETCH(Language, language);
    QFETCH(QString, offWord);

    WorkspaceFixture fixture;
    Workspace& workspace = fixture.workspace;
    fixture.localisation.switchLanguage(Language::English);
    workspace.settings.setPosition(S::TimeOut, 5);

    const QByteArray channel = "CH01 | 430.12500 | OFF | 430.12500 | 67.0 | High | ON | OFF | "
                               "OFF | \r\n";
    QVERIFY(readInto(fixture, crlfLines(headLines(languageLine)) + channel).ok());

    QCOMPARE(workspace.checkedLanguage, language);
    QCOMPARE(workspace.languageCode, languageCode(language));
    QCOMPARE(workspace.words.offWord, offWord);
    QCOMPARE(workspace.settings.entries(S::TimeOut).first(), offWord);
    // The switch runs before the cells are filled, so they stand as the file has them.
    QCOMPARE(workspace.table.text(1, Column::RxTone), QString("OFF"));
    QCOMPARE(workspace.table.text(1, Column::Power), QString("High"));
}

void TestChannelFile::bandIsSelectedLearnedOrLeft_data()
{
    QTest::addColumn<QByteArray>("bandLine");
    QTest::addColumn<QStringList>("bands");
    QTest::addColumn<QString>("selected");

    const QStringList listed = {"400-470MHz", "350-390MHz", "136-174MHz"};
    QTest::newRow("listed band is selected")
        << QByteArray("BAND 400-470MHz") << listed << "400-470MHz";
    QTest::newRow("unlisted band starting with 2 is learned")
        << QByteArray("BAND 220-260MHz") << listed + QStringList{"220-260MHz"} << "220-260MHz";
    QTest::newRow("unlisted band starting with 3 is refused")
        << QByteArray("BAND 300-330MHz") << listed << "136-174MHz";
    QTest::newRow("at most ten characters are taken")
        << QByteArray("BAND 350-390MHz and more") << listed << "350-390MHz";
    QTest::newRow("comparison is exact")
        << QByteArray("BAND 400-470mhz") << listed + QStringList{"400-470mhz"} << "400-470mhz";
    QTest::newRow("no band text") << QByteArray("BAND") << listed << "136-174MHz";
}

void TestChannelFile::bandIsSelectedLearnedOrLeft()
{
    QFETCH(QByteArray, bandLine);
    QFETCH(QStringList, bands);
    QFETCH(QString, selected);

    WorkspaceFixture fixture;
    BandList& bandList = fixture.workspace.bands;
    bandList.append("350-390MHz");
    bandList.append("136-174MHz");
    bandList.select(2);

    QVERIFY(readInto(fixture, fileWithLines(headLines("Language 2", bandLine))).ok());
    QCOMPARE(bandList.entries(), bands);
    QCOMPARE(bandList.selectedText(), selected);
    QCOMPARE(fixture.workspace.title(), "RZT3307 [" + selected + "]");
}

void TestChannelFile::aFileThatDoesNotConvertChangesNothing_data()
{
    QTest::addColumn<Language>("interfaceLanguage");
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QString>("error");

    // Every value differs from what the workspace holds, and the band would be learned.
    const QList<QByteArray> lines = {"QV-3307 MEMORY CHANNEL",
                                     "",
                                     "",
                                     "Language 1",
                                     "BAND 136-174MHz",
                                     "Squelch 5 5",
                                     "BatSave 1 ON",
                                     "TxT.O.T 6 6 min",
                                     "TONE 1 ON",
                                     "EMG 1 ON",
                                     "SCAN 1 OFF",
                                     "VOICE 1 English",
                                     "VoxGainLevel 7 8",
                                     "VoxDelay 3 4s",
                                     "VoxInhibit 1"};
    auto changed = [lines](int number, const QByteArray& text) {
        QList<QByteArray> changedLines = lines;
        changedLines[number - 1] = text;
        return fileWithLines(changedLines);
    };
    const Language english = Language::English;
    const Language chinese = Language::Chinese;

    // Each kind of value, wrong.
    QTest::newRow("letter for the language")
        << english << changed(4, "Language E")
        << R"(radio.F19, line 4: "E" is not a language code (1 Chinese, 2 English))";
    QTest::newRow("x for the squelch digit")
        << english << changed(6, "Squelch x 2")
        << R"(radio.F19, line 6: "x" is not a squelch level (0–9))";
    QTest::newRow("digit beyond the battery save list")
        << english << changed(7, "BatSave 7 ON")
        << R"(radio.F19, line 7: "7" is not a battery save setting (0–1))";
    QTest::newRow("chinese character for the time-out")
        << english << changed(8, "TxT.O.T " + Off)
        << R"(radio.F19, line 8: "禁" is not a TX time-out setting (0–7))";
    QTest::newRow("minus for the prompt tone")
        << english << changed(9, "TONE -1 OFF")
        << R"(radio.F19, line 9: "-" is not a prompt tone setting (0–1))";
    QTest::newRow("digit beyond the alarm key list")
        << english << changed(10, "EMG 2 ON")
        << R"(radio.F19, line 10: "2" is not an alarm key setting (0–1))";
    QTest::newRow("letter for scan") << english << changed(11, "SCAN O ON")
                                     << R"(radio.F19, line 11: "O" is not a scan setting (0–1))";
    QTest::newRow("voice line too short")
        << english << changed(12, "VOICE")
        << "radio.F19, line 12: the line ends before character 7, which should be a voice "
           "prompt setting (0–2)";
    QTest::newRow("tab for the vox gain level")
        << english << changed(13, "VoxGainLevel \t")
        << "radio.F19, line 13: byte 0x09 is not a VOX gain level (0–7)";
    QTest::newRow("space where the vox delay digit belongs")
        << english << changed(14, "VoxDelay  3")
        << R"(radio.F19, line 14: " " is not a VOX delay time (0–3))";
    QTest::newRow("digit beyond the vox delay list")
        << english << changed(14, "VoxDelay 4 5s")
        << R"(radio.F19, line 14: "4" is not a VOX delay time (0–3))";

    // Files that are not whole.
    QTest::newRow("empty file") << english << QByteArray()
                                << "radio.F19, line 4: the file is empty; this line should hold "
                                   "a language code (1 Chinese, 2 English)";
    QTest::newRow("empty language line")
        << english << changed(4, "")
        << "radio.F19, line 4: the line ends before character 10, which should be a language "
           "code (1 Chinese, 2 English)";
    QTest::newRow("file ends after line 3")
        << english << crlfLines(lines.mid(0, 3))
        << "radio.F19, line 4: the file ends after line 3; this line should hold a language "
           "code (1 Chinese, 2 English)";
    QTest::newRow("file ends after line 5")
        << english << crlfLines(lines.mid(0, 5))
        << "radio.F19, line 6: the file ends after line 5; this line should hold a squelch "
           "level (0–9)";
    QTest::newRow("file ends after line 8, without its line end")
        << english << crlfLines(lines.mid(0, 8)).chopped(2)
        << "radio.F19, line 9: the file ends after line 8; this line should hold a prompt tone "
           "setting (0–1)";
    QTest::newRow("file ends after line 13")
        << english << crlfLines(lines.mid(0, 13))
        << "radio.F19, line 14: the file ends after line 13; this line should hold a VOX delay "
           "time (0–3)";
    QTest::newRow("lines ended by CR alone")
        << english << changed(6, "Squelch 5 5").replace("\r\n", "\r")
        << "radio.F19, line 4: the file ends after line 1; this line should hold a language "
           "code (1 Chinese, 2 English). Its lines end in CR alone, which does not end a line: "
           "only LF or CR LF do";
    QTest::newRow("a picture")
        << english << bytesOf("\x89PNG\r\n\x1A\n\0\0\0\rIHDR\0\0\0\x20\0\0\0\x20\x08\x06\0\0\0")
        << "radio.F19, line 4: the file ends after line 3; this line should hold a language "
           "code (1 Chinese, 2 English). It does not look like a channel file: it holds binary "
           "data";
    // Files cut short in the middle of a line whose values count: reading them would
    // empty or change what the lost part held.
    const QByteArray head = crlfLines(lines) + "\r\n\r\n";
    const QByteArray channel =
        "CH01 | 430.12500 | 67.0 | 430.12500 | 67.0 | High | ON | OFF | ON | ";
    QTest::newRow("cut in a channel's frequency")
        << english << head + channel + "\r\nCH02 | 445.50"
        << "radio.F19, line 19: the file is cut short: it ends in the middle of this line, "
           "which should hold a whole channel line, ending in \" | \"";
    QTest::newRow("cut before a channel's last cell ends")
        << english << head + channel.chopped(3)
        << "radio.F19, line 18: the file is cut short: it ends in the middle of this line, "
           "which should hold a whole channel line, ending in \" | \"";
    QTest::newRow("cut in an empty channel's line")
        << english << head + channel + "\r\nCH02 |  |  |"
        << "radio.F19, line 19: the file is cut short: it ends in the middle of this line, "
           "which should hold a whole channel line, ending in \" | \"";
    QTest::newRow("cut in a channel's label") << english << head + "CH"
                                              << "radio.F19, line 18: the file is cut short: it "
                                                 "ends in the middle of this line, which should "
                                                 "hold a whole channel line, ending in \" | \"";
    QTest::newRow("cut in a GBK word")
        << english << head + "CH01 | 430.12500 | 67.0 | 430.12500 | 67.0 | " + High.left(3)
        << "radio.F19, line 18: the file is cut short: it ends in the middle of this line, "
           "which should hold a whole channel line, ending in \" | \"";
    QTest::newRow("cut in the VOX inhibit line")
        << english << crlfLines(lines.mid(0, 14)) + "VoxInhib"
        << "radio.F19, line 15: the file is cut short: it ends in the middle of this line, "
           "which should hold \"VoxInhibit 1\" or \"VoxInhibit 0\"";
    QTest::newRow("cut before the VOX delay digit")
        << english << crlfLines(lines.mid(0, 13)) + "VoxDelay "
        << "radio.F19, line 14: the file is cut short: it ends in the middle of this line, "
           "which should hold a VOX delay time (0–3)";
    QTest::newRow("cut in the band")
        << english << crlfLines(lines.mid(0, 4)) + "BAND 136-17"
        << "radio.F19, line 5: the file is cut short: it ends in the middle of this line, "
           "which should hold the band, such as \"400-470MHz\"";
    QTest::newRow("a wrong value before the cut is named first")
        << english << changed(6, "Squelch x 2").left(head.size() + 10)
        << R"(radio.F19, line 6: "x" is not a squelch level (0–9))";
    QTest::newRow("chinese: cut in a channel line")
        << chinese << head + channel.left(20)
        << "radio.F19，第 18 行：文件不完整：在此行中间结束，此行应为完整的信道行，以“ | ”结尾";

    QTest::newRow("binary bytes where the language belongs")
        << english << bytesOf("\0\n\0\n\0\nLanguage \xFF\0\n")
        << "radio.F19, line 4: byte 0xFF is not a language code (1 Chinese, 2 English). It does "
           "not look like a channel file: it holds binary data";

    // The message speaks the interface's language.
    QTest::newRow("chinese: x for the squelch digit")
        << chinese << changed(6, "Squelch x 2")
        << "radio.F19，第 6 行：“x”不是有效的静噪电平（0–9）";
    QTest::newRow("chinese: digit beyond the voice list")
        << chinese << changed(12, "VOICE 3")
        << "radio.F19，第 12 行：“3”不是有效的语音通知设置（0–2）";
    QTest::newRow("chinese: empty file")
        << chinese << QByteArray()
        << "radio.F19，第 4 行：文件为空，此行应为语言代码（1 中文，2 英文）";
    QTest::newRow("chinese: line too short")
        << chinese << changed(7, "BatSave")
        << "radio.F19，第 7 行：该行在第 9 个字符之前结束，此处应为电池省电设置（0–1）";
    QTest::newRow("chinese: file ends after line 10")
        << chinese << crlfLines(lines.mid(0, 10))
        << "radio.F19，第 11 行：文件在第 10 行后结束，此行应为扫描允许设置（0–1）";
    QTest::newRow("chinese: lines ended by CR alone")
        << chinese << changed(6, "Squelch 5 5").replace("\r\n", "\r")
        << "radio.F19，第 4 行：文件在第 1 行后结束，此行应为语言代码（1 中文，2 英文）。"
           "该文件的行仅以 CR 结尾，不算换行；只有 LF 或 CR LF 才算换行";
    QTest::newRow("chinese: binary bytes")
        << chinese << bytesOf("\0\n\0\n\0\nLanguage \x01\n")
        << "radio.F19，第 4 行：字节 0x01 不是有效的语言代码（1 中文，2 英文）。"
           "该文件似乎不是信道文件：其中含有二进制数据";
}

void TestChannelFile::aFileThatDoesNotConvertChangesNothing()
{
    QFETCH(Language, interfaceLanguage);
    QFETCH(QByteArray, file);
    QFETCH(QString, error);

    WorkspaceFixture fixture;
    Workspace& workspace = fixture.workspace;
    fixture.localisation.switchLanguage(interfaceLanguage);
    workspace.bands.append("350-390MHz");
    workspace.bands.select(1);
    workspace.settings.reset({0, 0, 0, 0, 0, 0, 0, 0, 0});
    workspace.settings.setVoxInhibit(false);
    fillTable(workspace.table, "old");
    // With a file asking for the other language, a partial read would switch it.
    if (interfaceLanguage == Language::Chinese)
        file.replace("Language 1", "Language 2");

    const QSignalSpy languageApplied(&fixture.localisation, &Localisation::languageApplied);
    const QSignalSpy bandAppended(&workspace.bands, &BandList::entryAppended);
    const QSignalSpy bandSelected(&workspace.bands, &BandList::selectionChanged);
    const QSignalSpy titleChanged(&workspace, &Workspace::titleChanged);
    const QSignalSpy settingChanged(&workspace.settings, &FunctionSettings::positionChanged);
    const QSignalSpy voxChanged(&workspace.settings, &FunctionSettings::voxInhibitChanged);
    const QSignalSpy cellsChanged(&workspace.table, &ChannelTable::dataChanged);

    const FileResult result = readInto(fixture, file);
    QVERIFY(!result.ok());
    QCOMPARE(result.errorText(), error);

    for (const QSignalSpy* spy : {&languageApplied, &bandAppended, &bandSelected, &titleChanged,
                                  &settingChanged, &voxChanged, &cellsChanged})
        QCOMPARE(spy->count(), 0);
    QCOMPARE(workspace.languageCode, languageCode(interfaceLanguage));
    QCOMPARE(workspace.bands.entries(), (QStringList{"400-470MHz", "350-390MHz"}));
    QCOMPARE(workspace.bands.selectedText(), QString("350-390MHz"));
    QCOMPARE(workspace.title(), Workspace::InitialTitle);
    QCOMPARE(workspace.settings.positions(), (FunctionSettings::Positions{}));
    QVERIFY(!workspace.settings.voxInhibit());
    QCOMPARE(workspace.table.text(1, Column::RxFrequency), QString("old"));
    QCOMPARE(workspace.table.text(16, Column::OptionC), QString("old"));
}

void TestChannelFile::theParserNeedsNoWorkspace()
{
    // The file's bytes become a value that says what the file holds; nothing is applied.
    const QByteArray file = crlfLines(headLines("Language 1", "BAND 220-260MHz")) +
                            "CH01 | 430.12500 | 67.0 | 430.12500 | D023N | " + High + " | " + On +
                            " | " + Off + " | " + On + " | \r\n" + emptyChannelLine(2) + "\r\n";
    const ParsedChannelFile parsed = ChannelFileParser::parse(file);
    QVERIFY(parsed.ok());
    const ChannelFileContent& content = parsed.content;
    QCOMPARE(content.language, std::optional<Language>(Language::Chinese));
    QCOMPARE(content.band, QString("220-260MHz"));
    QVERIFY(content.bandLearnable);
    QCOMPARE(content.positions, FunctionSettings::StartupPositions);
    QVERIFY(content.voxInhibit);
    QCOMPARE(content.channels[0], (QStringList{"430.12500", "67.0", "430.12500", "D023N", "高功率",
                                               "启用", "禁用", "启用"}));
    for (int row = 1; row < ChannelFileContent::ChannelCount; ++row)
        QCOMPARE(content.channels[size_t(row)], QStringList(8));

    // A band with a control character in it is not one to learn: kept in the settings
    // file, it would break its line.
    const ParsedChannelFile broken =
        ChannelFileParser::parse(fileWithLines(headLines("Language 2", "BAND 4\r0-470MH")));
    QVERIFY(broken.ok());
    QVERIFY(!broken.content.bandLearnable);
}

void TestChannelFile::fileErrorsUseTheSystemsWords_data()
{
    QTest::addColumn<bool>("saving");
    QTest::addColumn<QString>("name"); // in a fresh folder that holds the folder "folder"
    QTest::addColumn<QString>("error");

    QTest::newRow("open: no such file") << false << "missing.F19"
                                        << "File not found";
    QTest::newRow("open: no such folder") << false << "nowhere/radio.F19"
                                          << "Invalid filename";
    QTest::newRow("open: a folder") << false << "folder"
                                    << "File access denied";
    QTest::newRow("save: no such folder") << true << "nowhere/radio.F19"
                                          << "Invalid filename";
    QTest::newRow("save: onto a folder") << true << "folder"
                                         << "File access denied";
    QTest::newRow("save: name too long") << true << QString(300, u'n') + ".F19"
                                         << "Invalid filename";
}

void TestChannelFile::fileErrorsUseTheSystemsWords()
{
    QFETCH(bool, saving);
    QFETCH(QString, name);
    QFETCH(QString, error);

    const QTemporaryDir dir;
    QVERIFY(QDir(dir.path()).mkdir("folder"));
    const QString path = dir.filePath(name);
    WorkspaceFixture fixture;
    fillTable(fixture.workspace.table, "kept");

    const FileResult result =
        saving ? ChannelFileWriter(fixture.workspace).writeFile(path)
               : ChannelFileReader(fixture.workspace, fixture.localisation).readFile(path);
    QCOMPARE(result.errorText(), error);
    QCOMPARE(fixture.workspace.table.text(1, Column::RxFrequency), QString("kept"));
    QCOMPARE(fixture.workspace.languageCode, 0);
    // Nothing is left behind beside the target.
    QCOMPARE(QDir(dir.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
             QStringList{"folder"});
}

void TestChannelFile::fullDeviceIsReported()
{
    WorkspaceFixture fixture;
    LimitedDevice full(100);
    QCOMPARE(ChannelFileWriter(fixture.workspace).write(&full).errorText(), QString("Disk full"));
    LimitedDevice broken(-1);
    QCOMPARE(ChannelFileWriter(fixture.workspace).write(&broken).errorText(),
             QString("I/O error %1").arg(EIO));
    QCOMPARE(ioErrorText(EMFILE, QString()), QString("I/O error %1").arg(EMFILE));
}

void TestChannelFile::failedSaveLeavesThePreviousFileWhole()
{
    const QTemporaryDir dir;
    const QString path = dir.filePath("radio.F19");
    WorkspaceFixture fixture;
    fixture.localisation.switchLanguage(Language::English);
    QVERIFY(ChannelFileWriter(fixture.workspace).writeFile(path).ok());
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray previous = file.readAll();
    file.close();

    fixture.workspace.table.setText(1, Column::RxFrequency, "430.12500");
    FileResult result = FileResult::done();
    {
        const FileSizeLimit diskFull(200);
        result = ChannelFileWriter(fixture.workspace).writeFile(path);
    }
    QCOMPARE(result.errorText(), QString("Disk full"));
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), previous);
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"radio.F19"});
}

void TestChannelFile::replacingKeepsPermissionsAndFollowsLinks()
{
    const QTemporaryDir dir;
    const QString real = dir.filePath("real.F19");
    const QString link = dir.filePath("link.F19");
    {
        QFile old(real);
        QVERIFY(old.open(QIODevice::WriteOnly));
        old.write("an older file, longer than nothing");
    }
    const QFile::Permissions permissions = QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup;
    QVERIFY(QFile::setPermissions(real, permissions));
    QVERIFY(QFile::link(real, link));

    WorkspaceFixture fixture;
    const ChannelFileWriter writer(fixture.workspace);
    QVERIFY(writer.writeFile(link).ok());

    QVERIFY(QFileInfo(link).isSymLink());
    const QFile::Permissions currentUser = QFile::ReadUser | QFile::WriteUser | QFile::ExeUser;
    QCOMPARE(QFile::permissions(real) & ~currentUser, permissions);
    QFile file(real);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), writer.contents());
}

void TestChannelFile::savingWhereOnlyTheFileIsWritable_data()
{
    QTest::addColumn<QFile::Permissions>("filePermissions"); // none: no file yet
    QTest::addColumn<bool>("diskFull");
    QTest::addColumn<QString>("error"); // empty: saved

    const QFile::Permissions readWrite = QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup;
    QTest::newRow("a writable file is written in place") << readWrite << false << QString();
    QTest::newRow("a read-only file is refused")
        << (QFile::ReadOwner | QFile::ReadGroup) << false << "File access denied";
    QTest::newRow("a new file is refused") << QFile::Permissions() << false << "File access denied";
    QTest::newRow("a full disk stops the save before the file is touched")
        << readWrite << true << "Disk full";
}

void TestChannelFile::savingWhereOnlyTheFileIsWritable()
{
    QFETCH(QFile::Permissions, filePermissions);
    QFETCH(bool, diskFull);
    QFETCH(QString, error);

    const QTemporaryDir dir;
    const QString path = dir.filePath("radio.F19");
    const QByteArray previous = "an older, shorter file";
    if (filePermissions) {
        QFile old(path);
        QVERIFY(old.open(QIODevice::WriteOnly));
        old.write(previous);
        old.close();
        QVERIFY(QFile::setPermissions(path, filePermissions));
    }
    struct stat before = {};
    ::stat(QFile::encodeName(path).constData(), &before);

    WorkspaceFixture fixture;
    fixture.workspace.table.setText(1, Column::RxFrequency, "430.12500");
    const ChannelFileWriter writer(fixture.workspace);
    FileResult result = FileResult::done();
    {
        const ReadOnlyFolder readOnly(dir.path());
        const PermissionsHonoured permissions;
        if (!permissions.holds())
            QSKIP("This process passes over file permissions and cannot stop doing so");
        std::optional<FileSizeLimit> limit;
        if (diskFull)
            limit.emplace(200);
        result = writer.writeFile(path);
    }

    QCOMPARE(result.errorText(), error);
    QFile file(path);
    if (!filePermissions) {
        QVERIFY(!file.exists());
    } else {
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), error.isEmpty() ? writer.contents() : previous);
        // The same file, its permissions kept, and nothing left beside it.
        struct stat after = {};
        ::stat(QFile::encodeName(path).constData(), &after);
        QCOMPARE(after.st_ino, before.st_ino);
        QCOMPARE(QFile::permissions(path) & ~(QFile::ReadUser | QFile::WriteUser), filePermissions);
    }
    QCOMPARE(QDir(dir.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
             filePermissions ? QStringList{"radio.F19"} : QStringList());
}

void TestChannelFile::aStickyFolderRefusingTheRenameIsWrittenInPlace()
{
    // A shared folder with the sticky bit lets only a file's owner replace it; a file the
    // group may write is then written where it stands.
    if (::geteuid() != 0)
        QSKIP("Giving files to another user needs root");
    const QTemporaryDir dir;
    const QString path = dir.filePath("theirs.F19");
    {
        QFile theirs(path);
        QVERIFY(theirs.open(QIODevice::WriteOnly));
        theirs.write("their file");
    }
    const uid_t someoneElse = 4242;
    QCOMPARE(::chown(QFile::encodeName(path).constData(), someoneElse, 0), 0);
    QCOMPARE(::chmod(QFile::encodeName(path).constData(), 0666), 0);
    QCOMPARE(::chown(QFile::encodeName(dir.path()).constData(), someoneElse, 0), 0);
    QCOMPARE(::chmod(QFile::encodeName(dir.path()).constData(), 01777), 0);

    WorkspaceFixture fixture;
    const ChannelFileWriter writer(fixture.workspace);
    FileResult result = FileResult::done();
    {
        const PermissionsHonoured permissions;
        QVERIFY(permissions.holds());
        result = writer.writeFile(path);
    }
    QVERIFY2(result.ok(), qPrintable(result.errorText()));
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), writer.contents());
    QCOMPARE(QFileInfo(path).ownerId(), someoneElse);
    QCOMPARE(QDir(dir.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
             QStringList{"theirs.F19"});
}

void TestChannelFile::iconvFallbackAgreesWithQt()
{
    const QString words = QStringLiteral("禁用 启用 高功率 低功率 430.12500 D023N");
    QCOMPARE(Gbk::encodeWithIconv(words), Gbk::encode(words));
    QCOMPARE(Gbk::decodeWithIconv(Gbk::encode(words)), words);
    QCOMPARE(Gbk::encodeWithIconv(QStringLiteral("a😀b")), QByteArray("a?b"));
}

QTEST_GUILESS_MAIN(TestChannelFile)
#include "tst_channelfile.moc"
