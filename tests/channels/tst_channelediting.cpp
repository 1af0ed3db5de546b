#include "app/MainWindow.h"
#include "app/MenuPages.h"
#include "app/WorkPages.h"
#include "channels/ChannelEditor.h"
#include "channels/ChannelGrid.h"
#include "channels/ChannelPage.h"
#include "channels/FrequencyEditor.h"
#include "channels/SettingsPage.h"
#include "channels/TonePicker.h"
#include "workspace/MessageIds.h"

#include "support/GridProgram.h"
#include "support/NewChannel.h"

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QMimeData>
#include <QPushButton>
#include <QTest>
#include <QWheelEvent>

#include <memory>

namespace {

const CellWords English{"OFF", "ON", "High", "Low"};

// The program with the shipped companion files, shown, in English; the test drives its
// channel grid.
struct Program : GridProgram
{
    void turnWheel(int notches)
    {
        const QPoint at = cellCentre(1, Column::RxFrequency);
        QWheelEvent event(at, grid()->viewport()->mapToGlobal(at), {}, {0, notches * 120},
                          Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(grid()->viewport(), &event);
    }
};

} // namespace

// The channel grid driven by mouse, keyboard and wheel in the real main window.
class TestChannelEditing : public QObject
{
    Q_OBJECT

private slots:
    void typingIntoTheGridAndPressingEnterMakesAChannel();
    void editorFiltersWhatIsTyped();
    void outOfBandFrequencyIsPulledInWithAMessage();
    void textThatIsNoNumberKeepsTheGridWhereItIs();
    void enterOnTextThatIsNoNumberKeepsTheEditorOnItsCell();
    void editorFiltersEveryWayTextComesIn_data();
    void editorFiltersEveryWayTextComesIn();
    void longerTextIsShownWholeAndKept();
    void enterOnTheGridLetsTheUserTypeOverAFrequency();
    void flagCellsToggleOnClicksButNotOnArrowKeys();
    void keyMovesNeverToggle_data();
    void keyMovesNeverToggle();
    void wheelMovesTheRowWithoutToggling();
    void chosenToneReachesTheCellWhenThePickerIsLeft();
    void toneChosenBeforeAMoveMovesWithTheChannel();
    void channelWithoutReceiveToneIsNotNew();
    void textDroppedIntoTheEditorReachesTheCell();
    void channelButtonsMoveAndDelete();
    void bandChange_data();
    void bandChange();
    void menuPageHidesTheCellEditors();
    void dataCellTextIsCentredAndCutAtTheCellEdges();
};

void TestChannelEditing::typingIntoTheGridAndPressingEnterMakesAChannel()
{
    Program program;
    QVERIFY(QTest::qWaitForWindowActive(program.window.get()));
    program.click(3, Column::RxFrequency);
    FrequencyEditor* editor = program.editor();
    QVERIFY(editor->isVisible());
    QVERIFY(!editor->hasFocus());
    QCOMPARE(editor->geometry(),
             QRect(QPoint(10, 10) + program.grid()->cellRect(3, Column::RxFrequency).topLeft(),
                   QSize(72, 21)));

    program.type("4");
    QVERIFY(editor->hasFocus());
    QCOMPARE(program.cell(3, Column::RxFrequency), QString("4"));
    program.type("46.00625");
    QCOMPARE(program.cell(3, Column::RxFrequency), QString("446.00625"));
    program.press(Qt::Key_Return);

    QCOMPARE(program.row(3), newChannel("446.00625"));
    QVERIFY(program.messages.boxes.isEmpty());
    QVERIFY(program.grid()->hasFocus());
    QVERIFY(editor->isVisible());
    QCOMPARE(editor->text(), QString("446.00625"));
}

void TestChannelEditing::editorFiltersWhatIsTyped()
{
    Program program;
    QVERIFY(QTest::qWaitForWindowActive(program.window.get()));
    program.click(5, Column::RxFrequency);

    program.type("4.00.5.1x-");
    QCOMPARE(program.editor()->text(), QString("400.51"));
    program.type("23456");
    QCOMPARE(program.editor()->text(), QString("400.51234"));
    program.press(Qt::Key_Backspace);
    program.press(Qt::Key_Left);
    program.press(Qt::Key_Delete);
    QCOMPARE(program.editor()->text(), QString("400.512"));
    QCOMPARE(program.cell(5, Column::RxFrequency), QString("400.512"));
}

void TestChannelEditing::outOfBandFrequencyIsPulledInWithAMessage()
{
    Program program;
    QVERIFY(QTest::qWaitForWindowActive(program.window.get()));
    bool windowEnabledDuringBox = true;
    program.messages.onBox = [&](const RecordingMessageLibrary::Box&) {
        windowEnabledDuringBox = program.window->isEnabled();
    };
    program.click(1, Column::RxFrequency);

    program.type("470");
    program.press(Qt::Key_Enter);

    QCOMPARE(program.row(1), newChannel("469.99500"));
    QCOMPARE(program.messages.messageIds(), QList<int>{Message::FrequencyOutOfBand});
    QCOMPARE(program.messages.boxes.first().titleId, int(Message::PromptTitle));
    QVERIFY(!windowEnabledDuringBox);
    QVERIFY(program.window->isEnabled());
    // The grid still takes the keys after the box.
    QVERIFY(program.grid()->hasFocus());
    program.press(Qt::Key_Down);
    QCOMPARE(program.currentCell(), QPoint(Column::RxFrequency, 2));
}

void TestChannelEditing::textThatIsNoNumberKeepsTheGridWhereItIs()
{
    Program program;
    QVERIFY(QTest::qWaitForWindowActive(program.window.get()));
    program.putChannel(2, "440.00000");
    program.click(2, Column::RxFrequency);
    program.press(Qt::Key_Return);
    program.type("400.");
    program.press(Qt::Key_Home);
    for (int i = 0; i < 3; ++i)
        program.press(Qt::Key_Delete);
    QCOMPARE(program.cell(2, Column::RxFrequency), QString("."));

    program.click(6, Column::RxFrequency);

    QCOMPARE(program.messages.errors, QStringList{"'.' is not a valid floating point value"});
    QCOMPARE(program.currentCell(), QPoint(Column::RxFrequency, 2));
    QCOMPARE(program.cell(2, Column::RxFrequency), QString("."));
    QCOMPARE(program.workspace().editor.currentRow, 2);
    QVERIFY(program.editor()->isVisible());
}

// Enter on a separator alone: the error comes once, and the user corrects the text in
// place instead of meeting the error again on every click.
void TestChannelEditing::enterOnTextThatIsNoNumberKeepsTheEditorOnItsCell()
{
    Program program;
    QVERIFY(QTest::qWaitForWindowActive(program.window.get()));
    program.putChannel(3, "440.00000");
    program.click(3, Column::RxFrequency);
    program.press(Qt::Key_Return);
    program.type("400.");
    program.press(Qt::Key_Home);
    for (int i = 0; i < 3; ++i)
        program.press(Qt::Key_Delete);

    program.press(Qt::Key_Return);

    QCOMPARE(program.messages.errors, QStringList{"'.' is not a valid floating point value"});
    FrequencyEditor* editor = program.editor();
    QVERIFY(editor->isVisible());
    QVERIFY(editor->hasFocus());
    QCOMPARE(editor->text(), QString("."));
    QCOMPARE(editor->pos(),
             QPoint(10, 10) + program.grid()->cellRect(3, Column::RxFrequency).topLeft());

    program.press(Qt::Key_Home);
    program.type("446");
    program.press(Qt::Key_Return);

    QCOMPARE(program.messages.errors.size(), 1);
    QCOMPARE(program.row(3),
             QStringList({"446.00000", "OFF", "440.00000", "OFF", "High", "ON", "OFF", "OFF"}));
    program.click(5, Column::RxFrequency);
    QCOMPARE(program.currentCell(), QPoint(Column::RxFrequency, 5));
    QCOMPARE(program.messages.errors.size(), 1);
}

void TestChannelEditing::editorFiltersEveryWayTextComesIn_data()
{
    QTest::addColumn<QString>("route");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("expected");

    // The editor holds "4" when the text comes in.
    QTest::newRow("keys with Alt held") << "alt"
                                        << "abz."
                                        << "4";
    QTest::newRow("input method") << "input method" << QString::fromUtf8("0a。５") << "40";
    QTest::newRow("paste") << "paste"
                           << "4a0"
                           << "440";
    QTest::newRow("paste with separators") << "paste"
                                           << "00.5.6"
                                           << "400.56";
    QTest::newRow("paste beyond nine characters") << "paste"
                                                  << "1234567890"
                                                  << "412345678";
    QTest::newRow("drop") << "drop"
                          << "3x3"
                          << "433";
}

void TestChannelEditing::editorFiltersEveryWayTextComesIn()
{
    QFETCH(QString, route);
    QFETCH(QString, text);
    QFETCH(QString, expected);
    Program program;
    QVERIFY(QTest::qWaitForWindowActive(program.window.get()));
    program.click(4, Column::RxFrequency);
    program.type("4");
    FrequencyEditor* editor = program.editor();
    QVERIFY(editor->hasFocus());

    if (route == "alt") {
        for (const QChar character : text)
            QTest::keyClick(editor, character.toLatin1(), Qt::AltModifier);
    } else if (route == "input method") {
        QInputMethodEvent commit;
        commit.setCommitString(text);
        QApplication::sendEvent(editor, &commit);
    } else if (route == "paste") {
        QApplication::clipboard()->setText(text);
        QTest::keyClick(editor, Qt::Key_V, Qt::ControlModifier);
    } else {
        QMimeData dropped;
        dropped.setText(text);
        const QPoint end = editor->rect().center();
        QDragEnterEvent enter(end, Qt::CopyAction, &dropped, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(editor, &enter);
        QDropEvent drop(end, Qt::CopyAction, &dropped, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(editor, &drop);
    }

    QCOMPARE(editor->text(), expected);
    QCOMPARE(program.cell(4, Column::RxFrequency), expected);
}

// A hand-edited file may hold a longer frequency: it is shown whole, and the limit holds
// only what is typed onto it.
void TestChannelEditing::longerTextIsShownWholeAndKept()
{
    Program program;
    QVERIFY(QTest::qWaitForWindowActive(program.window.get()));
    program.putChannel(2, "440.00000");
    program.workspace().table.setText(2, Column::RxFrequency, "400.012500");

    program.click(2, Column::RxFrequency);
    QCOMPARE(program.editor()->text(), QString("400.012500"));
    program.press(Qt::Key_Return);
    QVERIFY(program.editor()->hasFocus());
    QCOMPARE(program.cell(2, Column::RxFrequency), QString("400.012500"));
    program.press(Qt::Key_End);
    program.type("9");
    QCOMPARE(program.cell(2, Column::RxFrequency), QString("400.012500"));

    program.press(Qt::Key_Backspace);
    QCOMPARE(program.cell(2, Column::RxFrequency), QString("400.01250"));
    program.press(Qt::Key_Return);
    QCOMPARE(program.cell(2, Column::RxFrequency), QString("400.01250"));
    QVERIFY(program.messages.boxes.isEmpty());
}

void TestChannelEditing::enterOnTheGridLetsTheUserTypeOverAFrequency()
{
    Program program;
    QVERIFY(QTest::qWaitForWindowActive(program.window.get()));
    program.putChannel(2, "440.00000");
    program.click(2, Column::TxFrequency);

    program.press(Qt::Key_Return);
    QVERIFY(program.editor()->hasFocus());
    QCOMPARE(program.editor()->selectedText(), QString("440.00000"));
    program.type("445.5");
    program.press(Qt::Key_Return);

    QCOMPARE(program.cell(2, Column::TxFrequency), QString("445.50000"));
    QCOMPARE(program.cell(2, Column::RxFrequency), QString("440.00000"));
}

void TestChannelEditing::flagCellsToggleOnClicksButNotOnArrowKeys()
{
    Program program;
    QVERIFY(QTest::qWaitForWindowActive(program.window.get()));
    program.putChannel(1, "401.00000");
    program.putChannel(2, "402.00000");

    program.click(1, Column::Power);
    QCOMPARE(program.cell(1, Column::Power), QString("Low"));
    program.click(1, Column::Power);
    QCOMPARE(program.cell(1, Column::Power), QString("High"));

    program.press(Qt::Key_Down);
    QCOMPARE(program.currentCell(), QPoint(Column::Power, 2));
    QCOMPARE(program.cell(2, Column::Power), QString("High"));
    program.press(Qt::Key_Right);
    QCOMPARE(program.cell(2, Column::Wideband), QString("ON"));

    program.click(2, Column::Wideband);
    QCOMPARE(program.cell(2, Column::Wideband), QString("OFF"));
    // The fixed label column and caption row are never reached.
    program.click(1, Column::RxFrequency);
    program.press(Qt::Key_Left);
    program.press(Qt::Key_Up);
    QCOMPARE(program.currentCell(), QPoint(Column::RxFrequency, 1));
    // Keys the grid does not use go on to the page control.
    QTest::keyClick(program.grid(), Qt::Key_Tab, Qt::ControlModifier);
    QCOMPARE(program.window->workPages()->currentWidget(), program.window->settingsPage());
}

void TestChannelEditing::keyMovesNeverToggle_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<Qt::KeyboardModifiers>("modifiers");
    QTest::addColumn<QPoint>("from");
    QTest::addColumn<QPoint>("to");

    const Qt::KeyboardModifiers none = Qt::NoModifier;
    const int power = Column::Power;
    QTest::newRow("Down") << int(Qt::Key_Down) << none << QPoint(power, 8) << QPoint(power, 9);
    QTest::newRow("Up") << int(Qt::Key_Up) << none << QPoint(power, 8) << QPoint(power, 7);
    QTest::newRow("Right") << int(Qt::Key_Right) << none << QPoint(power, 8)
                           << QPoint(Column::Wideband, 8);
    QTest::newRow("Left") << int(Qt::Key_Left) << none << QPoint(Column::Wideband, 8)
                          << QPoint(power, 8);
    QTest::newRow("End") << int(Qt::Key_End) << none << QPoint(power, 8)
                         << QPoint(Column::Scramble, 8);
    QTest::newRow("Page Down") << int(Qt::Key_PageDown) << none << QPoint(power, 8)
                               << QPoint(power, 16);
    QTest::newRow("Page Up") << int(Qt::Key_PageUp) << none << QPoint(Column::BusyLock, 8)
                             << QPoint(Column::BusyLock, 1);
    QTest::newRow("Ctrl+End") << int(Qt::Key_End) << Qt::KeyboardModifiers(Qt::ControlModifier)
                              << QPoint(power, 8) << QPoint(Column::Scramble, 16);
    QTest::newRow("Home") << int(Qt::Key_Home) << none << QPoint(Column::Scramble, 8)
                          << QPoint(Column::RxFrequency, 8);
    QTest::newRow("Ctrl+Home") << int(Qt::Key_Home) << Qt::KeyboardModifiers(Qt::ControlModifier)
                               << QPoint(Column::Scramble, 8) << QPoint(Column::RxFrequency, 1);
}

// Every key that moves the current cell leaves the cells as they were, also when it lands
// on a power or option cell.
void TestChannelEditing::keyMovesNeverToggle()
{
    QFETCH(int, key);
    QFETCH(Qt::KeyboardModifiers, modifiers);
    QFETCH(QPoint, from);
    QFETCH(QPoint, to);
    Program program;
    QVERIFY(QTest::qWaitForWindowActive(program.window.get()));
    for (int row = Row::FirstChannel; row <= Row::LastChannel; ++row)
        program.putChannel(row, QStringLiteral("4%1.00000").arg(row, 2, 10, QChar('0')));
    program.click(from.y(), from.x());
    QStringList before;
    for (int row = Row::FirstChannel; row <= Row::LastChannel; ++row)
        before << program.row(row);

    QTest::keyClick(program.grid(), Qt::Key(key), modifiers);

    QCOMPARE(program.currentCell(), to);
    QStringList after;
    for (int row = Row::FirstChannel; row <= Row::LastChannel; ++row)
        after << program.row(row);
    QCOMPARE(after, before);
}

void TestChannelEditing::wheelMovesTheRowWithoutToggling()
{
    Program program;
    QVERIFY(QTest::qWaitForWindowActive(program.window.get()));
    program.putChannel(1, "401.00000");
    program.putChannel(2, "402.00000");
    program.click(1, Column::Wideband);
    QCOMPARE(program.cell(1, Column::Wideband), QString("OFF"));

    program.turnWheel(-1);
    QCOMPARE(program.currentCell(), QPoint(Column::Wideband, 2));
    QCOMPARE(program.cell(2, Column::Wideband), QString("ON"));
    program.turnWheel(1);
    QCOMPARE(program.currentCell(), QPoint(Column::Wideband, 1));
    QCOMPARE(program.cell(1, Column::Wideband), QString("OFF"));
    program.turnWheel(1); // already on the first channel
    QCOMPARE(program.currentCell(), QPoint(Column::Wideband, 1));
}

void TestChannelEditing::chosenToneReachesTheCellWhenThePickerIsLeft()
{
    Program program;
    QVERIFY(QTest::qWaitForWindowActive(program.window.get()));
    program.putChannel(3, "440.00000");
    program.workspace().table.setText(3, Column::TxTone, "D023N");
    // The first frame has no picker: the first tone cell edited makes it.
    QVERIFY(!program.page()->tonePickerIfMade());

    program.click(3, Column::TxTone);
    TonePicker* picker = program.page()->tonePickerIfMade();
    QVERIFY(picker);
    QVERIFY(picker->isVisible());
    QVERIFY(!picker->hasFocus());
    QCOMPARE(picker->currentText(), QString("D023N"));
    QCOMPARE(picker->count(), 259);
    QCOMPARE(picker->pos(), QPoint(10, 10) + program.grid()->cellRect(3, Column::TxTone).topLeft());

    picker->setFocus(Qt::MouseFocusReason); // the user opens the list
    QTest::keyClick(picker, Qt::Key_Down);  // and chooses the next entry
    QCOMPARE(program.cell(3, Column::TxTone), QString("D023N"));
    program.click(5, Column::RxFrequency);

    QCOMPARE(program.cell(3, Column::TxTone), QString("D025N"));
    QVERIFY(!picker->isVisible());
    QVERIFY(program.editor()->isVisible());
    QCOMPARE(program.currentCell(), QPoint(Column::RxFrequency, 5));
}

void TestChannelEditing::toneChosenBeforeAMoveMovesWithTheChannel()
{
    Program program;
    QVERIFY(QTest::qWaitForWindowActive(program.window.get()));
    program.putChannel(3, "440.00000");
    program.click(3, Column::RxTone);
    program.picker()->setFocus(Qt::MouseFocusReason);
    QTest::keyClick(program.picker(), Qt::Key_Down);

    // The buttons take no focus, so the picker still has it when the move hides it.
    QTest::mouseClick(program.page()->downButton(), Qt::LeftButton);

    QCOMPARE(program.cell(4, Column::RxTone), QString("67.0"));
    QCOMPARE(program.row(3), QStringList(8));
    QVERIFY(program.picker()->isHidden());
}

// A radio read leaves the receive tone empty when it cannot decode the radio's tone. Such a
// channel is no new one: entering and leaving its frequency, or changing it, keeps its
// transmit frequency, tone, power and options.
void TestChannelEditing::channelWithoutReceiveToneIsNotNew()
{
    Program program;
    QVERIFY(QTest::qWaitForWindowActive(program.window.get()));
    const QStringList channel{"435.12500", "", "436.00000", "88.5", "Low", "OFF", "ON", "ON"};
    for (int field = 0; field < channel.size(); ++field) {
        program.workspace().table.setText(6, Column::FirstField + field, channel[field]);
        program.workspace().table.setText(7, Column::FirstField + field, channel[field]);
    }

    program.click(6, Column::RxFrequency);
    program.click(9, Column::RxFrequency);
    QCOMPARE(program.row(6),
             QStringList({"435.12500", "OFF", "436.00000", "88.5", "Low", "OFF", "ON", "ON"}));

    program.click(7, Column::RxFrequency);
    program.type("435.5");
    program.press(Qt::Key_Return);
    QCOMPARE(program.row(7),
             QStringList({"435.50000", "OFF", "436.00000", "88.5", "Low", "OFF", "ON", "ON"}));

    // A row typed from empty still becomes a new channel.
    program.click(9, Column::RxFrequency);
    program.type("446");
    program.press(Qt::Key_Return);
    QCOMPARE(program.row(9), newChannel("446.00000"));
    QVERIFY(program.messages.boxes.isEmpty());
    QVERIFY(program.messages.errors.isEmpty());
}

void TestChannelEditing::textDroppedIntoTheEditorReachesTheCell()
{
    Program program;
    QVERIFY(QTest::qWaitForWindowActive(program.window.get()));
    program.click(4, Column::RxFrequency);
    QMimeData text;
    text.setText("433");
    const QPoint middle = program.editor()->rect().center();

    QDragEnterEvent enter(middle, Qt::CopyAction, &text, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(program.editor(), &enter);
    QDropEvent drop(middle, Qt::CopyAction, &text, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(program.editor(), &drop);

    QCOMPARE(program.editor()->text(), QString("433"));
    QCOMPARE(program.cell(4, Column::RxFrequency), QString("433"));
}

void TestChannelEditing::channelButtonsMoveAndDelete()
{
    Program program;
    QVERIFY(QTest::qWaitForWindowActive(program.window.get()));
    program.putChannel(4, "404.00000");
    program.putChannel(5, "405.00000");
    ChannelPage* page = program.page();

    program.click(5, Column::RxFrequency);
    QTest::mouseClick(page->upButton(), Qt::LeftButton);
    QCOMPARE(program.cell(4, Column::RxFrequency), QString("405.00000"));
    QCOMPARE(program.cell(5, Column::RxFrequency), QString("404.00000"));
    QCOMPARE(program.cell(4, Column::ChannelLabel), QString("    04"));
    QCOMPARE(program.currentCell(), QPoint(Column::RxFrequency, 5)); // the highlight stays
    QVERIFY(!program.editor()->isVisible());

    QTest::mouseClick(page->upButton(), Qt::LeftButton); // the same channel again
    QCOMPARE(program.cell(3, Column::RxFrequency), QString("405.00000"));
    QTest::mouseClick(page->deleteButton(), Qt::LeftButton);
    QCOMPARE(program.row(3), QStringList(8));

    // A frequency still being typed is committed before the move.
    program.click(7, Column::RxFrequency);
    program.type("4");
    QTest::mouseClick(page->downButton(), Qt::LeftButton);
    QCOMPARE(program.messages.messageIds(), QList<int>{Message::FrequencyOutOfBand});
    QCOMPARE(program.row(8), newChannel("400.00000"));
    QCOMPARE(program.row(7), QStringList(8));
}

void TestChannelEditing::bandChange_data()
{
    QTest::addColumn<bool>("answer");

    QTest::newRow("yes") << true;
    QTest::newRow("no") << false;
}

void TestChannelEditing::bandChange()
{
    QFETCH(bool, answer);
    Program program;
    QVERIFY(QTest::qWaitForWindowActive(program.window.get()));
    Workspace& workspace = program.workspace();
    workspace.bands.append("136-174MHz");
    program.putChannel(2, "440.00000");
    // Every setting away from where the reset puts it.
    const FunctionSettings::Positions chosen{7, 0, 0, 0, 0, 0, 1, 5, 3};
    workspace.settings.reset(chosen);
    workspace.settings.setVoxInhibit(false);
    program.click(2, Column::RxFrequency);
    QComboBox* bandBox = program.window->settingsPage()->bandBox();
    program.window->workPages()->showPage(program.window->settingsPage());
    program.messages.answers = {answer};
    bool boxEnabledDuringQuestion = true;
    program.messages.onBox = [&](const RecordingMessageLibrary::Box&) {
        boxEnabledDuringQuestion = bandBox->isEnabled() || program.window->isEnabled();
    };

    QTest::keyClick(bandBox, Qt::Key_Down);

    QCOMPARE(program.messages.messageIds(), QList<int>{Message::ConfirmBandChange});
    QVERIFY(!boxEnabledDuringQuestion);
    QVERIFY(bandBox->isEnabled());
    QCOMPARE(workspace.bands.selectedText(), QString("136-174MHz"));
    QCOMPARE(bandBox->currentText(), QString("136-174MHz"));
    QVERIFY(program.editor()->isHidden());
    // Squelch 2, battery save on, time-out 4 min, tone on, alarm on, scan off, voice off,
    // VOX gain 3, VOX delay 2 s, VOX inhibit checked.
    const QList<int> afterReset{2, 1, 4, 1, 1, 1, 0, 2, 1};
    const QList<int> expected = answer ? afterReset : QList<int>(chosen.begin(), chosen.end());
    QList<int> shown;
    for (int setting = 0; setting < FunctionSettings::SettingCount; ++setting)
        shown << program.window->settingsPage()
                     ->settingBox(FunctionSettings::Setting(setting))
                     ->currentIndex();
    QCOMPARE(shown, expected);
    QCOMPARE(program.window->settingsPage()->voxInhibitBox()->isChecked(), answer);
    QCOMPARE(program.row(2), answer ? QStringList(8) : newChannel("440.00000"));
}

void TestChannelEditing::menuPageHidesTheCellEditors()
{
    Program program;
    QVERIFY(QTest::qWaitForWindowActive(program.window.get()));
    program.putChannel(3, "440.00000");
    program.click(3, Column::RxTone);
    QVERIFY(program.picker()->isVisible());

    program.window->menuPages()->showPage(program.window->menuPages()->fileMenu());

    QVERIFY(program.picker()->isHidden());
    QVERIFY(program.editor()->isHidden());
}

void TestChannelEditing::dataCellTextIsCentredAndCutAtTheCellEdges()
{
    Program program;
    program.workspace().table.setText(5, Column::TxTone, "88");
    program.workspace().table.setText(5, Column::Power, QString(40, QChar('8')));
    const QImage grid = program.grid()->grab().toImage();
    const QColor background(200, 200, 200);
    const auto inkIn = [&](const QRect& area) {
        QRect ink;
        for (int y = area.top() + 2; y < area.bottom() - 1; ++y)
            for (int x = area.left() + 2; x < area.right() - 1; ++x)
                if (QColor(grid.pixel(x, y)) != background)
                    ink |= QRect(x, y, 1, 1);
        return ink;
    };

    const QRect tone = program.grid()->cellRect(5, Column::TxTone);
    const QRect text = inkIn(tone);
    QVERIFY(!text.isEmpty());
    QVERIFY(qAbs(text.center().x() - tone.center().x()) <= 2);
    QVERIFY(qAbs(text.center().y() - tone.center().y()) <= 2);
    // The long text fills its own cell and stops at its edges.
    QVERIFY(!inkIn(program.grid()->cellRect(5, Column::Power)).isEmpty());
    QVERIFY(inkIn(program.grid()->cellRect(6, Column::TxTone)).isEmpty());
    QVERIFY(inkIn(program.grid()->cellRect(5, Column::Wideband)).isEmpty());
}

QTEST_MAIN(TestChannelEditing)
#include "tst_channelediting.moc"
