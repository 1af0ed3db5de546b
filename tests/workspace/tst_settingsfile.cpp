#include "workspace/Gbk.h"
#include "workspace/SettingsFile.h"
#include "workspace/SettingsLocation.h"

#include "support/PermissionsHonoured.h"
#include "support/ReadOnlyFolder.h"
#include "support/TemporaryProgramFolder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <QTest>

#include <optional>

class TestSettingsFile : public QObject
{
    Q_OBJECT

private slots:
    void integersParse_data();
    void integersParse();
    void missingFileReadsDefaults();
    void storedValuesAreRead_data();
    void storedValuesAreRead();
    void sectionsAndKeysIgnoreLetterCase();
    void firstRunWritesTheDefinedFile();
    void writeKeepsUnknownKeysAndUpdatesInPlace();
    void negativeCountWritesNoBandKeys();
    void learnedBandGetsTheNextKey();
    void hugeCountIsBounded();
    void unchangedLinesComeBackByteForByte_data();
    void unchangedLinesComeBackByteForByte();
    void changedLinesKeepTheirForm_data();
    void changedLinesKeepTheirForm();
    void aFileThatCannotBeReadIsNotReplaced_data();
    void aFileThatCannotBeReadIsNotReplaced();
    void writesThroughWhereOnlyTheFileIsWritable();
    void keptWhereTheUserMayWrite_data();
    void keptWhereTheUserMayWrite();
    void aStoreWithoutAPathStaysInMemory();
    void writesLeaveTheStoreReadingAsItsBytes();
};

namespace {

// GBK bytes of Chinese texts.
const QByteArray Chinese = "\xD6\xD0\xCE\xC4";                  // 中文
const QByteArray BandList = "\xC6\xB5\xB6\xCE\xC1\xD0\xB1\xED"; // 频段列表

// What an exit writes: the stored choices as they were read.
QByteArray afterAnUnchangedRun(const TemporaryProgramFolder& folder)
{
    const StoredChoices choices = StoredChoices::read(SettingsFile(folder.path()));
    SettingsFile file(folder.path());
    if (!choices.write(file))
        return "(not written)";
    return folder.readFile("qv3307.ini");
}

} // namespace

void TestSettingsFile::integersParse_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("valid");
    QTest::addColumn<int>("value");
    QTest::newRow("decimal") << "3" << true << 3;
    QTest::newRow("negative") << "-1" << true << -1;
    QTest::newRow("spaces around") << "  7 " << true << 7;
    QTest::newRow("hexadecimal") << "0x1F" << true << 31;
    QTest::newRow("hexadecimal upper X") << "0X10" << true << 16;
    QTest::newRow("negative hexadecimal") << "-0x2" << true << -2;
    QTest::newRow("empty") << "" << false << 0;
    QTest::newRow("word") << "three" << false << 0;
    QTest::newRow("trailing letters") << "3a" << false << 0;
    QTest::newRow("bare 0x") << "0x" << false << 0;
    QTest::newRow("decimal point") << "2.5" << false << 0;
    QTest::newRow("double sign") << "--5" << false << 0;
    QTest::newRow("sign after 0x") << "0x-5" << false << 0;
    QTest::newRow("beyond 32 bits") << "4294967296" << false << 0;
}

void TestSettingsFile::integersParse()
{
    QFETCH(QString, text);
    QFETCH(bool, valid);
    QFETCH(int, value);
    const std::optional<int> parsed = SettingsFile::parseInteger(text);
    QCOMPARE(parsed.has_value(), valid);
    if (valid)
        QCOMPARE(*parsed, value);
}

void TestSettingsFile::missingFileReadsDefaults()
{
    TemporaryProgramFolder folder;
    const StoredChoices choices = StoredChoices::read(SettingsFile(folder.path()));
    QCOMPARE(choices.port, 1);
    QCOMPARE(choices.skin, 0);
    QCOMPARE(choices.selectedBand, 0);
    QCOMPARE(choices.bands, QStringList{"400-470MHz"});
    QVERIFY(!folder.exists("qv3307.ini")); // reading creates nothing
}

