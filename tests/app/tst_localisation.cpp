#include "app/LanguageStrings.h"
#include "app/LanguageTable.h"
#include "app/MessageIds.h"
#include "app/Messenger.h"
#include "files/ChannelFileWriter.h"

#include "support/RecordingMessageLibrary.h"
#include "support/WorkspaceFixture.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QSignalSpy>
#include <QTest>

namespace {

using S = FunctionSettings;

LanguageTable parsed(QByteArray text)
{
    QBuffer buffer(&text);
    buffer.open(QIODevice::ReadOnly);
    return LanguageTable::parse(&buffer);
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
            table.setText(column, row + 1, grid[row][column - 1]);
}

Grid gridOf(const ChannelTable& table, int rows)
{
    Grid grid;
    for (int row = 1; row <= rows; ++row) {
        QStringList cells;
        for (int column = Column::FirstField; column <= Column::LastField; ++column)
            cells << table.text(column, row);
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
    void missingTableChangesNothing();
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
    QTest::newRow("no final line end") << QByteArray("69=High\n70=Band") << 70 << "Band";
    QTest::newRow("leading space kept") << QByteArray("48= min\n") << 48 << " min";
    QTest::newRow("equals sign in the text") << QByteArray("61=a=b\n") << 61 << "a=b";
    QTest::newRow("byte order mark") << QByteArray("\xEF\xBB\xBF"
                                                   "1=About\n")
                                     << 1 << "About";
    QTest::newRow("missing number gives an empty text") << QByteArray("25=x\n") << 26 << "";
    QTest::newRow("comments and malformed lines are skipped")
        << QByteArray("# 27=no\n 27=no\n27 =no\n=27\nx27=no\n") << 27 << "";
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
    QTest::addColumn<QString>("language");
    QTest::addColumn<QStringList>("cellWords");
    QTest::newRow("chinese") << "chinese" << QStringList{"禁用", "启用", "高功率", "低功率"};
    QTest::newRow("english") << "english" << QStringList{"OFF", "ON", "High", "Low"};
}

void TestLocalisation::shippedTablesHoldEveryString()
{
    QFETCH(QString, language);
    QFETCH(QStringList, cellWords);
    const TemporaryProgramFolder folder;
    folder.copyCompanionFiles();
    const std::optional<LanguageTable> table =
        LanguageTable::load(folder.filePath(Localisation::tableFileName(language)));
    QVERIFY(table);
    for (int number : usedNumbers()) {
        QVERIFY2(!table->string(number).isEmpty(), qPrintable(QString::number(number)));
        QVERIFY(table->string(number).size() <= LanguageTable::MaxLength);
    }
    for (int word = 0; word < cellWords.size(); ++word)
        QCOMPARE(table->string(LanguageString::OffWord + word), cellWords[word]);
}

void TestLocalisation::applyingKeepsEveryPosition_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("txtot3");
    QTest::newRow("chinese") << "chinese"
                             << "3分钟";
    QTest::newRow("english") << "english"
                             << "3 min";
}

void TestLocalisation::applyingKeepsEveryPosition()
{
    QFETCH(QString, language);
    QFETCH(QString, txtot3);
    WorkspaceFixture fixture;
    Workspace& workspace = fixture.workspace;
    const FunctionSettings::Positions positions = {4, 0, 3, 1, 0, 1, 2, 7, 3};
    workspace.settings.reset(positions);
    QSignalSpy applied(&fixture.localisation, &Localisation::languageApplied);

    fixture.localisation.ApplyLanguage(language);

    const LanguageTable table = fixture.localisation.applied();
    QCOMPARE(applied.count(), 1);
    QCOMPARE(workspace.settings.positions(), positions);
    QCOMPARE(workspace.settings.text(S::TxTOT), txtot3);

    const CellWords& words = workspace.words;
    QCOMPARE(words.OffWord, table.string(LanguageString::OffWord));
    QCOMPARE(words.OnWord, table.string(LanguageString::OnWord));
    QCOMPARE(words.HighWord, table.string(LanguageString::HighWord));
    QCOMPARE(words.LowWord, table.string(LanguageString::LowWord));
    QCOMPARE(workspace.tones.entries().size(), ToneList::Count);
    QCOMPARE(workspace.tones.offEntry(), words.OffWord);
    QCOMPARE(workspace.tones.entries()[1], QString("67.0"));

    const QString minutes = table.string(LanguageString::MinutesUnit);
    QStringList timeOut{words.OffWord};
    for (int minute = 1; minute <= 7; ++minute)
        timeOut << QString::number(minute) + minutes;
    QCOMPARE(workspace.settings.entries(S::TxTOT), timeOut);
    for (S::Setting offFirst : {S::BatSave, S::Tone, S::Emg})
        QCOMPARE(workspace.settings.entries(offFirst), (QStringList{words.OffWord, words.OnWord}));
    QCOMPARE(workspace.settings.entries(S::Scan), (QStringList{words.OnWord, words.OffWord}));
    QCOMPARE(workspace.settings.entries(S::Voice),
             (QStringList{words.OffWord, table.string(LanguageString::EnglishVoice),
                          table.string(LanguageString::ChineseVoice)}));
    for (S::Setting fixed : {S::Squelch, S::VoxGainLevel, S::VoxDelay})
        QCOMPARE(workspace.settings.entries(fixed), S::builtInEntries(fixed));

    for (int column = 0; column < Column::Count; ++column)
        QCOMPARE(workspace.table.text(column, Row::Captions),
                 table.string(LanguageString::columnCaption(column)));
}

void TestLocalisation::missingTableChangesNothing()
{
    WorkspaceFixture fixture;
    QVERIFY(QFile::remove(fixture.folder.filePath("english.lang")));
    Workspace& workspace = fixture.workspace;
    QSignalSpy applied(&fixture.localisation, &Localisation::languageApplied);

    fixture.localisation.ApplyLanguage("english");

    QCOMPARE(applied.count(), 0);
    QVERIFY(!fixture.localisation.hasApplied());
    QVERIFY(workspace.words.OffWord.isEmpty());
    QCOMPARE(workspace.tones.offEntry(), QString("禁用"));
    QCOMPARE(workspace.settings.entries(S::Voice), S::builtInEntries(S::Voice));
    QVERIFY(workspace.table.text(Column::RxFrequency, Row::Captions).isEmpty());
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
    workspace.settings.setPosition(S::TxTOT, 3);

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
    QCOMPARE(workspace.LanguageCode, languageCode(to));
    QCOMPARE(workspace.checkedLanguage, to);
    QCOMPARE(checked.count(), from == to ? 0 : 1);
    QCOMPARE(workspace.settings.position(S::TxTOT), 3);
}

void TestLocalisation::switchWithoutItsTable_data()
{
    QTest::addColumn<bool>("chineseTable");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("offWord");
    QTest::newRow("chinese applied before") << true << "接收频率"
                                            << "禁用";
    QTest::newRow("no table at all") << false << ""
                                     << "";
}

void TestLocalisation::switchWithoutItsTable()
{
    QFETCH(bool, chineseTable);
    QFETCH(QString, caption);
    QFETCH(QString, offWord);
    WorkspaceFixture fixture;
    QFile::remove(fixture.folder.filePath("english.lang"));
    if (!chineseTable)
        QFile::remove(fixture.folder.filePath("chinese.lang"));
    Workspace& workspace = fixture.workspace;
    fixture.localisation.switchLanguage(Language::Chinese);
    const Grid words = {{"430.12500", "禁用", "430.12500", "OFF", "High", "启用", "ON", "低功率"}};
    fillGrid(workspace.table, words);

    fixture.localisation.switchLanguage(Language::English);

    QCOMPARE(workspace.table.text(Column::RxFrequency, Row::Captions), caption);
    QCOMPARE(workspace.words.OffWord, offWord);
    QCOMPARE(workspace.LanguageCode, 2);
    QCOMPARE(workspace.checkedLanguage, Language::English);
    // The words of the table applied before replace the recognised ones; where there are
    // none, the cells keep their words rather than lose them.
    const QStringList row = gridOf(workspace.table, 1).first();
    if (chineseTable)
        QCOMPARE(row, (QStringList{"430.12500", "禁用", "430.12500", "禁用", "高功率", "启用",
                                   "启用", "低功率"}));
    else
        QCOMPARE(row, words.first());

    RecordingMessageLibrary messages;
    Messenger(messages, workspace).show(Message::PromptTitle, Message::ConfirmNew);
    QCOMPARE(messages.boxes.first().language, QString("english"));
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
    QCOMPARE(workspace.LanguageCode, languageCode);
    QCOMPARE(workspace.checkedLanguage, languageCode == 2 ? Language::English : Language::Chinese);
    const QString offWord = languageCode == 2 ? "OFF" : languageCode == 1 ? "禁用" : "";
    QCOMPARE(workspace.words.OffWord, offWord);
}

QTEST_GUILESS_MAIN(TestLocalisation)
#include "tst_localisation.moc"
