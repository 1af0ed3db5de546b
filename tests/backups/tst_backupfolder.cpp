#include "backups/BackupFolder.h"

#include "support/FileBytes.h"
#include "support/TemporaryHome.h"

#include <QDir>
#include <QFile>
#include <QTest>

#include <cerrno>

namespace {
const QDateTime Taken(QDate(2026, 3, 4), QTime(5, 6, 7));
const QByteArray Contents("a channel file\r\n");

void setModified(const QString& path, const QDateTime& when)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadWrite));
    QVERIFY(file.setFileTime(when, QFileDevice::FileModificationTime));
}
} // namespace

// The backups folder: where it is, how backups are named without ever replacing a file,
// what a folder that cannot be written does, which old files go at start-up, and the
// calibration log.
class TestBackupFolder : public QObject
{
    Q_OBJECT

private slots:
    void init();

    void standardFolderFollowsTheDataHome();
    void backupsAreNamedAfterTheTimeAndNeverReplaceAFile();
    void backupNamesAreRecognised_data();
    void backupNamesAreRecognised();
    void aBlockedFolderSavesNothing();
    void onlyOldBackupsAreRemoved_data();
    void onlyOldBackupsAreRemoved();
    void linksAndFoldersAreNeverRemoved();
    void calibrationReadsAreLogged();

private:
    std::unique_ptr<TemporaryHome> m_home;
    QString backups() const { return m_home->backupFolder(); }
};

void TestBackupFolder::init()
{
    m_home = std::make_unique<TemporaryHome>();
    QVERIFY(m_home->isValid());
}

void TestBackupFolder::standardFolderFollowsTheDataHome()
{
    QCOMPARE(BackupFolder::standard().path(), backups());
    qunsetenv("XDG_DATA_HOME");
    QCOMPARE(BackupFolder::standard().path(),
             m_home->filePath(QStringLiteral(".local/share/qv3307/backups")));
}

void TestBackupFolder::backupsAreNamedAfterTheTimeAndNeverReplaceAFile()
{
    const BackupFolder folder(backups());
    QVERIFY(!folder.exists());
    const BackupFolder::SaveOutcome first = folder.save(Contents, Taken);
    QVERIFY(first.saved());
    QVERIFY(folder.exists());
    QCOMPARE(first.path, backups() + QStringLiteral("/2026-03-04_05-06-07.F19"));
    QCOMPARE(readAll(first.path), Contents);

    // A file the user put under the next name is kept as it is; the backup takes the next.
    writeAll(backups() + QStringLiteral("/2026-03-04_05-06-07-2.F19"), "mine");
    const BackupFolder::SaveOutcome third = folder.save("third", Taken);
    QCOMPARE(third.path, backups() + QStringLiteral("/2026-03-04_05-06-07-3.F19"));
    QCOMPARE(readAll(third.path), QByteArray("third"));
    QCOMPARE(readAll(backups() + QStringLiteral("/2026-03-04_05-06-07-2.F19")), "mine");
    QCOMPARE(readAll(first.path), Contents);
    QCOMPARE(QDir(backups()).entryList(QDir::Files | QDir::Hidden).size(), 3);
}

void TestBackupFolder::backupNamesAreRecognised_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("backup");
    QTest::newRow("plain") << "2026-03-04_05-06-07.F19" << true;
    QTest::newRow("suffix") << "2026-03-04_05-06-07-12.F19" << true;
    QTest::newRow("suffix 0") << "2026-03-04_05-06-07-0.F19" << false;
    QTest::newRow("lower-case extension") << "2026-03-04_05-06-07.f19" << false;
    QTest::newRow("other extension") << "2026-03-04_05-06-07.F19.bak" << false;
    QTest::newRow("prefix") << "x2026-03-04_05-06-07.F19" << false;
    QTest::newRow("user file") << "base.F19" << false;
    QTest::newRow("log") << "calibration.log" << false;
}

void TestBackupFolder::backupNamesAreRecognised()
{
    QFETCH(QString, name);
    QFETCH(bool, backup);
    QCOMPARE(BackupFolder::isBackupName(name), backup);
}

