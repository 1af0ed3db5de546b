#include "files/ChannelFileWriter.h"
#include "files/ChannelListCsv.h"
#include "files/FileCommands.h"
#include "files/FileDialogs.h"
#include "workspace/MessageIds.h"
#include "workspace/Messenger.h"

#include "support/PermissionsHonoured.h"
#include "support/ReadOnlyFolder.h"
#include "support/RecordingMessageLibrary.h"
#include "support/ScriptedFileDialogs.h"
#include "support/WorkspaceFixture.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

namespace {

using S = FunctionSettings;

// The file commands with everything around them recorded: boxes, the main window's
// enabled state, the cell editors being closed and the dialogs.
struct Desk
{
    WorkspaceFixture fixture;
    Workspace& workspace = fixture.workspace;
    RecordingMessageLibrary messages;
    bool windowEnabled = true;
    Messenger messenger{messages, workspace, [this](bool enabled) { windowEnabled = enabled; }};
    ScriptedFileDialogs dialogs;
    QStringList events;
    FileCommands commands{workspace, fixture.localisation, messenger, dialogs,
                          [this] { events << "editors closed"; }};
    QTemporaryDir dir;

    Desk()
    {
        messages.onBox = [this](const RecordingMessageLibrary::Box&) {
            events << (windowEnabled ? "box, window enabled" : "box, window disabled");
        };
        dialogs.onDialog = [this] {
            events << (workspace.editor.loading ? "dialog, loading" : "dialog");
        };
    }

    // A workspace far from every reset: English, a learned band, settings at 0, VOX
    // inhibit off and every cell filled.
    void fillEverything()
    {
        fixture.localisation.switchLanguage(Language::English);
        workspace.bands.append("136-174MHz");
        workspace.bands.select(1);
        workspace.setTitleFromBand();
        workspace.settings.reset({0, 0, 0, 0, 0, 0, 0, 0, 0});
        workspace.settings.setVoxInhibit(false);
        for (int row = Row::FirstChannel; row <= Row::LastChannel; ++row)
            for (int column = Column::FirstField; column <= Column::LastField; ++column)
                workspace.table.setText(row, column, "x");
    }

    QString writeFile(const QString& name, const QByteArray& contents)
    {
        QFile file(dir.filePath(name));
        file.open(QIODevice::WriteOnly);
        file.write(contents);
        return file.fileName();
    }
};

QByteArray channelFile(const QByteArray& squelchLine)
{
    QByteArray file = "QV-3307 MEMORY CHANNEL\r\n\r\n\r\nLanguage 2\r\nBAND 220-260MHz\r\n" +
                      squelchLine +
                      "\r\nBatSave 0 OFF\r\nTxT.O.T 1 1 min\r\nTONE 0 OFF\r\nEMG 0 OFF\r\n"
                      "SCAN 0 ON\r\nVOICE 1 English\r\nVoxGainLevel 7 8\r\nVoxDelay 3 4s\r\n"
                      "VoxInhibit 1\r\n\r\n\r\n";
    file += "CH01 | 440.00000 | OFF | 440.00000 | OFF | Low | ON | OFF | OFF | \r\n";
    return file;
}

} // namespace

class TestFileCommands : public QObject
{
    Q_OBJECT

private slots:
    void newAsksAndResetsOnlyWhenConfirmed_data();
    void newAsksAndResetsOnlyWhenConfirmed();
    void openHoldsLoadingOnEveryPath_data();
    void openHoldsLoadingOnEveryPath();
    void saveWritesWhereTheUserChose_data();
    void saveWritesWhereTheUserChose();
    void savingOverAWritableFileInAReadOnlyFolderShowsNothing();
    void typedNamesGetTheExtension_data();
    void typedNamesGetTheExtension();
    void eachCommandIsOneUndoStep_data();
    void eachCommandIsOneUndoStep();
    void aChannelListRoundTripGivesBackTheSameFile();
    void aChannelListImportListsTheRowsItSkipped();
    void aListWhoseLocationsDoNotFitAsksFirst_data();
    void aListWhoseLocationsDoNotFitAsksFirst();
    void aCellTheListCannotHoldWritesNothing();
};

void TestFileCommands::newAsksAndResetsOnlyWhenConfirmed_data()
{
    QTest::addColumn<bool>("confirmed");
    QTest::newRow("yes") << true;
    QTest::newRow("no") << false;
}

