#include "workspace/BandList.h"
#include "workspace/ChannelTable.h"
#include "workspace/FunctionSettings.h"
#include "workspace/ToneList.h"
#include "workspace/Workspace.h"

#include <QAbstractItemModelTester>
#include <QSignalSpy>
#include <QTest>

namespace {

// The whole tone list written out entry by entry, not built the way the program builds it:
// the off word, 50 CTCSS tones, then 104 DCS codes of normal and 104 of inverted polarity.
const QStringList ToneTexts{
    "禁用",  "67.0",  "69.3",  "71.9",  "74.4",  "77.0",  "79.7",  "82.5",  "85.4",  "88.5",
    "91.5",  "94.8",  "97.4",  "100.0", "103.5", "107.2", "110.9", "114.8", "118.8", "123.0",
    "127.3", "131.8", "136.5", "141.3", "146.2", "151.4", "156.7", "159.8", "162.2", "165.5",
    "167.9", "171.3", "173.8", "177.3", "179.9", "183.5", "186.2", "189.9", "192.8", "196.6",
    "199.5", "203.5", "206.5", "210.7", "218.1", "225.7", "229.1", "233.6", "241.8", "250.3",
    "254.1", "D023N", "D025N", "D026N", "D031N", "D032N", "D036N", "D043N", "D047N", "D051N",
    "D053N", "D054N", "D065N", "D071N", "D072N", "D073N", "D074N", "D114N", "D115N", "D116N",
    "D122N", "D125N", "D131N", "D132N", "D134N", "D143N", "D145N", "D152N", "D155N", "D156N",
    "D162N", "D165N", "D172N", "D174N", "D205N", "D212N", "D223N", "D225N", "D226N", "D243N",
    "D244N", "D245N", "D246N", "D251N", "D252N", "D255N", "D261N", "D263N", "D265N", "D266N",
    "D271N", "D274N", "D306N", "D311N", "D315N", "D325N", "D331N", "D332N", "D343N", "D346N",
    "D351N", "D356N", "D364N", "D365N", "D371N", "D411N", "D412N", "D413N", "D423N", "D431N",
    "D432N", "D445N", "D446N", "D452N", "D454N", "D455N", "D462N", "D464N", "D465N", "D466N",
    "D503N", "D506N", "D516N", "D523N", "D526N", "D532N", "D546N", "D565N", "D606N", "D612N",
    "D624N", "D627N", "D631N", "D632N", "D654N", "D662N", "D664N", "D703N", "D712N", "D723N",
    "D731N", "D732N", "D734N", "D743N", "D754N", "D023I", "D025I", "D026I", "D031I", "D032I",
    "D036I", "D043I", "D047I", "D051I", "D053I", "D054I", "D065I", "D071I", "D072I", "D073I",
    "D074I", "D114I", "D115I", "D116I", "D122I", "D125I", "D131I", "D132I", "D134I", "D143I",
    "D145I", "D152I", "D155I", "D156I", "D162I", "D165I", "D172I", "D174I", "D205I", "D212I",
    "D223I", "D225I", "D226I", "D243I", "D244I", "D245I", "D246I", "D251I", "D252I", "D255I",
    "D261I", "D263I", "D265I", "D266I", "D271I", "D274I", "D306I", "D311I", "D315I", "D325I",
    "D331I", "D332I", "D343I", "D346I", "D351I", "D356I", "D364I", "D365I", "D371I", "D411I",
    "D412I", "D413I", "D423I", "D431I", "D432I", "D445I", "D446I", "D452I", "D454I", "D455I",
    "D462I", "D464I", "D465I", "D466I", "D503I", "D506I", "D516I", "D523I", "D526I", "D532I",
    "D546I", "D565I", "D606I", "D612I", "D624I", "D627I", "D631I", "D632I", "D654I", "D662I",
    "D664I", "D703I", "D712I", "D723I", "D731I", "D732I", "D734I", "D743I", "D754I",
};

} // namespace

class TestChannelModel : public QObject
{
    Q_OBJECT

private slots:
    void freshTableHoldsOnlyTheLabels();
    void clearingLeavesLabelsAndCaptions();
    void fixedCellsAreNotSelectable();
    void modelIsConsistent();
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
            QCOMPARE(table.text(row, column), expected);
        }
        if (row > 0)
            QVERIFY(table.isEmptyChannel(row));
    }
    QCOMPARE(table.text(1, 0), QString("    01"));
    QCOMPARE(table.text(16, 0), QString("    16"));
}

