#include "app/ComPortPage.h"
#include "app/IconButton.h"
#include "app/MainWindow.h"
#include "app/MenuIcon.h"
#include "app/MenuPages.h"
#include "app/SkinPage.h"
#include "app/TransferWarning.h"
#include "app/WorkPages.h"
#include "channels/ChannelGrid.h"
#include "channels/ChannelPage.h"
#include "channels/SettingsPage.h"
#include "link/ReadWriteDialog.h"
#include "link/ReadWriteSession.h"
#include "link/SerialPort.h"
#include "workspace/ShellTexts.h"

#include "support/RunningProgram.h"
#include "support/SampleRadio.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QToolButton>

#include <memory>

namespace {

// The program on a program folder that holds nothing but the settings file given, not
// shown yet.
ProgramOptions onEmptyFolder(const QByteArray& settingsFile = {})
{
    ProgramOptions options;
    options.companionFiles = false;
    options.settingsFile = settingsFile;
    options.show = false;
    return options;
}

} // namespace

class TestStartup : public QObject
{
    Q_OBJECT

private slots:
    void firstRunShowsTheDefaults();
    void firstRunWritesTheDefinedFileOnExit();
    void firstShowingMovesToTheProgrammingPage();
    void storedPortChecksItsButton();
    void portOutsideTheButtonsIsKept();
    void storedSkinIsChosen();
    void skinOutsideTheListKeepsTheFirst();
    void negativeBandCountLeavesTheBandBoxEmpty();
    void bandSelectionOutsideTheListFallsBackToTheFirst();
    void exitButtonClosesTheWindow();
    void settingsPageShowsTheTenFields();
    void gridHasItsGeometry();
    void menuIconsShowTheirPictures();
    void menuIconsHaveSharpPictures_data();
    void menuIconsHaveSharpPictures();
    void readWriteDialogIsMadeWhenFirstNeeded();
    void firstFrameHasNoWidgetsItDoesNotNeed();
};

void TestStartup::firstRunShowsTheDefaults()
{
    RunningProgram program(onEmptyFolder());
    MainWindow& window = *program.window;
    QCOMPARE(window.size(), QSize(827, 561));
    QCOMPARE(window.windowTitle(), QString("QV3307"));
    QVERIFY(window.comPortPage()->portButton(1)->isChecked());
    QCOMPARE(window.link().portNumber(), 1);
    QCOMPARE(window.workspace().themeIndex(), 0);
    QCOMPARE(window.workspace().bands.entries(), QStringList{"400-470MHz"});
    QCOMPARE(window.settingsPage()->bandBox()->currentText(), QString("400-470MHz"));
    QVERIFY(!window.workspace().editor.startingUp);
    // Until the window is shown the help menu page is up.
    QCOMPARE(window.menuPages()->currentWidget(), window.menuPages()->helpMenu());
    QCOMPARE(window.workPages()->currentWidget(), window.channelPage());
}

void TestStartup::firstRunWritesTheDefinedFileOnExit()
{
    RunningProgram program(onEmptyFolder());
    QCOMPARE(program.exitAndReadSettingsFile(), QByteArray("[open]\ncom=1\n[skin1]\nskintnow=0\n"
                                                           "[list1]\nlistnow=0\nlistcount=0\n"
                                                           "combo0=400-470MHz\n"));
}

void TestStartup::firstShowingMovesToTheProgrammingPage()
{
    RunningProgram program(onEmptyFolder());
    program.folder.copyCompanionFiles(); // the installer's log picks the language first
    program.window->show();
    QVERIFY(QTest::qWaitForWindowExposed(program.window.get()));
    QCOMPARE(program.window->menuPages()->currentWidget(),
             program.window->menuPages()->programMenu());
    QCOMPARE(program.window->workPages()->currentWidget(), program.window->channelPage());
}

void TestStartup::storedPortChecksItsButton()
{
    RunningProgram program(onEmptyFolder("[open]\ncom=3\n"));
    MainWindow& window = *program.window;
    QVERIFY(window.comPortPage()->portButton(3)->isChecked());
    QVERIFY(!window.comPortPage()->portButton(1)->isChecked());
    QCOMPARE(window.link().portNumber(), 3);
    QCOMPARE(window.serialPort().portNumber(), 3);
    QVERIFY(program.exitAndReadSettingsFile().contains("com=3\n"));
}