void TestFileCommands::newAsksAndResetsOnlyWhenConfirmed()
{
    QFETCH(bool, confirmed);
    Desk desk;
    desk.fillEverything();
    Workspace& workspace = desk.workspace;
    const FunctionSettings::Positions before = workspace.settings.positions();
    desk.messages.answers = {confirmed};

    desk.commands.newFile();

    QCOMPARE(desk.events,
             (QStringList{"editors closed", "box, window disabled", "editors closed"}));
    QVERIFY(desk.windowEnabled);
    QCOMPARE(desk.messages.boxes.size(), 1);
    QCOMPARE(desk.messages.boxes[0].titleId, int(Message::PromptTitle));
    QCOMPARE(desk.messages.boxes[0].messageId, int(Message::ConfirmNew));
    QCOMPARE(desk.messages.boxes[0].language, QString("english"));

    // Squelch 2, battery save on, time-out 3 min, tone on, alarm on, scan off, voice's third
    // entry, VOX gain 3, VOX delay 3 s, written out rather than taken from the program.
    const S::Positions afterNew{2, 1, 3, 1, 1, 1, 2, 2, 2};
    QCOMPARE(workspace.settings.positions(), confirmed ? afterNew : before);
    QCOMPARE(workspace.settings.voxInhibit(), confirmed);
    for (int row = Row::FirstChannel; row <= Row::LastChannel; ++row) {
        QCOMPARE(workspace.table.text(row, Column::ChannelLabel), ChannelTable::channelLabel(row));
        for (int column = Column::FirstField; column <= Column::LastField; ++column)
            QCOMPARE(workspace.table.text(row, column), confirmed ? QString() : QString("x"));
    }
    // Neither answer touches the band, the title or the language.
    QCOMPARE(workspace.bands.selectedText(), QString("136-174MHz"));
    QCOMPARE(workspace.title(), QString("RZT3307 [136-174MHz]"));
    QCOMPARE(workspace.languageCode, 2);
    QCOMPARE(workspace.table.text(Row::Captions, Column::RxFrequency), QString("RX Freq"));
}

void TestFileCommands::openHoldsLoadingOnEveryPath_data()
{
    QTest::addColumn<QByteArray>("contents"); // empty: the dialog names a missing file
    QTest::addColumn<bool>("cancelled");
    QTest::addColumn<QString>("error");
    QTest::addColumn<bool>("bandTaken");

    QTest::newRow("cancelled") << QByteArray() << true << QString() << false;
    QTest::newRow("a channel file") << channelFile("Squelch 4 4") << false << QString() << true;
    QTest::newRow("a name that does not exist")
        << QByteArray() << false << "File not found" << false;
    QTest::newRow("a letter for a digit: nothing is taken")
        << channelFile("Squelch x 4") << false
        << R"(radio.F19, line 6: "x" is not a squelch level (0–9))" << false;
}

void TestFileCommands::openHoldsLoadingOnEveryPath()
{
    QFETCH(QByteArray, contents);
    QFETCH(bool, cancelled);
    QFETCH(QString, error);
    QFETCH(bool, bandTaken);

    Desk desk;
    desk.fillEverything();
    Workspace& workspace = desk.workspace;
    QList<bool> loadingWhenSelected;
    QObject::connect(&workspace.bands, &BandList::selectionChanged, &workspace.bands,
                     [&] { loadingWhenSelected << workspace.editor.loading; });
    if (!cancelled)
        desk.dialogs.openAnswer = contents.isEmpty() ? desk.dir.filePath("typed.F19")
                                                     : desk.writeFile("radio.F19", contents);

    desk.commands.openFile();

    QCOMPARE(desk.events, (QStringList{"editors closed", "dialog, loading"}));
    QVERIFY(!workspace.editor.loading);
    QVERIFY(desk.messages.boxes.isEmpty()); // no question, no numbered message
    QCOMPARE(desk.messages.errors, error.isEmpty() ? QStringList() : QStringList{error});
    QCOMPARE(workspace.bands.selectedText(),
             bandTaken ? QString("220-260MHz") : QString("136-174MHz"));
    QCOMPARE(loadingWhenSelected, bandTaken ? QList<bool>{true} : QList<bool>{});

    const bool read = bandTaken && error.isEmpty();
    QCOMPARE(workspace.table.text(1, Column::RxFrequency), read ? QString("440.00000") : "x");
    QCOMPARE(workspace.table.text(2, Column::RxFrequency), read ? QString() : "x");
    QCOMPARE(workspace.settings.position(S::VoxGain), read ? 7 : 0);
}

