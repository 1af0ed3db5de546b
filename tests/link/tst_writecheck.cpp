#include "link/Link.h"
#include "link/ProgressDisplay.h"
#include "link/RadioExchange.h"
#include "link/WritePlan.h"
#include "link/WriteProcedure.h"
#include "workspace/BuiltInLanguages.h"
#include "workspace/MessageIds.h"
#include "workspace/Messenger.h"
#include "workspace/Workspace.h"

#include "support/RecordingMessageLibrary.h"
#include "support/SampleRadio.h"
#include "support/ScriptedSerialPort.h"

#include <QTest>

using Place = WriteProblem::Place;

namespace QTest {
template <> char* toString(const WriteProblem& problem)
{
    return qstrdup(qPrintable(QStringLiteral("{place %1, row %2, column %3, setting %4, \"%5\"}")
                                  .arg(int(problem.place))
                                  .arg(problem.row)
                                  .arg(problem.column)
                                  .arg(int(problem.setting))
                                  .arg(problem.text)));
}
} // namespace QTest

namespace {
struct NoProgress : ProgressDisplay
{
    void setProgress(int) override {}
};

// What a test changes in a workspace holding the sample radio's data.
using Change = std::function<void(Workspace&)>;

Change cell(int row, int column, const QString& text)
{
    return [=](Workspace& workspace) { workspace.table.setText(row, column, text); };
}

Change setting(FunctionSettings::Setting which, int position)
{
    return [=](Workspace& workspace) { workspace.settings.setPosition(which, position); };
}

Change band(const QString& text)
{
    return [=](Workspace& workspace) {
        workspace.bands.append(text);
        workspace.bands.select(workspace.bands.count() - 1);
    };
}

WriteProblem channelProblem(int row, int column, const QString& text)
{
    return {Place::Channel, row, column, FunctionSettings::Squelch, text};
}

WritePlan planFor(Workspace& workspace)
{
    return WritePlan::compose(workspace.table, workspace.words, workspace.settings,
                              workspace.bands.selectedText());
}

// Both requests of every channel, in hex.
QStringList channelRequests(const WritePlan& plan)
{
    QStringList requests;
    for (const WritePlan::ChannelRequests& channel : plan.channels)
        requests << channel.firstHalf << channel.secondHalf;
    return requests;
}
} // namespace

Q_DECLARE_METATYPE(Change)

// Before a write sends its first byte, every request is composed; a value the radio
// cannot store exactly stops the write with nothing sent.
class TestWriteCheck : public QObject
{
    Q_OBJECT

private slots:
    void valuesTheRadioCannotStore_data();
    void valuesTheRadioCannotStore();
    void valuesTheRadioStoresExactly_data();
    void valuesTheRadioStoresExactly();
    void wordsOfEitherLanguageAreSentAsWhatTheyMean_data();
    void wordsOfEitherLanguageAreSentAsWhatTheyMean();
    void refusedWriteSendsNothingAndSaysWhy_data();
    void refusedWriteSendsNothingAndSaysWhy();
};

