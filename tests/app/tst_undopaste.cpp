#include "app/IconButton.h"
#include "app/MainWindow.h"
#include "app/MenuPages.h"
#include "app/WorkPages.h"
#include "channels/ChannelGrid.h"
#include "channels/ChannelPage.h"
#include "channels/FrequencyEditor.h"
#include "channels/SettingsPage.h"
#include "link/ReadWriteDialog.h"
#include "link/ReadWriteSession.h"

#include "support/GridProgram.h"
#include "support/SampleRadio.h"

#include <QClipboard>
#include <QComboBox>
#include <QGuiApplication>
#include <QPushButton>
#include <QTest>

namespace {

// The program, shown in English, driven with the user's mouse and keys.
struct Program : GridProgram
{
    using GridProgram::GridProgram;

    void undo() { press(Qt::Key_Z, Qt::ControlModifier); }
};

} // namespace

class TestUndoPaste : public QObject
{
    Q_OBJECT

private slots:
    void undoAndBothRedoKeys();
    void undoWhileTypingDropsTheTyping();
    void aSettingsChoiceIsUndone();
    void undoingAReadSendsNothingToTheRadio();
    void copiesTheSelectedRowsToTheClipboard();
    void pastesSpreadsheetTextAndListsTheLinesThatDoNotFit();
};