void TestFileCommands::saveWritesWhereTheUserChose_data()
{
    QTest::addColumn<QString>("name"); // empty: cancelled
    QTest::addColumn<bool>("existing");
    QTest::addColumn<QString>("error");

    QTest::newRow("a new file") << "radio.F19" << false << QString();
    QTest::newRow("an existing file is replaced") << "radio.F19" << true << QString();
    QTest::newRow("cancelled") << QString() << false << QString();
    QTest::newRow("a folder of that name") << "folder" << false << "File access denied";
}

void TestFileCommands::saveWritesWhereTheUserChose()
{
    QFETCH(QString, name);
    QFETCH(bool, existing);
    QFETCH(QString, error);

    Desk desk;
    desk.fillEverything();
    QVERIFY(QDir(desk.dir.path()).mkdir("folder"));
    if (existing)
        desk.writeFile(name, "an older file");
    if (!name.isEmpty())
        desk.dialogs.saveAnswer = desk.dir.filePath(name);

    desk.commands.saveFile();

    QCOMPARE(desk.events, (QStringList{"editors closed", "dialog"}));
    QVERIFY(desk.messages.boxes.isEmpty());
    QCOMPARE(desk.messages.errors, error.isEmpty() ? QStringList() : QStringList{error});
    QCOMPARE(desk.workspace.title(), QString("RZT3307 [136-174MHz]"));
    QStringList files = QDir(desk.dir.path()).entryList(QDir::Files | QDir::Hidden);
    if (name.isEmpty() || !error.isEmpty()) {
        QVERIFY(files.isEmpty());
        return;
    }
    QCOMPARE(files, QStringList{name});
    QFile file(desk.dir.filePath(name));
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), ChannelFileWriter(desk.workspace).contents());
}

void TestFileCommands::savingOverAWritableFileInAReadOnlyFolderShowsNothing()
{
    Desk desk;
    desk.fillEverything();
    desk.dialogs.saveAnswer = desk.writeFile("radio.F19", "an older file");
    {
        const ReadOnlyFolder readOnly(desk.dir.path());
        const PermissionsHonoured permissions;
        if (!permissions.holds())
            QSKIP("This process passes over file permissions and cannot stop doing so");
        desk.commands.saveFile();
    }
    QVERIFY(desk.messages.errors.isEmpty());
    QVERIFY(desk.messages.boxes.isEmpty());
    QFile file(*desk.dialogs.saveAnswer);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), ChannelFileWriter(desk.workspace).contents());
}

void TestFileCommands::typedNamesGetTheExtension_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("saved");

    QTest::newRow("no extension") << "radio"
                                  << "radio.F19";
    QTest::newRow("the extension") << "radio.F19"
                                   << "radio.F19";
    QTest::newRow("another extension") << "radio.txt"
                                       << "radio.txt";
    QTest::newRow("an existing file without extension") << "existing"
                                                        << "existing";
    QTest::newRow("a dot in the folder only") << "old.d/radio"
                                              << "old.d/radio.F19";
}

void TestFileCommands::typedNamesGetTheExtension()
{
    QFETCH(QString, typed);
    QFETCH(QString, saved);

    const QTemporaryDir dir;
    QVERIFY(QDir(dir.path()).mkdir("old.d"));
    QFile existing(dir.filePath("existing"));
    QVERIFY(existing.open(QIODevice::WriteOnly));
    QCOMPARE(FileDialogs::withDefaultExtension(dir.filePath(typed)), dir.filePath(saved));
}

void TestFileCommands::eachCommandIsOneUndoStep_data()
{
    QTest::addColumn<QString>("name"); // the file the open dialog names; empty: New
    QTest::addColumn<QByteArray>("contents");
    QTest::addColumn<int>("steps");

    const QByteArray header = ChannelListCsv::Header.join(u',').toUtf8() + "\r\n";
    QTest::newRow("new") << QString() << QByteArray() << 1;
    QTest::newRow("channel file") << "radio.F19" << channelFile("Squelch 4 4") << 1;
    QTest::newRow("channel list") << "list.csv"
                                  << header +
                                         "1,,145.000000,,0.000000,,88.5,88.5,023,NN,023,,FM\r\n"
                                  << 1;
    QTest::newRow("refused channel file") << "radio.F19" << channelFile("Squelch x 4") << 0;
    QTest::newRow("refused channel list") << "list.csv" << QByteArray("Name,Freq\n") << 0;
    QTest::newRow("list with no row that fits") << "list.csv" << header + "1,,441.000000\r\n" << 0;
    QTest::newRow("list with a header and no rows") << "list.csv" << header << 0;
}