void TestWriteCheck::valuesTheRadioCannotStore_data()
{
    QTest::addColumn<Change>("change");
    QTest::addColumn<WriteProblem>("problem");

    QTest::newRow("receive frequency of four digits")
        << cell(7, Column::RxFrequency, "4351") << channelProblem(7, Column::RxFrequency, "4351");
    QTest::newRow("transmit frequency of ten characters")
        << cell(1, Column::TxFrequency, "435.125001")
        << channelProblem(1, Column::TxFrequency, "435.125001");
    QTest::newRow("frequency without a separator")
        << cell(2, Column::RxFrequency, "435125000")
        << channelProblem(2, Column::RxFrequency, "435125000");
    QTest::newRow("frequency with a letter")
        << cell(16, Column::TxFrequency, "43x.12500")
        << channelProblem(16, Column::TxFrequency, "43x.12500");
    QTest::newRow("tone the radio would read back as another")
        << cell(4, Column::RxTone, "X023N") << channelProblem(4, Column::RxTone, "X023N");
    QTest::newRow("tone in lower case")
        << cell(7, Column::TxTone, "d023n") << channelProblem(7, Column::TxTone, "d023n");
    QTest::newRow("tone of three characters")
        << cell(12, Column::RxTone, "885") << channelProblem(12, Column::RxTone, "885");
    QTest::newRow("power word of no language")
        << cell(1, Column::Power, "Hi") << channelProblem(1, Column::Power, "Hi");
    QTest::newRow("option word of no language")
        << cell(2, Column::Wideband, "X") << channelProblem(2, Column::Wideband, "X");
    QTest::newRow("option word in lower case")
        << cell(4, Column::BusyLock, "on") << channelProblem(4, Column::BusyLock, "on");
    QTest::newRow("power word with a space after it")
        << cell(7, Column::Power, "High ") << channelProblem(7, Column::Power, "High ");
    QTest::newRow("on word in the power column")
        << cell(12, Column::Power, "ON") << channelProblem(12, Column::Power, "ON");
    QTest::newRow("power word in an option column")
        << cell(16, Column::Scramble, "高功率") << channelProblem(16, Column::Scramble, "高功率");
    // Today's encoding would send it as off, while the other three say what they are.
    QTest::newRow("empty option beside set flags")
        << cell(1, Column::Scramble, "") << channelProblem(1, Column::Scramble, "");
    QTest::newRow("voice position of two digits")
        << setting(FunctionSettings::VoicePrompt, 12)
        << WriteProblem{Place::Setting, 0, 0, FunctionSettings::VoicePrompt, "12"};
    QTest::newRow("squelch position below 0")
        << setting(FunctionSettings::Squelch, -1)
        << WriteProblem{Place::Setting, 0, 0, FunctionSettings::Squelch, "-1"};
    QTest::newRow("band not of the form 400-470MHz")
        << band("UHF") << WriteProblem{Place::Band, 0, 0, FunctionSettings::Squelch, "UHF"};
    QTest::newRow("band without its unit")
        << band("400-470") << WriteProblem{Place::Band, 0, 0, FunctionSettings::Squelch, "400-470"};
}

void TestWriteCheck::valuesTheRadioCannotStore()
{
    QFETCH(Change, change);
    QFETCH(WriteProblem, problem);
    Workspace workspace;
    SampleRadio::fill(workspace);
    change(workspace);
    const WritePlan plan = planFor(workspace);
    QVERIFY(!plan.sendable());
    QCOMPARE(plan.problems.size(), 1);
    QCOMPARE(plan.problems[0], problem);
}

void TestWriteCheck::valuesTheRadioStoresExactly_data()
{
    QTest::addColumn<Change>("change");

    QTest::newRow("sample radio as it stands") << Change([](Workspace&) {});
    QTest::newRow("frequency with a comma") << cell(1, Column::RxFrequency, "435,12500");
    QTest::newRow("tone outside the list that reads back the same")
        << cell(1, Column::RxTone, "67.5");
    QTest::newRow("tone with surrounding spaces") << cell(1, Column::TxTone, " 67.0 ");
    QTest::newRow("empty tone of a programmed channel") << cell(1, Column::RxTone, "");
    QTest::newRow("voice position past the end of its list")
        << setting(FunctionSettings::VoicePrompt, 4);
    QTest::newRow("band of another range") << band("136-174MHz");
    QTest::newRow("off word of the other language in a tone") << cell(2, Column::TxTone, "禁用");
    QTest::newRow("power words of the other language") << Change([](Workspace& workspace) {
        workspace.table.setText(1, Column::Power, "低功率");
        workspace.table.setText(2, Column::Power, "高功率");
    });
    QTest::newRow("option words of the other language") << Change([](Workspace& workspace) {
        workspace.table.setText(1, Column::Wideband, "启用");
        workspace.table.setText(2, Column::BusyLock, "禁用");
    });
    QTest::newRow("channel whose four flags are empty") << Change([](Workspace& workspace) {
        for (int column = Column::Power; column <= Column::Scramble; ++column)
            workspace.table.setText(7, column, "");
    });
}

void TestWriteCheck::valuesTheRadioStoresExactly()
{
    QFETCH(Change, change);
    Workspace workspace;
    SampleRadio::fill(workspace);
    change(workspace);
    const WritePlan plan = planFor(workspace);
    QVERIFY(plan.sendable());
    QCOMPARE(plan.channels.size(), 16);
    QVERIFY(!plan.settings.isEmpty());
    QVERIFY(!plan.band.isEmpty());
}