void TestSettingsFile::storedValuesAreRead_data()
{
    QTest::addColumn<QByteArray>("ini");
    QTest::addColumn<int>("com");
    QTest::addColumn<int>("skin");
    QTest::addColumn<int>("listnow");
    QTest::addColumn<QStringList>("bands");

    QTest::newRow("all set") << QByteArray("[open]\ncom=3\n[skin1]\nskintnow=2\n[list1]\n"
                                           "listnow=1\nlistcount=1\ncombo0=136-174MHz\n"
                                           "combo1=400-470MHz\n")
                             << 3 << 2 << 1 << QStringList{"136-174MHz", "400-470MHz"};
    QTest::newRow("count beyond the keys present")
        << QByteArray("[list1]\nlistcount=2\ncombo0=136-174MHz\n") << 1 << 0 << 0
        << QStringList{"136-174MHz", "400-470MHz", "400-470MHz"};
    QTest::newRow("negative count")
        << QByteArray("[list1]\nlistcount=-1\ncombo0=136-174MHz\n") << 1 << 0 << 0 << QStringList{};
    QTest::newRow("keys beyond the count are not read")
        << QByteArray("[list1]\nlistcount=0\ncombo0=350-390MHz\ncombo1=136-174MHz\n") << 1 << 0 << 0
        << QStringList{"350-390MHz"};
    QTest::newRow("not integers read as defaults")
        << QByteArray("[open]\ncom=COM3\n[skin1]\nskintnow=blue\n[list1]\nlistnow=x\n"
                      "listcount=one\n")
        << 1 << 0 << 0 << QStringList{"400-470MHz"};
    QTest::newRow("hexadecimal values") << QByteArray("[open]\ncom=0x4\n[skin1]\nskintnow=0x1\n")
                                        << 4 << 1 << 0 << QStringList{"400-470MHz"};
    QTest::newRow("port outside 1 to 4 kept")
        << QByteArray("[open]\ncom=7\n") << 7 << 0 << 0 << QStringList{"400-470MHz"};
    QTest::newRow("Windows line endings")
        << QByteArray("[open]\r\ncom=2\r\n[list1]\r\ncombo0=136-174MHz\r\n") << 2 << 0 << 0
        << QStringList{"136-174MHz"};
}

void TestSettingsFile::storedValuesAreRead()
{
    QFETCH(QByteArray, ini);
    TemporaryProgramFolder folder;
    folder.writeFile("qv3307.ini", ini);
    const StoredChoices choices = StoredChoices::read(SettingsFile(folder.path()));
    QTEST(choices.port, "com");
    QTEST(choices.skin, "skin");
    QTEST(choices.selectedBand, "listnow");
    QTEST(choices.bands, "bands");
}

void TestSettingsFile::sectionsAndKeysIgnoreLetterCase()
{
    TemporaryProgramFolder folder;
    folder.writeFile("qv3307.ini", "[OPEN]\nCom=2\n[List1]\nLISTCOUNT=0\nCOMBO0=136-174MHz\n");
    SettingsFile file(folder.path());
    QCOMPARE(file.readInteger("open", "com", 1), 2);
    QCOMPARE(file.readText("list1", "combo0", "x"), QString("136-174MHz"));

    file.writeInteger("open", "COM", 4);
    QCOMPARE(SettingsFile(folder.path()).readInteger("Open", "com", 1), 4);
    // Written into the existing key, not added beside it.
    QCOMPARE(folder.readFile("qv3307.ini").toLower().count("com="), 1);
    QVERIFY(folder.readFile("qv3307.ini").contains("Com=4"));
}

void TestSettingsFile::firstRunWritesTheDefinedFile()
{
    TemporaryProgramFolder folder;
    const StoredChoices choices = StoredChoices::read(SettingsFile(folder.path()));
    SettingsFile file(folder.path());
    QVERIFY(choices.write(file));
    QCOMPARE(folder.readFile("qv3307.ini"), QByteArray("[open]\ncom=1\n"
                                                       "[skin1]\nskintnow=0\n"
                                                       "[list1]\nlistnow=0\nlistcount=0\n"
                                                       "combo0=400-470MHz\n"));
}

void TestSettingsFile::writeKeepsUnknownKeysAndUpdatesInPlace()
{
    TemporaryProgramFolder folder;
    folder.writeFile("qv3307.ini", "; written by hand\n[list1]\ncombo5=350-390MHz\nlistnow=3\n"
                                   "[open]\ncom=2\n\n[other]\nkeep=yes\n");
    SettingsFile file(folder.path());
    StoredChoices choices;
    choices.port = 3;
    choices.bands = {"400-470MHz"};
    QVERIFY(choices.write(file));
    QCOMPARE(folder.readFile("qv3307.ini"),
             QByteArray("; written by hand\n[list1]\ncombo5=350-390MHz\nlistnow=0\n"
                        "listcount=0\ncombo0=400-470MHz\n[open]\ncom=3\n\n[other]\nkeep=yes\n"
                        "[skin1]\nskintnow=0\n"));
}

