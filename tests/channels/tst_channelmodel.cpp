#include "app/Workspace.h"
#include "channels/BandList.h"
#include "channels/ChannelTable.h"
#include "channels/FunctionSettings.h"
#include "channels/ToneList.h"

#include <QAbstractItemModelTester>
#include <QSignalSpy>
#include <QTest>

class TestChannelModel : public QObject
{
    Q_OBJECT

private slots:
    void freshTableHoldsOnlyTheLabels();
    void clearingLeavesLabelsAndCaptions();
    void fixedCellsAreNotSelectable();
    void modelIsConsistent();
    void toneListHasEveryEntryInOrder_data();
    void toneListHasEveryEntryInOrder();
    void toneListOffEntryFollowsTheLanguage();
    void settingsStartWithTheirBuiltInLists_data();
    void settingsStartWithTheirBuiltInLists();
    void resetsUseTheirOwnPositions();
    void positionBeyondTheListShowsNoText();
    void bandSelectionIsAnnouncedOnlyWhenItChanges();
    void titleShowsTheSelectedBand();
    void cellWordsAreChineseUntilALanguageIsApplied();
};

void TestChannelModel::freshTableHoldsOnlyTheLabels()
{
    ChannelTable table;
    QCOMPARE(table.rowCount(), 17);
    QCOMPARE(table.columnCount(), 9);
    for (int row = 0; row < Row::Count; ++row) {
        for (int column = 0; column < Column::Count; ++column) {
            const QString expected = (column == Column::ChannelLabel && row > 0)
                                         ? QStringLiteral("    %1").arg(row, 2, 10, QChar('0'))
                                         : QString();
            QCOMPARE(table.text(column, row), expected);
        }
        if (row > 0)
            QVERIFY(table.isEmptyChannel(row));
    }
    QCOMPARE(table.text(0, 1), QString("    01"));
    QCOMPARE(table.text(0, 16), QString("    16"));
}

void TestChannelModel::clearingLeavesLabelsAndCaptions()
{
    ChannelTable table;
    for (int column = 0; column < Column::Count; ++column)
        table.setText(column, 0, QStringLiteral("caption %1").arg(column));
    for (int row = 1; row <= 16; ++row)
        for (int column = 1; column < Column::Count; ++column)
            table.setText(column, row, "x");

    table.clearChannel(3);
    QVERIFY(table.isEmptyChannel(3));
    QCOMPARE(table.text(Column::OptionC, 3), QString());
    QCOMPARE(table.text(Column::OptionC, 4), QString("x"));

    table.clearTable();
    for (int row = 1; row <= 16; ++row) {
        QCOMPARE(table.text(0, row), ChannelTable::channelLabel(row));
        for (int column = 1; column < Column::Count; ++column)
            QCOMPARE(table.text(column, row), QString());
    }
    QCOMPARE(table.text(Column::TxTone, 0), QString("caption 4"));
}

void TestChannelModel::fixedCellsAreNotSelectable()
{
    ChannelTable table;
    QCOMPARE(table.flags(table.index(0, 3)), Qt::NoItemFlags);
    QCOMPARE(table.flags(table.index(5, 0)), Qt::NoItemFlags);
    QVERIFY(table.flags(table.index(5, 3)) & Qt::ItemIsSelectable);
    QCOMPARE(table.data(table.index(2, 0)).toString(), QString("    02"));
}

void TestChannelModel::modelIsConsistent()
{
    ChannelTable table;
    QAbstractItemModelTester tester(&table, QAbstractItemModelTester::FailureReportingMode::QtTest);
    QSignalSpy changed(&table, &QAbstractItemModel::dataChanged);
    table.setText(Column::Power, 4, "High");
    QCOMPARE(changed.size(), 1);
    QCOMPARE(changed[0][0].toModelIndex(), table.index(4, Column::Power));
    table.setText(Column::Power, 4, "High"); // unchanged text: no repaint needed
    QCOMPARE(changed.size(), 1);
    table.clearTable();
}

void TestChannelModel::toneListHasEveryEntryInOrder_data()
{
    QTest::addColumn<int>("position");
    QTest::addColumn<QString>("text");
    QTest::newRow("off") << 0 << "禁用";
    QTest::newRow("first CTCSS") << 1 << "67.0";
    QTest::newRow("88.5") << 9 << "88.5";
    QTest::newRow("last below 100 Hz") << 12 << "97.4";
    QTest::newRow("first from 100 Hz") << 13 << "100.0";
    QTest::newRow("last CTCSS") << 50 << "254.1";
    QTest::newRow("first DCS normal") << 51 << "D023N";
    QTest::newRow("D134N") << 74 << "D134N";
    QTest::newRow("last DCS normal") << 154 << "D754N";
    QTest::newRow("first DCS inverted") << 155 << "D023I";
    QTest::newRow("last DCS inverted") << 258 << "D754I";
}

void TestChannelModel::toneListHasEveryEntryInOrder()
{
    QFETCH(int, position);
    QFETCH(QString, text);
    ToneList tones;
    QCOMPARE(tones.entries().size(), 259);
    QCOMPARE(tones.entries()[position], text);
}

void TestChannelModel::toneListOffEntryFollowsTheLanguage()
{
    ToneList tones;
    tones.setOffEntry("OFF");
    QCOMPARE(tones.entries().first(), QString("OFF"));
    QCOMPARE(tones.entries().size(), 259);
    QCOMPARE(tones.entries()[1], QString("67.0"));
    // Every CTCSS text has one decimal digit, every DCS text five characters.
    for (int i = 1; i <= 50; ++i)
        QCOMPARE(tones.entries()[i].section('.', 1).size(), 1);
    for (int i = 51; i < 259; ++i)
        QCOMPARE(tones.entries()[i].size(), 5);
    QCOMPARE(QSet<QString>(tones.entries().begin(), tones.entries().end()).size(), 259);
}

