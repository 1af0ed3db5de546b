#include "backups/FleetLog.h"
#include "files/CsvRecords.h"

#include "support/TemporaryHome.h"

#include <QFile>
#include <QTest>

#include <cerrno>

namespace {
QByteArray readAll(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

FleetLog::Row row(const QString& file, const QString& result)
{
    return {QDateTime(QDate(2026, 12, 10), QTime(19, 30, 5)),
            QStringLiteral("COM2"),
            QStringLiteral("/dev/ttyUSB1"),
            file,
            result,
            QStringLiteral("/home/u/.local/share/qv3307/backups/2026-12-10_19-30-05.F19")};
}

const QByteArray Header = "Time,Port,Device,File written,Result,Backup file\r\n";
} // namespace

// fleet-log.csv as a spreadsheet opens it: the header once, every field read back as it was
// given, nothing a spreadsheet would run, and a failure said rather than lost.
class TestFleetLog : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void headerOnlyTheFirstTime();
    void fieldsReadBackAsGiven_data();
    void fieldsReadBackAsGiven();
    void rowAfterALineWithoutItsEnd();
    void appendThatFailsIsReported();
    void standardPlaceIsBesideTheBackups();

private:
    std::unique_ptr<TemporaryHome> m_home;
};

void TestFleetLog::init()
{
    m_home = std::make_unique<TemporaryHome>();
    QVERIFY(m_home->isValid());
}

void TestFleetLog::headerOnlyTheFirstTime()
{
    const FleetLog log(m_home->filePath(QStringLiteral("data/qv3307/fleet-log.csv")));
    QCOMPARE(log.append(row(QStringLiteral("/shop/club.F19"), QStringLiteral("verified"))), 0);
    QCOMPARE(log.append(row(QStringLiteral("/shop/club.F19"), QStringLiteral("no answer"))), 0);
    const QByteArray line = "2026-12-10 19:30:05,COM2,/dev/ttyUSB1,/shop/club.F19,%1,"
                            "/home/u/.local/share/qv3307/backups/2026-12-10_19-30-05.F19\r\n";
    QCOMPARE(readAll(log.path()), Header + QByteArray(line).replace("%1", "verified") +
                                      QByteArray(line).replace("%1", "no answer"));
}

void TestFleetLog::fieldsReadBackAsGiven_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("readBack");
    QTest::newRow("comma") << "/shop/club, north.F19"
                           << "/shop/club, north.F19";
    QTest::newRow("quotes") << "/shop/\"the\" club.F19"
                            << "/shop/\"the\" club.F19";
    QTest::newRow("line break") << "/shop/two\nlines.F19"
                                << "/shop/two\nlines.F19";
    QTest::newRow("Chinese") << "/商店/俱乐部.F19"
                             << "/商店/俱乐部.F19";
    // A spreadsheet would run these: they stay text.
    QTest::newRow("formula") << "=HYPERLINK(\"/x\")"
                             << "'=HYPERLINK(\"/x\")";
    QTest::newRow("plus") << "+1"
                          << "'+1";
    QTest::newRow("at") << "@SUM(A1)"
                        << "'@SUM(A1)";
    QTest::newRow("empty") << ""
                           << "";
}

void TestFleetLog::fieldsReadBackAsGiven()
{
    QFETCH(QString, file);
    QFETCH(QString, readBack);
    const FleetLog log(m_home->filePath(QStringLiteral("fleet-log.csv")));
    QCOMPARE(log.append(row(file, QStringLiteral("verified"))), 0);
    const CsvRecords::Split split = CsvRecords::split(QString::fromUtf8(readAll(log.path())));
    QVERIFY(!split.unclosedQuoteRow);
    QCOMPARE(split.records.size(), 2);
    QCOMPARE(split.records[0].fields, FleetLog::header());
    QCOMPARE(split.records[1].fields.size(), 6);
    QCOMPARE(split.records[1].fields[3], readBack);
    QCOMPARE(split.records[1].fields[4], QStringLiteral("verified"));
}

// A row typed in by hand without its line end does not swallow the next.
void TestFleetLog::rowAfterALineWithoutItsEnd()
{
    const QString path = m_home->filePath(QStringLiteral("fleet-log.csv"));
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(Header + "by hand,COM1,,,verified,");
    file.close();
    QCOMPARE(FleetLog(path).append(row({}, QStringLiteral("verified"))), 0);
    const QList<QByteArray> lines = readAll(path).split('\n');
    QCOMPARE(lines.size(), 4);
    QCOMPARE(lines[1], QByteArray("by hand,COM1,,,verified,\r"));
    QVERIFY(lines[2].startsWith("2026-12-10 19:30:05,COM2,"));
    QCOMPARE(lines[3], QByteArray());
}

void TestFleetLog::appendThatFailsIsReported()
{
    // A file where the log's folder should be.
    QFile blocker(m_home->filePath(QStringLiteral("blocked")));
    QVERIFY(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    const FleetLog log(m_home->filePath(QStringLiteral("blocked/fleet-log.csv")));
    const int error = log.append(row({}, QStringLiteral("verified")));
    QVERIFY2(error == ENOTDIR || error == EEXIST, qPrintable(QString::number(error)));
}

void TestFleetLog::standardPlaceIsBesideTheBackups()
{
    QCOMPARE(FleetLog::standard().path(),
             m_home->filePath(QStringLiteral("data/qv3307/fleet-log.csv")));
}

QTEST_GUILESS_MAIN(TestFleetLog)
#include "tst_fleetlog.moc"