void TestBackupFolder::aBlockedFolderSavesNothing()
{
    // A file where the folder should be: neither it nor anything else is touched.
    QVERIFY(QDir().mkpath(m_home->filePath(QStringLiteral("data/qv3307"))));
    writeAll(backups(), "in the way");
    const BackupFolder folder(backups());
    const BackupFolder::SaveOutcome outcome = folder.save(Contents, Taken);
    QVERIFY(!outcome.saved());
    QVERIFY(outcome.error != 0);
    QCOMPARE(readAll(backups()), QByteArray("in the way"));
    QVERIFY(folder.appendCalibration({}, Taken) != 0);
    QCOMPARE(QDir(m_home->filePath(QStringLiteral("data/qv3307")))
                 .entryList(QDir::NoDotAndDotDot | QDir::AllEntries | QDir::Hidden)
                 .size(),
             1);
}

void TestBackupFolder::onlyOldBackupsAreRemoved_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("nameAgeDays");
    QTest::addColumn<int>("modifiedAgeDays");
    QTest::addColumn<bool>("removed");
    QTest::newRow("old backup") << "" << 400 << 400 << true;
    QTest::newRow("a day past a year") << "" << 366 << 366 << true;
    QTest::newRow("a day short of a year") << "" << 364 << 364 << false;
    QTest::newRow("old name, copied in lately") << "" << 400 << 10 << false;
    QTest::newRow("recent name, old time") << "" << 10 << 400 << false;
    QTest::newRow("old user file") << "radio.F19" << 400 << 400 << false;
    QTest::newRow("old calibration log") << "calibration.log" << 400 << 400 << false;
    QTest::newRow("backup name with another extension")
        << "2020-01-01_00-00-00.F19.txt" << 400 << 400 << false;
}

void TestBackupFolder::onlyOldBackupsAreRemoved()
{
    QFETCH(QString, name);
    QFETCH(int, nameAgeDays);
    QFETCH(int, modifiedAgeDays);
    QFETCH(bool, removed);
    const QDateTime now = QDateTime::currentDateTime();
    QVERIFY(QDir().mkpath(backups()));
    if (name.isEmpty())
        name = BackupFolder::baseName(now.addDays(-nameAgeDays)) + BackupFolder::Extension;
    const QString path = backups() + QLatin1Char('/') + name;
    writeAll(path, Contents);
    setModified(path, now.addDays(-modifiedAgeDays));
    const QString recent =
        backups() + QLatin1Char('/') + BackupFolder::baseName(now) + BackupFolder::Extension;
    writeAll(recent, Contents);

    const QStringList gone = BackupFolder(backups()).removeOldBackups(now);
    QCOMPARE(gone, removed ? QStringList{path} : QStringList());
    QCOMPARE(QFile::exists(path), !removed);
    QVERIFY(QFile::exists(recent));
}

void TestBackupFolder::linksAndFoldersAreNeverRemoved()
{
    const QDateTime now = QDateTime::currentDateTime();
    const QDateTime old = now.addDays(-800);
    QVERIFY(QDir().mkpath(backups()));
    // An old file outside the folder, reached by a link named as a backup.
    const QString outside = m_home->filePath(QStringLiteral("kept.F19"));
    writeAll(outside, Contents);
    setModified(outside, old);
    const QString link =
        backups() + QLatin1Char('/') + BackupFolder::baseName(old) + BackupFolder::Extension;
    QVERIFY(QFile::link(outside, link));
    const QString folder = backups() + QLatin1Char('/') + BackupFolder::baseName(old.addDays(1)) +
                           BackupFolder::Extension;
    QVERIFY(QDir().mkpath(folder));

    QCOMPARE(BackupFolder(backups()).removeOldBackups(now), QStringList());
    QVERIFY(QFileInfo(link).isSymLink());
    QVERIFY(QFile::exists(outside));
    QVERIFY(QFileInfo(folder).isDir());
}

void TestBackupFolder::calibrationReadsAreLogged()
{
    const BackupFolder folder(backups());
    QCOMPARE(folder.appendCalibration({{79, 48, 2}, {}}, Taken), 0);
    QCOMPARE(folder.appendCalibration({{255, 0, 0}, {}}, Taken.addSecs(61)), 0);
    // A low voltage byte that names no level is kept beside the position it was shown as.
    QCOMPARE(folder.appendCalibration({{79, 48, 1}, 0x12}, Taken.addSecs(122)), 0);
    QCOMPARE(readAll(folder.calibrationLogPath()),
             QByteArray("2026-03-04 05:06:07 low power 79, high power 48, low voltage 2\n"
                        "2026-03-04 05:07:08 low power 255, high power 0, low voltage 0\n"
                        "2026-03-04 05:08:09 low power 79, high power 48, low voltage 1 "
                        "(byte 12, no defined level)\n"));
}

QTEST_GUILESS_MAIN(TestBackupFolder)
#include "tst_backupfolder.moc"