void TestWriteCheck::wordsOfEitherLanguageAreSentAsWhatTheyMean_data()
{
    QTest::addColumn<Language>("active");
    QTest::addColumn<Language>("inCells");
    QTest::newRow("english words, chinese cells") << Language::English << Language::Chinese;
    QTest::newRow("chinese words, english cells") << Language::Chinese << Language::English;
    QTest::newRow("chinese words, chinese cells") << Language::Chinese << Language::Chinese;
}

// A channel file opened without a language switch holds the other language's words: the
// radio gets what they mean, exactly as if they were the active language's.
void TestWriteCheck::wordsOfEitherLanguageAreSentAsWhatTheyMean()
{
    QFETCH(Language, active);
    QFETCH(Language, inCells);
    Workspace sample;
    SampleRadio::fill(sample);
    const QStringList expected = channelRequests(planFor(sample));

    Workspace workspace;
    SampleRadio::fill(workspace); // English words in English cells
    const CellWords cellWords = BuiltInLanguages::words(inCells);
    const QHash<QString, QString> inCellLanguage = {{"OFF", cellWords.offWord},
                                                    {"ON", cellWords.onWord},
                                                    {"High", cellWords.highWord},
                                                    {"Low", cellWords.lowWord}};
    for (int row = Row::FirstChannel; row <= Row::LastChannel; ++row)
        for (int column = Column::RxTone; column <= Column::LastField; ++column) {
            const QString text = workspace.table.text(row, column);
            workspace.table.setText(row, column, inCellLanguage.value(text, text));
        }
    workspace.words = BuiltInLanguages::words(active);

    const WritePlan plan = planFor(workspace);
    QVERIFY(plan.sendable());
    QCOMPARE(channelRequests(plan), expected);
}

void TestWriteCheck::refusedWriteSendsNothingAndSaysWhy_data()
{
    QTest::addColumn<Language>("language");
    QTest::addColumn<QString>("text");

    QTest::newRow("english") << Language::English
                             << "Nothing was written to the radio: these values are not in a "
                                "form the radio can store:\n"
                                "Channel 02, Busy Lock: \"X\"\n"
                                "Channel 03, RX Freq: \"4351\"\n"
                                "Channel 09, TX Tone: \"X023N\"\n"
                                "Setting Voice Prompt: position 12\n"
                                "Band: \"UHF\"\n"
                                "Correct them, then write again";
    QTest::newRow("chinese") << Language::Chinese
                             << "未向电台写入任何数据：以下内容的格式电台无法保存：\n"
                                "第 02 信道，繁忙锁定：“X”\n"
                                "第 03 信道，接收频率：“4351”\n"
                                "第 09 信道，发射亚音：“X023N”\n"
                                "功能选项 语音通知：位置 12\n"
                                "型号：“UHF”\n"
                                "请改正后重新写频";
}

void TestWriteCheck::refusedWriteSendsNothingAndSaysWhy()
{
    QFETCH(Language, language);
    QFETCH(QString, text);

    Workspace workspace;
    SampleRadio::fill(workspace);
    workspace.checkedLanguage = language;
    cell(2, Column::BusyLock, "X")(workspace);
    cell(3, Column::RxFrequency, "4351")(workspace);
    cell(9, Column::TxTone, "X023N")(workspace);
    setting(FunctionSettings::VoicePrompt, 12)(workspace);
    band("UHF")(workspace);

    ScriptedSerialPort port;
    port.open();
    Link link(port, ComPortDevices("/nowhere", "/dev-root"), [](const QString&) { return true; });
    RecordingMessageLibrary messages;
    Messenger messenger(messages, workspace);
    NoProgress progress;
    RadioExchange exchange(link, progress, messenger);

    QCOMPARE(WriteProcedure(workspace, exchange, messenger).run(), RadioExchange::Result::Failed);
    QCOMPARE(port.output, QByteArray()); // not even the hello
    QCOMPARE(messages.errors, QStringList{text});
    QVERIFY(messages.boxes.isEmpty()); // the radio was not asked, so it did not fail to answer
}

QTEST_GUILESS_MAIN(TestWriteCheck)
#include "tst_writecheck.moc"
