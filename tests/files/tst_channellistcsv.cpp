#include "files/ChannelListCsv.h"
#include "files/ChannelListCsvText.h"
#include "workspace/ChannelColumn.h"

#include <QLocale>
#include <QTest>

namespace {

using Reason = SkippedCsvRow::Reason;
using Kind = ChannelListCsvProblem::Kind;

const CellWords EnglishWords{QStringLiteral("OFF"), QStringLiteral("ON"), QStringLiteral("High"),
                             QStringLiteral("Low")};
const CellWords ChineseWords{QStringLiteral("禁用"), QStringLiteral("启用"),
                             QStringLiteral("高功率"), QStringLiteral("低功率")};
const QString Band = QStringLiteral("400-470MHz");

const QByteArray FullHeader = "Location,Name,Frequency,Duplex,Offset,Tone,rToneFreq,cToneFreq,"
                              "DtcsCode,DtcsPolarity,RxDtcsCode,CrossMode,Mode,TStep,Skip,"
                              "Power,Comment,URCALL,RPT1CALL,RPT2CALL,DVCODE";
// The columns the import rows below fill; the others take their defaults.
const QByteArray ShortHeader = "Location,Frequency,Duplex,Offset,Tone,rToneFreq,cToneFreq,"
                               "DtcsCode,DtcsPolarity,RxDtcsCode,CrossMode,Mode,Power,Comment";

// The eight cells of a channel with English words, receive frequency first.
QStringList cells(const QString& rxTone = QStringLiteral("OFF"),
                  const QString& txTone = QStringLiteral("OFF"),
                  const QString& tx = QStringLiteral("446.00625"),
                  const QString& power = QStringLiteral("High"),
                  const QString& wideband = QStringLiteral("ON"),
                  const QString& busyLock = QStringLiteral("OFF"),
                  const QString& scramble = QStringLiteral("OFF"))
{
    return {QStringLiteral("446.00625"), rxTone, tx, txTone, power, wideband, busyLock, scramble};
}

ChannelRows emptyRows()
{
    ChannelRows rows;
    rows.fill(QStringList(8));
    return rows;
}

ChannelRows rowsOf(const QList<QStringList>& channels)
{
    ChannelRows rows = emptyRows();
    for (qsizetype index = 0; index < channels.size(); ++index)
        rows[size_t(index)] = channels[index];
    return rows;
}

// The lines of a file after its header, each ended by CR LF.
QByteArray withHeader(const QByteArray& header, const QList<QByteArray>& lines)
{
    QByteArray file = header + "\r\n";
    for (const QByteArray& line : lines)
        file += line + "\r\n";
    return file;
}

QList<int> skippedRowNumbers(const ImportedChannelList& imported)
{
    QList<int> rows;
    for (const SkippedCsvRow& skipped : imported.skipped)
        rows << skipped.row;
    return rows;
}

} // namespace

Q_DECLARE_METATYPE(CellWords)
Q_DECLARE_METATYPE(ChannelListCsv::Placement)

class TestChannelListCsv : public QObject
{
    Q_OBJECT

private slots:
    void cleanup() { QLocale::setDefault(QLocale::c()); }

    void roundTripKeepsRepresentableChannels_data();
    void roundTripKeepsRepresentableChannels();
    void exportWritesEachColumnRule_data();
    void exportWritesEachColumnRule();
    void exportRefusesCellsItCannotWrite_data();
    void exportRefusesCellsItCannotWrite();
    void importReadsEachForm_data();
    void importReadsEachForm();
    void importReadsFilesOfOtherTools_data();
    void importReadsFilesOfOtherTools();
    void importRefusesWhatIsNoChannelList_data();
    void importRefusesWhatIsNoChannelList();
    void rowsGoWhereTheirLocationsSay_data();
    void rowsGoWhereTheirLocationsSay();
    void readingInAnyBandSkipsOnlyWhatNoBandHolds();
    void rowsBeyondSixteenAreListed();
    void importWritesTheLocaleSeparatorAndActiveWords();
    void textsNameTheRowAndTheValue();
};

