#include "files/ChannelPaste.h"
#include "workspace/ChannelTable.h"

#include <QTest>

namespace {

const CellWords English{"OFF", "ON", "High", "Low"};
const CellWords Chinese{"禁用", "启用", "高功率", "低功率"};
const QString Band = QStringLiteral("400-470MHz");

using Reason = SkippedPasteLine::Reason;

RadioContents::Channel channel(const QStringList& cells)
{
    RadioContents::Channel fields;
    for (int index = 0; index < RadioContents::FieldCount; ++index)
        fields[size_t(index)] = cells.value(index);
    return fields;
}

} // namespace

class TestChannelPaste : public QObject
{
    Q_OBJECT

private slots:
    void linesThatFit_data();
    void linesThatFit();
    void linesThatDoNotFit_data();
    void linesThatDoNotFit();
    void spreadsheetText();
    void anUnclosedQuoteSkipsOnlyItsLine_data();
    void anUnclosedQuoteSkipsOnlyItsLine();
    void copiedRowsPasteBackAsTheyWere();
    void skippedLinesAreListedInOneMessage();
    void aLongListIsCutShort_data();
    void aLongListIsCutShort();
};

void TestChannelPaste::linesThatFit_data()
{
    QTest::addColumn<QString>("line");
    QTest::addColumn<CellWords>("words");
    QTest::addColumn<QStringList>("cells");

    const QStringList plain{"440.10000", "OFF", "445.00000", "D023N", "Low", "OFF", "ON", "OFF"};
    QTest::newRow("as copied") << "440.10000\tOFF\t445.00000\tD023N\tLow\tOFF\tON\tOFF" << English
                               << plain;
    QTest::newRow("normalised like typing")
        << "440.1\tOFF\t444.9999\tD023N\tLow\tOFF\tON\tOFF" << English << plain;
    QTest::newRow("Chinese words into English")
        << "440.1\t禁用\t445\tD023N\t低功率\t禁用\t启用\t禁用" << English << plain;
    QTest::newRow("English words into Chinese")
        << "440.1\tOFF\t445\tD023N\tLow\tOFF\tON\tOFF" << Chinese
        << QStringList{"440.10000", "禁用", "445.00000", "D023N", "低功率", "禁用", "启用", "禁用"};
    QTest::newRow("receive frequency only")
        << "430" << English
        << QStringList{"430.00000", "OFF", "430.00000", "OFF", "High", "ON", "OFF", "OFF"};
    QTest::newRow("CTCSS tone and spaces")
        << " 440.1 \t 67.0 \t\t 254.1 " << English
        << QStringList{"440.10000", "67.0", "440.10000", "254.1", "High", "ON", "OFF", "OFF"};
    QTest::newRow("inverted DCS code")
        << "469.995\tD754I" << English
        << QStringList{"469.99500", "D754I", "469.99500", "OFF", "High", "ON", "OFF", "OFF"};
    QTest::newRow("empty cells empty the channel") << "\t\t\t\t\t\t\t" << English << QStringList{};
    QTest::newRow("empty cells beyond the eighth")
        << "440.1\tOFF\t445\tD023N\tLow\tOFF\tON\tOFF\t\t" << English << plain;
}

void TestChannelPaste::linesThatFit()
{
    QFETCH(QString, line);
    QFETCH(CellWords, words);
    QFETCH(QStringList, cells);
    const PastedChannels pasted = ChannelPaste::read(line, 3, Band, words);
    QVERIFY(pasted.skipped.isEmpty());
    QCOMPARE(pasted.lines.size(), 1);
    QCOMPARE(pasted.lines[0].row, 3);
    QCOMPARE(pasted.lines[0].channel, channel(cells));
}