void TestChannelModel::settingsStartWithTheirBuiltInLists_data()
{
    using S = FunctionSettings;
    QTest::addColumn<int>("setting");
    QTest::addColumn<QStringList>("entries");
    QTest::addColumn<int>("position");
    QTest::newRow("Squelch") << int(S::Squelch)
                             << QStringList{"0", "1", "2", "3", "4", "5", "6", "7", "8", "9"} << 2;
    QTest::newRow("BatSave") << int(S::BatSave) << QStringList{"OFF", "ON"} << 1;
    QTest::newRow("TxTOT") << int(S::TxTOT) << QStringList{"禁用",  "1分钟", "2分钟", "3分钟",
                                                           "4分钟", "5分钟", "6分钟", "7分钟"}
                           << 3;
    QTest::newRow("Tone") << int(S::Tone) << QStringList{"OFF", "ON"} << 1;
    QTest::newRow("Emg") << int(S::Emg) << QStringList{"OFF", "ON"} << 1;
    QTest::newRow("Scan, ON first") << int(S::Scan) << QStringList{"ON", "OFF"} << 1;
    QTest::newRow("Voice, off last")
        << int(S::Voice) << QStringList{"Male voice in Chinese", "英文男声", "禁用"} << 2;
    QTest::newRow("VoxGainLevel") << int(S::VoxGainLevel)
                                  << QStringList{"1", "2", "3", "4", "5", "6", "7", "8"} << 2;
    QTest::newRow("VoxDelay") << int(S::VoxDelay) << QStringList{"1s", "2s", "3s", "4s"} << 2;
}

void TestChannelModel::settingsStartWithTheirBuiltInLists()
{
    QFETCH(int, setting);
    FunctionSettings settings;
    const auto which = FunctionSettings::Setting(setting);
    QTEST(settings.entries(which), "entries");
    QTEST(settings.position(which), "position");
    QVERIFY(settings.voxInhibit());
}

void TestChannelModel::resetsUseTheirOwnPositions()
{
    using S = FunctionSettings;
    FunctionSettings settings;
    settings.setVoxInhibit(false);
    settings.reset(S::BandChangePositions);
    QCOMPARE(settings.position(S::TxTOT), 4);
    QCOMPARE(settings.position(S::Voice), 0);
    QCOMPARE(settings.position(S::VoxDelay), 1);
    QCOMPARE(settings.text(S::VoxDelay), QString("2s"));
    QVERIFY(settings.voxInhibit());

    settings.setVoxInhibit(false);
    settings.reset(S::StartupPositions);
    QCOMPARE(settings.position(S::TxTOT), 3);
    QCOMPARE(settings.position(S::Voice), 2);
    QCOMPARE(settings.position(S::VoxDelay), 2);
    QVERIFY(settings.voxInhibit());
}

void TestChannelModel::positionBeyondTheListShowsNoText()
{
    FunctionSettings settings;
    QSignalSpy spy(&settings, &FunctionSettings::positionChanged);
    settings.setPosition(FunctionSettings::Voice, 4);
    QCOMPARE(settings.position(FunctionSettings::Voice), 4);
    QCOMPARE(settings.text(FunctionSettings::Voice), QString());
    QCOMPARE(spy.size(), 1);
    // A new list keeps the position.
    settings.setEntries(FunctionSettings::Voice, {"OFF", "English", "Chinese"});
    QCOMPARE(settings.position(FunctionSettings::Voice), 4);
}

void TestChannelModel::bandSelectionIsAnnouncedOnlyWhenItChanges()
{
    BandList bands;
    QSignalSpy spy(&bands, &BandList::selectionChanged);
    QCOMPARE(bands.selectedIndex(), -1);
    bands.append("400-470MHz");
    bands.append("136-174MHz");
    bands.select(1);
    bands.select(1);
    QCOMPARE(spy.size(), 1);
    QCOMPARE(bands.selectedText(), QString("136-174MHz"));
    bands.select(5);
    QCOMPARE(bands.selectedIndex(), -1);
    QCOMPARE(bands.selectedText(), QString());
    QCOMPARE(spy.size(), 2);
    QCOMPARE(bands.indexOf("400-470MHz"), 0);
}

void TestChannelModel::titleShowsTheSelectedBand()
{
    Workspace workspace;
    QCOMPARE(workspace.title(), QString("QV3307"));
    workspace.bands.append("136-174MHz");
    workspace.bands.select(0);
    QSignalSpy spy(&workspace, &Workspace::titleChanged);
    workspace.setTitleFromBand();
    QCOMPARE(workspace.title(), QString("RZT3307 [136-174MHz]"));
    QCOMPARE(spy.size(), 1);
}

// The words are never empty: a read before any language would otherwise fill the grid
// with empty words, which a write turns into other flags.
void TestChannelModel::cellWordsAreChineseUntilALanguageIsApplied()
{
    Workspace workspace;
    QCOMPARE(workspace.words.OffWord, QString("禁用"));
    QCOMPARE(workspace.words.OnWord, QString("启用"));
    QCOMPARE(workspace.words.HighWord, QString("高功率"));
    QCOMPARE(workspace.words.LowWord, QString("低功率"));
    QCOMPARE(workspace.tones.offEntry(), workspace.words.OffWord);
    QCOMPARE(workspace.LanguageCode, 0);
    QCOMPARE(workspace.editor.CurrentRow, 0);
    QVERIFY(!workspace.editor.SuppressToggle);
}

QTEST_GUILESS_MAIN(TestChannelModel)
#include "tst_channelmodel.moc"