void TestChannelListCsv::roundTripKeepsRepresentableChannels_data()
{
    QTest::addColumn<QList<QStringList>>("channels");
    QTest::addColumn<CellWords>("words");

    // Every tone pairing, every duplex form, both powers and each option on and off.
    const QList<QStringList> english = {
        {"400.00000", "OFF", "400.00000", "OFF", "High", "ON", "OFF", "OFF"},
        {"446.00625", "OFF", "446.00625", "67.0", "Low", "OFF", "ON", "OFF"},
        {"446.01250", "254.1", "446.01250", "254.1", "High", "ON", "OFF", "ON"},
        {"469.99500", "D023N", "469.99500", "D023N", "High", "ON", "ON", "ON"},
        {"450.00000", "D754I", "455.00000", "D754I", "Low", "ON", "OFF", "OFF"},
        {"455.00000", "D023I", "450.00000", "D023N", "High", "ON", "OFF", "OFF"},
        {"430.10000", "88.5", "439.10000", "100.0", "High", "ON", "OFF", "OFF"},
        {"430.20000", "88.5", "430.20000", "OFF", "High", "ON", "OFF", "OFF"},
        {"430.30000", "OFF", "430.30000", "D125N", "High", "ON", "OFF", "OFF"},
        {"430.40000", "D125I", "430.40000", "OFF", "High", "ON", "OFF", "OFF"},
        {"430.50000", "D125N", "430.50000", "123.0", "High", "ON", "OFF", "OFF"},
        {"430.60000", "123.0", "430.60000", "D125N", "High", "ON", "OFF", "OFF"},
        {"430.70000", "OFF", "", "OFF", "High", "ON", "OFF", "OFF"},
        {"430.80000", "D031N", "", "D031N", "Low", "OFF", "ON", "ON"},
        {"412.34375", "OFF", "470.00000", "OFF", "High", "ON", "OFF", "OFF"},
        {"440.00000", "OFF", "400.00625", "OFF", "High", "ON", "OFF", "OFF"},
    };
    QTest::newRow("sixteen channels, English words") << english << EnglishWords;

    QList<QStringList> chinese = english.mid(0, 5);
    for (QStringList& channel : chinese) {
        for (QString& cell : channel) {
            cell.replace(QStringLiteral("OFF"), QStringLiteral("禁用"));
            cell.replace(QStringLiteral("ON"), QStringLiteral("启用"));
            cell.replace(QStringLiteral("High"), QStringLiteral("高功率"));
            cell.replace(QStringLiteral("Low"), QStringLiteral("低功率"));
        }
    }
    QTest::newRow("five channels, Chinese words") << chinese << ChineseWords;
    // Each channel keeps its number through its Location.
    QList<QStringList> gaps = english.mid(0, 12);
    gaps[2] = gaps[10] = QStringList(8);
    QTest::newRow("empty channels between set ones") << gaps << EnglishWords;
}

void TestChannelListCsv::roundTripKeepsRepresentableChannels()
{
    QFETCH(QList<QStringList>, channels);
    QFETCH(CellWords, words);
    // 470.00000 is outside "400-470MHz": that one channel goes through a wider band.
    const QString band = QStringLiteral("400-480MHz");

    const ChannelRows rows = rowsOf(channels);
    const ExportedChannelList exported = ChannelListCsv::write(rows, words);
    QVERIFY(exported.ok());
    const auto isSet = [](const QStringList& channel) { return !channel.first().isEmpty(); };
    QCOMPARE(exported.bytes.count('\n'),
             std::count_if(channels.begin(), channels.end(), isSet) + 1);

    const ImportedChannelList imported = ChannelListCsv::read(exported.bytes, band, words);
    QVERIFY(imported.ok());
    QCOMPARE(imported.skipped.size(), 0);
    for (int index = 0; index < ChannelFileContent::ChannelCount; ++index)
        QCOMPARE(imported.channels[size_t(index)], rows[size_t(index)]);

    // And what it imported writes out the same bytes.
    QCOMPARE(ChannelListCsv::write(imported.channels, words).bytes, exported.bytes);
}

