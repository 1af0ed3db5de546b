#include "app/IconButton.h"
#include "app/MainWindow.h"
#include "app/MenuPages.h"
#include "channels/ChannelEditor.h"
#include "link/ReadWriteDialog.h"
#include "link/SerialPort.h"
#include "workspace/MessageIds.h"

#include "RadioSimulator.h"
#include "support/RecordingMessageLibrary.h"
#include "support/RunningProgram.h"
#include "support/SampleRadio.h"
#include "support/TemporaryProgramFolder.h"

#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QToolButton>

#include <memory>
#include <optional>

using Kind = RadioProtocol::CommandKind;

namespace {

// The program with its read/write dialog; COM1 leads to a simulated radio.
struct Program : RunningProgram
{
    explicit Program(Language language = Language::English,
                     const QByteArray& image = SampleRadio::image(), const RadioFaults& faults = {})
        : RunningProgram(ProgramOptions::withRadio(image, faults, language))
    {
    }

    ReadWriteSession& session() { return *dialog->session(); }
    void clickRead()
    {
        QTest::mouseClick(window->menuPages()->readButton()->button(), Qt::LeftButton);
    }
    void clickWrite()
    {
        QTest::mouseClick(window->menuPages()->writeButton()->button(), Qt::LeftButton);
    }
    void clickStart() { QTest::mouseClick(dialog->startButton(), Qt::LeftButton); }
    void clickExit() { QTest::mouseClick(dialog->exitButton(), Qt::LeftButton); }
    bool portOpen() { return window->serialPort().isOpen(); }
};

} // namespace

// The main window's read and write commands and the read/write dialog they open, with a
// real main window against the simulated radio.
class TestReadWriteDialog : public QObject
{
    Q_OBJECT

private slots:
    void commandPreparesTheDialog_data();
    void commandPreparesTheDialog();
    void unusablePortStopsTheCommand();
    void failedCommitStopsTheCommand();
    void readThroughTheDialog();
    void closingIsRefusedWhileRunning();

    // Ends the application's event loop: keep it last.
    void quittingDuringARunEndsCleanly();
};

void TestReadWriteDialog::commandPreparesTheDialog_data()
{
    QTest::addColumn<Language>("language");
    QTest::addColumn<int>("procedure");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("startCaption");

    QTest::newRow("read in chinese") << Language::Chinese << int(ReadWriteSession::Read) << "读频"
                                     << "读出";
    QTest::newRow("write in chinese") << Language::Chinese << int(ReadWriteSession::Write) << "写频"
                                      << "写入";
    QTest::newRow("read in english") << Language::English << int(ReadWriteSession::Read) << "Read"
                                     << "Read";
}

void TestReadWriteDialog::commandPreparesTheDialog()
{
    QFETCH(Language, language);
    QFETCH(int, procedure);
    QFETCH(QString, caption);
    QFETCH(QString, startCaption);

    Program program(language);
    program.dialog->setProgress(100); // what an earlier run left
    if (procedure == ReadWriteSession::Read)
        program.clickRead();
    else
        program.clickWrite();

    ReadWriteDialog& dialog = *program.dialog;
    QVERIFY(dialog.isVisible());
    QVERIFY(!dialog.isModal());
    QCOMPARE(dialog.windowTitle(), caption);
    QCOMPARE(dialog.startButton()->text(), startCaption);
    QCOMPARE(dialog.progressBar()->value(), 0);
    QCOMPARE(dialog.percentLabel()->text(), "0%");
    QCOMPARE(program.session().procedure(), procedure);
    QVERIFY(!program.window->isEnabled());
    QVERIFY(dialog.isEnabled());
    QVERIFY(dialog.startButton()->isEnabled());
    QTRY_COMPARE(dialog.focusWidget(), dialog.startButton());
    QVERIFY(program.portOpen());
    QVERIFY(program.messages.boxes.isEmpty());
    // Nothing is sent before the start button is pressed.
    QVERIFY(program.radio.received().isEmpty());
}

void TestReadWriteDialog::unusablePortStopsTheCommand()
{
    Program program;
    program.folder.mapComPort(1, program.folder.filePath("no-such-device"));
    QList<bool> mainWindowEnabled;
    program.messages.onBox = [&](const RecordingMessageLibrary::Box&) {
        mainWindowEnabled << program.window->isEnabled();
    };
    program.clickWrite();

    QCOMPARE(program.messages.boxes.size(), 1);
    QCOMPARE(program.messages.boxes[0].titleId, int(Message::CommunicationTitle));
    QCOMPARE(program.messages.boxes[0].messageId, int(Message::PortUnavailable));
    QCOMPARE(mainWindowEnabled, QList<bool>{false});
    QVERIFY(!program.dialog->isVisible());
    QVERIFY(program.window->isEnabled());
    QVERIFY(!program.portOpen());
}

