#include "link/BandCodec.h"
#include "link/CalibrationCodec.h"
#include "link/ChannelCodec.h"
#include "link/Frames.h"
#include "link/MemoryMap.h"
#include "link/ReplyAddresses.h"
#include "link/SettingsCodec.h"
#include "workspace/ChannelTable.h"
#include "workspace/FunctionSettings.h"

#include <QSignalSpy>
#include <QTest>

namespace {
// A read reply as the radio sends it: 4 header bytes the program never examines, then the
// 16 hex digits of the block.
QString reply(const QString& data)
{
    return QStringLiteral("5AA5C33C") + data;
}

CellWords englishWords()
{
    return {QStringLiteral("OFF"), QStringLiteral("ON"), QStringLiteral("High"),
            QStringLiteral("Low")};
}

using Positions = QList<int>;
} // namespace

// Failure messages show the values compared.
char* toString(const std::optional<QString>& text)
{
    return text ? QTest::toString(*text) : qstrdup("nothing");
}

char* toString(const PowerCalibrationValues& values)
{
    return qstrdup(QByteArray::number(values.lowPower) + ", " +
                   QByteArray::number(values.highPower) + ", " +
                   QByteArray::number(values.lowVoltage));
}

char* toString(const std::optional<PowerCalibrationValues>& values)
{
    return values ? toString(*values) : qstrdup("nothing");
}

// The memory map and every field codec, both directions.
class TestRadioCodec : public QObject
{
    Q_OBJECT

private slots:
    void frames_data();
    void frames();

    void frequency_data();
    void frequency();
    void frequencyKeepsWhateverDigitsTheRadioHolds();
    void frequencyThatWouldShiftTheRequestIsRefused_data();
    void frequencyThatWouldShiftTheRequestIsRefused();

    void tone_data();
    void tone();
    void toneEdges_data();
    void toneEdges();

    void flags_data();
    void flags();
    void flagsOfARowWithoutFlagCells_data();
    void flagsOfARowWithoutFlagCells();

    void channelRecordRoundTrip();
    void channelWithoutReceiveFrequencyIsEmpty();
    void channelWithoutTransmitFrequencyKeepsTonesAndFlags();
    void channelRecordRefusesCellsThatDoNotFit();
    void channelDigits_data();
    void channelDigits();
    void decodedBitsOfARecord_data();
    void decodedBitsOfARecord();

    void options_data();
    void options();
    void settingsDigit_data();
    void settingsDigit();
    void settingsBlock_data();
    void settingsBlock();
    void settingsPositionsOutsideOneDigitAreRefused();
    void shortSettingsReplyChangesNothing();

    void band_data();
    void band();
    void unprogrammedBand();
    void bandBlockThatHoldsNoBand_data();
    void bandBlockThatHoldsNoBand();
    void bandNotOfTheFormIsRefused_data();
    void bandNotOfTheFormIsRefused();

    void calibrationRead_data();
    void calibrationRead();
    void replyAddresses_data();
    void replyAddresses();
    void calibrationWrite_data();
    void calibrationWrite();
    void calibrationOutOfRangeIsRefused_data();
    void calibrationOutOfRangeIsRefused();
};

void TestRadioCodec::frames_data()
{
    QTest::addColumn<QString>("frame");
    QTest::addColumn<QString>("text");
    using namespace MemoryMap;
    QTest::newRow("band") << Frame::readRequest(BandBlock) << "5203E008";
    QTest::newRow("settings") << Frame::readRequest(SettingsBlock) << "5203C008";
    QTest::newRow("calibration") << Frame::readRequest(PowerCalibration) << "5203C808";
    QTest::newRow("channel 1") << Frame::readRequest(channelRecord(1)) << "52001008";
    QTest::newRow("channel 1, second half")
        << Frame::readRequest(channelRecordSecondHalf(1)) << "52001808";
    QTest::newRow("channel 10") << Frame::readRequest(channelRecord(10)) << "5200A008";
    QTest::newRow("channel 10, second half")
        << Frame::readRequest(channelRecordSecondHalf(10)) << "5200A808";
    QTest::newRow("channel 16") << Frame::readRequest(channelRecord(16)) << "52010008";
    QTest::newRow("channel 16, second half")
        << Frame::readRequest(channelRecordSecondHalf(16)) << "52010808";
    QTest::newRow("write calibration")
        << Frame::writeRequest(PowerCalibration, "4F3001FFFFFFFFFF") << "5703C8084F3001FFFFFFFFFF";
}