void TestChannelListCsv::exportWritesEachColumnRule_data()
{
    QTest::addColumn<QStringList>("channel");
    QTest::addColumn<CellWords>("words");
    QTest::addColumn<QByteArray>("line");

    const QStringList simplex = {"446.00625", "OFF", "446.00625", "OFF",
                                 "High",      "ON",  "OFF",       "OFF"};
    auto with = [&simplex](int column, const QString& text) {
        QStringList channel = simplex;
        channel[column - 1] = text;
        return channel;
    };
    auto tones = [&simplex](const QString& rx, const QString& tx) {
        QStringList channel = simplex;
        channel[Column::RxTone - 1] = rx;
        channel[Column::TxTone - 1] = tx;
        return channel;
    };
    const QByteArray tail = ",FM,6.25,,High,BusyLock=OFF Scramble=OFF,,,,";
    auto line = [&tail](const QByteArray& middle) { return "1,,446.006250," + middle + tail; };

    QTest::newRow("simplex, no tones")
        << simplex << EnglishWords << line(",0.000000,,88.5,88.5,023,NN,023,Tone->Tone");
    QTest::newRow("transmit higher") << with(Column::TxFrequency, "451.00625") << EnglishWords
                                     << line("+,5.000000,,88.5,88.5,023,NN,023,Tone->Tone");
    QTest::newRow("transmit lower") << with(Column::TxFrequency, "445.40000") << EnglishWords
                                    << line("-,0.606250,,88.5,88.5,023,NN,023,Tone->Tone");
    QTest::newRow("transmit empty") << with(Column::TxFrequency, "") << EnglishWords
                                    << line("off,0.000000,,88.5,88.5,023,NN,023,Tone->Tone");
    QTest::newRow("Tone") << tones("OFF", "67.0") << EnglishWords
                          << line(",0.000000,Tone,67.0,88.5,023,NN,023,Tone->Tone");
    QTest::newRow("TSQL") << tones("100.0", "100.0") << EnglishWords
                          << line(",0.000000,TSQL,88.5,100.0,023,NN,023,Tone->Tone");
    QTest::newRow("DTCS") << tones("D754I", "D754I") << EnglishWords
                          << line(",0.000000,DTCS,88.5,88.5,754,RR,023,Tone->Tone");
    QTest::newRow("Tone->Tone") << tones("71.9", "67.0") << EnglishWords
                                << line(",0.000000,Cross,67.0,71.9,023,NN,023,Tone->Tone");
    QTest::newRow("->Tone") << tones("71.9", "OFF") << EnglishWords
                            << line(",0.000000,Cross,88.5,71.9,023,NN,023,->Tone");
    QTest::newRow("DTCS->") << tones("OFF", "D025I") << EnglishWords
                            << line(",0.000000,Cross,88.5,88.5,025,RN,023,DTCS->");
    QTest::newRow("->DTCS") << tones("D026I", "OFF") << EnglishWords
                            << line(",0.000000,Cross,88.5,88.5,023,NR,026,->DTCS");
    QTest::newRow("Tone->DTCS") << tones("D031N", "203.5") << EnglishWords
                                << line(",0.000000,Cross,203.5,88.5,023,NN,031,Tone->DTCS");
    QTest::newRow("DTCS->Tone") << tones("203.5", "D031I") << EnglishWords
                                << line(",0.000000,Cross,88.5,203.5,031,RN,023,DTCS->Tone");
    QTest::newRow("DTCS->DTCS, polarity differs")
        << tones("D031I", "D031N") << EnglishWords
        << line(",0.000000,Cross,88.5,88.5,031,NR,031,DTCS->DTCS");
    QTest::newRow("DTCS->DTCS, codes differ")
        << tones("D032N", "D031N") << EnglishWords
        << line(",0.000000,Cross,88.5,88.5,031,NN,032,DTCS->DTCS");
    QTest::newRow("empty tone cells are no tone")
        << tones("", "") << EnglishWords << line(",0.000000,,88.5,88.5,023,NN,023,Tone->Tone");

    QTest::newRow("5 kHz step, narrow, low, both options on")
        << QStringList{"446.10000", "OFF", "446.10000", "OFF", "Low", "OFF", "ON", "ON"}
        << EnglishWords
        << QByteArray("1,,446.100000,,0.000000,,88.5,88.5,023,NN,023,Tone->Tone,NFM,5.00,,Low,"
                      "BusyLock=ON Scramble=ON,,,,");
    // A channel loaded without a language switch holds the other language's words: they
    // say what the user sees.
    QTest::newRow("Chinese words while English is active")
        << QStringList{"446.10000", "禁用", "446.10000", "禁用", "低功率", "禁用", "启用", "禁用"}
        << EnglishWords
        << QByteArray("1,,446.100000,,0.000000,,88.5,88.5,023,NN,023,Tone->Tone,NFM,5.00,,Low,"
                      "BusyLock=ON Scramble=OFF,,,,");
    // Empty flag cells are written to the radio as a new channel's flags.
    QTest::newRow("empty flag cells")
        << QStringList{"446.10000", "OFF", "446.10000", "OFF", "", "", "", ""} << EnglishWords
        << QByteArray("1,,446.100000,,0.000000,,88.5,88.5,023,NN,023,Tone->Tone,FM,5.00,,High,"
                      "BusyLock=OFF Scramble=OFF,,,,");
    // A word the radio does not know counts as it would in the radio: not high, not on,
    // not off.
    QTest::newRow("unknown flag words")
        << QStringList{"446.10000", "OFF", "446.10000", "OFF", "x", "x", "x", "x"} << EnglishWords
        << QByteArray("1,,446.100000,,0.000000,,88.5,88.5,023,NN,023,Tone->Tone,NFM,5.00,,Low,"
                      "BusyLock=ON Scramble=ON,,,,");
    // A typed frequency not yet committed goes onto the channel step as Enter would put it.
    QTest::newRow("frequency not yet committed")
        << with(Column::RxFrequency, "446.0061") << EnglishWords
        << line(",0.000000,,88.5,88.5,023,NN,023,Tone->Tone");
    QTest::newRow("comma separator") << with(Column::TxFrequency, "451,00625") << EnglishWords
                                     << line("+,5.000000,,88.5,88.5,023,NN,023,Tone->Tone");
}

void TestChannelListCsv::exportWritesEachColumnRule()
{
    QFETCH(QStringList, channel);
    QFETCH(CellWords, words);
    QFETCH(QByteArray, line);

    const ExportedChannelList exported = ChannelListCsv::write(rowsOf({channel}), words);
    QVERIFY(exported.ok());
    QCOMPARE(exported.bytes, FullHeader + "\r\n" + line + "\r\n");
}

void TestChannelListCsv::exportRefusesCellsItCannotWrite_data()
{
    QTest::addColumn<int>("column");
    QTest::addColumn<QString>("text");

    QTest::newRow("half-typed receive frequency") << int(Column::RxFrequency) << "44";
    QTest::newRow("receive frequency above 550 MHz") << int(Column::RxFrequency) << "999999999";
    QTest::newRow("separator alone") << int(Column::RxFrequency) << ".";
    QTest::newRow("word in the transmit frequency") << int(Column::TxFrequency) << "OFF";
    QTest::newRow("receive tone not in the list") << int(Column::RxTone) << "D024N";
    QTest::newRow("transmit tone of two decimals") << int(Column::TxTone) << "67.00";
}

void TestChannelListCsv::exportRefusesCellsItCannotWrite()
{
    QFETCH(int, column);
    QFETCH(QString, text);

    QStringList channel = cells();
    channel[column - 1] = text;
    const ExportedChannelList exported =
        ChannelListCsv::write(rowsOf({cells(), cells(), channel}), EnglishWords);
    QVERIFY(!exported.ok());
    QVERIFY(exported.bytes.isEmpty());
    QCOMPARE(exported.problem->channel, 3);
    QCOMPARE(exported.problem->column, column);
    QCOMPARE(exported.problem->text, text);
}