void TestStartup::portOutsideTheButtonsIsKept()
{
    RunningProgram program(onEmptyFolder("[open]\ncom=7\n"));
    MainWindow& window = *program.window;
    ComPortPage* page = window.comPortPage();
    QVERIFY(page->portButton(1)->isChecked());
    QCOMPARE(window.link().portNumber(), 7);

    page->portButton(1)->click(); // already checked: nothing happens
    QCOMPARE(window.link().portNumber(), 7);
    QVERIFY(program.exitAndReadSettingsFile().contains("com=7\n"));

    program.start();
    program.window->comPortPage()->portButton(2)->click();
    QCOMPARE(program.window->link().portNumber(), 2);
    program.window->comPortPage()->portButton(1)->click();
    QCOMPARE(program.window->link().portNumber(), 1);
    QVERIFY(program.exitAndReadSettingsFile().contains("com=1\n"));
}

void TestStartup::storedSkinIsChosen()
{
    RunningProgram program(onEmptyFolder("[skin1]\nskintnow=2\n"));
    MainWindow& window = *program.window;
    QCOMPARE(window.workspace().themeIndex(), 2);
    QCOMPARE(window.skinPage()->skinList()->currentText(), QString("Watercolor"));
    // Choosing a skin brings up the options page, as the user's own choice does.
    QCOMPARE(window.menuPages()->currentWidget(), window.menuPages()->optionsMenu());
    QVERIFY(program.exitAndReadSettingsFile().contains("skintnow=2\n"));
}

void TestStartup::skinOutsideTheListKeepsTheFirst()
{
    RunningProgram program(onEmptyFolder("[skin1]\nskintnow=9\n"));
    QCOMPARE(program.window->workspace().themeIndex(), 0);
    QCOMPARE(program.window->skinPage()->skinList()->currentIndex(), 0);
}

void TestStartup::negativeBandCountLeavesTheBandBoxEmpty()
{
    RunningProgram program(onEmptyFolder("[list1]\nlistcount=-1\nlistnow=0\ncombo0=136-174MHz\n"));
    MainWindow& window = *program.window;
    QCOMPARE(window.workspace().bands.count(), 0);
    QCOMPARE(window.workspace().bands.selectedIndex(), -1);
    QCOMPARE(window.settingsPage()->bandBox()->count(), 0);
    const QByteArray ini = program.exitAndReadSettingsFile();
    QVERIFY(ini.contains("listnow=-1\n"));
    QVERIFY(ini.contains("listcount=-1\n"));
    QVERIFY(ini.contains("combo0=136-174MHz")); // a key beyond the count is left alone
}

void TestStartup::bandSelectionOutsideTheListFallsBackToTheFirst()
{
    RunningProgram program(
        onEmptyFolder("[list1]\nlistcount=1\nlistnow=5\ncombo0=136-174MHz\ncombo1=400-470MHz\n"));
    QCOMPARE(program.window->workspace().bands.selectedText(), QString("136-174MHz"));
    QCOMPARE(program.window->settingsPage()->bandBox()->currentText(), QString("136-174MHz"));
    program.window->workspace().bands.select(1);
    QVERIFY(program.exitAndReadSettingsFile().contains("listnow=1\n"));
}

void TestStartup::exitButtonClosesTheWindow()
{
    RunningProgram program(onEmptyFolder());
    program.window->show();
    QVERIFY(QTest::qWaitForWindowExposed(program.window.get()));
    program.window->menuPages()->showPage(program.window->menuPages()->fileMenu());
    IconButton* exit = program.window->menuPages()->exitButton();
    QTest::mouseClick(exit->button(), Qt::LeftButton);
    QTRY_VERIFY(!program.window->isVisible());

    program.window->show();
    program.window->menuPages()->showPage(program.window->menuPages()->fileMenu());
    QTest::mouseClick(exit->label(), Qt::LeftButton); // the caption acts too
    QTRY_VERIFY(!program.window->isVisible());
}