void TestFileCommands::eachCommandIsOneUndoStep()
{
    QFETCH(QString, name);
    QFETCH(QByteArray, contents);
    QFETCH(int, steps);

    Desk desk;
    desk.fillEverything();
    Workspace& workspace = desk.workspace;
    workspace.startEditHistory();
    const RadioContents before = workspace.radioContents();
    const QString title = workspace.title();
    if (name.isEmpty()) {
        desk.commands.newFile();
    } else {
        desk.dialogs.openAnswer = desk.writeFile(name, contents);
        desk.commands.openFile();
    }
    QCOMPARE(workspace.undoableEdits(), steps);
    QCOMPARE(desk.messages.errors.size(), 1 - steps);
    if (steps == 0) {
        QCOMPARE(workspace.radioContents(), before);
        return;
    }
    const RadioContents after = workspace.radioContents();
    QVERIFY(after != before);
    if (name.endsWith(".csv")) {
        // Only the channels come from a list.
        QCOMPARE(after.settings, before.settings);
        QCOMPARE(after.band, before.band);
        QCOMPARE(workspace.table.fields(1),
                 (QStringList{"145.00000", "OFF", "145.00000", "OFF", "High", "ON", "OFF", "OFF"}));
        QVERIFY(workspace.table.isEmptyChannel(2));
    }
    QVERIFY(workspace.undoEdit());
    QCOMPARE(workspace.radioContents(), before);
    QCOMPARE(workspace.title(), title);
    QVERIFY(workspace.redoEdit());
    QCOMPARE(workspace.radioContents(), after);
}

void TestFileCommands::aChannelListRoundTripGivesBackTheSameFile()
{
    Desk desk;
    desk.fillEverything();
    QByteArray handMade = channelFile("Squelch 4 4");
    handMade += "CH02 | 145.52500 | 67.0 | 145.02500 | D023N | High | OFF | ON | OFF | \r\n";
    handMade += "CH03 | 446.00625 | D754I | 446.00625 | 254.1 | Low | OFF | OFF | ON | \r\n";
    desk.dialogs.openAnswer = desk.writeFile("hand.F19", handMade);
    desk.commands.openFile();
    QVERIFY(desk.messages.errors.isEmpty());
    // The channels of the file must lie in the band the list is read against.
    desk.workspace.bands.append("100-550MHz");
    desk.workspace.editor.loading = true;
    desk.workspace.bands.select(desk.workspace.bands.count() - 1);
    desk.workspace.editor.loading = false;

    const auto saveAs = [&desk](const QString& name) {
        desk.dialogs.saveAnswer = desk.dir.filePath(name);
        desk.commands.saveFile();
        QFile file(desk.dir.filePath(name));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    };
    const QByteArray first = saveAs("first.F19");
    QVERIFY(saveAs("list.csv").startsWith("Location,Name,Frequency"));
    desk.workspace.table.clearTable();
    desk.dialogs.openAnswer = desk.dir.filePath("list.csv");
    desk.commands.openFile();
    QVERIFY(desk.messages.errors.isEmpty());
    QCOMPARE(saveAs("second.F19"), first);
}

void TestFileCommands::aChannelListImportListsTheRowsItSkipped()
{
    Desk desk;
    desk.fillEverything();
    desk.workspace.editor.loading = true;
    desk.workspace.bands.select(0); // 400-470MHz
    desk.workspace.editor.loading = false;
    desk.workspace.startEditHistory();
    const QByteArray list = "Location,Frequency,Tone,rToneFreq\r\n"
                            "1,440.000000,,\r\n"
                            "2,145.000000,,\r\n"
                            "3,441.000000,Tone,88.4\r\n"
                            "4,442.000000,,\r\n";
    desk.dialogs.openAnswer = desk.writeFile("list.csv", list);
    desk.commands.openFile();

    QCOMPARE(desk.messages.errors,
             QStringList{"list.csv: 2 rows were not imported:\n"
                         "row 3: the frequency \"145.000000\" is outside the band 400-470MHz\n"
                         "row 4: the tone \"88.4\" (rToneFreq) is not a tone of this radio"});
    // The rows skipped leave their channels empty; the others keep their Locations.
    QCOMPARE(desk.workspace.table.text(1, Column::RxFrequency), "440.00000");
    QVERIFY(desk.workspace.table.isEmptyChannel(2));
    QVERIFY(desk.workspace.table.isEmptyChannel(3));
    QCOMPARE(desk.workspace.table.text(4, Column::RxFrequency), "442.00000");
    QCOMPARE(desk.workspace.undoableEdits(), 1);
}