void TestChannelListCsv::importReadsEachForm_data()
{
    QTest::addColumn<QByteArray>("line");
    QTest::addColumn<QStringList>("expected");
    QTest::addColumn<int>("reason"); // -1: imported
    QTest::addColumn<QString>("column");
    QTest::addColumn<QString>("value");

    const auto imported = [](const char* name, const QByteArray& line,
                             const QStringList& expected) {
        QTest::newRow(name) << line << expected << -1 << QString() << QString();
    };
    const auto skipped = [](const char* name, const QByteArray& line, Reason reason,
                            const QString& column, const QString& value) {
        QTest::newRow(name) << line << QStringList() << int(reason) << column << value;
    };

    // Location,Frequency,Duplex,Offset,Tone,rToneFreq,cToneFreq,DtcsCode,DtcsPolarity,
    // RxDtcsCode,CrossMode,Mode,Power,Comment
    imported("no tone", "1,446.006250,,0,,88.5,88.5,023,NN,023,Tone->Tone,FM,High,", cells());
    imported("Tone", "1,446.006250,,0,Tone,67.0,88.5,023,NN,023,,FM,High,", cells("OFF", "67.0"));
    imported("TSQL", "1,446.006250,,0,TSQL,88.5,100,023,NN,023,,FM,High,", cells("100.0", "100.0"));
    imported("DTCS with mixed polarity", "1,446.006250,,0,DTCS,88.5,88.5,23,RN,023,,FM,High,",
             cells("D023N", "D023I"));
    imported("Tone->Tone", "1,446.006250,,0,Cross,67.0,71.9,023,NN,023,Tone->Tone,FM,High,",
             cells("71.9", "67.0"));
    imported("->Tone", "1,446.006250,,0,Cross,67.0,71.9,023,NN,023,->Tone,FM,High,",
             cells("71.9", "OFF"));
    imported("Tone->", "1,446.006250,,0,Cross,67.0,71.9,023,NN,023,Tone->,FM,High,",
             cells("OFF", "67.0"));
    imported("DTCS->", "1,446.006250,,0,Cross,67.0,71.9,025,RN,026,DTCS->,FM,High,",
             cells("OFF", "D025I"));
    imported("->DTCS", "1,446.006250,,0,Cross,67.0,71.9,025,NR,026,->DTCS,FM,High,",
             cells("D026I", "OFF"));
    imported("Tone->DTCS", "1,446.006250,,0,Cross,67.0,71.9,025,NR,026,Tone->DTCS,FM,High,",
             cells("D026I", "67.0"));
    imported("DTCS->Tone", "1,446.006250,,0,Cross,67.0,71.9,025,RR,026,DTCS->Tone,FM,High,",
             cells("71.9", "D025I"));
    imported("DTCS->DTCS", "1,446.006250,,0,Cross,67.0,71.9,025,NR,026,DTCS->DTCS,FM,High,",
             cells("D026I", "D025N"));
    imported("tone names in another case",
             "1,446.006250,,0,cross,67.0,71.9,025,nr,026,tone->dtcs,"
             "FM,High,",
             cells("D026I", "67.0"));
    imported("empty tone fields take the defaults", "1,446.006250,,0,TSQL,,,,,,,FM,High,",
             cells("88.5", "88.5"));

    imported("duplex +", "1,446.006250,+,5,,,,,,,,FM,High,", cells("OFF", "OFF", "451.00625"));
    imported("duplex -", "1,446.006250,-,0.606250,,,,,,,,FM,High,",
             cells("OFF", "OFF", "445.40000"));
    imported("duplex split", "1,446.006250,split,440.000000,,,,,,,,FM,High,",
             cells("OFF", "OFF", "440.00000"));
    imported("duplex off", "1,446.006250,off,5,,,,,,,,FM,High,", cells("OFF", "OFF", ""));
    imported("duplex + without offset", "1,446.006250,+,,,,,,,,,FM,High,", cells());

    imported("power low", "1,446.006250,,0,,,,,,,,FM,low,",
             cells("OFF", "OFF", "446.00625", "Low"));
    imported("power HIGH", "1,446.006250,,0,,,,,,,,FM,HIGH,", cells());
    imported("power empty", "1,446.006250,,0,,,,,,,,FM,,", cells());
    imported("power 5W", "1,446.006250,,0,,,,,,,,FM,5W,", cells());
    imported("power 2.0 W", "1,446.006250,,0,,,,,,,,FM,2.0 W,", cells());
    imported("power 1.9w", "1,446.006250,,0,,,,,,,,FM,1.9w,",
             cells("OFF", "OFF", "446.00625", "Low"));
    imported("power 0.5", "1,446.006250,,0,,,,,,,,FM,0.5,",
             cells("OFF", "OFF", "446.00625", "Low"));

    imported("NFM, both options in the comment",
             "1,446.006250,,0,,,,,,,,NFM,High,BusyLock=ON Scramble=on",
             cells("OFF", "OFF", "446.00625", "High", "OFF", "ON", "ON"));
    imported("AM is wide, a note around the options",
             "1,446.006250,,0,,,,,,,,AM,High,repeater Scramble=ON; BusyLock=OFF",
             cells("OFF", "OFF", "446.00625", "High", "ON", "OFF", "ON"));
    imported("frequency goes onto the channel step", "1,446.0061,,0,,,,,,,,FM,High,", cells());
    imported("lower band limit", "1,400,,0,,,,,,,,FM,High,",
             QStringList{"400.00000", "OFF", "400.00000", "OFF", "High", "ON", "OFF", "OFF"});

    skipped("no frequency", "1,,,0,,,,,,,,FM,High,", Reason::NoReceiveFrequency, "Frequency", "");
    skipped("frequency not a number", "1,446.0 MHz,,0,,,,,,,,FM,High,", Reason::NotANumber,
            "Frequency", "446.0 MHz");
    skipped("negative frequency", "1,-446,,0,,,,,,,,FM,High,", Reason::NotANumber, "Frequency",
            "-446");
    skipped("below the band", "1,146.52,,0,,,,,,,,FM,High,", Reason::ReceiveOutsideBand,
            "Frequency", "146.52");
    skipped("upper band limit", "1,470,,0,,,,,,,,FM,High,", Reason::ReceiveOutsideBand, "Frequency",
            "470");
    skipped("below what the radio holds", "1,40,,0,,,,,,,,FM,High,", Reason::ReceiveOutsideBand,
            "Frequency", "40");
    skipped("transmit above the band", "1,465.000000,+,5,,,,,,,,FM,High,",
            Reason::TransmitOutsideBand, "Offset", "470.000000");
    skipped("split below the band", "1,446.000000,split,0,,,,,,,,FM,High,",
            Reason::TransmitOutsideBand, "Offset", "0.000000");
    skipped("offset not a number", "1,446.000000,+,five,,,,,,,,FM,High,", Reason::NotANumber,
            "Offset", "five");
    skipped("unknown duplex", "1,446.000000,x,0,,,,,,,,FM,High,", Reason::UnknownValue, "Duplex",
            "x");
    skipped("unknown tone mode", "1,446.000000,,0,DTCS-R,,,,,,,FM,High,", Reason::UnknownValue,
            "Tone", "DTCS-R");
    skipped("unknown cross mode", "1,446.000000,,0,Cross,,,,,,Tone->X,FM,High,",
            Reason::UnknownValue, "CrossMode", "Tone->X");
    skipped("cross mode without tones", "1,446.000000,,0,Cross,,,,,,->,FM,High,",
            Reason::UnknownValue, "CrossMode", "->");
    skipped("CTCSS the radio lacks", "1,446.000000,,0,Tone,88.4,,,,,,FM,High,",
            Reason::ToneNotInList, "rToneFreq", "88.4");
    skipped("CTCSS of two decimals", "1,446.000000,,0,TSQL,,88.55,,,,,FM,High,",
            Reason::ToneNotInList, "cToneFreq", "88.55");
    skipped("DCS code the radio lacks", "1,446.000000,,0,DTCS,,,024,NN,,,FM,High,",
            Reason::ToneNotInList, "DtcsCode", "024");
    skipped("DCS code of four digits", "1,446.000000,,0,Cross,,,,NN,0023,->DTCS,FM,High,",
            Reason::ToneNotInList, "RxDtcsCode", "0023");
    skipped("unknown polarity", "1,446.000000,,0,DTCS,,,023,NX,,,FM,High,", Reason::ToneNotInList,
            "DtcsPolarity", "NX");
    skipped("power the radio lacks", "1,446.000000,,0,,,,,,,,FM,Mid,", Reason::UnknownValue,
            "Power", "Mid");
}