void TestRadioCodec::frames()
{
    QFETCH(QString, frame);
    QFETCH(QString, text);
    QCOMPARE(frame, text);
}

void TestRadioCodec::frequency_data()
{
    QTest::addColumn<QString>("cell");
    QTest::addColumn<QString>("stored");
    QTest::newRow("empty") << ""
                           << "FFFFFFFF";
    QTest::newRow("435.12500") << "435.12500"
                               << "00255143";
    QTest::newRow("136.00000") << "136.00000"
                               << "00006013";
    QTest::newRow("446.00625") << "446.00625"
                               << "25066044";
    QTest::newRow("470.00000") << "470.00000"
                               << "00000047";
}

void TestRadioCodec::frequency()
{
    QFETCH(QString, cell);
    QFETCH(QString, stored);
    QCOMPARE(ChannelCodec::encodeFrequency(cell), stored);
    // As the receive frequency (bytes 0-3) and as the transmit frequency (bytes 4-7).
    QCOMPARE(ChannelCodec::decodeFrequency(reply(stored + "FFFFFFFF"),
                                           ChannelCodec::RxFrequencyPosition),
             cell);
    QCOMPARE(ChannelCodec::decodeFrequency(reply("FFFFFFFF" + stored),
                                           ChannelCodec::TxFrequencyPosition),
             cell);
}

void TestRadioCodec::frequencyKeepsWhateverDigitsTheRadioHolds()
{
    // Only the all-FF value means "no frequency"; other digits are shown as they stand.
    QCOMPARE(
        ChannelCodec::decodeFrequency(reply("00FF5143FFFFFFFF"), ChannelCodec::RxFrequencyPosition),
        "435.1FF00");
    QCOMPARE(ChannelCodec::decodeFrequency(u"5AA5", ChannelCodec::RxFrequencyPosition), QString());
}

void TestRadioCodec::frequencyThatWouldShiftTheRequestIsRefused_data()
{
    QTest::addColumn<QString>("cell");
    QTest::newRow("too short") << "435.125";
    QTest::newRow("not digits") << "abc";
    QTest::newRow("letter") << "435.1250X";
    QTest::newRow("separator misplaced") << "4351.2500";
}

void TestRadioCodec::frequencyThatWouldShiftTheRequestIsRefused()
{
    QFETCH(QString, cell);
    QCOMPARE(ChannelCodec::encodeFrequency(cell), std::nullopt);
}

void TestRadioCodec::tone_data()
{
    QTest::addColumn<QString>("cell");
    QTest::addColumn<QString>("stored");
    QTest::newRow("CTCSS below 100 Hz") << "67.0"
                                        << "7006";
    QTest::newRow("88.5") << "88.5"
                          << "8508";
    QTest::newRow("CTCSS from 100 Hz") << "131.8"
                                       << "1813";
    QTest::newRow("CTCSS from 200 Hz") << "254.1"
                                       << "4125";
    QTest::newRow("DCS normal") << "D023N"
                                << "2380";
    QTest::newRow("DCS inverted") << "D754I"
                                  << "54C7";
    QTest::newRow("off word") << "OFF"
                              << "FFFF";
}

void TestRadioCodec::tone()
{
    QFETCH(QString, cell);
    QFETCH(QString, stored);
    const CellWords words = englishWords();
    QCOMPARE(ChannelCodec::encodeTone(cell, words), stored);
    QCOMPARE(ChannelCodec::decodeTone(stored, words), cell);
}