void TestChannelPaste::linesThatDoNotFit_data()
{
    QTest::addColumn<QString>("line");
    QTest::addColumn<int>("reason");
    QTest::addColumn<int>("column");
    QTest::addColumn<QString>("value");

    QTest::newRow("below the band")
        << "399.995" << int(Reason::OutsideBand) << int(Column::RxFrequency) << "399.995";
    QTest::newRow("band's upper limit")
        << "470" << int(Reason::OutsideBand) << int(Column::RxFrequency) << "470";
    QTest::newRow("transmit outside")
        << "440\tOFF\t480" << int(Reason::OutsideBand) << int(Column::TxFrequency) << "480";
    QTest::newRow("not a number") << "44O.1" << int(Reason::NotANumber) << int(Column::RxFrequency)
                                  << "44O.1";
    QTest::newRow("separator alone")
        << "." << int(Reason::NotANumber) << int(Column::RxFrequency) << ".";
    QTest::newRow("tone not of the radio")
        << "440\t88.4" << int(Reason::NotATone) << int(Column::RxTone) << "88.4";
    QTest::newRow("lower-case tone word")
        << "440\toff" << int(Reason::NotATone) << int(Column::RxTone) << "off";
    QTest::newRow("power word") << "440\tOFF\t440\tOFF\tHi" << int(Reason::NotAWord)
                                << int(Column::Power) << "Hi";
    QTest::newRow("option word") << "440\tOFF\t440\tOFF\tHigh\tHigh" << int(Reason::NotAWord)
                                 << int(Column::OptionA) << "High";
    QTest::newRow("no receive frequency")
        << "\tOFF\t440" << int(Reason::NoReceiveFrequency) << int(Column::RxTone) << "OFF";
    QTest::newRow("ninth cell") << "440\tOFF\t440\tOFF\tHigh\tON\tOFF\tOFF\tnote"
                                << int(Reason::TooManyCells) << 0 << "note";
}

void TestChannelPaste::linesThatDoNotFit()
{
    QFETCH(QString, line);
    QFETCH(int, reason);
    QFETCH(int, column);
    QFETCH(QString, value);
    const PastedChannels pasted = ChannelPaste::read(line, 1, Band, English);
    QVERIFY(pasted.lines.isEmpty());
    QCOMPARE(pasted.skipped.size(), 1);
    QCOMPARE(int(pasted.skipped[0].reason), reason);
    QCOMPARE(pasted.skipped[0].column, column);
    QCOMPARE(pasted.skipped[0].value, value);
    QCOMPARE(pasted.skipped[0].line, 1);
}

// CR LF, a trailing line end, quoted cells; a line that does not fit keeps its row, and
// lines past channel 16 are skipped.
void TestChannelPaste::spreadsheetText()
{
    const QString text = "\"440.1\"\tOFF\r\n"
                         "500\tOFF\r\n"
                         "\"450,5\"\t\"D023N\"\r\n"
                         "460\r\n";
    const PastedChannels pasted = ChannelPaste::read(text, 14, Band, English);
    QCOMPARE(pasted.lines.size(), 2);
    QCOMPARE(pasted.lines[0].row, 14);
    QCOMPARE(pasted.lines[0].channel[0], "440.10000");
    QCOMPARE(pasted.lines[1].row, 16);
    QCOMPARE(pasted.lines[1].channel[0], "450.50000");
    QCOMPARE(pasted.lines[1].channel[1], "D023N");
    QCOMPARE(pasted.skipped.size(), 2);
    QCOMPARE(pasted.skipped[0].line, 2);
    QCOMPARE(pasted.skipped[0].reason, Reason::OutsideBand);
    QCOMPARE(pasted.skipped[1].line, 4);
    QCOMPARE(pasted.skipped[1].reason, Reason::NoChannelLeft);
}

void TestChannelPaste::anUnclosedQuoteSkipsOnlyItsLine_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QList<int>>("pastedRows"); // from row 1
    QTest::addColumn<int>("skippedLine");

    QTest::newRow("between good lines") << "440\n\"441\tOFF\n442\n" << QList<int>{1, 3} << 2;
    QTest::newRow("on the first line") << "\"440\r\n441\r\n442" << QList<int>{2, 3} << 1;
    QTest::newRow("on the last line, without a line end")
        << "440\n441\t\"OFF" << QList<int>{1} << 2;
    QTest::newRow("after a line with a quoted cell")
        << "440\t\"OFF\"\n\"441\n442" << QList<int>{1, 3} << 2;
    QTest::newRow("lines after it with doubled quotes")
        << "\"440\n441\t\"\"\n442" << QList<int>{2, 3} << 1;
}