void TestChannelListCsv::importReadsEachForm()
{
    QFETCH(QByteArray, line);
    QFETCH(QStringList, expected);
    QFETCH(int, reason);
    QFETCH(QString, column);
    QFETCH(QString, value);

    // A good row after it shows that a skipped row leaves its own channel empty and moves no
    // other row.
    const QByteArray good = "2,430.000000,,0,,,,,,,,FM,High,";
    const ImportedChannelList imported =
        ChannelListCsv::read(withHeader(ShortHeader, {line, good}), Band, EnglishWords);
    QVERIFY(imported.ok());
    const QStringList goodChannel = {"430.00000", "OFF", "430.00000", "OFF",
                                     "High",      "ON",  "OFF",       "OFF"};
    if (reason < 0) {
        QCOMPARE(imported.skipped.size(), 0);
        QCOMPARE(imported.channels[0], expected);
        QCOMPARE(imported.channels[1], goodChannel);
    } else {
        QCOMPARE(imported.skipped.size(), 1);
        const SkippedCsvRow& skipped = imported.skipped.first();
        QCOMPARE(skipped.row, 2);
        QCOMPARE(int(skipped.reason), reason);
        QCOMPARE(skipped.column, column);
        QCOMPARE(skipped.value, value);
        QCOMPARE(imported.channels[0], QStringList(8));
        QCOMPARE(imported.channels[1], goodChannel);
    }
}