void TestReadWriteDialog::failedCommitStopsTheCommand()
{
    Program program;
    Workspace& workspace = program.window->workspace();
    // A separator alone, left after deleting the digits before it, is no number.
    workspace.editor.currentColumn = Column::RxFrequency;
    workspace.editor.currentRow = 1;
    workspace.table.setText(1, Column::RxFrequency, ".");
    program.clickRead();

    QCOMPARE(program.messages.errors.size(), 1);
    QVERIFY(program.messages.boxes.isEmpty());
    QVERIFY(!program.dialog->isVisible());
    QVERIFY(program.window->isEnabled());
    QVERIFY(!program.portOpen());
}

void TestReadWriteDialog::readThroughTheDialog()
{
    // A band the band box does not list yet.
    QByteArray image = SampleRadio::image();
    image.replace(0x3E0, 8, QByteArray::fromHex("00350039FFFFFFFF"));
    Program program(Language::English, image);
    Workspace& workspace = program.window->workspace();
    workspace.table.setText(3, Column::RxFrequency, "440.00000");

    program.clickRead();
    program.clickStart();
    QVERIFY(program.dialog->startButton()->isEnabled());
    QCOMPARE(program.dialog->progressBar()->value(), 100);
    QCOMPARE(program.dialog->percentLabel()->text(), "100%");
    QCOMPARE(workspace.bands.selectedText(), "350-390MHz");
    QCOMPARE(program.window->windowTitle(), "RZT3307 [350-390MHz]");
    // Taking the radio's band neither asked about a band change nor emptied the channels.
    QVERIFY(program.messages.boxes.isEmpty());
    for (const int row : {1, 3, 16})
        QCOMPARE(program.row(row), SampleRadio::rowTexts(row));

    // Pressing start again repeats the whole read on the port that is still open.
    program.clickStart();
    QTRY_COMPARE(program.radio.commands(Kind::Exit).size(), 2);
    QCOMPARE(program.radio.received(), SampleRadio::readFromProgram().repeated(2));

    program.clickExit();
    QVERIFY(!program.dialog->isVisible());
    QVERIFY(program.window->isEnabled());
    QVERIFY(!program.portOpen());
}

void TestReadWriteDialog::closingIsRefusedWhileRunning()
{
    RadioFaults silent;
    silent.silent = true;
    Program program(Language::English, SampleRadio::image(), silent);
    ReadWriteDialog& dialog = *program.dialog;
    program.clickRead();

    std::optional<bool> startEnabledWhileRunning;
    QList<bool> visibleAfterEachAttempt;
    QTimer::singleShot(100, &dialog, [&] {
        startEnabledWhileRunning = dialog.startButton()->isEnabled();
        program.clickExit();
        visibleAfterEachAttempt << dialog.isVisible();
        dialog.close();
        visibleAfterEachAttempt << dialog.isVisible();
        QTest::keyClick(&dialog, Qt::Key_Escape);
        visibleAfterEachAttempt << dialog.isVisible();
    });
    program.clickStart();

    QCOMPARE(startEnabledWhileRunning, false);
    QCOMPARE(visibleAfterEachAttempt, (QList<bool>{true, true, true}));
    QCOMPARE(program.messages.messageIds(), QList<int>{Message::RadioNotAnswering});
    QVERIFY(dialog.startButton()->isEnabled());
    QVERIFY(program.portOpen());
    QVERIFY(!program.window->isEnabled());

    // Idle again: the close box closes it, enables the main window and releases the port,
    // which can then be opened again.
    QVERIFY(dialog.close());
    QVERIFY(!dialog.isVisible());
    QVERIFY(program.window->isEnabled());
    QVERIFY(!program.portOpen());
    QCOMPARE(program.window->link().portNumber(), 1);
    QVERIFY(program.window->link().probePort());
}

void TestReadWriteDialog::quittingDuringARunEndsCleanly()
{
    RadioFaults silent;
    silent.silent = true;
    auto program = std::make_unique<Program>(Language::English, SampleRadio::image(), silent);
    program->clickRead();
    std::optional<RadioExchange::Result> result;
    connect(&program->session(), &ReadWriteSession::finished, this,
            [&](RadioExchange::Result finished) { result = finished; });
    QTimer::singleShot(0, this, [&] { program->clickStart(); });
    QTimer::singleShot(300, this, [] { QCoreApplication::quit(); });
    // Should the quit be refused, the test still ends, and fails.
    QTimer::singleShot(20'000, this, [] { QCoreApplication::exit(1); });
    QCOMPARE(QCoreApplication::exec(), 0);

    // The quit closed the dialog in the middle of the run, and the run stopped where it
    // was: no failure was reported.
    QVERIFY(!program->dialog->isVisible());
    QCOMPARE(result, std::nullopt);
    QVERIFY(program->messages.boxes.isEmpty());
    program.reset();
}

QTEST_MAIN(TestReadWriteDialog)
#include "tst_readwritedialog.moc"
