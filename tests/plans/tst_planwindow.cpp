#include "app/MenuPages.h"
#include "channels/ChannelGrid.h"
#include "channels/ChannelPage.h"
#include "channels/TonePicker.h"
#include "plans/PlanCommands.h"
#include "plans/PlanFillDialog.h"

#include "support/GridProgram.h"
#include "support/ModalDialog.h"

#include <QApplication>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QPrintDialog>
#include <QPrinter>
#include <QProcess>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

namespace {

// The program, shown in English, driven with the user's mouse and keys.
using Program = GridProgram;

// With QV3307_SCREENSHOTS naming a folder, the dialog is kept there as a picture to look at.
void keepScreenshot(QWidget& widget, const QString& name)
{
    const QString folder = qEnvironmentVariable("QV3307_SCREENSHOTS");
    if (!folder.isEmpty())
        widget.grab().save(folder + u'/' + name + QStringLiteral(".png"));
}

} // namespace

class TestPlanWindow : public QObject
{
    Q_OBJECT

private slots:
    void fillFromAPlanByItsKeyIsOneStep();
    void aClickInTheSelectionSetsEverySelectedChannel();
    void theContextMenuSetsTheSelectedChannels();
    void printsTheSheetOfTheFileLastSaved();
};

void TestPlanWindow::fillFromAPlanByItsKeyIsOneStep()
{
    Program program;
    QVERIFY(QTest::qWaitForWindowActive(program.window.get()));
    program.typeChannel(3, "440");

    bool dialogSeen = false;
    whenModalShows<PlanFillDialog>([&](PlanFillDialog& dialog) {
        dialogSeen = true;
        dialog.planList()->setCurrentText(QStringLiteral("FRS"));
        QCOMPARE(dialog.channelList()->count(), 22);
        // The plan's first 16 are ticked; the user picks channel 22 instead of 16.
        dialog.channelList()->item(15)->setCheckState(Qt::Unchecked);
        dialog.channelList()->item(21)->setCheckState(Qt::Checked);
        dialog.rxToneList()->setCurrentText(QStringLiteral("67.0"));
        QCOMPARE(dialog.txToneList()->currentText(), QStringLiteral("67.0"));
        QCOMPARE(dialog.summary()->text(), QStringLiteral("Fills channels 1 to 16"));
        keepScreenshot(dialog, QStringLiteral("plan-fill-dialog"));
        dialog.accept();
    });
    program.click(1, Column::RxFrequency);
    program.press(Qt::Key_F, Qt::ControlModifier | Qt::ShiftModifier);
    QVERIFY(dialogSeen);

    QCOMPARE(program.cell(1, Column::RxFrequency), QStringLiteral("462.56250"));
    QCOMPARE(program.cell(8, Column::RxFrequency), QStringLiteral("467.56250"));
    QCOMPARE(program.cell(8, Column::Power), QStringLiteral("Low"));
    QCOMPARE(program.cell(15, Column::RxFrequency), QStringLiteral("462.55000"));
    QCOMPARE(program.cell(16, Column::RxFrequency), QStringLiteral("462.72500"));
    QCOMPARE(program.column(Column::TxTone, 1, 16), QStringList(16, QStringLiteral("67.0")));
    QCOMPARE(program.window->statusPanel()->text(), QStringLiteral("Filled 16 channels from FRS"));
    QVERIFY(program.messages.errors.isEmpty());
    keepScreenshot(*program.window, QStringLiteral("channel-page-filled"));

    // The offscreen platform gives the window no focus back when the dialog closes, as a
    // desktop does.
    program.window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(program.window.get()));
    program.click(5, Column::ChannelLabel);
    program.press(Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(program.cell(1, Column::RxFrequency), QString());
    QCOMPARE(program.cell(3, Column::RxFrequency), QStringLiteral("440.00000"));
    QCOMPARE(program.cell(16, Column::RxFrequency), QString());
}

