#include "files/ChannelFileReader.h"
#include "files/ChannelFileWriter.h"
#include "files/Gbk.h"
#include "files/IoErrorText.h"

#include "support/WorkspaceFixture.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <cerrno>
#include <csignal>
#include <sys/resource.h>

namespace {

using S = FunctionSettings;

// GBK bytes of the Chinese cell words.
const QByteArray Off = "\xBD\xFB\xD3\xC3";          // 禁用
const QByteArray On = "\xC6\xF4\xD3\xC3";           // 启用
const QByteArray High = "\xB8\xDF\xB9\xA6\xC2\xCA"; // 高功率
const QByteArray Low = "\xB5\xCD\xB9\xA6\xC2\xCA";  // 低功率

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
            table.setText(column, row, text);
}

FileResult readInto(WorkspaceFixture& fixture, QByteArray file)
{
    QBuffer buffer(&file);
    buffer.open(QIODevice::ReadOnly);
    return ChannelFileReader(fixture.workspace, fixture.localisation).read(&buffer);
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
    void anUnreadableDigitStopsReading_data();
    void anUnreadableDigitStopsReading();
    void fileErrorsUseTheSystemsWords_data();
    void fileErrorsUseTheSystemsWords();
    void fullDeviceIsReported();
    void failedSaveLeavesThePreviousFileWhole();
    void replacingKeepsPermissionsAndFollowsLinks();
    void iconvFallbackAgreesWithQt();
};

void TestChannelFile::writesTheExampleFileByteForByte()
{
    WorkspaceFixture fixture;
    Workspace& workspace = fixture.workspace;
    fixture.localisation.switchLanguage(Language::Chinese);
    workspace.settings.setPosition(S::TxTOT, 0);
    workspace.settings.setPosition(S::Voice, 0);
    const QStringList channel1 = {"430.12500", "67.0", "430.12500", "67.0",
                                  "高功率",    "启用", "禁用",      "禁用"};
    const QStringList channel2 = {"445.50000", "禁用", "445.50000", "D023N",
                                  "低功率",    "启用", "禁用",      "启用"};
    for (int column = Column::FirstField; column <= Column::LastField; ++column) {
        workspace.table.setText(column, 1, channel1[column - 1]);
        workspace.table.setText(column, 2, channel2[column - 1]);
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
    table.setText(Column::RxFrequency, 1, "43");
    table.setText(Column::Power, 1, "高功率");
    table.setText(Column::RxTone, 2, "67.0");

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
        {"430.12500", "67.0", "430.12500", "D754I", words.HighWord, words.OnWord, words.OffWord,
         words.OffWord},
        {"145.20000", words.OffWord, "146.00625", "254.1", words.LowWord, words.OffWord,
         words.OnWord, words.OnWord},
    };
    for (int row = 0; row < channels.size(); ++row)
        for (int column = Column::FirstField; column <= Column::LastField; ++column)
            written.table.setText(column, 2 * row + 3, channels[row][column - 1]);

    const QTemporaryDir dir;
    const QString path = dir.filePath("radio.F19");
    QVERIFY(ChannelFileWriter(written).WriteChannelFile(path).ok());

    WorkspaceFixture target;
    Workspace& read = target.workspace;
    fillTable(read.table, "old");
    QVERIFY(ChannelFileReader(read, target.localisation).ReadChannelFile(path).ok());

    for (int row = Row::FirstChannel; row <= Row::LastChannel; ++row)
        QCOMPARE(read.table.fields(row), written.table.fields(row));
    QCOMPARE(read.settings.positions(), written.settings.positions());
    QCOMPARE(read.settings.voxInhibit(), false);
    QCOMPARE(read.bands.selectedText(), band);
    QCOMPARE(read.title(), "RZT3307 [" + band + "]");
    QCOMPARE(read.LanguageCode, written.LanguageCode);
    QCOMPARE(read.checkedLanguage, language);
    QCOMPARE(read.words.OffWord, written.words.OffWord);
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
        QCOMPARE(table.text(Column::ChannelLabel, row), ChannelTable::channelLabel(row));
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

    QList<int> batSaveKept = startup;
    batSaveKept[S::BatSave] = 0;
    QTest::newRow("a digit beyond its list keeps the setting")
        << withLine(7, "BatSave 7 ON") << batSaveKept << true;
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
    workspace.settings.setPosition(S::TxTOT, 5);

    const QByteArray channel = "CH01 | 430.12500 | OFF | 430.12500 | 67.0 | High | ON | OFF | "
                               "OFF | \r\n";
    QVERIFY(readInto(fixture, crlfLines(headLines(languageLine)) + channel).ok());

    QCOMPARE(workspace.checkedLanguage, language);
    QCOMPARE(workspace.LanguageCode, languageCode(language));
    QCOMPARE(workspace.words.OffWord, offWord);
    QCOMPARE(workspace.settings.entries(S::TxTOT).first(), offWord);
    // The switch runs before the cells are filled, so they stand as the file has them.
    QCOMPARE(workspace.table.text(Column::RxTone, 1), QString("OFF"));
    QCOMPARE(workspace.table.text(Column::Power, 1), QString("High"));
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

void TestChannelFile::anUnreadableDigitStopsReading_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QString>("error");
    QTest::addColumn<int>("languageCode");
    QTest::addColumn<int>("settingsRead"); // settings taken before the error, in file order

    // Every position differs from the 0 the workspace starts with.
    QList<QByteArray> lines = {"QV-3307 MEMORY CHANNEL",
                               "",
                               "",
                               "Language 2",
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
                               "VoxInhibit 0"};
    auto changed = [lines](int number, const QByteArray& text) {
        QList<QByteArray> changedLines = lines;
        changedLines[number - 1] = text;
        return fileWithLines(changedLines);
    };
    QTest::newRow("x for the squelch digit")
        << changed(6, "Squelch x 2") << "'x' is not a valid integer value" << 2 << 0;
    QTest::newRow("empty file") << QByteArray() << "'' is not a valid integer value" << 0 << 0;
    QTest::newRow("letter for the language")
        << changed(4, "Language E") << "'E' is not a valid integer value" << 0 << 0;
    QTest::newRow("voice line too short")
        << changed(12, "VOICE") << "'' is not a valid integer value" << 2 << 6;
    QTest::newRow("space where the vox delay digit belongs")
        << changed(14, "VoxDelay  3") << "' ' is not a valid integer value" << 2 << 8;
    QTest::newRow("file ends after the time-out line")
        << crlfLines(lines.mid(0, 8)) << "'' is not a valid integer value" << 2 << 3;
}

