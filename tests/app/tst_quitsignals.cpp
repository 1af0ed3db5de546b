#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>

// The window as a user's desktop runs it: SIGTERM (a logout, `kill`) closes it in order,
// its settings written, whether the main loop runs or a start-up box is still open.
class TestQuitSignals : public QObject
{
    Q_OBJECT

private slots:
    void termClosesTheWindowInOrder_data();
    void termClosesTheWindowInOrder();
};

namespace {

// Whether `pid` holds SIGTERM blocked: from then on the program reads it as a quit.
bool blocksTerm(qint64 pid)
{
    QFile status(QStringLiteral("/proc/%1/status").arg(pid));
    if (!status.open(QIODevice::ReadOnly))
        return false;
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith("SigBlk:"))
            return (line.mid(7).trimmed().toULongLong(nullptr, 16) >> (SIGTERM - 1)) & 1;
    }
    return false;
}

} // namespace

void TestQuitSignals::termClosesTheWindowInOrder_data()
{
    QTest::addColumn<bool>("withInstallersLog");
    QTest::newRow("main loop running") << true;
    // Without the installer's log a box says so before the main loop starts.
    QTest::newRow("start-up box open") << false;
}

void TestQuitSignals::termClosesTheWindowInOrder()
{
    QFETCH(bool, withInstallersLog);
    QTemporaryDir folder;
    QVERIFY(folder.isValid());
    const QDir program(QStringLiteral(QV3307_PROGRAM_DIR));
    QStringList files{"qv3307", "english.lang", "chinese.lang"};
    if (withInstallersLog)
        files << "install.Log";
    for (const QString& name : files)
        QVERIFY(QFile::copy(program.filePath(name), folder.filePath(name)));

    QProcess window;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    environment.insert(QStringLiteral("HOME"), folder.path());
    // What the window leaves unfreed at exit is not what this checks.
    environment.insert(QStringLiteral("ASAN_OPTIONS"), QStringLiteral("detect_leaks=0"));
    window.setProcessEnvironment(environment);
    window.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    window.start(folder.filePath(QStringLiteral("qv3307")), {});
    QVERIFY(window.waitForStarted());
    QTRY_VERIFY_WITH_TIMEOUT(blocksTerm(window.processId()), 60'000);

    ::kill(pid_t(window.processId()), SIGTERM);
    const bool ended = window.waitForFinished(60'000);
    if (!ended)
        window.kill();
    QVERIFY2(ended, "the window did not close on SIGTERM");
    QCOMPARE(window.exitStatus(), QProcess::NormalExit);
    QCOMPARE(window.exitCode(), 0);
    QVERIFY(QFile::exists(folder.filePath(QStringLiteral("qv3307.ini"))));
}

QTEST_GUILESS_MAIN(TestQuitSignals)
#include "tst_quitsignals.moc"
