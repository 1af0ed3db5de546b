#include "app/ComPortPage.h"
#include "app/IconButton.h"
#include "app/LanguagePage.h"
#include "app/MainWindow.h"
#include "app/MenuPages.h"
#include "app/WorkPages.h"
#include "link/ReadWriteDialog.h"
#include "link/ReadWriteSession.h"

#include "support/RunningProgram.h"
#include "support/SampleRadio.h"

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

// The COM port page in the real program: the serial devices present follow a cable plugged
// in and out, and a COM port tied to a cable by its stable name carries a read and is
// remembered.
class TestComPortPage : public QObject
{
    Q_OBJECT

private slots:
    void listFollowsPlugAndUnplug();
    void useForComTwoCarriesAReadAndSurvivesARestart();
    void aTieTheSettingsFileCannotKeepIsReported();
};

namespace {

const QString CableName = QStringLiteral("usb-Test_Cable_0001-if00-port0");

QString cablePath(const RunningProgram& program)
{
    return QDir(program.serialByIdFolder()).filePath(CableName);
}

bool plugIn(const RunningProgram& program)
{
    return QDir().mkpath(program.serialByIdFolder()) &&
           QFile::link(program.radio.slavePath(), cablePath(program));
}

ComPortPage* showPortPage(RunningProgram& program)
{
    // The language is applied when the window first shows.
    if (!QTest::qWaitForWindowExposed(program.window.get()))
        return nullptr;
    ComPortPage* page = program.window->comPortPage();
    program.window->workPages()->showPage(page);
    return page;
}

} // namespace

void TestComPortPage::listFollowsPlugAndUnplug()
{
    RunningProgram program(ProgramOptions::withRadio(SampleRadio::image()));
    QVERIFY(program.radioStarted());
    ComPortPage* page = showPortPage(program);
    QVERIFY(page);
    QCOMPARE(page->deviceList()->count(), 0);
    QCOMPARE(page->suggestionLabel()->text(), "No serial device is present.");
    QVERIFY(!page->useButton()->isEnabled());

    QVERIFY(plugIn(program));
    // Within the page's refresh, without any click.
    QTRY_COMPARE_WITH_TIMEOUT(page->deviceList()->count(), 1, 3000);
    QVERIFY(page->deviceList()->item(0)->text().startsWith(cablePath(program)));
    // The one cable there is, with nothing chosen yet, is suggested and stands selected.
    QVERIFY2(page->suggestionLabel()->text().contains("Use for COM1"),
             qPrintable(page->suggestionLabel()->text()));
    QCOMPARE(page->deviceList()->currentRow(), 0);
    QVERIFY(page->useButton()->isEnabled());

    QVERIFY(QFile::remove(cablePath(program)));
    QTRY_COMPARE_WITH_TIMEOUT(page->deviceList()->count(), 0, 3000);
    QCOMPARE(page->suggestionLabel()->text(), "No serial device is present.");

    // While another page is shown, the list is not looked at.
    program.window->workPages()->showPage(program.window->languagePage());
    QVERIFY(plugIn(program));
    QTest::qWait(2 * ComPortPage::RefreshIntervalMs);
    QCOMPARE(page->deviceList()->count(), 0);
    showPortPage(program);
    QCOMPARE(page->deviceList()->count(), 1);
}

void TestComPortPage::useForComTwoCarriesAReadAndSurvivesARestart()
{
    RunningProgram program(ProgramOptions::withRadio(SampleRadio::image()));
    QVERIFY(program.radioStarted());
    // COM1 no longer leads to the radio: only the cable's name does.
    QVERIFY(QFile::remove(program.folder.filePath("dosdevices/com1")));
    QVERIFY(plugIn(program));
    ComPortPage* page = showPortPage(program);
    QVERIFY(page);
    page->portButton(2)->click();
    QCOMPARE(program.window->link().portNumber(), 2);
    QCOMPARE(page->useButton()->text(), "Use for COM2");
    QCOMPARE(page->deviceList()->currentRow(), 0);
    QVERIFY(!page->forgetButton()->isEnabled());

    page->useButton()->click();
    QVERIFY(page->portLineText(2).contains(program.radio.slavePath()));
    QVERIFY(page->forgetButton()->isEnabled());
    QVERIFY(page->suggestionLabel()->text().isEmpty()); // chosen: nothing to suggest
    // Written through at once, by the cable's stable name.
    QVERIFY(program.folder.readFile("qv3307.ini")
                .contains("com2device=" + cablePath(program).toUtf8()));

    program.readOrWrite(program.window->menuPages()->readButton());
    QVERIFY(program.messages.boxes.isEmpty());
    QCOMPARE(program.row(1), SampleRadio::rowTexts(1));

    // The next run finds the cable again by its name.
    program.start();
    page = showPortPage(program);
    QVERIFY(page);
    QVERIFY(page->portButton(2)->isChecked());
    QVERIFY(page->portLineText(2).contains(program.radio.slavePath()));
    program.readOrWrite(program.window->menuPages()->readButton());
    QVERIFY(program.messages.boxes.isEmpty());
    QCOMPARE(program.row(16), SampleRadio::rowTexts(16));

    // Unplugged, the chosen cable stays COM2's device, and the port says it is missing.
    QVERIFY(QFile::remove(cablePath(program)));
    QTRY_VERIFY_WITH_TIMEOUT(page->portLineText(2).contains("not present"), 3000);
    emit program.window->menuPages()->readButton()->clicked();
    QCOMPARE(program.messages.boxes.size(), 1);
    QVERIFY2(program.messages.boxes[0].cause.contains(cablePath(program)),
             qPrintable(program.messages.boxes[0].cause));

    page->forgetButton()->click();
    QVERIFY(!program.folder.readFile("qv3307.ini").contains("com2device"));
    QVERIFY(!page->forgetButton()->isEnabled());
}

void TestComPortPage::aTieTheSettingsFileCannotKeepIsReported()
{
    RunningProgram program(ProgramOptions::withRadio(SampleRadio::image()));
    QVERIFY(program.radioStarted());
    // A settings file that cannot be read is never replaced, so nothing can be written to it.
    QFile::remove(program.folder.filePath("qv3307.ini"));
    QVERIFY(QDir(program.folder.path()).mkdir("qv3307.ini"));
    program.start();
    QVERIFY(plugIn(program));
    ComPortPage* page = showPortPage(program);
    QVERIFY(page);
    QTRY_COMPARE_WITH_TIMEOUT(page->deviceList()->count(), 1, 3000);
    page->deviceList()->setCurrentRow(0);

    page->useButton()->click();
    QCOMPARE(program.messages.errors.size(), 1);
    QVERIFY2(program.messages.errors[0].contains("could not be saved in " +
                                                 program.folder.filePath("qv3307.ini")),
             qPrintable(program.messages.errors[0]));
    // The tie holds for this run all the same.
    QVERIFY(page->portLineText(1).contains(program.radio.slavePath()));

    page->forgetButton()->click();
    QCOMPARE(program.messages.errors.size(), 2);
    QVERIFY(!page->forgetButton()->isEnabled());
}

QTEST_MAIN(TestComPortPage)
#include "tst_comportpage.moc"