void TestSettingsFile::negativeCountWritesNoBandKeys()
{
    TemporaryProgramFolder folder;
    SettingsFile file(folder.path());
    StoredChoices choices;
    choices.selectedBand = -1;
    QVERIFY(choices.write(file));
    QCOMPARE(folder.readFile("qv3307.ini"), QByteArray("[open]\ncom=1\n[skin1]\nskintnow=0\n"
                                                       "[list1]\nlistnow=-1\nlistcount=-1\n"));
}

void TestSettingsFile::learnedBandGetsTheNextKey()
{
    TemporaryProgramFolder folder;
    folder.writeFile("qv3307.ini", "[list1]\nlistnow=0\nlistcount=0\ncombo0=400-470MHz\n");
    StoredChoices choices = StoredChoices::read(SettingsFile(folder.path()));
    choices.bands << "136-174MHz";
    choices.selectedBand = 1;
    SettingsFile file(folder.path());
    QVERIFY(choices.write(file));
    const StoredChoices again = StoredChoices::read(SettingsFile(folder.path()));
    QCOMPARE(again.bands, (QStringList{"400-470MHz", "136-174MHz"}));
    QCOMPARE(again.selectedBand, 1);
    QCOMPARE(SettingsFile(folder.path()).readInteger("list1", "listcount", 0), 1);
}

void TestSettingsFile::hugeCountIsBounded()
{
    TemporaryProgramFolder folder;
    folder.writeFile("qv3307.ini", "[list1]\nlistcount=2147483647\n");
    const StoredChoices choices = StoredChoices::read(SettingsFile(folder.path()));
    QCOMPARE(choices.bands.size(), StoredChoices::MaxBands);
}

void TestSettingsFile::unchangedLinesComeBackByteForByte_data()
{
    QTest::addColumn<QByteArray>("ini");
    QTest::addColumn<QStringList>("bands");

    const QByteArray complete = "[open]\r\ncom=1\r\n[skin1]\r\nskintnow=0\r\n[list1]\r\n"
                                "listnow=1\r\nlistcount=1\r\ncombo0=400-470MHz\r\ncombo1=";
    QTest::newRow("a GBK band and a GBK comment")
        << "; " + BandList + "\r\n" + complete + Chinese + "\r\n"
        << QStringList{"400-470MHz", "中文"};
    QTest::newRow("bytes that are not GBK")
        << complete + "\x80\xFF-\xA1\r\n"
        << QStringList{"400-470MHz", Gbk::decode("\x80\xFF-\xA1")};
    QTest::newRow("mixed line ends and no last one")
        << QByteArray("[open]\ncom=1\r[skin1]\r\nskintnow=0\n\r\n[list1]\rlistnow=0\r\n"
                      "listcount=0\ncombo0=136-174MHz")
        << QStringList{"136-174MHz"};
    QTest::newRow("lines it does not understand")
        << QByteArray("no section yet=1\n[open\n=value only\n[open]\njust words\n com = 0x1 \n"
                      "[skin1]\nskintnow=0\t\n  ; indented comment\n[list1]\nlistnow=0\n"
                      "listcount=0\ncombo0=  400-470MHz  \n[other]\nkeep=\xB0\xA1\n")
        << QStringList{"400-470MHz"};
}

void TestSettingsFile::unchangedLinesComeBackByteForByte()
{
    QFETCH(QByteArray, ini);
    QFETCH(QStringList, bands);
    TemporaryProgramFolder folder;
    folder.writeFile("qv3307.ini", ini);
    QCOMPARE(StoredChoices::read(SettingsFile(folder.path())).bands, bands);
    QCOMPARE(afterAnUnchangedRun(folder), ini);
}