void TestUndoPaste::undoAndBothRedoKeys()
{
    Program program;
    QVERIFY(QTest::qWaitForWindowActive(program.window.get()));
    program.typeChannel(1, "440");
    program.click(1, Column::Power);
    QCOMPARE(program.cell(1, Column::Power), "Low");

    program.undo();
    QCOMPARE(program.cell(1, Column::Power), "High");
    program.press(Qt::Key_Y, Qt::ControlModifier);
    QCOMPARE(program.cell(1, Column::Power), "Low");
    program.undo();
    program.press(Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
    QCOMPARE(program.cell(1, Column::Power), "Low");

    program.undo();
    program.undo();
    QVERIFY(program.workspace().table.isEmptyChannel(1));
    QCOMPARE(program.cell(1, Column::Power), QString());
    program.undo(); // nothing before start-up: nothing happens
    QVERIFY(program.messages.errors.isEmpty());
}

void TestUndoPaste::undoWhileTypingDropsTheTyping()
{
    Program program;
    QVERIFY(QTest::qWaitForWindowActive(program.window.get()));
    program.typeChannel(1, "440");
    program.click(1, Column::BusyLock);
    program.click(1, Column::RxFrequency);
    program.press(Qt::Key_Return); // the editor takes the focus, ready to be typed over
    program.type("455");
    QVERIFY(program.window->channelPage()->frequencyEditor()->hasFocus());
    QCOMPARE(program.cell(1, Column::RxFrequency), "455");

    program.undo();
    QCOMPARE(program.cell(1, Column::RxFrequency), "440.00000");
    QCOMPARE(program.cell(1, Column::BusyLock), "ON");
    program.undo();
    QCOMPARE(program.cell(1, Column::BusyLock), "OFF");
    QCOMPARE(program.cell(1, Column::RxFrequency), "440.00000");
}

void TestUndoPaste::aSettingsChoiceIsUndone()
{
    Program program;
    QVERIFY(QTest::qWaitForWindowActive(program.window.get()));
    SettingsPage* page = program.window->settingsPage();
    program.window->workPages()->showPage(page);
    QComboBox* squelch = page->settingBox(FunctionSettings::Squelch);
    squelch->setFocus();
    const int before = program.workspace().settings.position(FunctionSettings::Squelch);
    program.press(Qt::Key_Down);
    QCOMPARE(program.workspace().settings.position(FunctionSettings::Squelch), before + 1);

    program.undo();
    QCOMPARE(program.workspace().settings.position(FunctionSettings::Squelch), before);
    QCOMPARE(squelch->currentIndex(), before);
    program.press(Qt::Key_Y, Qt::ControlModifier);
    QCOMPARE(squelch->currentIndex(), before + 1);
}

void TestUndoPaste::undoingAReadSendsNothingToTheRadio()
{
    Program program(ProgramOptions::withRadio(SampleRadio::image()));
    QVERIFY(QTest::qWaitForWindowActive(program.window.get()));
    const RadioContents before = program.workspace().radioContents();
    const QString titleBefore = program.window->windowTitle();

    program.window->menuPages()->readButton()->button()->click();
    QTest::mouseClick(program.dialog->startButton(), Qt::LeftButton);
    QTRY_VERIFY_WITH_TIMEOUT(!program.dialog->session()->running(), 30'000);
    QTest::mouseClick(program.dialog->exitButton(), Qt::LeftButton);
    const RadioContents read = program.workspace().radioContents();
    QCOMPARE(program.row(1), SampleRadio::rowTexts(1));
    // The exit command may still be on its way when the dialog closes.
    QTRY_COMPARE(program.radio.received(), SampleRadio::readFromProgram());
    const QByteArray received = program.radio.received();

    program.window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(program.window.get()));
    program.grid()->setFocus();
    program.undo();
    QCOMPARE(program.workspace().radioContents(), before);
    QCOMPARE(program.window->windowTitle(), titleBefore);
    program.press(Qt::Key_Y, Qt::ControlModifier);
    QCOMPARE(program.workspace().radioContents(), read);
    QTest::qWait(100);
    QCOMPARE(program.radio.received(), received);
}

void TestUndoPaste::copiesTheSelectedRowsToTheClipboard()
{
    Program program;
    QVERIFY(QTest::qWaitForWindowActive(program.window.get()));
    program.typeChannel(2, "440");
    program.typeChannel(3, "450.125");
    program.click(3, Column::TxTone);
    program.grid()->setFocus();

    // Without a row selection, the current row.
    program.press(Qt::Key_C, Qt::ControlModifier);
    QCOMPARE(QGuiApplication::clipboard()->text(),
             "450.12500\tOFF\t450.12500\tOFF\tHigh\tON\tOFF\tOFF\n");

    program.click(2, Column::ChannelLabel);
    program.click(4, Column::ChannelLabel, Qt::ShiftModifier);
    program.press(Qt::Key_C, Qt::ControlModifier);
    QCOMPARE(QGuiApplication::clipboard()->text(),
             "440.00000\tOFF\t440.00000\tOFF\tHigh\tON\tOFF\tOFF\n"
             "450.12500\tOFF\t450.12500\tOFF\tHigh\tON\tOFF\tOFF\n"
             "\t\t\t\t\t\t\t\n");
    program.press(Qt::Key_Up, Qt::ShiftModifier);
    program.press(Qt::Key_C, Qt::ControlModifier);
    QCOMPARE(QGuiApplication::clipboard()->text().count(u'\n'), 2);

    program.press(Qt::Key_A, Qt::ControlModifier);
    program.press(Qt::Key_C, Qt::ControlModifier);
    QCOMPARE(QGuiApplication::clipboard()->text().count(u'\n'), 16);
    // Copying changes nothing to undo.
    QCOMPARE(program.workspace().undoableEdits(), 2);
}

void TestUndoPaste::pastesSpreadsheetTextAndListsTheLinesThatDoNotFit()
{
    Program program;
    QVERIFY(QTest::qWaitForWindowActive(program.window.get()));
    program.typeChannel(5, "460");
    const RadioContents before = program.workspace().radioContents();
    const QStringList fifth = program.row(5);
    QGuiApplication::clipboard()->setText("\"440.1\"\tOFF\t445\tD023N\tLow\tOFF\tON\tOFF\r\n"
                                          "480\tOFF\r\n"
                                          "430\t67.0\r\n");
    program.click(4, Column::Power); // an empty channel: only the current cell moves
    program.press(Qt::Key_V, Qt::ControlModifier);

    QCOMPARE(program.row(4),
             (QStringList{"440.10000", "OFF", "445.00000", "D023N", "Low", "OFF", "ON", "OFF"}));
    QCOMPARE(program.row(5), fifth); // its line did not fit
    QCOMPARE(program.row(6),
             (QStringList{"430.00000", "67.0", "430.00000", "OFF", "High", "ON", "OFF", "OFF"}));
    QCOMPARE(program.messages.errors,
             QStringList{"1 pasted line did not fit and was skipped:\n"
                         "line 2: RX Freq \"480\" is outside the band 400-470MHz"});

    // The whole paste is one step.
    program.grid()->setFocus();
    program.undo();
    QCOMPARE(program.workspace().radioContents(), before);
}

QTEST_MAIN(TestUndoPaste)
#include "tst_undopaste.moc"