void TestRadioCodec::toneEdges_data()
{
    QTest::addColumn<QString>("cell");
    QTest::addColumn<std::optional<QString>>("stored");
    QTest::newRow("empty cell") << "" << std::optional<QString>("FFFF");
    QTest::newRow("surrounding spaces") << " 67.0 " << std::optional<QString>("7006");
    QTest::newRow("off word of another language") << "关" << std::optional<QString>();
    QTest::newRow("not a tone") << "abc" << std::optional<QString>();
}

void TestRadioCodec::toneEdges()
{
    QFETCH(QString, cell);
    QFETCH(std::optional<QString>, stored);
    QCOMPARE(ChannelCodec::encodeTone(cell, englishWords()), stored);
}

void TestRadioCodec::flags_data()
{
    QTest::addColumn<QChar>("digit");
    QTest::addColumn<QStringList>("cells"); // Power, OptionA, OptionB, OptionC
    QTest::newRow("F") << QChar('F') << QStringList{"High", "ON", "OFF", "OFF"};
    QTest::newRow("0") << QChar('0') << QStringList{"Low", "OFF", "ON", "ON"};
    QTest::newRow("8: power") << QChar('8') << QStringList{"High", "OFF", "ON", "ON"};
    QTest::newRow("4: option C") << QChar('4') << QStringList{"Low", "OFF", "ON", "OFF"};
    QTest::newRow("2: option A") << QChar('2') << QStringList{"Low", "ON", "ON", "ON"};
    QTest::newRow("1: option B") << QChar('1') << QStringList{"Low", "OFF", "OFF", "ON"};
}

void TestRadioCodec::flags()
{
    QFETCH(QChar, digit);
    QFETCH(QStringList, cells);
    const CellWords words = englishWords();
    ChannelTable table;
    ChannelCodec::decodeFlags(digit, table, 3, words);
    const QStringList decoded{table.text(3, Column::Power), table.text(3, Column::OptionA),
                              table.text(3, Column::OptionB), table.text(3, Column::OptionC)};
    QCOMPARE(decoded, cells);
    QCOMPARE(ChannelCodec::encodeFlags(table, 3, words), QString("F") + digit);
}

void TestRadioCodec::flagsOfARowWithoutFlagCells_data()
{
    QTest::addColumn<QString>("optionC");
    QTest::newRow("all empty") << "";
    // Option C alone does not make the flags count.
    QTest::newRow("only option C set") << "ON";
}

void TestRadioCodec::flagsOfARowWithoutFlagCells()
{
    QFETCH(QString, optionC);
    ChannelTable table;
    table.setText(5, Column::OptionC, optionC);
    QCOMPARE(ChannelCodec::encodeFlags(table, 5, englishWords()), "FF");
}

void TestRadioCodec::channelRecordRoundTrip()
{
    const CellWords words = englishWords();
    ChannelTable table;
    const int row = 7;
    const QStringList cells{"435.12500", "67.0", "446.00625", "D754I", "High", "ON", "OFF", "OFF"};
    for (int column = Column::FirstField; column <= Column::LastField; ++column)
        table.setText(row, column, cells[column - Column::FirstField]);

    const auto first = ChannelCodec::firstBlock(table, row);
    const auto second = ChannelCodec::secondBlock(table, row, words);
    QCOMPARE(first, "0025514325066044");
    QCOMPARE(second, "700654C7FFFFFFFF");

    ChannelTable decoded;
    ChannelCodec::decodeRecord(reply(*first), reply(*second), decoded, row, words);
    for (int column = Column::FirstField; column <= Column::LastField; ++column)
        QCOMPARE(decoded.text(row, column), table.text(row, column));

    // An empty row is 16 bytes of FF; frequencies without tones or flags give FF there.
    ChannelTable empty;
    QCOMPARE(ChannelCodec::firstBlock(empty, row), "FFFFFFFFFFFFFFFF");
    QCOMPARE(ChannelCodec::secondBlock(empty, row, words), "FFFFFFFFFFFFFFFF");
    empty.setText(row, Column::RxFrequency, "435.12500");
    empty.setText(row, Column::TxFrequency, "435.12500");
    QCOMPARE(ChannelCodec::secondBlock(empty, row, words), "FFFFFFFFFFFFFFFF");
}