void TestSettingsFile::changedLinesKeepTheirForm_data()
{
    QTest::addColumn<QByteArray>("ini");
    QTest::addColumn<int>("com");
    QTest::addColumn<QString>("learnedBand"); // appended to the bands read
    QTest::addColumn<QByteArray>("written");

    QTest::newRow("the value changes, the blanks around it stay")
        << QByteArray("[open]\r\n Com =  1  \r\n") << 3 << QString()
        << QByteArray("[open]\r\n Com =  3  \r\n[skin1]\r\nskintnow=0\r\n[list1]\r\n"
                      "listnow=0\r\nlistcount=0\r\ncombo0=400-470MHz\r\n");
    QTest::newRow("a learned Chinese band is written in GBK with the file's line ends")
        << "[list1]\r\nlistcount=0\r\ncombo0=" + Chinese + "\r\n\r\n[open]\r\ncom=1\r\n"
        << 1 << "136-174MHz"
        << "[list1]\r\nlistcount=1\r\ncombo0=" + Chinese +
               "\r\nlistnow=0\r\ncombo1=136-174MHz\r\n\r\n[open]\r\ncom=1\r\n[skin1]\r\n"
               "skintnow=0\r\n";
    QTest::newRow("a file without a last line end gets one before new lines")
        << QByteArray("[open]\ncom=2") << 2 << QString()
        << QByteArray("[open]\ncom=2\n[skin1]\nskintnow=0\n[list1]\nlistnow=0\nlistcount=0\n"
                      "combo0=400-470MHz\n");
    QTest::newRow("bare CR line ends are kept and used")
        << QByteArray("[open]\rcom=1\r") << 4 << QString()
        << QByteArray("[open]\rcom=4\r[skin1]\rskintnow=0\r[list1]\rlistnow=0\rlistcount=0\r"
                      "combo0=400-470MHz\r");
}

void TestSettingsFile::changedLinesKeepTheirForm()
{
    QFETCH(QByteArray, ini);
    QFETCH(int, com);
    QFETCH(QString, learnedBand);
    TemporaryProgramFolder folder;
    folder.writeFile("qv3307.ini", ini);

    StoredChoices choices = StoredChoices::read(SettingsFile(folder.path()));
    choices.port = com;
    if (!learnedBand.isEmpty())
        choices.bands << learnedBand;
    SettingsFile file(folder.path());
    QVERIFY(choices.write(file));
    QTEST(folder.readFile("qv3307.ini"), "written");
    QCOMPARE(StoredChoices::read(SettingsFile(folder.path())).bands, choices.bands);
}

void TestSettingsFile::aFileThatCannotBeReadIsNotReplaced_data()
{
    QTest::addColumn<QByteArray>("ini");
    QTest::addColumn<QFile::Permissions>("permissions");

    const QFile::Permissions readWrite = QFile::ReadOwner | QFile::WriteOwner;
    QTest::newRow("far too large") << "[open]\ncom=3\n" + QByteArray(1 << 20, ';') << readWrite;
    QTest::newRow("not readable") << QByteArray("[open]\ncom=3\n")
                                  << QFile::Permissions(QFile::WriteOwner);
}

void TestSettingsFile::aFileThatCannotBeReadIsNotReplaced()
{
    QFETCH(QByteArray, ini);
    QFETCH(QFile::Permissions, permissions);
    TemporaryProgramFolder folder;
    folder.writeFile("qv3307.ini", ini);
    QVERIFY(QFile::setPermissions(folder.filePath("qv3307.ini"), permissions));

    bool written = true;
    StoredChoices choices;
    {
        const PermissionsHonoured honoured;
        if (!honoured.holds())
            QSKIP("This process passes over file permissions and cannot stop doing so");
        SettingsFile file(folder.path());
        choices = StoredChoices::read(file);
        written = choices.write(file);
    }
    QCOMPARE(choices.port, 1); // read as a missing file
    QVERIFY(!written);
    QVERIFY(QFile::setPermissions(folder.filePath("qv3307.ini"), QFile::ReadOwner));
    QCOMPARE(folder.readFile("qv3307.ini"), ini);
}