void TestChannelModel::clearingLeavesLabelsAndCaptions()
{
    ChannelTable table;
    for (int column = 0; column < Column::Count; ++column)
        table.setText(0, column, QStringLiteral("caption %1").arg(column));
    for (int row = 1; row <= 16; ++row)
        for (int column = 1; column < Column::Count; ++column)
            table.setText(row, column, "x");

    table.clearChannel(3);
    QVERIFY(table.isEmptyChannel(3));
    QCOMPARE(table.text(3, Column::Scramble), QString());
    QCOMPARE(table.text(4, Column::Scramble), QString("x"));

    table.clearTable();
    for (int row = 1; row <= 16; ++row) {
        QCOMPARE(table.text(row, 0), ChannelTable::channelLabel(row));
        for (int column = 1; column < Column::Count; ++column)
            QCOMPARE(table.text(row, column), QString());
    }
    QCOMPARE(table.text(0, Column::TxTone), QString("caption 4"));
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
    table.setText(4, Column::Power, "High");
    QCOMPARE(changed.size(), 1);
    QCOMPARE(changed[0][0].toModelIndex(), table.index(4, Column::Power));
    table.setText(4, Column::Power, "High"); // unchanged text: no repaint needed
    QCOMPARE(changed.size(), 1);
    table.clearTable();
}

void TestChannelModel::toneListHasEveryEntryInOrder()
{
    ToneList tones;
    QCOMPARE(ToneTexts.size(), 259);
    QCOMPARE(tones.entries(), ToneTexts);
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
    QTest::newRow("BatSave") << int(S::BatterySave) << QStringList{"OFF", "ON"} << 1;
    QTest::newRow("TxTOT") << int(S::TimeOut) << QStringList{"禁用",  "1分钟", "2分钟", "3分钟",
                                                             "4分钟", "5分钟", "6分钟", "7分钟"}
                           << 3;
    QTest::newRow("Tone") << int(S::PromptTone) << QStringList{"OFF", "ON"} << 1;
    QTest::newRow("Emg") << int(S::AlarmKey) << QStringList{"OFF", "ON"} << 1;
    QTest::newRow("Scan, ON first") << int(S::Scan) << QStringList{"ON", "OFF"} << 1;
    QTest::newRow("Voice, off last")
        << int(S::VoicePrompt) << QStringList{"Male voice in Chinese", "英文男声", "禁用"} << 2;
    QTest::newRow("VoxGainLevel") << int(S::VoxGain)
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
    const auto positionsOf = [](const FunctionSettings& settings) {
        QList<int> positions;
        for (int setting = 0; setting < S::SettingCount; ++setting)
            positions << settings.position(S::Setting(setting));
        return positions;
    };
    FunctionSettings settings;
    settings.setVoxInhibit(false);

    settings.reset(S::BandChangePositions);
    // Squelch 2, battery save on, time-out 4 min, tone on, alarm on, scan off, voice off,
    // VOX gain 3, VOX delay 2 s.
    QCOMPARE(positionsOf(settings), QList<int>({2, 1, 4, 1, 1, 1, 0, 2, 1}));
    QCOMPARE(settings.text(S::VoxDelay), QString("2s"));
    QVERIFY(settings.voxInhibit());

    settings.setVoxInhibit(false);
    settings.reset(S::StartupPositions);
    // The same but time-out 3 min, the voice list's third entry and VOX delay 3 s.
    QCOMPARE(positionsOf(settings), QList<int>({2, 1, 3, 1, 1, 1, 2, 2, 2}));
    QVERIFY(settings.voxInhibit());
}

void TestChannelModel::positionBeyondTheListShowsNoText()
{
    FunctionSettings settings;
    QSignalSpy spy(&settings, &FunctionSettings::positionChanged);
    settings.setPosition(FunctionSettings::VoicePrompt, 4);
    QCOMPARE(settings.position(FunctionSettings::VoicePrompt), 4);
    QCOMPARE(settings.text(FunctionSettings::VoicePrompt), QString());
    QCOMPARE(spy.size(), 1);
    // A new list keeps the position.
    settings.setEntries(FunctionSettings::VoicePrompt, {"OFF", "English", "Chinese"});
    QCOMPARE(settings.position(FunctionSettings::VoicePrompt), 4);
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
    QCOMPARE(workspace.words.offWord, QString("禁用"));
    QCOMPARE(workspace.words.onWord, QString("启用"));
    QCOMPARE(workspace.words.highWord, QString("高功率"));
    QCOMPARE(workspace.words.lowWord, QString("低功率"));
    QCOMPARE(workspace.tones.offEntry(), workspace.words.offWord);
    QCOMPARE(workspace.languageCode, 0);
    QCOMPARE(workspace.editor.currentRow, 0);
    QVERIFY(!workspace.editor.suppressToggle);
}

QTEST_GUILESS_MAIN(TestChannelModel)
#include "tst_channelmodel.moc"