void TestRadioCodec::channelWithoutReceiveFrequencyIsEmpty()
{
    ChannelTable table;
    for (int column = Column::FirstField; column <= Column::LastField; ++column)
        table.setText(2, column, "old");
    ChannelCodec::decodeRecord(reply("FFFFFFFF00255143"), reply("700654C7F0FFFFFF"), table, 2,
                               englishWords());
    QVERIFY(table.isEmptyChannel(2));
    for (int column = Column::FirstField; column <= Column::LastField; ++column)
        QCOMPARE(table.text(2, column), QString());
}

void TestRadioCodec::channelWithoutTransmitFrequencyKeepsTonesAndFlags()
{
    ChannelTable table;
    ChannelCodec::decodeRecord(reply("00255143FFFFFFFF"), reply("70062380F8FFFFFF"), table, 4,
                               englishWords());
    QCOMPARE(table.text(4, Column::RxFrequency), "435.12500");
    QCOMPARE(table.text(4, Column::TxFrequency), QString());
    QCOMPARE(table.text(4, Column::RxTone), "67.0");
    QCOMPARE(table.text(4, Column::TxTone), "D023N");
    QCOMPARE(table.text(4, Column::Power), "High");
    QCOMPARE(table.text(4, Column::OptionB), "ON");
}

void TestRadioCodec::channelRecordRefusesCellsThatDoNotFit()
{
    const CellWords words = englishWords();
    ChannelTable table;
    table.setText(1, Column::RxFrequency, "435.125");
    QCOMPARE(ChannelCodec::firstBlock(table, 1), std::nullopt);
    table.setText(1, Column::RxTone, "tone");
    QCOMPARE(ChannelCodec::secondBlock(table, 1, words), std::nullopt);
}

void TestRadioCodec::channelDigits_data()
{
    QTest::addColumn<QString>("first");
    QTest::addColumn<QString>("second");
    QTest::addColumn<bool>("readable");
    const QString tones = QStringLiteral("18132380F2FFFFFF"); // 131.8, D023N
    QTest::newRow("programmed") << "0025514300256043" << tones << true;
    QTest::newRow("no transmit frequency") << "00255143FFFFFFFF" << tones << true;
    QTest::newRow("empty, whatever else it holds") << "FFFFFFFF1234ABCD"
                                                   << "ABCDABCDFFFFFFFF" << true;
    QTest::newRow("receive digit A") << "0A255143" + QString(8, u'F') << tones << false;
    // A stale tone block read as a channel's first block.
    QTest::newRow("FFF.FFFFA") << "AFFFFFFF00256043" << tones << false;
    QTest::newRow("transmit digit F, not all F") << "00255143F0256043" << tones << false;
    QTest::newRow("no tones") << "0025514300256043"
                              << "FFFFFFFFF2FFFFFF" << true;
    QTest::newRow("CTCSS digit B") << "0025514300256043"
                                   << "1B13FFFFF2FFFFFF" << false;
    QTest::newRow("CTCSS of 200 Hz") << "0025514300256043"
                                     << "4125FFFFF2FFFFFF" << true;
    QTest::newRow("DCS digit C") << "0025514300256043"
                                 << "FFFF2C80F2FFFFFF" << false;
    QTest::newRow("tone of no kind the radio defines") << "0025514300256043"
                                                       << "FFFFAB5AF2FFFFFF" << true;
}

void TestRadioCodec::channelDigits()
{
    QFETCH(QString, first);
    QFETCH(QString, second);
    QFETCH(bool, readable);
    QCOMPARE(ChannelCodec::frequenciesReadable(reply(first)) &&
                 ChannelCodec::tonesReadable(reply(first), reply(second)),
             readable);
}