void TestSettingsFile::writesThroughWhereOnlyTheFileIsWritable()
{
    // A program folder the user may not write, holding a settings file the user may.
    TemporaryProgramFolder folder;
    folder.writeFile("qv3307.ini", "; " + BandList + "\n[open]\ncom=1\n");
    TemporaryProgramFolder firstRun;
    bool written = false;
    bool firstRunWritten = true;
    {
        const ReadOnlyFolder readOnly(folder.path());
        const ReadOnlyFolder firstRunReadOnly(firstRun.path());
        const PermissionsHonoured honoured;
        if (!honoured.holds())
            QSKIP("This process passes over file permissions and cannot stop doing so");
        SettingsFile file(folder.path());
        StoredChoices choices = StoredChoices::read(file);
        choices.port = 2;
        written = choices.write(file);

        SettingsFile none(firstRun.path());
        firstRunWritten = StoredChoices::read(none).write(none);
    }
    QVERIFY(written);
    QCOMPARE(folder.readFile("qv3307.ini"),
             "; " + BandList +
                 "\n[open]\ncom=2\n[skin1]\nskintnow=0\n[list1]\nlistnow=0\n"
                 "listcount=0\ncombo0=400-470MHz\n");
    QCOMPARE(QDir(folder.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"qv3307.ini"});
    // Where there is no file yet, there is nothing to write in place.
    QVERIFY(!firstRunWritten);
    QVERIFY(!firstRun.exists("qv3307.ini"));
}

void TestSettingsFile::keptWhereTheUserMayWrite_data()
{
    QTest::addColumn<bool>("folderWritable");
    QTest::addColumn<QByteArray>("shipped"); // the program folder's file; none when null
    QTest::addColumn<bool>("shippedWritable");
    QTest::addColumn<QByteArray>("userFile"); // already in the user's folder; none when null
    QTest::addColumn<bool>("inProgramFolder");
    QTest::addColumn<QByteArray>("readsAs"); // the file the program starts from

    const QByteArray shipped = "; shipped\n[open]\ncom=3\n";
    const QByteArray mine = "[open]\ncom=4\n";
    QTest::newRow("writable program folder")
        << true << QByteArray() << false << QByteArray() << true << QByteArray();
    QTest::newRow("read-only folder, nothing shipped")
        << false << QByteArray() << false << QByteArray() << false << QByteArray();
    QTest::newRow("read-only folder, a file shipped")
        << false << shipped << false << QByteArray() << false << shipped;
    QTest::newRow("read-only folder, the user's own file there")
        << false << shipped << true << QByteArray() << true << shipped;
    QTest::newRow("the user's folder has a file already")
        << false << shipped << false << mine << false << mine;
}

void TestSettingsFile::keptWhereTheUserMayWrite()
{
    QFETCH(bool, folderWritable);
    QFETCH(QByteArray, shipped);
    QFETCH(bool, shippedWritable);
    QFETCH(QByteArray, userFile);
    QFETCH(bool, inProgramFolder);
    QFETCH(QByteArray, readsAs);

    TemporaryProgramFolder program;
    TemporaryProgramFolder configHome;
    const QString userFolder = configHome.filePath("qv3307");
    if (!shipped.isNull()) {
        program.writeFile("qv3307.ini", shipped);
        QVERIFY(QFile::setPermissions(program.filePath("qv3307.ini"),
                                      shippedWritable ? QFile::ReadOwner | QFile::WriteOwner
                                                      : QFile::ReadOwner | QFile::ReadOther));
    }
    if (!userFile.isNull()) {
        QVERIFY(QDir().mkpath(userFolder));
        configHome.writeFile("qv3307/qv3307.ini", userFile);
    }

    QString folder;
    bool written = false;
    {
        std::optional<ReadOnlyFolder> readOnly;
        if (!folderWritable)
            readOnly.emplace(program.path());
        const PermissionsHonoured honoured;
        if (!honoured.holds())
            QSKIP("This process passes over file permissions and cannot stop doing so");
        // What the command line reads, which creates nothing: the user's file once there is
        // one, otherwise the program folder's.
        const QString toRead = SettingsLocation::folderToRead(program.path(), configHome.path());
        QCOMPARE(toRead, inProgramFolder || userFile.isNull() ? program.path() : userFolder);
        QCOMPARE(QFileInfo::exists(userFolder), !userFile.isNull());
        folder = SettingsLocation::prepareFolder(program.path(), configHome.path());
        SettingsFile file(folder);
        QCOMPARE(file.toBytes(), readsAs.isNull() ? QByteArray() : readsAs);
        StoredChoices choices = StoredChoices::read(file);
        choices.skin = 2;
        written = choices.write(file);
        QCOMPARE(SettingsLocation::folderToRead(program.path(), configHome.path()), folder);
    }
    QFile::setPermissions(program.filePath("qv3307.ini"), QFile::ReadOwner | QFile::WriteOwner);
    QCOMPARE(folder, inProgramFolder ? program.path() : userFolder);
    QVERIFY(written);
    QVERIFY(QFile(QDir(folder).filePath("qv3307.ini")).size() > 0);
    // The program folder's file is left as shipped when the user's folder keeps the settings,
    // and no user folder is made while the program folder keeps them.
    if (!inProgramFolder && !shipped.isNull())
        QCOMPARE(program.readFile("qv3307.ini"), shipped);
    if (inProgramFolder)
        QVERIFY(!QFileInfo::exists(userFolder));
}