void TestStartup::settingsPageShowsTheTenFields()
{
    RunningProgram program(onEmptyFolder());
    SettingsPage* page = program.window->settingsPage();
    using S = FunctionSettings;
    const QList<QPair<S::Setting, QString>> captions = {
        {S::Squelch, "静噪电平"},       {S::BatterySave, "电池省电"},
        {S::TimeOut, "超时禁发"},       {S::PromptTone, "提示音"},
        {S::AlarmKey, "报警按键"},      {S::Scan, "扫描允许"},
        {S::VoicePrompt, "语音通知"},   {S::VoxGain, "VOX Gain Level"},
        {S::VoxDelay, "VOX Delay Time"}};
    // The start-up positions, written out rather than taken from the program.
    const FunctionSettings::Positions startup{2, 1, 3, 1, 1, 1, 2, 2, 2};
    for (const auto& [setting, caption] : captions) {
        QCOMPARE(page->settingLabel(setting)->text(), caption);
        QCOMPARE(page->settingBox(setting)->currentIndex(), startup[setting]);
    }
    QCOMPARE(page->settingBox(S::Squelch)->objectName(), QString("squelchBox"));
    QCOMPARE(page->settingBox(S::VoicePrompt)->currentText(), QString("禁用"));
    QCOMPARE(page->voxInhibitBox()->text(), QString("VOX Inhibit on Receive"));
    QVERIFY(page->voxInhibitBox()->isChecked());
    QCOMPARE(page->functionGroup()->title(), QString("功能选项"));
    QCOMPARE(page->bandGroup()->title(), QString("型号"));

    // A choice made in a box goes to the settings; a position set by the program shows.
    page->settingBox(S::TimeOut)->setCurrentIndex(0);
    emit page->settingBox(S::TimeOut)->activated(0);
    QCOMPARE(program.window->workspace().settings.position(S::TimeOut), 0);
    program.window->workspace().settings.setPosition(S::Scan, 0);
    QCOMPARE(page->settingBox(S::Scan)->currentText(), QString("ON"));
}

void TestStartup::gridHasItsGeometry()
{
    RunningProgram program(onEmptyFolder());
    ChannelGrid* grid = program.window->channelPage()->grid();
    const int widths[] = {40, 72, 77, 72, 78, 65, 65, 68, 59};
    for (int column = 0; column < 9; ++column)
        QCOMPARE(grid->columnWidth(column), widths[column]);
    for (int row = 0; row < 17; ++row)
        QCOMPARE(grid->rowHeight(row), 21);
    QCOMPARE(grid->model()->data(grid->model()->index(16, 0)).toString(), QString("    16"));
    QCOMPARE(grid->palette().color(QPalette::Base), QColor(200, 200, 200));
}

namespace {

// The part of `picture` that is drawn on, from 0 (nothing) to 1.
double coverage(const QImage& picture)
{
    int drawn = 0;
    for (int y = 0; y < picture.height(); ++y) {
        for (int x = 0; x < picture.width(); ++x)
            drawn += qAlpha(picture.pixel(x, y)) > 0;
    }
    return double(drawn) / (picture.width() * picture.height());
}

} // namespace

void TestStartup::menuIconsShowTheirPictures()
{
    RunningProgram program;
    QVERIFY(QTest::qWaitForWindowExposed(program.window.get()));
    MenuPages* menus = program.window->menuPages();
    const QList<IconButton*> icons = {
        menus->newButton(),   menus->openButton(),     menus->saveButton(),
        menus->exitButton(),  menus->printButton(),    menus->readButton(),
        menus->writeButton(), menus->channelsButton(), menus->settingsButton(),
        menus->powerButton(), menus->comPortButton(),  menus->languageButton(),
        menus->skinButton(),  menus->helpButton(),     menus->aboutButton(),
    };
    for (IconButton* icon : icons) {
        menus->showPage(icon->parentWidget());
        const QImage picture = icon->button()->icon().pixmap(QSize(48, 48)).toImage();
        QCOMPARE(picture.size(), QSize(48, 48));
        // A tile fills most of the square; an empty or unreadable picture fills none.
        QVERIFY2(coverage(picture) > 0.5, qPrintable(icon->objectName()));
    }
}

