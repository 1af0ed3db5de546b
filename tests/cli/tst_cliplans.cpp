#include "CliRun.h"
#include "support/ChannelFileRows.h"
#include "support/FileBytes.h"
#include "support/SampleRadio.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTest>

namespace {

QStringList channel(const QString& frequency, const QString& rxTone, const QString& txTone,
                    const QString& power)
{
    return {frequency, rxTone, frequency, txTone, power, "OFF", "OFF", "OFF"};
}

const QStringList English = {"--language", "english"};

} // namespace

// qv3307-cli plan and sheet, and a plan taken into the simulated radio.
class CliPlansTest : public QObject
{
    Q_OBJECT

private slots:
    void planWrittenToTheRadioReadsBackExact_data();
    void planWrittenToTheRadioReadsBackExact();
    void plansListedAndRefused_data();
    void plansListedAndRefused();
    void sheetWithoutADisplay();
};

void CliPlansTest::planWrittenToTheRadioReadsBackExact_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QStringList>("options");
    QTest::addColumn<QList<QStringList>>("channels");

    QList<QStringList> pmr;
    for (int number = 0; number < 16; ++number)
        pmr << channel(QStringLiteral("446.%1").arg(625 + number * 1250, 5, 10, QLatin1Char('0')),
                       "67.0", "67.0", "Low");
    QTest::newRow("PMR446 with one tone, as a channel file")
        << "pmr.F19" << QStringList{"PMR446", "--tone", "67.0"} << pmr;

    QList<QStringList> frs(16, QStringList(8));
    frs[0] = channel("462.56250", "D023N", "D023I", "High");
    frs[1] = channel("462.72500", "D023N", "D023I", "High");
    frs[2] = channel("467.56250", "D023N", "D023I", "Low");
    frs[3] = channel("467.58750", "D023N", "D023I", "Low");
    QTest::newRow("FRS channels picked, as a channel list")
        << "frs.csv"
        << QStringList{"FRS", "--channels", "1,22,8-9", "--tone", "d023n", "--tx-tone", "D023I"}
        << frs;
}

void CliPlansTest::planWrittenToTheRadioReadsBackExact()
{
    QFETCH(QString, file);
    QFETCH(QStringList, options);
    QFETCH(QList<QStringList>, channels);

    CliRun run(SampleRadio::image());
    QVERIFY(run.start());
    const CliRun::Outcome planned =
        run.run(QStringList{"plan"} + options + QStringList{"-o", file} + English);
    QVERIFY2(planned.status == 0, planned.err.constData());
    const CliRun::Outcome written = run.run(QStringList{"write", file, "--port", "COM1"} + English);
    QVERIFY2(written.status == 0, written.err.constData());
    const CliRun::Outcome read =
        run.run(QStringList{"read", "--port", "COM1", "-o", "back.F19"} + English);
    QVERIFY2(read.status == 0, read.err.constData());
    QCOMPARE(channelsOf(readAll(run.file("back.F19"))), channels);
}

void CliPlansTest::plansListedAndRefused_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("output"); // a pattern the standard output or error matches

    QTest::newRow("list") << QStringList{"plan", "--list"} << 0
                          << "PMR446 +16 channels +built in\\nFRS +22 channels +built "
                             "in\\nclub\\.csv +2 channels +\\S+club\\.csv\\n";
    QTest::newRow("user plan by its name")
        << QStringList{"plan", "CLUB"} << 0
        << "01  446\\.10000  88\\.5 .*\\n02\\s*\\n[\\s\\S]*channel 2 \\(470\\.00000\\): outside "
           "the band 400-470MHz";
    QTest::newRow("first and count")
        << QStringList{"plan", "PMR446", "--first", "15"} << 0
        << "15  446\\.00625 .*\\n16  446\\.01875 [\\s\\S]*14 channels of PMR446 were left out";
    QTest::newRow("no such plan") << QStringList{"plan", "PMR447"} << 2
                                  << "no plan named \"PMR447\"";
    QTest::newRow("no tone of the radio")
        << QStringList{"plan", "FRS", "--tone", "67"} << 2 << "--tone \"67\" is no tone";
    QTest::newRow("channels the plan does not have")
        << QStringList{"plan", "PMR446", "--channels", "1-17"} << 2 << "names channels PMR446";
    QTest::newRow("first channel 0") << QStringList{"plan", "FRS", "--first", "0"} << 2
                                     << "--first takes a channel from 1 to 16";
    QTest::newRow("list and a name")
        << QStringList{"plan", "FRS", "--list"} << 2 << "plan --list takes nothing else";
    QTest::newRow("sheet without -o") << QStringList{"sheet", "a.F19"} << 2 << "sheet needs -o";
}

