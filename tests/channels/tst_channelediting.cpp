#include "app/MainWindow.h"
#include "app/MenuPages.h"
#include "app/MessageIds.h"
#include "app/WorkPages.h"
#include "channels/ChannelEditor.h"
#include "channels/ChannelGrid.h"
#include "channels/ChannelPage.h"
#include "channels/FrequencyEditor.h"
#include "channels/SettingsPage.h"
#include "channels/TonePicker.h"

#include "support/RecordingMessageLibrary.h"
#include "support/TemporaryProgramFolder.h"

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

// The program's main window on a temporary program folder with the shipped companion
// files, shown and active.
struct Program
{
    TemporaryProgramFolder folder;
    RecordingMessageLibrary messages;
    std::unique_ptr<MainWindow> window;

    // The shipped install.Log starts the program in English.
    Program()
    {
        folder.copyCompanionFiles();
        Platform platform;
        platform.programFolder = folder.path();
        platform.messages = &messages;
        window = std::make_unique<MainWindow>(platform);
        window->show();
    }

    Workspace& workspace() { return window->workspace(); }
    ChannelPage* page() { return window->channelPage(); }
    ChannelGrid* grid() { return page()->grid(); }
    FrequencyEditor* editor() { return page()->frequencyEditor(); }
    TonePicker* picker() { return page()->tonePicker(); }
    QString cell(int column, int row) { return workspace().table.text(column, row); }

    QPoint cellCentre(int column, int row)
    {
        return grid()->visualRect(workspace().table.index(row, column)).center();
    }
    void click(int column, int row)
    {
        QTest::mouseClick(grid()->viewport(), Qt::LeftButton, {}, cellCentre(column, row));
    }
    // Keys go where the keyboard focus is, as the user's keys do.
    void type(const QString& keys) { QTest::keyClicks(static_cast<QWidget*>(nullptr), keys); }
    void press(Qt::Key key) { QTest::keyClick(static_cast<QWidget*>(nullptr), key); }
    void turnWheel(int notches)
    {
        const QPoint at = cellCentre(Column::RxFrequency, 1);
        QWheelEvent event(at, grid()->viewport()->mapToGlobal(at), {}, {0, notches * 120},
                          Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(grid()->viewport(), &event);
    }
    QPoint currentCell()
    {
        const QModelIndex current = grid()->currentIndex();
        return {current.column(), current.row()};
    }

    void putChannel(int row, const QString& frequency)
    {
        const QStringList texts{frequency, "OFF", frequency, "OFF", "High", "ON", "OFF", "OFF"};
        for (int field = 0; field < texts.size(); ++field)
            workspace().table.setText(Column::FirstField + field, row, texts[field]);
    }
    QStringList row(int row) { return workspace().table.fields(row); }
};

QStringList newChannel(const QString& frequency)
{
    return {frequency, "OFF", frequency, "OFF", "High", "ON", "OFF", "OFF"};
}

} // namespace

// The channel grid driven by mouse, keyboard and wheel in the real main window.
class TestChannelEditing : public QObject
{
    Q_OBJECT

private slots:
    void typingIntoTheGridAndPressingEnterMakesAChannel();
    void editorFiltersWhatIsTyped();
    void outOfBandFrequencyIsPulledInWithAMessage();
    void pastedTextThatIsNoNumberKeepsTheGridWhereItIs();
    void enterOnTheGridLetsTheUserTypeOverAFrequency();
    void flagCellsToggleOnClicksButNotOnArrowKeys();
    void wheelMovesTheRowWithoutToggling();
    void chosenToneReachesTheCellWhenThePickerIsLeft();
    void toneChosenBeforeAMoveMovesWithTheChannel();
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
    program.click(Column::RxFrequency, 3);
    FrequencyEditor* editor = program.editor();
    QVERIFY(editor->isVisible());
    QVERIFY(!editor->hasFocus());
    QCOMPARE(editor->geometry(),
             QRect(QPoint(10, 10) + program.grid()->cellRect(Column::RxFrequency, 3).topLeft(),
                   QSize(72, 21)));

