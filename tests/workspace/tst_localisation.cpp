#include "files/ChannelFileWriter.h"
#include "workspace/BuiltInLanguages.h"
#include "workspace/LanguageStrings.h"
#include "workspace/LanguageTable.h"
#include "workspace/MessageIds.h"
#include "workspace/Messenger.h"

#include "support/RecordingMessageLibrary.h"
#include "support/WorkspaceFixture.h"

#include <QDir>
#include <QFile>
#include <QSignalSpy>
#include <QTest>

namespace {

using S = FunctionSettings;

LanguageTable parsed(const QByteArray& text)
{
    return LanguageTable::parse(text);
}

// Every string number the program uses.
QList<int> usedNumbers()
{
    QList<int> numbers = {1, 2, 7};
    for (int number = 9; number <= 48; ++number)
        numbers << number;
    for (int number = 51; number <= 57; ++number)
        numbers << number;
    numbers << 61;
    for (int number = 65; number <= 70; ++number)
        numbers << number;
    return numbers;
}

using Grid = QList<QStringList>; // rows 1 to 3, columns 1 to 8

void fillGrid(ChannelTable& table, const Grid& grid)
{
    for (int row = 0; row < grid.size(); ++row)
        for (int column = Column::FirstField; column <= Column::LastField; ++column)
            table.setText(row + 1, column, grid[row][column - 1]);
}

Grid gridOf(const ChannelTable& table, int rows)
{
    Grid grid;
    for (int row = 1; row <= rows; ++row) {
        QStringList cells;
        for (int column = Column::FirstField; column <= Column::LastField; ++column)
            cells << table.text(row, column);
        grid << cells;
    }
    return grid;
}

} // namespace

class TestLocalisation : public QObject
{
    Q_OBJECT

private slots:
    void tablesAreParsed_data();
    void tablesAreParsed();
    void shippedTablesHoldEveryString_data();
    void shippedTablesHoldEveryString();
    void applyingKeepsEveryPosition_data();
    void applyingKeepsEveryPosition();
    void missingStringsComeFromTheBuiltInTable_data();
    void missingStringsComeFromTheBuiltInTable();
    void switchesRewordTheGrid_data();
    void switchesRewordTheGrid();
    void switchWithoutItsTable_data();
    void switchWithoutItsTable();
    void installLogPicksTheStartupLanguage_data();
    void installLogPicksTheStartupLanguage();
};

void TestLocalisation::tablesAreParsed_data()
{
    QTest::addColumn<QByteArray>("table");
    QTest::addColumn<int>("number");
    QTest::addColumn<QString>("text");

    QTest::newRow("numbered line") << QByteArray("25=信道\n") << 25 << "信道";
    QTest::newRow("CR LF line ends") << QByteArray("25=CH\r\n26=RX\r\n") << 26 << "RX";
    QTest::newRow("CR line ends") << QByteArray("25=CH\r26=RX\r27=T\r") << 26 << "RX";
    QTest::newRow("mixed line ends") << QByteArray("25=CH\r\n\r26=RX\n\n27=T") << 26 << "RX";
    QTest::newRow("no final line end") << QByteArray("69=High\n70=Band") << 70 << "Band";
    QTest::newRow("leading space kept") << QByteArray("48= min\n") << 48 << " min";
    QTest::newRow("equals sign in the text") << QByteArray("61=a=b\n") << 61 << "a=b";
    QTest::newRow("byte order mark") << QByteArray("\xEF\xBB\xBF"
                                                   "1=About\n")
                                     << 1 << "About";
    QTest::newRow("missing number gives an empty text") << QByteArray("25=x\n") << 26 << "";
    QTest::newRow("comments and malformed lines are skipped")
        << QByteArray("# 27=no\n 27=no\n27 =no\n=27\nx27=no\n") << 27 << "";
    QTest::newRow("numbers from 100 are not kept") << QByteArray("100=x\n") << 100 << "";
    QTest::newRow("leading zeros") << QByteArray("034=OFF\n") << 34 << "OFF";
    QTest::newRow("a later line wins") << QByteArray("30=a\n30=b\n") << 30 << "b";
    QTest::newRow("text that is not UTF-8 is skipped")
        << QByteArray("36=\xB8\xDF\xB9\xA6\xC2\xCA\n") << 36 << "";
    QTest::newRow("lines around a bad one are kept")
        << QByteArray("35=\xC6\xF4\n36=High\n") << 36 << "High";
    QTest::newRow("cut at 253 characters") << "30=" + QByteArray(300, 'a') + "\n"
                                           << 30 << QString(253, u'a');
}

