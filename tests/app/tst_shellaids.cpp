#include "app/ComPortPage.h"
#include "app/ControlBar.h"
#include "app/HelpWindow.h"
#include "app/IconButton.h"
#include "app/LanguagePage.h"
#include "app/MainWindow.h"
#include "app/MenuPages.h"
#include "link/ReadWriteDialog.h"
#include "link/ReadWriteSession.h"
#include "service/PowerPage.h"
#include "workspace/ShellTexts.h"

#include "support/RunningProgram.h"
#include "support/SampleRadio.h"

#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTextBrowser>
#include <QToolButton>

// What people expect of a desktop program: tooltips that name the shortcut, help that
// opens even without a browser, F1, a word in the status bar after a command, and no
// maximise button on a window that cannot grow.
class TestShellAids : public QObject
{
    Q_OBJECT

private slots:
    void iconsNameTheirShortcut_data();
    void iconsNameTheirShortcut();
    void helpOpensWithoutABrowser_data();
    void helpOpensWithoutABrowser();
    void statusBarReportsEachCommand();
    void noMaximiseButton();
};

namespace {

bool exposed(RunningProgram& program)
{
    return QTest::qWaitForWindowExposed(program.window.get());
}

QList<std::pair<QString, IconButton*>> iconButtons(MenuPages* menus)
{
    return {
        {"readButton", menus->readButton()},         {"writeButton", menus->writeButton()},
        {"openButton", menus->openButton()},         {"saveButton", menus->saveButton()},
        {"newButton", menus->newButton()},           {"exitButton", menus->exitButton()},
        {"channelsButton", menus->channelsButton()}, {"settingsButton", menus->settingsButton()},
        {"powerButton", menus->powerButton()},       {"comPortButton", menus->comPortButton()},
        {"languageButton", menus->languageButton()}, {"skinButton", menus->skinButton()},
        {"helpButton", menus->helpButton()},         {"aboutButton", menus->aboutButton()},
    };
}

} // namespace

void TestShellAids::iconsNameTheirShortcut_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<bool>("english");
    QTest::addColumn<QString>("tooltip");

    QTest::newRow("read") << "readButton" << true << "Read the radio (Alt+R)";
    QTest::newRow("write") << "writeButton" << true << "Write the radio (Alt+W)";
    QTest::newRow("open") << "openButton" << true << "Open a channel file (Alt+O)";
    QTest::newRow("save") << "saveButton" << true << "Save a channel file (Alt+S)";
    QTest::newRow("new") << "newButton" << true << "New channel data (Alt+N)";
    QTest::newRow("exit") << "exitButton" << true << "Close the program (Alt+X)";
    QTest::newRow("channels") << "channelsButton" << true << "The channel grid (Alt+E)";
    QTest::newRow("settings") << "settingsButton" << true << "The function settings (Alt+T)";
    QTest::newRow("help") << "helpButton" << true << "Open the manual (F1)";
    QTest::newRow("power adjust says how to get there")
        << "powerButton" << true << "Power Adjust: press Ctrl+Tab twice from the channel grid";
    QTest::newRow("read, chinese") << "readButton" << false << "从电台读频 (Alt+R)";
    QTest::newRow("power adjust, chinese")
        << "powerButton" << false << "功率调整：在信道表中按两次 Ctrl+Tab";
}

void TestShellAids::iconsNameTheirShortcut()
{
    QFETCH(QString, button);
    QFETCH(bool, english);
    QFETCH(QString, tooltip);

    RunningProgram program;
    QVERIFY(exposed(program));
    if (!english)
        program.window->languagePage()->chineseButton()->click();
    const QList<std::pair<QString, IconButton*>> icons = iconButtons(program.window->menuPages());
    for (const auto& [name, icon] : icons) {
        if (name != button) {
            // Every other icon has one too.
            QVERIFY2(!icon->toolTip().isEmpty(), qPrintable(name));
            continue;
        }
        QCOMPARE(icon->toolTip(), tooltip);
        QCOMPARE(icon->button()->toolTip(), tooltip);
    }
    for (int menu = 0; menu < ControlBar::MenuCount; ++menu)
        QVERIFY(!program.window->controlBar()->menuButton(menu)->toolTip().isEmpty());
    const QAbstractButton* buttons[] = {
        program.dialog->startButton(),
        program.dialog->exitButton(),
        program.window->powerPage()->readButton(),
        program.window->powerPage()->writeButton(),
        program.window->powerPage()->agingButton(),
        program.window->comPortPage()->useButton(),
        program.window->comPortPage()->forgetButton(),
    };
    for (const QAbstractButton* other : buttons)
        QVERIFY2(!other->toolTip().isEmpty(), qPrintable(other->objectName()));
}