void TestRadioCodec::decodedBitsOfARecord_data()
{
    QTest::addColumn<QByteArray>("record");
    QTest::addColumn<QByteArray>("bits");
    const auto hex = [](const char* text) { return QByteArray::fromHex(text); };
    QTest::newRow("programmed") << hex("002551430025604318132380F2FFFFFF")
                                << hex("FFFFFFFFFFFFFFFFFFFFFFFF0F000000");
    QTest::newRow("no tones") << hex("2506604425066044FFFFFFFFFFFFFFFF")
                              << hex("FFFFFFFFFFFFFFFF00F000F00F000000");
    QTest::newRow("empty") << hex("FFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF")
                           << hex("FFFFFFFF000000000000000000000000");
}

void TestRadioCodec::decodedBitsOfARecord()
{
    QFETCH(QByteArray, record);
    QFETCH(QByteArray, bits);
    const std::array<quint8, 16> decoded = ChannelCodec::decodedBits(record);
    QCOMPARE(QByteArray(reinterpret_cast<const char*>(decoded.data()), 16).toHex(), bits.toHex());
}

void TestRadioCodec::options_data()
{
    QTest::addColumn<QChar>("digit");
    QTest::addColumn<Positions>("positions"); // BatSave, Tone, Emg
    QTest::addColumn<bool>("voxInhibit");
    QTest::newRow("everything on") << QChar('F') << Positions{1, 1, 1} << true;
    QTest::newRow("everything off") << QChar('0') << Positions{0, 0, 0} << false;
    QTest::newRow("VOX inhibit only") << QChar('8') << Positions{0, 0, 0} << true;
    QTest::newRow("battery save and alarm") << QChar('5') << Positions{1, 0, 1} << false;
    QTest::newRow("prompt tone") << QChar('2') << Positions{0, 1, 0} << false;
}

void TestRadioCodec::options()
{
    QFETCH(QChar, digit);
    QFETCH(Positions, positions);
    QFETCH(bool, voxInhibit);
    FunctionSettings settings;
    settings.reset({9, 0, 0, 0, 0, 0, 0, 0, 0});
    settings.setVoxInhibit(!voxInhibit);
    SettingsCodec::decodeOptions(digit, settings);
    const Positions decoded{settings.position(FunctionSettings::BatterySave),
                            settings.position(FunctionSettings::PromptTone),
                            settings.position(FunctionSettings::AlarmKey)};
    QCOMPARE(decoded, positions);
    QCOMPARE(settings.voxInhibit(), voxInhibit);
    QCOMPARE(SettingsCodec::encodeOptions(settings), QString("F") + digit);
}

void TestRadioCodec::settingsDigit_data()
{
    QTest::addColumn<QChar>("digit");
    QTest::addColumn<int>("limit");
    QTest::addColumn<int>("position");
    QTest::newRow("squelch 0") << QChar('0') << SettingsCodec::SquelchLimit << 0;
    QTest::newRow("squelch 9") << QChar('9') << SettingsCodec::SquelchLimit << 9;
    QTest::newRow("squelch A") << QChar('A') << SettingsCodec::SquelchLimit << 2;
    QTest::newRow("time-out 7") << QChar('7') << SettingsCodec::TimeOutLimit << 7;
    QTest::newRow("time-out 8") << QChar('8') << SettingsCodec::TimeOutLimit << 2;
    QTest::newRow("VOX gain F") << QChar('F') << SettingsCodec::VoxGainLimit << 2;
    QTest::newRow("voice 4, past its list") << QChar('4') << SettingsCodec::VoicePromptLimit << 4;
    QTest::newRow("voice 5") << QChar('5') << SettingsCodec::VoicePromptLimit << 2;
    QTest::newRow("VOX delay 4, past its list") << QChar('4') << SettingsCodec::VoxDelayLimit << 4;
}