// A quote that is never closed would swallow every line after it.
void TestChannelPaste::anUnclosedQuoteSkipsOnlyItsLine()
{
    QFETCH(QString, text);
    QFETCH(QList<int>, pastedRows);
    QFETCH(int, skippedLine);

    const PastedChannels pasted = ChannelPaste::read(text, 1, Band, English);
    QList<int> rows;
    for (const PastedLine& line : pasted.lines)
        rows << line.row;
    QCOMPARE(rows, pastedRows);
    QCOMPARE(pasted.skipped.size(), 1);
    QCOMPARE(pasted.skipped[0].line, skippedLine);
    QCOMPARE(pasted.skipped[0].reason, Reason::UnclosedQuote);
    QCOMPARE(ChannelPaste::skippedText(pasted.skipped, Band, Language::English),
             QString("1 pasted lines did not fit and were skipped:\n"
                     "line %1: a quoted cell opens in it and is never closed")
                 .arg(skippedLine));
    QCOMPARE(ChannelPaste::skippedText(pasted.skipped, Band, Language::Chinese),
             QString("粘贴的内容中有 1 行不符合要求，已跳过：\n"
                     "第 %1 行：其中的引号单元格没有结束引号")
                 .arg(skippedLine));
}

void TestChannelPaste::copiedRowsPasteBackAsTheyWere()
{
    ChannelTable table;
    const QStringList first{"440.10000", "D023N", "445.00000", "67.0", "Low", "OFF", "ON", "OFF"};
    for (int column = Column::FirstField; column <= Column::LastField; ++column)
        table.setText(2, column, first[column - 1]);
    const QString text = ChannelPaste::copiedText(table, 2, 3);
    QCOMPARE(text, "440.10000\tD023N\t445.00000\t67.0\tLow\tOFF\tON\tOFF\n\t\t\t\t\t\t\t\n");

    const PastedChannels pasted = ChannelPaste::read(text, 7, Band, English);
    QVERIFY(pasted.skipped.isEmpty());
    QCOMPARE(pasted.lines.size(), 2);
    QCOMPARE(pasted.lines[0].channel, channel(first));
    QCOMPARE(pasted.lines[1].channel, RadioContents::Channel{});
    QCOMPARE(pasted.lines[1].row, 8);
}

void TestChannelPaste::skippedLinesAreListedInOneMessage()
{
    const PastedChannels pasted = ChannelPaste::read("440\n480\n440\t88.4\n", 1, Band, English);
    QCOMPARE(ChannelPaste::skippedText(pasted.skipped, Band, Language::English),
             "2 pasted lines did not fit and were skipped:\n"
             "line 2: the receive frequency \"480\" is outside the band 400-470MHz\n"
             "line 3: the receive tone \"88.4\" is not a tone of this radio");
    QCOMPARE(ChannelPaste::skippedText(pasted.skipped, Band, Language::Chinese),
             "粘贴的内容中有 2 行不符合要求，已跳过：\n"
             "第 2 行：接收频率“480”超出频段 400-470MHz\n"
             "第 3 行：接收亚音“88.4”不是本机支持的亚音");
    QCOMPARE(ChannelPaste::skippedText({}, Band, Language::English), QString());
}

void TestChannelPaste::aLongListIsCutShort_data()
{
    QTest::addColumn<Language>("language");
    QTest::addColumn<QString>("heading");
    QTest::addColumn<QString>("firstLine");
    QTest::addColumn<QString>("lastLine");

    const QString value = QString(40, u'9');
    QTest::newRow("english") << Language::English << "30 pasted lines did not fit and were skipped:"
                             << "line 1: the receive frequency \"" + value + "…\" is not a number"
                             << "and 10 more";
    QTest::newRow("chinese") << Language::Chinese << "粘贴的内容中有 30 行不符合要求，已跳过："
                             << "第 1 行：接收频率“" + value + "…”不是数字"
                             << "另有 10 行未列出";
}

// A paste of a whole document gives a message of a size to read: its first lines, each
// value cut short.
void TestChannelPaste::aLongListIsCutShort()
{
    QFETCH(Language, language);
    QFETCH(QString, heading);
    QFETCH(QString, firstLine);
    QFETCH(QString, lastLine);

    QString text;
    for (int line = 0; line < 30; ++line)
        text += QString(100, u'9') + "x\n";
    const PastedChannels pasted = ChannelPaste::read(text, 1, Band, English);
    QCOMPARE(pasted.skipped.size(), 30);
    const QStringList lines = ChannelPaste::skippedText(pasted.skipped, Band, language).split('\n');
    QCOMPARE(lines.size(), 22);
    QCOMPARE(lines.first(), heading);
    QCOMPARE(lines.at(1), firstLine);
    QVERIFY(lines.at(20).contains("20"));
    QCOMPARE(lines.last(), lastLine);
}

QTEST_MAIN(TestChannelPaste)
#include "tst_channelpaste.moc"