    program.type("4");
    QVERIFY(editor->hasFocus());
    QCOMPARE(program.cell(Column::RxFrequency, 3), QString("4"));
    program.type("46.00625");
    QCOMPARE(program.cell(Column::RxFrequency, 3), QString("446.00625"));
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
    program.click(Column::RxFrequency, 5);

    program.type("4.00.5.1x-");
    QCOMPARE(program.editor()->text(), QString("400.51"));
    program.type("23456");
    QCOMPARE(program.editor()->text(), QString("400.51234"));
    program.press(Qt::Key_Backspace);
    program.press(Qt::Key_Left);
    program.press(Qt::Key_Delete);
    QCOMPARE(program.editor()->text(), QString("400.512"));
    QCOMPARE(program.cell(Column::RxFrequency, 5), QString("400.512"));
}

void TestChannelEditing::outOfBandFrequencyIsPulledInWithAMessage()
{
    Program program;
    QVERIFY(QTest::qWaitForWindowActive(program.window.get()));
    bool windowEnabledDuringBox = true;
    program.messages.onBox = [&](const RecordingMessageLibrary::Box&) {
        windowEnabledDuringBox = program.window->isEnabled();
    };
    program.click(Column::RxFrequency, 1);

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

void TestChannelEditing::pastedTextThatIsNoNumberKeepsTheGridWhereItIs()
{
    Program program;
    QVERIFY(QTest::qWaitForWindowActive(program.window.get()));
    program.putChannel(2, "440.00000");
    program.click(Column::RxFrequency, 2);
    QTest::mouseClick(program.editor(), Qt::LeftButton);
    QVERIFY(program.editor()->hasFocus());
    program.editor()->selectAll();
    QApplication::clipboard()->setText("4a0");

    QTest::keyClick(program.editor(), Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(program.cell(Column::RxFrequency, 2), QString("4a0"));
    program.click(Column::RxFrequency, 6);

    QCOMPARE(program.messages.errors, QStringList{"'4a0' is not a valid floating point value"});
    QCOMPARE(program.currentCell(), QPoint(Column::RxFrequency, 2));
    QCOMPARE(program.cell(Column::RxFrequency, 2), QString("4a0"));
    QCOMPARE(program.workspace().editor.CurrentRow, 2);
}

void TestChannelEditing::enterOnTheGridLetsTheUserTypeOverAFrequency()
{
    Program program;
    QVERIFY(QTest::qWaitForWindowActive(program.window.get()));
    program.putChannel(2, "440.00000");
    program.click(Column::TxFrequency, 2);

    program.press(Qt::Key_Return);
    QVERIFY(program.editor()->hasFocus());
    QCOMPARE(program.editor()->selectedText(), QString("440.00000"));
    program.type("445.5");
    program.press(Qt::Key_Return);

    QCOMPARE(program.cell(Column::TxFrequency, 2), QString("445.50000"));
    QCOMPARE(program.cell(Column::RxFrequency, 2), QString("440.00000"));
}

void TestChannelEditing::flagCellsToggleOnClicksButNotOnArrowKeys()
{
    Program program;
    QVERIFY(QTest::qWaitForWindowActive(program.window.get()));
    program.putChannel(1, "401.00000");
    program.putChannel(2, "402.00000");

    program.click(Column::Power, 1);
    QCOMPARE(program.cell(Column::Power, 1), QString("Low"));
    program.click(Column::Power, 1);
    QCOMPARE(program.cell(Column::Power, 1), QString("High"));

    program.press(Qt::Key_Down);
    QCOMPARE(program.currentCell(), QPoint(Column::Power, 2));
    QCOMPARE(program.cell(Column::Power, 2), QString("High"));
    program.press(Qt::Key_Right);
    QCOMPARE(program.cell(Column::OptionA, 2), QString("ON"));

    program.click(Column::OptionA, 2);
    QCOMPARE(program.cell(Column::OptionA, 2), QString("OFF"));
    // The fixed label column and caption row are never reached.
    program.click(Column::RxFrequency, 1);
    program.press(Qt::Key_Left);
    program.press(Qt::Key_Up);
    QCOMPARE(program.currentCell(), QPoint(Column::RxFrequency, 1));
    // Keys the grid does not use go on to the page control.
    QTest::keyClick(program.grid(), Qt::Key_Tab, Qt::ControlModifier);
    QCOMPARE(program.window->workPages()->currentWidget(), program.window->settingsPage());
}

void TestChannelEditing::wheelMovesTheRowWithoutToggling()
{
    Program program;
    QVERIFY(QTest::qWaitForWindowActive(program.window.get()));
    program.putChannel(1, "401.00000");
    program.putChannel(2, "402.00000");
    program.click(Column::OptionA, 1);
    QCOMPARE(program.cell(Column::OptionA, 1), QString("OFF"));

    program.turnWheel(-1);
    QCOMPARE(program.currentCell(), QPoint(Column::OptionA, 2));
    QCOMPARE(program.cell(Column::OptionA, 2), QString("ON"));
    program.turnWheel(1);
    QCOMPARE(program.currentCell(), QPoint(Column::OptionA, 1));
    QCOMPARE(program.cell(Column::OptionA, 1), QString("OFF"));
    program.turnWheel(1); // already on the first channel
    QCOMPARE(program.currentCell(), QPoint(Column::OptionA, 1));
}

void TestChannelEditing::chosenToneReachesTheCellWhenThePickerIsLeft()
{
    Program program;
    QVERIFY(QTest::qWaitForWindowActive(program.window.get()));
    program.putChannel(3, "440.00000");
    program.workspace().table.setText(Column::TxTone, 3, "D023N");

    program.click(Column::TxTone, 3);
    TonePicker* picker = program.picker();
    QVERIFY(picker->isVisible());
    QVERIFY(!picker->hasFocus());
    QCOMPARE(picker->currentText(), QString("D023N"));
    QCOMPARE(picker->count(), 259);
    QCOMPARE(picker->pos(), QPoint(10, 10) + program.grid()->cellRect(Column::TxTone, 3).topLeft());

    picker->setFocus(Qt::MouseFocusReason); // the user opens the list
    QTest::keyClick(picker, Qt::Key_Down);  // and chooses the next entry
    QCOMPARE(program.cell(Column::TxTone, 3), QString("D023N"));
    program.click(Column::RxFrequency, 5);

    QCOMPARE(program.cell(Column::TxTone, 3), QString("D025N"));
    QVERIFY(!picker->isVisible());
    QVERIFY(program.editor()->isVisible());
    QCOMPARE(program.currentCell(), QPoint(Column::RxFrequency, 5));
}

void TestChannelEditing::toneChosenBeforeAMoveMovesWithTheChannel()
{
    Program program;
    QVERIFY(QTest::qWaitForWindowActive(program.window.get()));
    program.putChannel(3, "440.00000");
    program.click(Column::RxTone, 3);
    program.picker()->setFocus(Qt::MouseFocusReason);
    QTest::keyClick(program.picker(), Qt::Key_Down);

    // The buttons take no focus, so the picker still has it when the move hides it.
    QTest::mouseClick(program.page()->downButton(), Qt::LeftButton);

    QCOMPARE(program.cell(Column::RxTone, 4), QString("67.0"));
    QCOMPARE(program.row(3), QStringList(8));
    QVERIFY(program.picker()->isHidden());
}

void TestChannelEditing::textDroppedIntoTheEditorReachesTheCell()
{
    Program program;
    QVERIFY(QTest::qWaitForWindowActive(program.window.get()));
    program.click(Column::RxFrequency, 4);
    QMimeData text;
    text.setText("433");
    const QPoint middle = program.editor()->rect().center();

    QDragEnterEvent enter(middle, Qt::CopyAction, &text, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(program.editor(), &enter);
    QDropEvent drop(middle, Qt::CopyAction, &text, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(program.editor(), &drop);

    QCOMPARE(program.editor()->text(), QString("433"));
    QCOMPARE(program.cell(Column::RxFrequency, 4), QString("433"));
}

void TestChannelEditing::channelButtonsMoveAndDelete()
{
    Program program;
    QVERIFY(QTest::qWaitForWindowActive(program.window.get()));
    program.putChannel(4, "404.00000");
    program.putChannel(5, "405.00000");
    ChannelPage* page = program.page();

    program.click(Column::RxFrequency, 5);
    QTest::mouseClick(page->upButton(), Qt::LeftButton);
    QCOMPARE(program.cell(Column::RxFrequency, 4), QString("405.00000"));
    QCOMPARE(program.cell(Column::RxFrequency, 5), QString("404.00000"));
    QCOMPARE(program.cell(Column::ChannelLabel, 4), QString("    04"));
    QCOMPARE(program.currentCell(), QPoint(Column::RxFrequency, 5)); // the highlight stays
    QVERIFY(!program.editor()->isVisible());

    QTest::mouseClick(page->upButton(), Qt::LeftButton); // the same channel again
    QCOMPARE(program.cell(Column::RxFrequency, 3), QString("405.00000"));
    QTest::mouseClick(page->deleteButton(), Qt::LeftButton);
    QCOMPARE(program.row(3), QStringList(8));

    // A frequency still being typed is committed before the move.
    program.click(Column::RxFrequency, 7);
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
    workspace.settings.setPosition(FunctionSettings::Voice, 1);
    workspace.settings.setVoxInhibit(false);
    program.click(Column::RxFrequency, 2);
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
    if (answer) {
        QCOMPARE(program.row(2), QStringList(8));
        QCOMPARE(workspace.settings.position(FunctionSettings::Voice), 0);
        QCOMPARE(workspace.settings.position(FunctionSettings::TxTOT), 4);
        QCOMPARE(workspace.settings.position(FunctionSettings::VoxDelay), 1);
        QVERIFY(program.window->settingsPage()->voxInhibitBox()->isChecked());
    } else {
        QCOMPARE(program.row(2), newChannel("440.00000"));
        QCOMPARE(workspace.settings.position(FunctionSettings::Voice), 1);
        QVERIFY(!workspace.settings.voxInhibit());
    }
}

void TestChannelEditing::menuPageHidesTheCellEditors()
{
    Program program;
    QVERIFY(QTest::qWaitForWindowActive(program.window.get()));
    program.putChannel(3, "440.00000");
    program.click(Column::RxTone, 3);
    QVERIFY(program.picker()->isVisible());

    program.window->menuPages()->showPage(program.window->menuPages()->file1());

    QVERIFY(program.picker()->isHidden());
    QVERIFY(program.editor()->isHidden());
}

void TestChannelEditing::dataCellTextIsCentredAndCutAtTheCellEdges()
{
    Program program;
    program.workspace().table.setText(Column::TxTone, 5, "88");
    program.workspace().table.setText(Column::Power, 5, QString(40, QChar('8')));
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

    const QRect tone = program.grid()->cellRect(Column::TxTone, 5);
    const QRect text = inkIn(tone);
    QVERIFY(!text.isEmpty());
    QVERIFY(qAbs(text.center().x() - tone.center().x()) <= 2);
    QVERIFY(qAbs(text.center().y() - tone.center().y()) <= 2);
    // The long text fills its own cell and stops at its edges.
    QVERIFY(!inkIn(program.grid()->cellRect(Column::Power, 5)).isEmpty());
    QVERIFY(inkIn(program.grid()->cellRect(Column::TxTone, 6)).isEmpty());
    QVERIFY(inkIn(program.grid()->cellRect(Column::OptionA, 5)).isEmpty());
}

QTEST_MAIN(TestChannelEditing)
#include "tst_channelediting.moc"
