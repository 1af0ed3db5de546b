#include "channels/FrequencyNormaliser.h"
#include "plans/BuiltInPlans.h"
#include "plans/PlanFill.h"
#include "plans/PlanLibrary.h"
#include "plans/UserPlans.h"
#include "workspace/BuiltInLanguages.h"
#include "workspace/Gbk.h"
#include "workspace/Workspace.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

namespace {

const CellWords& english()
{
    return BuiltInLanguages::words(Language::English);
}

ChannelPlan builtInPlan(const QString& name)
{
    return name == QLatin1String("FRS") ? BuiltInPlans::frs() : BuiltInPlans::pmr446();
}

QString mhz(qint64 units)
{
    return FrequencyNormaliser::toText(units, u'.');
}

// The plan channels' names in `fill`, in the grid's order.
QStringList filledNames(const ChannelPlan& plan, const PlanFill& fill)
{
    QStringList names;
    for (const FilledPlanChannel& channel : fill.filled)
        names << QStringLiteral("%1>%2")
                     .arg(plan.channels.at(channel.planIndex).name)
                     .arg(channel.row);
    return names;
}

QStringList leftOutNames(const ChannelPlan& plan, const PlanFill& fill)
{
    QStringList names;
    for (const LeftOutPlanChannel& channel : fill.leftOut)
        names << plan.channels.at(channel.planIndex).name +
                     (channel.reason == LeftOutPlanChannel::Reason::OutsideBand ? "band" : "full");
    return names;
}

void writeFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

const QByteArray ClubCsv = "Location,Name,Frequency,Duplex,Offset,Tone,rToneFreq,cToneFreq,"
                           "DtcsCode,DtcsPolarity,Mode,TStep,Skip,Comment\r\n"
                           "1,Gate,446.10000,,0.000000,TSQL,88.5,88.5,023,NN,NFM,12.50,,\r\n"
                           "2,Yard,470.00000,,0.000000,,88.5,88.5,023,NN,FM,12.50,,\r\n"
                           "3,Shop,438.50000,,0.000000,,88.5,88.5,023,NN,FM,12.50,,\r\n";

} // namespace

class TestPlans : public QObject
{
    Q_OBJECT

private slots:
    void builtInChannels_data();
    void builtInChannels();
    void builtInPlanSizes();
    void fill_data();
    void fill();
    void fillCellsAndTones_data();
    void fillCellsAndTones();
    void fillIsOneUndoStep();
    void userPlansFromTheFolder();
    void userPlanFromAChannelFileInEitherLanguage();
    void userPlanProblems_data();
    void userPlanProblems();
    void toneNamed_data();
    void toneNamed();
    void channelsNamed_data();
    void channelsNamed();
};

// Every channel of the built-in plans, written out by hand from the rules that define
// them: the frequency, the power the rules allow, and narrow band with no tone.
void TestPlans::builtInChannels_data()
{
    QTest::addColumn<QString>("plan");
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("frequency");
    QTest::addColumn<bool>("highPower");

    const char* const pmr[] = {"446.00625", "446.01875", "446.03125", "446.04375",
                               "446.05625", "446.06875", "446.08125", "446.09375",
                               "446.10625", "446.11875", "446.13125", "446.14375",
                               "446.15625", "446.16875", "446.18125", "446.19375"};
    for (int index = 0; index < 16; ++index)
        QTest::addRow("PMR446 %d", index + 1)
            << "PMR446" << index << QString::number(index + 1) << pmr[index] << false;

    const struct
    {
        const char* frequency;
        bool high;
    } frs[] = {
        {"462.56250", true},  {"462.58750", true},  {"462.61250", true},  {"462.63750", true},
        {"462.66250", true},  {"462.68750", true},  {"462.71250", true},  {"467.56250", false},
        {"467.58750", false}, {"467.61250", false}, {"467.63750", false}, {"467.66250", false},
        {"467.68750", false}, {"467.71250", false}, {"462.55000", true},  {"462.57500", true},
        {"462.60000", true},  {"462.62500", true},  {"462.65000", true},  {"462.67500", true},
        {"462.70000", true},  {"462.72500", true},
    };
    for (int index = 0; index < 22; ++index)
        QTest::addRow("FRS %d", index + 1) << "FRS" << index << QString::number(index + 1)
                                           << frs[index].frequency << frs[index].high;
}