void TestLocalisation::tablesAreParsed()
{
    QFETCH(QByteArray, table);
    QFETCH(int, number);
    QFETCH(QString, text);
    QCOMPARE(parsed(table).string(number), text);
}

void TestLocalisation::shippedTablesHoldEveryString_data()
{
    QTest::addColumn<Language>("language");
    QTest::addColumn<QStringList>("cellWords");
    QTest::newRow("chinese") << Language::Chinese
                             << QStringList{"禁用", "启用", "高功率", "低功率"};
    QTest::newRow("english") << Language::English << QStringList{"OFF", "ON", "High", "Low"};
}

// The table installed beside the program and the one built into it are the same file.
void TestLocalisation::shippedTablesHoldEveryString()
{
    QFETCH(Language, language);
    QFETCH(QStringList, cellWords);
    const TemporaryProgramFolder folder;
    folder.copyCompanionFiles();
    const std::optional<LanguageTable> table =
        LanguageTable::load(folder.filePath(Localisation::tableFileName(languageName(language))));
    QVERIFY(table);
    const LanguageTable& builtIn = BuiltInLanguages::table(language);
    for (int number = 0; number <= 100; ++number)
        QCOMPARE(builtIn.string(number), table->string(number));
    for (int number : usedNumbers()) {
        QVERIFY2(!table->string(number).isEmpty(), qPrintable(QString::number(number)));
        QVERIFY(table->string(number).size() <= LanguageTable::MaxLength);
    }
    const CellWords words = BuiltInLanguages::words(language);
    QCOMPARE((QStringList{words.offWord, words.onWord, words.highWord, words.lowWord}), cellWords);
}

void TestLocalisation::applyingKeepsEveryPosition_data()
{
    QTest::addColumn<Language>("language");
    QTest::addColumn<QString>("txtot3");
    QTest::newRow("chinese") << Language::Chinese << "3分钟";
    QTest::newRow("english") << Language::English << "3 min";
}

void TestLocalisation::applyingKeepsEveryPosition()
{
    QFETCH(Language, language);
    QFETCH(QString, txtot3);
    WorkspaceFixture fixture;
    Workspace& workspace = fixture.workspace;
    const FunctionSettings::Positions positions = {4, 0, 3, 1, 0, 1, 2, 7, 3};
    workspace.settings.reset(positions);
    QSignalSpy applied(&fixture.localisation, &Localisation::languageApplied);

    fixture.localisation.applyLanguage(language);

    const LanguageTable table = fixture.localisation.applied();
    QCOMPARE(applied.count(), 1);
    QCOMPARE(workspace.settings.positions(), positions);
    QCOMPARE(workspace.settings.text(S::TimeOut), txtot3);

    const CellWords& words = workspace.words;
    QCOMPARE(words.offWord, table.string(LanguageString::OffWord));
    QCOMPARE(words.onWord, table.string(LanguageString::OnWord));
    QCOMPARE(words.highWord, table.string(LanguageString::HighWord));
    QCOMPARE(words.lowWord, table.string(LanguageString::LowWord));
    QCOMPARE(workspace.tones.entries().size(), ToneList::Count);
    QCOMPARE(workspace.tones.offEntry(), words.offWord);
    QCOMPARE(workspace.tones.entries()[1], QString("67.0"));

    const QString minutes = table.string(LanguageString::MinutesUnit);
    QStringList timeOut{words.offWord};
    for (int minute = 1; minute <= 7; ++minute)
        timeOut << QString::number(minute) + minutes;
    QCOMPARE(workspace.settings.entries(S::TimeOut), timeOut);
    for (S::Setting offFirst : {S::BatterySave, S::PromptTone, S::AlarmKey})
        QCOMPARE(workspace.settings.entries(offFirst), (QStringList{words.offWord, words.onWord}));
    QCOMPARE(workspace.settings.entries(S::Scan), (QStringList{words.onWord, words.offWord}));
    QCOMPARE(workspace.settings.entries(S::VoicePrompt),
             (QStringList{words.offWord, table.string(LanguageString::EnglishVoice),
                          table.string(LanguageString::ChineseVoice)}));
    for (S::Setting fixed : {S::Squelch, S::VoxGain, S::VoxDelay})
        QCOMPARE(workspace.settings.entries(fixed), S::builtInEntries(fixed));
    // A channel file's positions are checked against these lengths, whatever the language.
    for (int setting = 0; setting < S::SettingCount; ++setting) {
        const auto which = S::Setting(setting);
        QCOMPARE(workspace.settings.entries(which).size(), S::entryCount(which));
        QCOMPARE(S::builtInEntries(which).size(), S::entryCount(which));
    }

    for (int column = 0; column < Column::Count; ++column)
        QCOMPARE(workspace.table.text(Row::Captions, column),
                 table.string(LanguageString::columnCaption(column)));
}