void TestChannelFile::anUnreadableDigitStopsReading()
{
    QFETCH(QByteArray, file);
    QFETCH(QString, error);
    QFETCH(int, languageCode);
    QFETCH(int, settingsRead);

    WorkspaceFixture fixture;
    Workspace& workspace = fixture.workspace;
    workspace.settings.reset({0, 0, 0, 0, 0, 0, 0, 0, 0});
    fillTable(workspace.table, "old");

    const FileResult result = readInto(fixture, file);
    QVERIFY(!result.ok());
    QCOMPARE(result.errorText(), error);

    QCOMPARE(workspace.LanguageCode, languageCode);
    if (languageCode != 0) {
        // Language and band come before the settings and stay applied.
        QCOMPARE(workspace.bands.selectedText(), QString("136-174MHz"));
        QCOMPARE(workspace.title(), QString("RZT3307 [136-174MHz]"));
    }
    const QList<int> fromFile = {5, 1, 6, 1, 1, 1, 1, 7, 3};
    for (int setting = 0; setting < S::SettingCount; ++setting)
        QCOMPARE(workspace.settings.position(S::Setting(setting)),
                 setting < settingsRead ? fromFile[setting] : 0);
    QVERIFY(workspace.settings.voxInhibit());
    QCOMPARE(workspace.table.text(Column::OptionC, 16), QString("old"));
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
        saving ? ChannelFileWriter(fixture.workspace).WriteChannelFile(path)
               : ChannelFileReader(fixture.workspace, fixture.localisation).ReadChannelFile(path);
    QCOMPARE(result.errorText(), error);
    QCOMPARE(fixture.workspace.table.text(Column::RxFrequency, 1), QString("kept"));
    QCOMPARE(fixture.workspace.LanguageCode, 0);
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
    QVERIFY(ChannelFileWriter(fixture.workspace).WriteChannelFile(path).ok());
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray previous = file.readAll();
    file.close();

    fixture.workspace.table.setText(Column::RxFrequency, 1, "430.12500");
    FileResult result = FileResult::done();
    {
        const FileSizeLimit diskFull(200);
        result = ChannelFileWriter(fixture.workspace).WriteChannelFile(path);
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
    QVERIFY(writer.WriteChannelFile(link).ok());

    QVERIFY(QFileInfo(link).isSymLink());
    const QFile::Permissions currentUser = QFile::ReadUser | QFile::WriteUser | QFile::ExeUser;
    QCOMPARE(QFile::permissions(real) & ~currentUser, permissions);
    QFile file(real);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), writer.contents());
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