void TestRadioCodec::settingsDigit()
{
    QFETCH(QChar, digit);
    QFETCH(int, limit);
    QFETCH(int, position);
    QCOMPARE(SettingsCodec::settingsDigit(digit, limit), position);
}

void TestRadioCodec::settingsBlock_data()
{
    QTest::addColumn<QString>("data");
    // Squelch, battery save, time-out, prompt tone, alarm key, scan, voice prompt, VOX gain,
    // VOX delay
    QTest::addColumn<Positions>("positions");
    QTest::addColumn<bool>("voxInhibit");
    QTest::addColumn<QString>("written");
    QTest::newRow("scan off") << "FD0506070301FFFF" << Positions{5, 1, 7, 0, 1, 1, 1, 6, 3} << true
                              << "FD0506070301FFFF";
    QTest::newRow("scan on") << "F00900070004FEFF" << Positions{9, 0, 7, 0, 0, 0, 4, 0, 0} << false
                             << "F00900070004FEFF";
    QTest::newRow("voice and VOX delay past their lists")
        << "F60001000403FEFF" << Positions{0, 1, 0, 1, 0, 0, 3, 1, 4} << false
        << "F60001000403FEFF";
    QTest::newRow("high digits and last byte ignored")
        << "3D15F62703010012" << Positions{5, 1, 7, 0, 1, 0, 1, 6, 3} << true << "FD0506070301FEFF";
}

void TestRadioCodec::settingsBlock()
{
    QFETCH(QString, data);
    QFETCH(Positions, positions);
    QFETCH(bool, voxInhibit);
    QFETCH(QString, written);
    FunctionSettings settings;
    QVERIFY(SettingsCodec::decode(reply(data), settings));
    Positions decoded;
    for (int setting = 0; setting < FunctionSettings::SettingCount; ++setting)
        decoded.append(settings.position(FunctionSettings::Setting(setting)));
    QCOMPARE(decoded, positions);
    QCOMPARE(settings.voxInhibit(), voxInhibit);
    QCOMPARE(SettingsCodec::encode(settings), written);
}

void TestRadioCodec::settingsPositionsOutsideOneDigitAreRefused()
{
    FunctionSettings settings;
    QVERIFY(SettingsCodec::encode(settings));
    settings.setPosition(FunctionSettings::Squelch, 10);
    QCOMPARE(SettingsCodec::encode(settings), std::nullopt);
    settings.setPosition(FunctionSettings::Squelch, 0);
    settings.setPosition(FunctionSettings::VoicePrompt, -1);
    QCOMPARE(SettingsCodec::encode(settings), std::nullopt);
}

void TestRadioCodec::shortSettingsReplyChangesNothing()
{
    FunctionSettings settings;
    QSignalSpy changes(&settings, &FunctionSettings::positionChanged);
    QVERIFY(!SettingsCodec::decode(u"06", settings));
    QCOMPARE(changes.size(), 0);
}

void TestRadioCodec::band_data()
{
    QTest::addColumn<QString>("band");
    QTest::addColumn<QString>("data");
    QTest::newRow("400-470MHz") << "400-470MHz"
                                << "00400047FFFFFFFF";
    QTest::newRow("136-174MHz") << "136-174MHz"
                                << "60134017FFFFFFFF";
    QTest::newRow("350-390MHz") << "350-390MHz"
                                << "00350039FFFFFFFF";
}

void TestRadioCodec::band()
{
    QFETCH(QString, band);
    QFETCH(QString, data);
    QCOMPARE(BandCodec::encode(band), data);
    QCOMPARE(BandCodec::decode(reply(data)), band);
    QVERIFY(BandCodec::isBand(band));
}

void TestRadioCodec::unprogrammedBand()
{
    QCOMPARE(BandCodec::decode(reply("FFFFFFFFFFFFFFFF")), BandCodec::NoBand);
    QCOMPARE(BandCodec::decode(u"06"), BandCodec::NoBand);
    QVERIFY(BandCodec::isBand(BandCodec::NoBand));
}