void TestStartup::menuIconsHaveSharpPictures_data()
{
    QTest::addColumn<QString>("name");
    for (const char* name : {"about", "channels", "comport", "exit", "help", "language", "new",
                             "open", "power", "print", "read", "save", "settings", "skin", "write"})
        QTest::newRow(name) << QString(name);
}

// A screen of two device pixels to a pixel gets a picture drawn at that size, not one
// blown up from the small one.
void TestStartup::menuIconsHaveSharpPictures()
{
    QFETCH(QString, name);
    QCOMPARE(MenuIcon::load(name, 1).availableSizes(), QList<QSize>{QSize(48, 48)});
    const QIcon sharp = MenuIcon::load(name, 2);
    QVERIFY(sharp.availableSizes().contains(QSize(96, 96)));
    QVERIFY(coverage(sharp.pixmap(QSize(48, 48), 2).toImage()) > 0.5);
}

// The first frame needs nothing of the read/write dialog: the first read or write makes
// it, with its captions, its tooltips and the checks qv3307.ini keeps, and runs on it.
void TestStartup::readWriteDialogIsMadeWhenFirstNeeded()
{
    ProgramOptions options = ProgramOptions::withRadio(SampleRadio::image());
    options.readWriteDialog = false;
    options.settingsFile = "[safewrite]\nbackup=0\n";
    RunningProgram program(options);
    QVERIFY(QTest::qWaitForWindowExposed(program.window.get()));
    QVERIFY(program.window->findChildren<ReadWriteDialog*>().isEmpty());

    IconButton* read = program.window->menuPages()->readButton();
    read->button()->click();
    ReadWriteDialog* dialog = program.window->findChild<ReadWriteDialog*>();
    QVERIFY(dialog);
    QVERIFY(dialog->isVisible());
    QCOMPARE(dialog->windowTitle(), read->label()->text());
    QCOMPARE(dialog->startButton()->toolTip(),
             ShellTexts::tooltip(ShellTexts::Tip::StartTransfer, Language::English));
    QVERIFY(!dialog->backupCheckBox()->isChecked());
    QVERIFY(dialog->verifyCheckBox()->isChecked());
    QTest::mouseClick(dialog->startButton(), Qt::LeftButton);
    QTRY_VERIFY_WITH_TIMEOUT(!dialog->session()->running(), 30'000);
    QCOMPARE(program.row(1), SampleRadio::rowTexts(1));
    QTest::mouseClick(dialog->exitButton(), Qt::LeftButton);

    // Later commands find it made.
    program.window->menuPages()->writeButton()->button()->click();
    QCOMPARE(program.window->findChildren<ReadWriteDialog*>(), QList<ReadWriteDialog*>{dialog});
    QVERIFY(dialog->isVisible());
}

// Every widget in the window is styled when the window first comes up, seen or not, which
// costs memory: the menu page the window is made with but replaces before its first frame
// makes no icon buttons, the accelerators are no buttons, and the status bar's warning comes
// when a read or a write first ends. The keys and the warning still work.
void TestStartup::firstFrameHasNoWidgetsItDoesNotNeed()
{
    ProgramOptions options;
    options.readWriteDialog = false;
    RunningProgram program(options);
    MainWindow& window = *program.window;
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QCOMPARE(window.menuPages()->currentWidget(), window.menuPages()->programMenu());
    QVERIFY(window.menuPages()->helpMenu()->findChildren<QToolButton*>().isEmpty());
    const QList<QPushButton*> pushButtons = window.findChildren<QPushButton*>();
    for (const QPushButton* button : pushButtons)
        QVERIFY2(button->isVisible() && !button->size().isEmpty(),
                 qPrintable(button->objectName()));
    QVERIFY(window.findChildren<TransferWarning*>().isEmpty());

    TransferOutcome failed;
    failed.ending = TransferOutcome::Ending::ReadFailed;
    window.transferWarning()->setOutcome(failed, Language::English);
    QVERIFY(window.transferWarning()->isVisible());
    QVERIFY(!window.transferWarning()->textLabel()->text().isEmpty());
}

QTEST_MAIN(TestStartup)
#include "tst_startup.moc"