void TestPlans::builtInChannels()
{
    QFETCH(QString, plan);
    QFETCH(int, index);
    QFETCH(QString, name);
    QFETCH(QString, frequency);
    QFETCH(bool, highPower);

    const PlanChannel channel = builtInPlan(plan).channels.at(index);
    QCOMPARE(channel.name, name);
    QCOMPARE(mhz(channel.rxFrequency), frequency);
    QCOMPARE(mhz(channel.txFrequency), frequency);
    // What a user typing the frequency would get: it is already on the channel step.
    QCOMPARE(FrequencyNormaliser::toChannelStep(frequency), channel.rxFrequency);
    QCOMPARE(channel.highPower, highPower);
    QVERIFY(!channel.wideband);
    QVERIFY(!channel.busyLock);
    QVERIFY(!channel.scramble);
    QCOMPARE(channel.rxTone, QString());
    QCOMPARE(channel.txTone, QString());
}

void TestPlans::builtInPlanSizes()
{
    QCOMPARE(BuiltInPlans::pmr446().channels.size(), 16);
    QCOMPARE(BuiltInPlans::frs().channels.size(), 22);
    QCOMPARE(PlanLibrary::names(QStringLiteral("/nonexistent")), QStringList({"PMR446", "FRS"}));
}

void TestPlans::fill_data()
{
    QTest::addColumn<QString>("plan");
    QTest::addColumn<QString>("band");
    QTest::addColumn<int>("first");
    QTest::addColumn<int>("count");
    QTest::addColumn<QString>("channels");
    QTest::addColumn<QStringList>("filled");
    QTest::addColumn<QStringList>("leftOut");

    QStringList pmr;
    for (int channel = 1; channel <= 16; ++channel)
        pmr << QStringLiteral("%1>%1").arg(channel);
    QTest::newRow("PMR446 whole") << "PMR446"
                                  << "400-470MHz" << 1 << 16 << "" << pmr << QStringList();
    QTest::newRow("PMR446 from channel 13")
        << "PMR446"
        << "400-470MHz" << 13 << 4 << "" << QStringList{"1>13", "2>14", "3>15", "4>16"}
        << QStringList{"5full",  "6full",  "7full",  "8full",  "9full",  "10full",
                       "11full", "12full", "13full", "14full", "15full", "16full"};
    QTest::newRow("count stops early")
        << "PMR446"
        << "400-470MHz" << 3 << 2 << "1-3" << QStringList{"1>3", "2>4"} << QStringList{"3full"};
    // The band ends below FRS 8 to 14: they are left out, never pulled to 464.995 MHz,
    // and the next channels take their places.
    QTest::newRow("FRS in a band that ends at 465 MHz")
        << "FRS"
        << "400-465MHz" << 1 << 16 << "1-22"
        << QStringList{"1>1",  "2>2",   "3>3",   "4>4",   "5>5",   "6>6",   "7>7",  "15>8",
                       "16>9", "17>10", "18>11", "19>12", "20>13", "21>14", "22>15"}
        << QStringList{"8band", "9band", "10band", "11band", "12band", "13band", "14band"};
    QTest::newRow("FRS, 16 of 22 chosen")
        << "FRS"
        << "400-470MHz" << 1 << 16 << "1-7,15-22,8"
        << QStringList{"1>1",  "2>2",   "3>3",   "4>4",   "5>5",   "6>6",   "7>7",   "15>8",
                       "16>9", "17>10", "18>11", "19>12", "20>13", "21>14", "22>15", "8>16"}
        << QStringList();
    QTest::newRow("no channel in the band")
        << "PMR446"
        << "136-174MHz" << 1 << 16 << "1-2" << QStringList() << QStringList{"1band", "2band"};
    // A band's upper limit is no usable frequency.
    QTest::newRow("upper limit excluded")
        << "FRS"
        << "400-462MHz" << 1 << 16 << "15" << QStringList() << QStringList{"15band"};
    QTest::newRow("lower limit included")
        << "PMR446"
        << "446-470MHz" << 1 << 16 << "1" << QStringList{"1>1"} << QStringList();
    QTest::newRow("band that gives no limits")
        << "PMR446"
        << "xyz" << 1 << 16 << "1" << QStringList() << QStringList{"1band"};
}