void TestRadioCodec::bandBlockThatHoldsNoBand_data()
{
    QTest::addColumn<QString>("data");
    QTest::addColumn<QString>("decoded");
    QTest::newRow("letter in the lower edge") << "A0400047FFFFFFFF"
                                              << "40A-470MHz";
    QTest::newRow("letter in the upper edge") << "0040B047FFFFFFFF"
                                              << "400-47BMHz";
    QTest::newRow("upper edge not programmed") << "0040FFFFFFFFFFFF"
                                               << "400-FFFMHz";
    QTest::newRow("lower edge not programmed") << "FFFF0047FFFFFFFF"
                                               << "FFF-470MHz";
}

// Such a block decodes, but into no band a radio can hold: a read must not adopt it.
void TestRadioCodec::bandBlockThatHoldsNoBand()
{
    QFETCH(QString, data);
    QFETCH(QString, decoded);
    QCOMPARE(BandCodec::decode(reply(data)), decoded);
    QVERIFY(!BandCodec::isBand(decoded));
}

void TestRadioCodec::bandNotOfTheFormIsRefused_data()
{
    QTest::addColumn<QString>("band");
    QTest::newRow("empty") << "";
    QTest::newRow("two-digit edge") << "40-470MHz";
    QTest::newRow("four-digit edge") << "1400-1470MHz";
    QTest::newRow("no unit") << "400-470";
    QTest::newRow("not digits") << "4x0-470MHz";
    QTest::newRow("no dash") << "400 470MHz";
}

void TestRadioCodec::bandNotOfTheFormIsRefused()
{
    QFETCH(QString, band);
    QCOMPARE(BandCodec::encode(band), std::nullopt);
}

void TestRadioCodec::calibrationRead_data()
{
    QTest::addColumn<QString>("data");
    QTest::addColumn<PowerCalibrationValues>("values");
    // The low voltage byte when it names none of the levels 00, 01 and 02; -1 otherwise.
    QTest::addColumn<int>("unnamed");
    QTest::newRow("defaults") << "4F3001FFFFFFFFFF" << PowerCalibrationValues{79, 48, 1} << -1;
    QTest::newRow("limits") << "00FF00FFFFFFFFFF" << PowerCalibrationValues{0, 255, 0} << -1;
    QTest::newRow("low voltage 2") << "101002FFFFFFFFFF" << PowerCalibrationValues{16, 16, 2} << -1;
    QTest::newRow("only the low digit counts")
        << "000012FFFFFFFFFF" << PowerCalibrationValues{0, 0, 2} << 0x12;
    QTest::newRow("FF gives 1") << "0000FFFFFFFFFFFF" << PowerCalibrationValues{0, 0, 1} << 0xFF;
    QTest::newRow("05 gives 1") << "000005FFFFFFFFFF" << PowerCalibrationValues{0, 0, 1} << 0x05;
    QTest::newRow("03 gives 1") << "000003FFFFFFFFFF" << PowerCalibrationValues{0, 0, 1} << 0x03;
}

void TestRadioCodec::calibrationRead()
{
    QFETCH(QString, data);
    QFETCH(PowerCalibrationValues, values);
    QFETCH(int, unnamed);
    QCOMPARE(CalibrationCodec::decode(reply(data)), values);
    const std::optional<CalibrationReading> reading = CalibrationCodec::read(reply(data));
    QVERIFY(reading);
    QCOMPARE(reading->values, values);
    QCOMPARE(reading->unnamedLowVoltage,
             unnamed < 0 ? std::nullopt : std::optional<quint8>(quint8(unnamed)));
    // A reply too short to hold the values (only the radio's 06) is no reading at all.
    QCOMPARE(CalibrationCodec::decode(u"06"), std::nullopt);
}