void TestChannelListCsv::importReadsFilesOfOtherTools_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QStringList>("receiveFrequencies"); // of channels 1 to 16
    QTest::addColumn<QList<int>>("skippedRows");

    QTest::newRow("reordered and extra columns")
        << QByteArray("Power,Comment,Frequency,Bandwidth,Location\n"
                      "Low,,446.1,12.5kHz,7\n"
                      "High,,446.2,25kHz,9\n")
        << QStringList{"", "", "", "", "", "", "446.10000", "", "446.20000"} << QList<int>{};

    QTest::newRow("quoted names with commas, quotes and a line break")
        << QByteArray("Location,Name,Frequency\r\n"
                      "1,\"Smith, J.\",446.1\r\n"
                      "2,\"the \"\"old\"\" one\",446.2\r\n"
                      "3,\"two\r\nlines\",446.3\r\n"
                      "4,,999\r\n")
        << QStringList{"446.10000", "446.20000", "446.30000"} << QList<int>{6};

    QTest::newRow("byte-order mark, LF, no final line end")
        << QByteArray("\xEF\xBB\xBFLocation,Frequency\n1,446.1\n2,446.2")
        << QStringList{"446.10000", "446.20000"} << QList<int>{};

    QTest::newRow("header in another case, spaces around fields")
        << QByteArray("LOCATION , FREQUENCY , power\r\n1, 446.1 , low \r\n")
        << QStringList{"446.10000"} << QList<int>{};

    QTest::newRow("blank lines and rows of commas are no rows")
        << QByteArray("\r\nLocation,Frequency\r\n\r\n1,446.1\r\n,,\r\n2,446.2\r\n\r\n")
        << QStringList{"446.10000", "446.20000"} << QList<int>{};
}

void TestChannelListCsv::importReadsFilesOfOtherTools()
{
    QFETCH(QByteArray, file);
    QFETCH(QStringList, receiveFrequencies);
    QFETCH(QList<int>, skippedRows);

    const ImportedChannelList imported = ChannelListCsv::read(file, Band, EnglishWords);
    QVERIFY(imported.ok());
    QCOMPARE(skippedRowNumbers(imported), skippedRows);
    for (int index = 0; index < ChannelFileContent::ChannelCount; ++index) {
        const QStringList& channel = imported.channels[size_t(index)];
        QCOMPARE(channel.size(), 8);
        QCOMPARE(channel.first(), receiveFrequencies.value(index));
    }
}

void TestChannelListCsv::importRefusesWhatIsNoChannelList_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QString>("band");
    QTest::addColumn<int>("kind");
    QTest::addColumn<int>("row");

    QTest::newRow("empty") << QByteArray() << Band << int(Kind::Empty) << 0;
    QTest::newRow("only line ends and a mark")
        << QByteArray("\xEF\xBB\xBF\r\n\r\n") << Band << int(Kind::Empty) << 0;
    QTest::newRow("binary") << QByteArray("Frequency\n\x00\x01", 12) << Band << int(Kind::Binary)
                            << 0;
    QTest::newRow("GBK text") << QByteArray("Frequency,Name\r\n446.1,\xB8\xDF\r\n") << Band
                              << int(Kind::NotUtf8) << 0;
    QTest::newRow("a channel file")
        << QByteArray("QV-3307 MEMORY CHANNEL\r\n\r\n\r\nLanguage 2\r\nBAND 400-470MHz\r\n") << Band
        << int(Kind::NoFrequencyColumn) << 1;
    QTest::newRow("quote never closed")
        << QByteArray("Location,Name,Frequency\r\n1,A,446.1\r\n2,\"B,446.2\r\n3,C,446.3\r\n")
        << Band << int(Kind::UnclosedQuote) << 3;
    QTest::newRow("every row outside the band")
        << QByteArray("Location,Frequency\r\n1,146.52\r\n2,147.0\r\n") << Band
        << int(Kind::NothingImported) << 0;
    QTest::newRow("band without limits") << QByteArray("Location,Frequency\r\n1,446.1\r\n")
                                         << QStringLiteral("UHF") << int(Kind::BandUnreadable) << 0;
    // A list without rows would only empty every channel.
    QTest::newRow("header only") << QByteArray("Location,Frequency\r\n") << Band
                                 << int(Kind::NoRows) << 0;
    QTest::newRow("header and blank rows")
        << QByteArray("Frequency\r\n\r\n,\r\n \r\n") << Band << int(Kind::NoRows) << 0;
}

void TestChannelListCsv::importRefusesWhatIsNoChannelList()
{
    QFETCH(QByteArray, file);
    QFETCH(QString, band);
    QFETCH(int, kind);
    QFETCH(int, row);

    const ImportedChannelList imported = ChannelListCsv::read(file, band, EnglishWords);
    QVERIFY(!imported.ok());
    QCOMPARE(int(imported.problem->kind), kind);
    QCOMPARE(imported.problem->row, row);
    if (kind == int(Kind::NothingImported))
        QCOMPARE(skippedRowNumbers(imported), (QList<int>{2, 3}));
}