void TestPlans::fill()
{
    QFETCH(QString, plan);
    QFETCH(QString, band);
    QFETCH(int, first);
    QFETCH(int, count);
    QFETCH(QString, channels);
    QFETCH(QStringList, filled);
    QFETCH(QStringList, leftOut);

    const ChannelPlan chosenPlan = builtInPlan(plan);
    PlanFillChoice choice;
    choice.firstChannel = first;
    choice.count = count;
    if (!channels.isEmpty())
        choice.planChannels = *PlanLibrary::channelsNamed(chosenPlan, channels);
    const PlanFill fill = PlanFilling::prepare(chosenPlan, choice, band, english());
    QCOMPARE(filledNames(chosenPlan, fill), filled);
    QCOMPARE(leftOutNames(chosenPlan, fill), leftOut);

    const QString message = PlanFilling::leftOutText(chosenPlan, fill, band, Language::English);
    QCOMPARE(message.isEmpty(), leftOut.isEmpty());
    if (!leftOut.isEmpty())
        QCOMPARE(message.count(u'\n'), leftOut.size());
}

void TestPlans::fillCellsAndTones_data()
{
    QTest::addColumn<QString>("rxTone"); // "-": as in the plan
    QTest::addColumn<QString>("txTone");
    QTest::addColumn<QStringList>("cells");

    QTest::newRow("as in the plan")
        << "-"
        << "-" << QStringList{"462.56250", "OFF", "462.56250", "OFF", "High", "OFF", "OFF", "OFF"};
    QTest::newRow("CTCSS both ways")
        << "67.0"
        << "67.0"
        << QStringList{"462.56250", "67.0", "462.56250", "67.0", "High", "OFF", "OFF", "OFF"};
    QTest::newRow("DCS, transmit inverted")
        << "D023N"
        << "D023I"
        << QStringList{"462.56250", "D023N", "462.56250", "D023I", "High", "OFF", "OFF", "OFF"};
    QTest::newRow("no tone") << ""
                             << "" << QStringList{"462.56250", "OFF", "462.56250", "OFF",
                                                  "High",      "OFF", "OFF",       "OFF"};
}

void TestPlans::fillCellsAndTones()
{
    QFETCH(QString, rxTone);
    QFETCH(QString, txTone);
    QFETCH(QStringList, cells);

    PlanFillChoice choice;
    if (rxTone != QLatin1String("-"))
        choice.rxTone = rxTone;
    if (txTone != QLatin1String("-"))
        choice.txTone = txTone;
    const RadioContents::Channel filled =
        PlanFilling::cells(BuiltInPlans::frs().channels.first(), choice, english());
    QCOMPARE(QStringList(filled.begin(), filled.end()), cells);

    // Channel 8 is held to low power, in the words of the language in use.
    const RadioContents::Channel chinese = PlanFilling::cells(
        BuiltInPlans::frs().channels.at(7), choice, BuiltInLanguages::words(Language::Chinese));
    QCOMPARE(chinese[RadioContents::fieldIndex(Column::Power)], QStringLiteral("低功率"));
    QCOMPARE(chinese[RadioContents::fieldIndex(Column::OptionA)], QStringLiteral("禁用"));
}

void TestPlans::fillIsOneUndoStep()
{
    Workspace workspace;
    workspace.words = english();
    workspace.bands.append(QStringLiteral("400-470MHz"));
    workspace.bands.select(0);
    workspace.table.setText(2, Column::RxFrequency, QStringLiteral("440.00000"));
    workspace.table.setText(16, Column::RxFrequency, QStringLiteral("441.00000"));
    workspace.startEditHistory();
    const RadioContents before = workspace.radioContents();

    PlanFillChoice choice;
    choice.count = 15;
    PlanFilling::apply(workspace,
                       PlanFilling::prepare(BuiltInPlans::pmr446(), choice,
                                            workspace.bands.selectedText(), workspace.words));
    QCOMPARE(workspace.table.text(2, Column::RxFrequency), QStringLiteral("446.01875"));
    QCOMPARE(workspace.table.text(15, Column::Power), QStringLiteral("Low"));
    // Channel 16 was not among those filled.
    QCOMPARE(workspace.table.text(16, Column::RxFrequency), QStringLiteral("441.00000"));
    QCOMPARE(workspace.undoableEdits(), 1);
    QVERIFY(workspace.undoEdit());
    QCOMPARE(workspace.radioContents(), before);
}