void CliPlansTest::plansListedAndRefused()
{
    QFETCH(QStringList, arguments);
    QFETCH(int, status);
    QFETCH(QString, output);

    CliRun run(SampleRadio::image());
    QVERIFY(run.start());
    const QString plans = run.home() + QStringLiteral("/data/qv3307/plans");
    QVERIFY(QDir().mkpath(plans));
    QFile club(plans + QStringLiteral("/club.csv"));
    QVERIFY(club.open(QIODevice::WriteOnly));
    club.write("Location,Name,Frequency,Tone,rToneFreq,cToneFreq,Mode\r\n"
               "1,Gate,446.10000,TSQL,88.5,88.5,NFM\r\n"
               "2,Yard,470.00000,,88.5,88.5,FM\r\n");
    club.close();

    const CliRun::Outcome outcome = run.run(arguments + English);
    const QString printed = QString::fromUtf8(outcome.out + outcome.err);
    QCOMPARE(outcome.status, status);
    QVERIFY2(printed.contains(QRegularExpression(output)), qPrintable(printed));
}

void CliPlansTest::sheetWithoutADisplay()
{
    CliRun run(SampleRadio::image());
    QVERIFY(run.start());
    QCOMPARE(run.run(QStringList{"plan", "FRS", "-o", "frs.F19", "-q"} + English).status, 0);
    const QByteArray channelFile = readAll(run.file("frs.F19"));

    // Not even a platform that needs a display is in the way.
    qputenv("QT_QPA_PLATFORM", "xcb");
    qunsetenv("DISPLAY");
    qunsetenv("WAYLAND_DISPLAY");
    const CliRun::Outcome written =
        run.run(QStringList{"sheet", "frs.F19", "-o", "frs.pdf", "-q"} + English);
    QVERIFY2(written.status == 0, written.err.constData());
    // A name that is not a PDF's is refused: the channel file stays.
    const CliRun::Outcome refused =
        run.run(QStringList{"sheet", "frs.F19", "-o", "frs.F19"} + English);
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QCOMPARE(refused.status, 5);
    QVERIFY(refused.err.contains("give a name ending in .pdf"));
    QCOMPARE(readAll(run.file("frs.F19")), channelFile);

    QProcess pdftotext;
    pdftotext.start("pdftotext", {"-layout", run.file("frs.pdf"), "-"});
    QVERIFY(pdftotext.waitForFinished(60000));
    const QString text = QString::fromUtf8(pdftotext.readAllStandardOutput());
    QVERIFY2(text.contains("File: frs.F19"), qPrintable(text));
    QVERIFY(text.contains(QRegularExpression(
        "08\\s+467\\.56250\\s+OFF\\s+467\\.56250\\s+OFF\\s+Low\\s+OFF\\s+OFF\\s+OFF")));
    QVERIFY(text.contains(QRegularExpression(
        "16\\s+462\\.57500\\s+OFF\\s+462\\.57500\\s+OFF\\s+High\\s+OFF\\s+OFF\\s+OFF")));
}

QTEST_GUILESS_MAIN(CliPlansTest)
#include "tst_cliplans.moc"