void TestLocalisation::missingStringsComeFromTheBuiltInTable_data()
{
    QTest::addColumn<QByteArray>("table"); // a null array: no english.lang at all
    QTest::addColumn<QStringList>("words");
    QTest::addColumn<QString>("rxFrequencyCaption");
    QTest::addColumn<QString>("minutesUnit");

    const QStringList english = {"OFF", "ON", "High", "Low"};
    QTest::newRow("no table") << QByteArray() << english << "RX Freq"
                              << " min";
    QTest::newRow("empty table") << QByteArray("") << english << "RX Freq"
                                 << " min";
    QTest::newRow("a few strings, the rest built in")
        << QByteArray("26=Receive\n36=Hi\n37=Lo\n") << QStringList{"OFF", "ON", "Hi", "Lo"}
        << "Receive"
        << " min";
    QTest::newRow("lines ending in CR alone")
        << QByteArray("26=Receive\r34=Aus\r35=An\r") << QStringList{"Aus", "An", "High", "Low"}
        << "Receive"
        << " min";
    QTest::newRow("bad lines") << QByteArray("26 =Receive\n=27\n36=\xB8\xDF\n48\n") << english
                               << "RX Freq"
                               << " min";
    QTest::newRow("an empty caption is kept") << QByteArray("26=\n48=\n") << english << ""
                                              << "";
    QTest::newRow("empty words") << QByteArray("34=\n35=An\n36=\n37=\n")
                                 << QStringList{"OFF", "An", "High", "Low"} << "RX Freq"
                                 << " min";
    QTest::newRow("an empty word that the other would equal")
        << QByteArray("34=ON\n35=\n") << english << "RX Freq"
        << " min";
    QTest::newRow("two equal words") << QByteArray("36=Max\n37=Max\n") << english << "RX Freq"
                                     << " min";
    QTest::newRow("a word with spaces around it")
        << QByteArray("34=OFF \n35= Ein\n") << english << "RX Freq"
        << " min";
    QTest::newRow("UTF-16") << QByteArray("\xFF\xFE"
                                          "3\x00"
                                          "6\x00=\x00H\x00i\x00")
                            << english << "RX Freq"
                            << " min";
}