void TestPlans::userPlansFromTheFolder()
{
    QTemporaryDir folder;
    writeFile(folder.filePath("club.csv"), ClubCsv);
    writeFile(folder.filePath("notes.txt"), "not a plan");
    QCOMPARE(PlanLibrary::names(folder.path()), QStringList({"PMR446", "FRS", "club.csv"}));

    // By file name or without the extension, in any case.
    for (const QString name : {"club.csv", "CLUB"}) {
        const std::optional<UserPlans::Loaded> loaded =
            PlanLibrary::load(name, folder.path(), Language::English);
        QVERIFY(loaded);
        QVERIFY2(loaded->ok(), qPrintable(loaded->problem));
        QCOMPARE(loaded->plan.name, QStringLiteral("club.csv"));
        QCOMPARE(loaded->plan.channels.size(), 3);
        const PlanChannel& gate = loaded->plan.channels.first();
        QCOMPARE(mhz(gate.rxFrequency), QStringLiteral("446.10000"));
        QCOMPARE(gate.rxTone, QStringLiteral("88.5"));
        QVERIFY(!gate.wideband);
    }
    QVERIFY(!PlanLibrary::load(QStringLiteral("notes"), folder.path(), Language::English));

    // The plan is read without a band; the band is checked when it fills, so 470 MHz is
    // left out of "400-470MHz" rather than pulled to 469.995.
    const ChannelPlan club =
        PlanLibrary::load(QStringLiteral("club"), folder.path(), Language::English)->plan;
    const PlanFill fill = PlanFilling::prepare(club, {}, QStringLiteral("400-470MHz"), english());
    QCOMPARE(filledNames(club, fill), QStringList({"1>1", "3>2"}));
    QCOMPARE(leftOutNames(club, fill), QStringList({"2band"}));
    QCOMPARE(PlanFilling::leftOutText(club, fill, QStringLiteral("400-470MHz"), Language::English),
             QStringLiteral("1 channel of club.csv was left out:\n"
                            "channel 2 (470.00000): outside the band 400-470MHz"));
}

void TestPlans::userPlanFromAChannelFileInEitherLanguage()
{
    // A .F19 written in Chinese, one channel with a tone the radio does not have.
    QByteArray file = "QV-3307 MEMORY CHANNEL\r\n\r\n\r\nLanguage 1\r\nBAND 400-470MHz\r\n"
                      "Squelch 2 2\r\nBatSave 1 x\r\nTxT.O.T 3 x\r\nTONE 1 x\r\nEMG 1 x\r\n"
                      "SCAN 1 x\r\nVOICE 2 x\r\nVoxGainLevel 2 3\r\nVoxDelay 2 3s\r\n"
                      "VoxInhibit 1\r\n\r\n\r\n";
    const QStringList rows = {
        "CH01 | 446.00625 | 67.0 | 446.00625 | D023N | 低功率 | 禁用 | 启用 | 禁用 | ",
        "CH02 |  |  |  |  |  |  |  |  | ",
        "CH03 | 446.03125 | 66.6 | 446.03125 | 禁用 | 高功率 | 启用 | 禁用 | 禁用 | ",
        "CH04 | 430.10000 | 禁用 | 431.10000 | 禁用 | High | ON | OFF | ON | ",
    };
    for (const QString& row : rows)
        file += Gbk::encode(row) + "\r\n";
    const UserPlans::Loaded loaded =
        UserPlans::fromBytes(file, QStringLiteral("/plans/mixed.F19"), Language::English);
    QVERIFY2(loaded.ok(), qPrintable(loaded.problem));
    QCOMPARE(loaded.plan.channels.size(), 2);
    const PlanChannel& first = loaded.plan.channels.at(0);
    QCOMPARE(first.name, QStringLiteral("1"));
    QCOMPARE(first.rxTone, QStringLiteral("67.0"));
    QCOMPARE(first.txTone, QStringLiteral("D023N"));
    QVERIFY(!first.highPower);
    QVERIFY(!first.wideband);
    QVERIFY(first.busyLock);
    const PlanChannel& fourth = loaded.plan.channels.at(1);
    QCOMPARE(fourth.name, QStringLiteral("4"));
    QCOMPARE(mhz(fourth.txFrequency), QStringLiteral("431.10000"));
    QVERIFY(fourth.highPower && fourth.wideband && fourth.scramble && !fourth.busyLock);
    QCOMPARE(loaded.leftOut.size(), 1);
    QVERIFY2(loaded.leftOut.first().startsWith("CH03: ") && loaded.leftOut.first().contains("66.6"),
             qPrintable(loaded.leftOut.first()));
}