void TestSettingsFile::aStoreWithoutAPathStaysInMemory()
{
    const QDir before = QDir::current();
    const QStringList filesBefore = before.entryList(QDir::Files);
    IniFile ini;
    ini.parse("[open]\ncom=1\n");
    QVERIFY(ini.setValue("open", "com", "3"));
    QVERIFY(ini.setValue("list1", "combo0", "136-174MHz"));
    QCOMPARE(ini.toBytes(), QByteArray("[open]\ncom=3\n[list1]\ncombo0=136-174MHz\n"));
    QCOMPARE(before.entryList(QDir::Files), filesBefore);
}

void TestSettingsFile::writesLeaveTheStoreReadingAsItsBytes()
{
    IniFile ini;
    ini.parse("; no section\n[open]\ncom=1\n\n[list1]\nlistcount=1\ncombo0=a\n[LIST1]\n"
              "combo9=twice\n[other]\nkeep=1\nKEEP=2\n[x=1\nafter=2\n\n\n[last]\nk=0");
    // Each write moves, adds or rewords lines the lookups after it depend on.
    const struct
    {
        QByteArray section, key, value;
    } writes[] = {
        {"open", "skin", "2"},    // a key before a blank line moves every section after it
        {"list1", "combo1", "b"}, // a key inside the file
        {"other", "note", "3"},   // a key before two blank lines
        {"Other", "[X", "1]"},    // the value makes the line a header: "after" leaves "other"
        {"x=1", "after", "4"},    // a key in the section that line opened
        {"LIST1", "COMBO0", "c"}, // the first of two sections of the name, any case
        {"added", "k", "5"},      // a new section at the end
        {"last", "k", "6"},       // the last line, which has no line end
        {"open", "com", "  7  "}, // a value in place
        {"list1", "=", "8"},      // a line that is no key
    };
    const QList<QByteArray> sections{"",    "open",  "list1", "LIST1", "other",
                                     "x=1", "added", "last",  "none"};
    const QList<QByteArray> keys{"com",  "skin", "listcount", "combo0", "combo1", "combo9",
                                 "keep", "note", "[x",        "after",  "k",      ""};
    auto compareWithAFreshReading = [&](const QByteArray& after) {
        IniFile fresh;
        fresh.parse(ini.toBytes());
        for (const QByteArray& section : sections) {
            for (const QByteArray& key : keys) {
                if (ini.value(section, key) != fresh.value(section, key))
                    return after + ": [" + section + "] " + key + " reads " +
                           ini.value(section, key).value_or("(none)") + ", afresh " +
                           fresh.value(section, key).value_or("(none)");
            }
        }
        return QByteArray();
    };
    QCOMPARE(compareWithAFreshReading("before any write"), QByteArray());
    for (const auto& write : writes) {
        QVERIFY(ini.setValue(write.section, write.key, write.value));
        QCOMPARE(compareWithAFreshReading(write.section + "/" + write.key), QByteArray());
    }
    QCOMPARE(ini.value("other", "after"), std::nullopt);
    QCOMPARE(ini.value("X=1", "after"), QByteArray("4"));

    // A forgotten key: the lines after it move up, and a second line of the key now counts.
    const struct
    {
        QByteArray section, key;
    } removals[] = {{"open", "skin"}, {"other", "keep"}, {"none", "k"}, {"added", "k"}};
    for (const auto& removal : removals) {
        QVERIFY(ini.removeKey(removal.section, removal.key));
        QCOMPARE(compareWithAFreshReading("removed " + removal.section + "/" + removal.key),
                 QByteArray());
    }
    QCOMPARE(ini.value("other", "keep"), QByteArray("2"));
    QCOMPARE(ini.value("open", "skin"), std::nullopt);
}

QTEST_GUILESS_MAIN(TestSettingsFile)
#include "tst_settingsfile.moc"