// The table beside the program wins string by string; what it lacks comes from the
// built-in copy of the same language, and the cell words are never empty.
void TestLocalisation::missingStringsComeFromTheBuiltInTable()
{
    QFETCH(QByteArray, table);
    QFETCH(QStringList, words);
    QFETCH(QString, rxFrequencyCaption);
    QFETCH(QString, minutesUnit);
    WorkspaceFixture fixture;
    if (table.isNull())
        QVERIFY(QFile::remove(fixture.folder.filePath("english.lang")));
    else
        fixture.folder.writeFile("english.lang", table);
    Workspace& workspace = fixture.workspace;
    QSignalSpy applied(&fixture.localisation, &Localisation::languageApplied);

    fixture.localisation.applyLanguage(Language::English);

    QCOMPARE(applied.count(), 1);
    QVERIFY(fixture.localisation.hasApplied());
    const CellWords& cellWords = workspace.words;
    QCOMPARE(
        (QStringList{cellWords.offWord, cellWords.onWord, cellWords.highWord, cellWords.lowWord}),
        words);
    QCOMPARE(workspace.tones.offEntry(), cellWords.offWord);
    QCOMPARE(workspace.settings.entries(S::Scan),
             (QStringList{cellWords.onWord, cellWords.offWord}));
    QCOMPARE(workspace.table.text(Row::Captions, Column::RxFrequency), rxFrequencyCaption);
    QCOMPARE(workspace.settings.entries(S::TimeOut)[3], "3" + minutesUnit);
    // A string the table does not give at all is the built-in one.
    const LanguageTable& builtIn = BuiltInLanguages::table(Language::English);
    QCOMPARE(workspace.table.text(Row::Captions, Column::Scramble),
             builtIn.string(LanguageString::columnCaption(Column::Scramble)));
    QCOMPARE(fixture.localisation.applied().string(LanguageString::StatusLine),
             builtIn.string(LanguageString::StatusLine));
}

void TestLocalisation::switchesRewordTheGrid_data()
{
    QTest::addColumn<Language>("from");
    QTest::addColumn<Language>("to");
    QTest::newRow("chinese to english") << Language::Chinese << Language::English;
    QTest::newRow("english to chinese") << Language::English << Language::Chinese;
    QTest::newRow("english again") << Language::English << Language::English;
}

void TestLocalisation::switchesRewordTheGrid()
{
    QFETCH(Language, from);
    QFETCH(Language, to);
    WorkspaceFixture fixture;
    Workspace& workspace = fixture.workspace;
    fixture.localisation.switchLanguage(from);
    workspace.settings.setPosition(S::TimeOut, 3);

    // Words of both languages stand in the grid, as after opening a file written in the
    // other language.
    const Grid mixed = {
        {"OFF", "禁用", "启用", "OFF", "High", "ON", "禁用", "启用"},
        {"430.12500", "67.0", "430.12500", "on", "低功率", "OFF ", "High", ""},
        {"", "ON", "", "启用", "ON", "Low", "高功率 ", "D023N"},
    };
    fillGrid(workspace.table, mixed);
    QSignalSpy checked(&fixture.localisation, &Localisation::languageChecked);

    fixture.localisation.switchLanguage(to);

    const bool english = to == Language::English;
    const QString off = english ? "OFF" : "禁用";
    const QString on = english ? "ON" : "启用";
    const QString high = english ? "High" : "高功率";
    const QString low = english ? "Low" : "低功率";
    // Frequency columns, unrecognised texts (letter case and spaces count) and words in
    // columns that do not hold them stay as they were.
    const Grid expected = {
        {"OFF", off, "启用", off, high, on, off, on},
        {"430.12500", "67.0", "430.12500", "on", low, "OFF ", "High", ""},
        {"", "ON", "", "启用", "ON", "Low", "高功率 ", "D023N"},
    };
    QCOMPARE(gridOf(workspace.table, 3), expected);
    QCOMPARE(workspace.languageCode, languageCode(to));
    QCOMPARE(workspace.checkedLanguage, to);
    QCOMPARE(checked.count(), from == to ? 0 : 1);
    QCOMPARE(workspace.settings.position(S::TimeOut), 3);
}

void TestLocalisation::switchWithoutItsTable_data()
{
    QTest::addColumn<bool>("chineseTable");
    QTest::newRow("chinese applied before") << true;
    QTest::newRow("no table at all") << false;
}