void TestPlans::userPlanProblems_data()
{
    QTest::addColumn<QString>("fileName");
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("problemStart");

    QTest::newRow("not a channel list")
        << "list.csv" << QByteArray("Name,Freq\r\nA,446\r\n") << "list.csv, row 1";
    QTest::newRow("not a channel file") << "radio.F19" << QByteArray("hello\r\n") << "radio.F19";
    QTest::newRow("no channel row") << "empty.csv" << QByteArray("Location,Frequency\r\n")
                                    << "empty.csv: it has a header line but no channel rows";
    QTest::newRow("no row that converts")
        << "bad.csv" << QByteArray("Location,Frequency\r\n1,abc\r\n") << "bad.csv";
    QTest::newRow("channel file without a channel")
        << "empty.F19"
        << QByteArray("QV-3307 MEMORY CHANNEL\r\n\r\n\r\nLanguage 2\r\nBAND 400-470MHz\r\n"
                      "Squelch 2\r\nBatSave 1\r\nTxT.O.T 3\r\nTONE 1\r\nEMG 1\r\nSCAN 1\r\n"
                      "VOICE 2\r\nVoxGainLevel 2\r\nVoxDelay 2\r\nVoxInhibit 1\r\n")
        << "empty.F19: holds no channel";
}

void TestPlans::userPlanProblems()
{
    QFETCH(QString, fileName);
    QFETCH(QByteArray, bytes);
    QFETCH(QString, problemStart);

    const UserPlans::Loaded loaded =
        UserPlans::fromBytes(bytes, QStringLiteral("/plans/") + fileName, Language::English);
    QVERIFY(!loaded.ok());
    QVERIFY2(loaded.problem.startsWith(problemStart), qPrintable(loaded.problem));
}

void TestPlans::toneNamed_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("tone"); // "?" for none
    QTest::newRow("CTCSS") << "67.0"
                           << "67.0";
    QTest::newRow("DCS lower case") << "d023n"
                                    << "D023N";
    QTest::newRow("DCS inverted") << "D754I"
                                  << "D754I";
    QTest::newRow("off") << "off"
                         << "";
    QTest::newRow("OFF") << "OFF"
                         << "";
    QTest::newRow("Chinese off") << "禁用"
                                 << "";
    QTest::newRow("not a tone") << "66.6"
                                << "?";
    QTest::newRow("CTCSS without decimal") << "67"
                                           << "?";
    QTest::newRow("DCS not in list") << "D024N"
                                     << "?";
}

void TestPlans::toneNamed()
{
    QFETCH(QString, text);
    QFETCH(QString, tone);
    const std::optional<QString> named = PlanLibrary::toneNamed(text);
    QCOMPARE(named.value_or(QStringLiteral("?")), tone);
}

void TestPlans::channelsNamed_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QList<int>>("indexes"); // empty for none
    QTest::newRow("one") << "3" << QList<int>{2};
    QTest::newRow("ranges") << "1-3,21-22" << QList<int>{0, 1, 2, 20, 21};
    QTest::newRow("order kept") << "15,1" << QList<int>{14, 0};
    QTest::newRow("beyond the plan") << "20-23" << QList<int>{};
    QTest::newRow("backwards") << "5-3" << QList<int>{};
    QTest::newRow("not a name") << "x" << QList<int>{};
}

void TestPlans::channelsNamed()
{
    QFETCH(QString, text);
    QFETCH(QList<int>, indexes);
    const std::optional<QList<int>> named = PlanLibrary::channelsNamed(BuiltInPlans::frs(), text);
    QCOMPARE(named.value_or(QList<int>{}), indexes);
}

QTEST_GUILESS_MAIN(TestPlans)
#include "tst_plans.moc"