void TestPlanWindow::aClickInTheSelectionSetsEverySelectedChannel()
{
    Program program;
    QVERIFY(QTest::qWaitForWindowActive(program.window.get()));
    for (const int row : {1, 2, 4})
        program.typeChannel(row, QStringLiteral("44%1").arg(row));
    program.click(1, Column::ChannelLabel);
    program.click(4, Column::ChannelLabel, Qt::ShiftModifier);
    const int steps = program.workspace().undoableEdits();

    program.click(2, Column::Power);
    QCOMPARE(program.column(Column::Power, 1, 4), QStringList({"Low", "Low", "", "Low"}));
    // The selection stays for the next click.
    program.click(4, Column::Scramble);
    QCOMPARE(program.column(Column::Scramble, 1, 4), QStringList({"ON", "ON", "", "ON"}));
    QCOMPARE(program.workspace().undoableEdits(), steps + 2);

    // A tone chosen in the picker of a selected row goes to every selected channel.
    program.click(1, Column::RxTone);
    TonePicker* picker = program.window->channelPage()->tonePicker();
    QVERIFY(picker->isVisible());
    picker->setFocus();
    picker->setCurrentText(QStringLiteral("D023N"));
    program.click(6, Column::RxFrequency);
    QCOMPARE(program.column(Column::RxTone, 1, 4), QStringList({"D023N", "D023N", "", "D023N"}));

    program.press(Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(program.column(Column::RxTone, 1, 4), QStringList({"OFF", "OFF", "", "OFF"}));
    program.press(Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(program.column(Column::Scramble, 1, 4), QStringList({"OFF", "OFF", "", "OFF"}));
    QCOMPARE(program.column(Column::Power, 1, 4), QStringList({"Low", "Low", "", "Low"}));
}

void TestPlanWindow::theContextMenuSetsTheSelectedChannels()
{
    Program program;
    QVERIFY(QTest::qWaitForWindowActive(program.window.get()));
    for (const int row : {2, 3})
        program.typeChannel(row, QStringLiteral("44%1").arg(row));
    program.click(2, Column::ChannelLabel);
    program.click(5, Column::ChannelLabel, Qt::ShiftModifier);

    QStringList entries;
    auto* timer = new QTimer(this);
    timer->setInterval(10);
    connect(timer, &QTimer::timeout, this, [&] {
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        if (!menu)
            return;
        timer->stop();
        for (QAction* action : menu->actions())
            entries << action->text();
        keepScreenshot(*menu, QStringLiteral("channel-rows-menu"));
        for (QAction* action : menu->actions()) {
            if (action->text() == QLatin1String("Busy Lock"))
                action->menu()->actions().first()->trigger(); // ON
        }
        menu->close();
    });
    timer->start();
    QContextMenuEvent event(
        QContextMenuEvent::Mouse, program.cellCentre(3, Column::Power),
        program.grid()->viewport()->mapToGlobal(program.cellCentre(3, Column::Power)));
    QApplication::sendEvent(program.grid()->viewport(), &event);
    QTRY_VERIFY(!entries.isEmpty());

    QCOMPARE(entries, QStringList({"Power", "Wideband", "Busy Lock", "Scramble", "", "RX Tone…",
                                   "TX Tone…", "", "Fill frequencies…", "Fill from a plan…"}));
    QCOMPARE(program.column(Column::BusyLock, 1, 5), QStringList({"", "ON", "ON", "", ""}));
}

void TestPlanWindow::printsTheSheetOfTheFileLastSaved()
{
    Program program;
    QVERIFY(QTest::qWaitForWindowActive(program.window.get()));
    program.typeChannel(1, "446.00625");

    bool printDialogSeen = false;
    whenModalShows<QPrintDialog>([&](QPrintDialog& dialog) {
        printDialogSeen = true;
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Print channel sheet…"));
        keepScreenshot(dialog, QStringLiteral("print-dialog"));
        dialog.reject();
    });
    program.press(Qt::Key_P, Qt::ControlModifier);
    QVERIFY(printDialogSeen);
    MenuPages* menus = program.window->menuPages();
    menus->showPage(menus->fileMenu());
    keepScreenshot(*program.window, QStringLiteral("file-menu"));

    const QTemporaryDir folder;
    program.fileDialogs.answerBoth(folder.filePath(QStringLiteral("club.F19")));
    program.window->menuPages()->saveButton()->button()->click();
    QCOMPARE(program.window->planCommands().fileName(), QStringLiteral("club.F19"));

    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(folder.filePath(QStringLiteral("sheet.pdf")));
    program.window->planCommands().print(printer);
    QProcess pdftotext;
    pdftotext.start(QStringLiteral("pdftotext"),
                    {QStringLiteral("-layout"), printer.outputFileName(), QStringLiteral("-")});
    QVERIFY(pdftotext.waitForFinished(60000));
    const QString text = QString::fromUtf8(pdftotext.readAllStandardOutput());
    QVERIFY2(text.contains(QStringLiteral("File: club.F19")), qPrintable(text));
    QVERIFY(text.contains(QRegularExpression(
        QStringLiteral("01\\s+446.00625\\s+OFF\\s+446.00625\\s+OFF\\s+High\\s+ON\\s+OFF\\s+OFF"))));

    program.messages.answers = {true};
    program.window->menuPages()->newButton()->button()->click();
    QCOMPARE(program.window->planCommands().fileName(), QString());
}

QTEST_MAIN(TestPlanWindow)
#include "tst_planwindow.moc"