void TestChannelListCsv::rowsGoWhereTheirLocationsSay_data()
{
    using Placement = ChannelListCsv::Placement;
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<Placement>("placement");
    QTest::addColumn<QStringList>("receiveFrequencies"); // of channels 1 to 16
    QTest::addColumn<int>("problem");                    // -1: none
    QTest::addColumn<int>("row");
    QTest::addColumn<QString>("found");
    QTest::addColumn<int>("earlierRow");

    const auto list = [](const QList<QByteArray>& locations) {
        QList<QByteArray> lines;
        for (qsizetype index = 0; index < locations.size(); ++index)
            lines << locations[index] + ",44" + QByteArray::number(index) + ".5";
        return withHeader("Location,Frequency", lines);
    };
    const auto placed = [](const char* name, const QByteArray& file, Placement placement,
                           const QStringList& frequencies) {
        QTest::newRow(name) << file << placement << frequencies << -1 << 0 << QString() << 0;
    };
    const auto refused = [](const char* name, const QByteArray& file, Kind kind, int row,
                            const QString& found, int earlierRow = 0) {
        QTest::newRow(name) << file << Placement::ByLocation << QStringList() << int(kind) << row
                            << found << earlierRow;
    };
    const QString a = "440.50000", b = "441.50000", c = "442.50000", d = "443.50000",
                  e = "444.50000";

    placed("Locations 1, 2, 5, 9, 16", list({"1", "2", "5", "9", "16"}), Placement::ByLocation,
           {a, b, "", "", c, "", "", "", d, "", "", "", "", "", "", e});
    placed("Locations in another order", list({"3", "1", "2"}), Placement::ByLocation, {b, c, a});
    placed("leading zeros and spaces", list({"02", " 4 "}), Placement::ByLocation, {"", a, "", b});
    placed("no Location column: file order", withHeader("Frequency,Name", {"440.5,x", "441.5,y"}),
           Placement::ByLocation, {a, b});
    placed("file order asked for", list({"0", "9", "9", "x"}), Placement::FileOrder, {a, b, c, d});

    // Typical of a list made for another radio's memory.
    refused("Location 0", list({"0", "1"}), Kind::LocationNotAChannel, 2, "0");
    refused("Location 17", list({"1", "17"}), Kind::LocationNotAChannel, 3, "17");
    refused("Location repeated", list({"4", "5", "4"}), Kind::LocationRepeated, 4, "4", 2);
    refused("Location not a whole number", list({"1", "2.0"}), Kind::LocationNotAChannel, 3, "2.0");
    refused("Location with a sign", list({"+1"}), Kind::LocationNotAChannel, 2, "+1");
    refused("Location empty", list({"1", ""}), Kind::LocationNotAChannel, 3, "");
    refused("Location of a row that would be skipped",
            withHeader("Location,Frequency", {"1,146.5", "1,440.5"}), Kind::LocationRepeated, 3,
            "1", 2);
}

void TestChannelListCsv::rowsGoWhereTheirLocationsSay()
{
    QFETCH(QByteArray, file);
    QFETCH(ChannelListCsv::Placement, placement);
    QFETCH(QStringList, receiveFrequencies);
    QFETCH(int, problem);
    QFETCH(int, row);
    QFETCH(QString, found);
    QFETCH(int, earlierRow);

    const ImportedChannelList imported = ChannelListCsv::read(file, Band, EnglishWords, placement);
    if (problem >= 0) {
        QVERIFY(!imported.ok());
        QCOMPARE(int(imported.problem->kind), problem);
        QCOMPARE(imported.problem->row, row);
        QCOMPARE(imported.problem->found, found);
        QCOMPARE(imported.problem->earlierRow, earlierRow);
        QVERIFY(imported.problem->isLocationProblem());
        // Read in file order instead, the same list fills channels from 1.
        const ImportedChannelList inFileOrder =
            ChannelListCsv::read(file, Band, EnglishWords, ChannelListCsv::Placement::FileOrder);
        QVERIFY(inFileOrder.ok());
        QVERIFY(!inFileOrder.channels[0].first().isEmpty());
        return;
    }
    QVERIFY(imported.ok());
    QVERIFY(imported.skipped.isEmpty());
    for (int index = 0; index < ChannelFileContent::ChannelCount; ++index)
        QCOMPARE(imported.channels[size_t(index)].first(), receiveFrequencies.value(index));
}

// Before the radio's band is known, only what fits no band at all can be told.
void TestChannelListCsv::readingInAnyBandSkipsOnlyWhatNoBandHolds()
{
    const QByteArray file =
        withHeader("Location,Frequency,Tone,rToneFreq",
                   {"1,146.52,,", "2,99.995,,", "3,550.00001,,", "4,440,Tone,88.4", "5,549.99,,"});
    const ImportedChannelList anyBand = ChannelListCsv::readInAnyBand(file, EnglishWords);
    QVERIFY(anyBand.ok());
    QCOMPARE(skippedRowNumbers(anyBand), (QList<int>{3, 4, 5}));
    QCOMPARE(anyBand.channels[0].first(), QStringLiteral("146.52000"));
    QCOMPARE(anyBand.channels[4].first(), QStringLiteral("549.99000"));
    QCOMPARE(skippedCsvRowText(anyBand.skipped[0], ChannelListCsv::AnyBand, Language::English),
             QStringLiteral("row 3: the frequency \"99.995\" is outside the band 100-550MHz"));

    // A list none of whose rows any band holds is refused already.
    const ImportedChannelList nothing =
        ChannelListCsv::readInAnyBand(withHeader("Frequency", {"40", "600"}), EnglishWords);
    QVERIFY(!nothing.ok());
    QCOMPARE(nothing.problem->kind, Kind::NothingImported);
}

void TestChannelListCsv::rowsBeyondSixteenAreListed()
{
    QList<QByteArray> lines;
    for (int location = 0; location < 20; ++location)
        lines << "x," + QByteArray::number(430 + location);
    lines[3] = "x,146.52"; // skipped, so the 17th row still finds a channel
    const ImportedChannelList imported =
        ChannelListCsv::read(withHeader("Location,Frequency", lines), Band, EnglishWords,
                             ChannelListCsv::Placement::FileOrder);

    QVERIFY(imported.ok());
    QCOMPARE(skippedRowNumbers(imported), (QList<int>{5, 19, 20, 21}));
    QCOMPARE(imported.skipped[1].reason, Reason::NoChannelLeft);
    QCOMPARE(imported.channels[2].first(), QStringLiteral("432.00000"));
    QCOMPARE(imported.channels[3].first(), QStringLiteral("434.00000"));
    QCOMPARE(imported.channels[15].first(), QStringLiteral("446.00000"));
}