void TestFileCommands::aListWhoseLocationsDoNotFitAsksFirst_data()
{
    QTest::addColumn<QByteArray>("list");
    QTest::addColumn<Language>("language");
    QTest::addColumn<bool>("answer");
    QTest::addColumn<QString>("cause");           // empty: no question
    QTest::addColumn<QStringList>("frequencies"); // of channels 1 to 3; empty: unchanged

    const QString english = "list.csv, row 2: the Location \"0\" is not a channel from 1 to 16";
    QTest::newRow("Locations that fit: no question")
        << QByteArray("Location,Frequency\r\n3,440\r\n1,441\r\n") << Language::English << true
        << QString() << QStringList{"441.00000", "", "440.00000"};
    QTest::newRow("no Location column: file order, no question")
        << QByteArray("Frequency\r\n440\r\n441\r\n") << Language::English << true << QString()
        << QStringList{"440.00000", "441.00000", ""};
    QTest::newRow("Location 0, yes: file order")
        << QByteArray("Location,Frequency\r\n0,440\r\n1,441\r\n") << Language::English << true
        << english << QStringList{"440.00000", "441.00000", ""};
    QTest::newRow("Location 0, no: nothing changes")
        << QByteArray("Location,Frequency\r\n0,440\r\n1,441\r\n") << Language::English << false
        << english << QStringList{};
    QTest::newRow("chinese: a repeated Location")
        << QByteArray("Location,Frequency\r\n1,440\r\n1,441\r\n") << Language::Chinese << true
        << "list.csv，第 3 行：Location “1”与第 2 行重复"
        << QStringList{"440.00000", "441.00000", ""};
}

void TestFileCommands::aListWhoseLocationsDoNotFitAsksFirst()
{
    QFETCH(QByteArray, list);
    QFETCH(Language, language);
    QFETCH(bool, answer);
    QFETCH(QString, cause);
    QFETCH(QStringList, frequencies);

    Desk desk;
    desk.fillEverything();
    desk.fixture.localisation.switchLanguage(language);
    desk.workspace.editor.loading = true;
    desk.workspace.bands.select(0); // 400-470MHz
    desk.workspace.editor.loading = false;
    desk.workspace.startEditHistory();
    desk.messages.answers = {answer};
    desk.dialogs.openAnswer = desk.writeFile("list.csv", list);
    const std::optional<QString> opened = desk.commands.openFile();

    QVERIFY(desk.messages.errors.isEmpty());
    if (cause.isEmpty()) {
        QVERIFY(desk.messages.boxes.isEmpty());
    } else {
        QCOMPARE(desk.messages.messageIds(), QList<int>{Message::ConfirmListInFileOrder});
        QCOMPARE(desk.messages.boxes[0].titleId, int(Message::PromptTitle));
        QCOMPARE(desk.messages.boxes[0].cause, cause);
        QCOMPARE(desk.events.filter("box"), QStringList{"box, window disabled"});
    }
    QVERIFY(desk.windowEnabled);
    QVERIFY(!desk.workspace.editor.loading);
    if (frequencies.isEmpty()) {
        QVERIFY(!opened);
        QCOMPARE(desk.workspace.undoableEdits(), 0);
        QCOMPARE(desk.workspace.table.text(1, Column::RxFrequency), "x");
        return;
    }
    QVERIFY(opened);
    QCOMPARE(desk.workspace.undoableEdits(), 1);
    for (int row = 1; row <= 3; ++row)
        QCOMPARE(desk.workspace.table.text(row, Column::RxFrequency), frequencies[row - 1]);
}

void TestFileCommands::aCellTheListCannotHoldWritesNothing()
{
    Desk desk;
    desk.fillEverything(); // every cell "x"
    desk.dialogs.saveAnswer = desk.dir.filePath("list.csv");
    desk.commands.saveFile();
    QCOMPARE(
        desk.messages.errors,
        QStringList{"channel 1: the receive frequency \"x\" is not a frequency of 100–550 MHz"});
    QVERIFY(!QFile::exists(desk.dir.filePath("list.csv")));
}

QTEST_GUILESS_MAIN(TestFileCommands)
#include "tst_filecommands.moc"