void TestShellAids::helpOpensWithoutABrowser_data()
{
    QTest::addColumn<bool>("browser");
    QTest::addColumn<bool>("byF1");
    QTest::addColumn<bool>("chinese");
    QTest::addColumn<QString>("manual");

    QTest::newRow("desktop shows it") << true << false << false << "qv3307-help.html";
    QTest::newRow("no browser: own window") << false << false << false << "qv3307-help.html";
    QTest::newRow("no browser, chinese") << false << false << true << "qv3307-help.zh.html";
    QTest::newRow("F1, desktop shows it") << true << true << false << "qv3307-help.html";
    QTest::newRow("F1, no browser") << false << true << false << "qv3307-help.html";
}

void TestShellAids::helpOpensWithoutABrowser()
{
    QFETCH(bool, browser);
    QFETCH(bool, byF1);
    QFETCH(bool, chinese);
    QFETCH(QString, manual);

    RunningProgram program;
    program.desktopOpensUrls = browser;
    QVERIFY(exposed(program));
    if (chinese)
        program.window->languagePage()->chineseButton()->click();
    if (byF1) {
        program.window->activateWindow();
        QTest::keyClick(program.window.get(), Qt::Key_F1);
    } else {
        emit program.window->menuPages()->helpButton()->clicked();
    }

    QCOMPARE(program.openedUrls.size(), 1);
    QVERIFY(program.openedUrls[0].toLocalFile().endsWith("help/" + manual));
    HelpWindow* help = program.window->helpWindow();
    QCOMPARE(help != nullptr, !browser);
    if (help) {
        QVERIFY(help->isVisible());
        QCOMPARE(help->browser()->source(), program.openedUrls[0]);
        QVERIFY(!help->browser()->toPlainText().isEmpty());
    }
}

void TestShellAids::statusBarReportsEachCommand()
{
    RunningProgram program(ProgramOptions::withRadio(SampleRadio::image()));
    QVERIFY(program.radioStarted());
    QVERIFY(exposed(program));
    QLabel* status = program.window->statusPanel();
    const QString usual = status->text();
    MenuPages* menus = program.window->menuPages();

    program.readOrWrite(menus->readButton());
    const int programmed = int(SampleRadio::channels().size());
    // Followed by what came of the read's backup.
    QVERIFY2(status->text().startsWith(
                 QString("Read %1 channels from COM1 — Backup saved: ").arg(programmed)),
             qPrintable(status->text()));
    // The usual text comes back by itself.
    QTRY_COMPARE_WITH_TIMEOUT(status->text(), usual, ShellTexts::ReportMs + 3000);

    program.readOrWrite(menus->writeButton());
    QCOMPARE(status->text(), QString("Wrote %1 channels to COM1").arg(programmed));

    const QString file = program.folder.filePath("example.F19");
    program.fileDialogs.answerBoth(file);
    emit menus->saveButton()->clicked();
    QCOMPARE(status->text(), "Saved example.F19");
    emit menus->openButton()->clicked();
    QCOMPARE(status->text(), "Opened example.F19");

    // A command that did not happen says nothing.
    program.fileDialogs.answerBoth(std::nullopt);
    QTRY_COMPARE_WITH_TIMEOUT(status->text(), usual, ShellTexts::ReportMs + 3000);
    emit menus->saveButton()->clicked();
    QCOMPARE(status->text(), usual);
}

void TestShellAids::noMaximiseButton()
{
    RunningProgram program;
    const Qt::WindowFlags flags = program.window->windowFlags();
    QVERIFY(!(flags & Qt::WindowMaximizeButtonHint));
    QVERIFY(flags & Qt::CustomizeWindowHint); // the decorations are the ones named
    QVERIFY(flags & Qt::WindowCloseButtonHint);
    QVERIFY(flags & Qt::WindowMinimizeButtonHint);
    QCOMPARE(program.window->minimumSize(), program.window->maximumSize());
}

QTEST_MAIN(TestShellAids)
#include "tst_shellaids.moc"
