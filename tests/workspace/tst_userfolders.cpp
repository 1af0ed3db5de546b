#include "backups/BackupFolder.h"
#include "workspace/UserFolders.h"

#include "support/TemporaryHome.h"

#include <QDir>
#include <QTest>

// Where the backups and the per-user settings go for each value of the XDG variables.
class TestUserFolders : public QObject
{
    Q_OBJECT

private slots:
    void followTheXdgRules_data();
    void followTheXdgRules();
};

void TestUserFolders::followTheXdgRules_data()
{
    QTest::addColumn<QByteArray>("value");
    // Below the temporary home; empty: the variable's own value.
    QTest::addColumn<QString>("dataHome");
    QTest::addColumn<QString>("configHome");

    QTest::newRow("unset") << QByteArray() << ".local/share"
                           << ".config";
    QTest::newRow("absolute") << QByteArray("HOME/mine") << "mine"
                              << "mine";
    QTest::newRow("relative") << QByteArray("mine") << ".local/share"
                              << ".config";
    QTest::newRow("relative to here") << QByteArray("./mine") << ".local/share"
                                      << ".config";
    QTest::newRow("tilde, which only a shell expands") << QByteArray("~/mine") << ".local/share"
                                                       << ".config";
}

void TestUserFolders::followTheXdgRules()
{
    QFETCH(QByteArray, value);
    QFETCH(QString, dataHome);
    QFETCH(QString, configHome);

    const TemporaryHome home;
    QVERIFY(home.isValid());
    value.replace("HOME", QFile::encodeName(home.path()));
    for (const char* variable : {"XDG_DATA_HOME", "XDG_CONFIG_HOME"}) {
        if (value.isNull())
            qunsetenv(variable);
        else
            qputenv(variable, value);
    }

    QCOMPARE(UserFolders::dataHome(), home.filePath(dataHome));
    QCOMPARE(UserFolders::configHome(), home.filePath(configHome));
    QCOMPARE(BackupFolder::standard().path(), home.filePath(dataHome + "/qv3307/backups"));
}

QTEST_GUILESS_MAIN(TestUserFolders)
#include "tst_userfolders.moc"