void TestRadioCodec::replyAddresses_data()
{
    // Each reply's header and the address asked for, in the order of a session.
    QTest::addColumn<QList<std::pair<QByteArray, int>>>("replies");
    QTest::addColumn<QList<bool>>("accepted");
    const auto header = [](const char* hex) { return QByteArray::fromHex(hex); };
    QTest::newRow("every reply names its block")
        << QList<std::pair<QByteArray, int>>{{header("5703E008"), 0x03E0},
                                             {header("57001008"), 0x0010},
                                             {header("57001808"), 0x0018}}
        << QList<bool>{true, true, true};
    QTest::newRow("a later reply names another block")
        << QList<std::pair<QByteArray, int>>{{header("5703E008"), 0x03E0},
                                             {header("57001008"), 0x0010},
                                             {header("57001008"), 0x0020},
                                             {header("57002008"), 0x0020}}
        << QList<bool>{true, true, false, true};
    // Only the two address bytes count, high byte first.
    QTest::newRow("address bytes swapped")
        << QList<std::pair<QByteArray, int>>{{header("00001000"), 0x0010},
                                             {header("00001000"), 0x1000},
                                             {header("00100000"), 0x1000}}
        << QList<bool>{true, false, true};
    QTest::newRow("first reply names nothing")
        << QList<std::pair<QByteArray, int>>{{header("57FFFF08"), 0x03E0},
                                             {header("57001008"), 0x0020},
                                             {header("00000000"), 0x0028}}
        << QList<bool>{true, true, true};
    // Taken for a radio that names nothing: the rest of the session is read as it comes.
    QTest::newRow("first reply names another block")
        << QList<std::pair<QByteArray, int>>{{header("5703C008"), 0x03E0},
                                             {header("57001008"), 0x0020}}
        << QList<bool>{true, true};
}

void TestRadioCodec::replyAddresses()
{
    QFETCH(QList<bool>, accepted);
    using Replies = QList<std::pair<QByteArray, int>>;
    QFETCH(Replies, replies);
    ReplyAddresses addresses;
    for (int round = 0; round < 2; ++round) {
        QList<bool> taken;
        for (const auto& [reply, address] : replies)
            taken << addresses.accepts(reply + QByteArray(8, char(0xFF)), address);
        QCOMPARE(taken, accepted);
        // A new session learns afresh.
        addresses.restart();
    }
}

void TestRadioCodec::calibrationWrite_data()
{
    QTest::addColumn<PowerCalibrationValues>("values");
    QTest::addColumn<QString>("request");
    QTest::newRow("defaults") << PowerCalibrationValues{79, 48, 1} << "5703C8084F3001FFFFFFFFFF";
    QTest::newRow("0 and 16") << PowerCalibrationValues{0, 16, 0} << "5703C808001000FFFFFFFFFF";
    QTest::newRow("255") << PowerCalibrationValues{255, 255, 2} << "5703C808FFFF02FFFFFFFFFF";
}

void TestRadioCodec::calibrationWrite()
{
    QFETCH(PowerCalibrationValues, values);
    QFETCH(QString, request);
    const auto data = CalibrationCodec::encode(values);
    QVERIFY(data);
    QCOMPARE(Frame::writeRequest(MemoryMap::PowerCalibration, *data), request);
}

void TestRadioCodec::calibrationOutOfRangeIsRefused_data()
{
    QTest::addColumn<PowerCalibrationValues>("values");
    QTest::newRow("low power 256") << PowerCalibrationValues{256, 48, 1};
    QTest::newRow("high power -1") << PowerCalibrationValues{79, -1, 1};
    QTest::newRow("low voltage 3") << PowerCalibrationValues{79, 48, 3};
}

void TestRadioCodec::calibrationOutOfRangeIsRefused()
{
    QFETCH(PowerCalibrationValues, values);
    QCOMPARE(CalibrationCodec::encode(values), std::nullopt);
}

QTEST_GUILESS_MAIN(TestRadioCodec)
#include "tst_radiocodec.moc"