// Without its table a switch speaks the built-in copy of its language, words included.
void TestLocalisation::switchWithoutItsTable()
{
    QFETCH(bool, chineseTable);
    WorkspaceFixture fixture;
    QFile::remove(fixture.folder.filePath("english.lang"));
    if (!chineseTable)
        QFile::remove(fixture.folder.filePath("chinese.lang"));
    Workspace& workspace = fixture.workspace;
    fixture.localisation.switchLanguage(Language::Chinese);
    const Grid words = {{"430.12500", "禁用", "430.12500", "OFF", "High", "启用", "ON", "低功率"}};
    fillGrid(workspace.table, words);

    fixture.localisation.switchLanguage(Language::English);

    QCOMPARE(workspace.table.text(Row::Captions, Column::RxFrequency), QString("RX Freq"));
    QCOMPARE(workspace.words.offWord, QString("OFF"));
    QCOMPARE(workspace.languageCode, 2);
    QCOMPARE(workspace.checkedLanguage, Language::English);
    QCOMPARE(gridOf(workspace.table, 1).first(),
             (QStringList{"430.12500", "OFF", "430.12500", "OFF", "High", "ON", "ON", "低功率"}));

    RecordingMessageLibrary messages;
    Messenger(messages, workspace).show(Message::PromptTitle, Message::ConfirmNew);
    QCOMPARE(messages.boxes.first().language, Language::English);
    QVERIFY(ChannelFileWriter(workspace).contents().contains("\r\nLanguage 2\r\n"));
}

void TestLocalisation::installLogPicksTheStartupLanguage_data()
{
    QTest::addColumn<QByteArray>("log"); // a null array: no log at all
    QTest::addColumn<int>("languageCode");
    QTest::addColumn<QString>("error");

    const QByteArray title = "Title: RZT3307 Programming Software";
    QTest::newRow("english, CR LF") << "Installation Log\r\n" + title + "\r\nmore\r\n"
                                    << 2 << QString();
    QTest::newRow("english, LF") << "Installation Log\n" + title + "\n" << 2 << QString();
    QTest::newRow("english, CR") << "Installation Log\r" + title + "\rmore" << 2 << QString();
    QTest::newRow("english, last line unended") << "Installation Log\r\n" + title << 2 << QString();
    QTest::newRow("trailing space: chinese") << "Installation Log\r\n" + title + " \r\n"
                                             << 1 << QString();
    QTest::newRow("another title: chinese")
        << QByteArray("Log\r\nTitle: something\r\n") << 1 << QString();
    QTest::newRow("empty second line: chinese") << QByteArray("Log\r\n\r\n") << 1 << QString();
    QTest::newRow("title on the first line: chinese") << title + "\r\nLog\r\n" << 1 << QString();
    QTest::newRow("one line") << QByteArray("Log\r\n") << 0
                              << "Cannot read install.Log: Read beyond end of file";
    QTest::newRow("empty log") << QByteArray("") << 0
                               << "Cannot read install.Log: Read beyond end of file";
    QTest::newRow("no log") << QByteArray() << 0 << "Cannot read install.Log: File not found";
}

void TestLocalisation::installLogPicksTheStartupLanguage()
{
    QFETCH(QByteArray, log);
    QFETCH(int, languageCode);
    QFETCH(QString, error);
    WorkspaceFixture fixture;
    QFile::remove(fixture.folder.filePath("install.Log"));
    if (!log.isNull())
        fixture.folder.writeFile("install.Log", log);
    RecordingMessageLibrary messages;
    Messenger messenger(messages, fixture.workspace);

    const bool chosen = fixture.localisation.chooseStartupLanguage(messenger);

    const Workspace& workspace = fixture.workspace;
    QCOMPARE(chosen, error.isEmpty());
    QCOMPARE(messages.errors, error.isEmpty() ? QStringList() : QStringList{error});
    QCOMPARE(workspace.languageCode, languageCode);
    QCOMPARE(workspace.checkedLanguage, languageCode == 2 ? Language::English : Language::Chinese);
    // Before any language the words are the built-in Chinese ones, as the captions are.
    QCOMPARE(workspace.words.offWord, languageCode == 2 ? QString("OFF") : QString("禁用"));
}

QTEST_GUILESS_MAIN(TestLocalisation)
#include "tst_localisation.moc"