void TestChannelListCsv::importWritesTheLocaleSeparatorAndActiveWords()
{
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    const QByteArray file = withHeader(ShortHeader, {"1,446.006250,+,5,Tone,67.0,,,,,,NFM,Low,"});

    const ImportedChannelList chinese = ChannelListCsv::read(file, Band, ChineseWords);
    QVERIFY(chinese.ok());
    QCOMPARE(chinese.channels[0], (QStringList{"446,00625", "禁用", "451,00625", "67.0", "低功率",
                                               "禁用", "禁用", "禁用"}));

    // Before any language is applied the words are empty; an empty cell would read as
    // another value, so the English words stand in.
    const ImportedChannelList noLanguage = ChannelListCsv::read(file, Band, CellWords{});
    QCOMPARE(noLanguage.channels[0],
             (QStringList{"446,00625", "OFF", "451,00625", "67.0", "Low", "OFF", "OFF", "OFF"}));

    // Exported under the same locale, numbers still use ".".
    const QByteArray exported = ChannelListCsv::write(chinese.channels, ChineseWords).bytes;
    QVERIFY(exported.contains(",446.006250,+,5.000000,Tone,67.0,"));
}

void TestChannelListCsv::textsNameTheRowAndTheValue()
{
    const ChannelListCsvProblem unclosed{Kind::UnclosedQuote, 3, {}};
    QCOMPARE(channelListCsvProblemText(QStringLiteral("100%.csv"), unclosed, Language::English),
             QStringLiteral("100%.csv, row 3: a quoted field opens here and is never closed"));
    QCOMPARE(channelListCsvProblemText(QStringLiteral("100%.csv"), unclosed, Language::Chinese),
             QStringLiteral("100%.csv，第 3 行：此处的引号字段没有结束引号"));

    const SkippedCsvRow tone{5, Reason::ToneNotInList, QStringLiteral("cToneFreq"),
                             QStringLiteral("88.4")};
    QCOMPARE(skippedCsvRowText(tone, Band, Language::English),
             QStringLiteral("row 5: the tone \"88.4\" (cToneFreq) is not a tone of this radio"));
    const SkippedCsvRow band{7, Reason::ReceiveOutsideBand, QStringLiteral("Frequency"),
                             QStringLiteral("146.52")};
    QCOMPARE(skippedCsvRowText(band, Band, Language::Chinese),
             QStringLiteral("第 7 行：频率“146.52”超出频段 400-470MHz"));

    const ChannelListCsvProblem location{Kind::LocationNotAChannel, 2, QStringLiteral("0")};
    QCOMPARE(channelListCsvProblemText(QStringLiteral("list.csv"), location, Language::English),
             QStringLiteral("list.csv, row 2: the Location \"0\" is not a channel from 1 to 16"));
    QCOMPARE(channelListCsvProblemText(QStringLiteral("list.csv"), location, Language::Chinese),
             QStringLiteral("list.csv，第 2 行：Location “0”不是 1 至 16 的信道号"));
    const ChannelListCsvProblem noLocation{Kind::LocationNotAChannel, 4, {}};
    QCOMPARE(channelListCsvProblemText(QStringLiteral("list.csv"), noLocation, Language::English),
             QStringLiteral("list.csv, row 4: the Location is empty, not a channel from 1 to 16"));
    const ChannelListCsvProblem repeated{Kind::LocationRepeated, 5, QStringLiteral("2"), 3};
    QCOMPARE(channelListCsvProblemText(QStringLiteral("list.csv"), repeated, Language::English),
             QStringLiteral("list.csv, row 5: the Location \"2\" is also that of row 3"));
    QCOMPARE(channelListCsvProblemText(QStringLiteral("list.csv"), repeated, Language::Chinese),
             QStringLiteral("list.csv，第 5 行：Location “2”与第 3 行重复"));
    const ChannelListCsvProblem noRows{Kind::NoRows, 0, {}};
    QCOMPARE(channelListCsvProblemText(QStringLiteral("list.csv"), noRows, Language::English),
             QStringLiteral("list.csv: it has a header line but no channel rows; nothing was "
                            "changed"));
    QCOMPARE(channelListCsvProblemText(QStringLiteral("list.csv"), noRows, Language::Chinese),
             QStringLiteral("list.csv：只有标题行，没有信道行；未做任何更改"));

    // A long value is quoted only in part, so one row stays one line.
    const SkippedCsvRow longValue{9, Reason::NotANumber, QStringLiteral("Frequency"),
                                  QString(50, u'9') + u'x'};
    QCOMPARE(skippedCsvRowText(longValue, Band, Language::English),
             QStringLiteral("row 9: \"%1…\" (Frequency) is not a number").arg(QString(40, u'9')));

    const ChannelListCsvExportProblem halfTyped{3, Column::RxFrequency, QStringLiteral("44")};
    QCOMPARE(channelListCsvExportProblemText(halfTyped, Language::English),
             QStringLiteral("channel 3: the receive frequency \"44\" is not a frequency of "
                            "100–550 MHz"));
}

QTEST_GUILESS_MAIN(TestChannelListCsv)
#include "tst_channellistcsv.moc"
