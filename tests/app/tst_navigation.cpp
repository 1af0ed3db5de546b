#include "app/ControlBar.h"
#include "app/HoverNavigation.h"
#include "app/IconButton.h"
#include "app/MainWindow.h"
#include "app/MenuPages.h"
#include "app/SkinPage.h"
#include "app/WorkPages.h"
#include "channels/ChannelGrid.h"
#include "channels/ChannelPage.h"
#include "channels/FrequencyEditor.h"
#include "workspace/MessageIds.h"

#include "support/RunningProgram.h"

#include <QApplication>
#include <QComboBox>
#include <QEnterEvent>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>
#include <QToolButton>

#include <memory>

namespace {

// The main window with the shipped companion files, shown and active. The test plays the
// mouse: `mouse` is where the cursor is, in the window's client coordinates.
struct Program : RunningProgram
{
    Program() : RunningProgram(withScriptedMouse()) {}

    static ProgramOptions withScriptedMouse()
    {
        ProgramOptions options;
        options.scriptedMouse = true;
        return options;
    }

    MenuPages* menu() const { return window->menuPages(); }
    WorkPages* work() const { return window->workPages(); }
    ChannelGrid* grid() const { return window->channelPage()->grid(); }

    // The mouse comes onto the toolbar's widget under `at` (client coordinates).
    void enterToolbar(QPoint at)
    {
        mouse = at;
        QWidget* target = window->childAt(at);
        QVERIFY(target);
        QEnterEvent enter(target->mapFrom(window.get(), at), target->mapToGlobal(QPoint()),
                          window->mapToGlobal(at));
        QApplication::sendEvent(target, &enter);
    }
    void waitForTheHoverTimer() { QTRY_VERIFY(!window->hoverNavigation().isTimerRunning()); }
    void focusGrid()
    {
        work()->showPage(window->channelPage());
        grid()->setFocus();
        QTRY_VERIFY(grid()->hasFocus());
    }
};

// Client coordinates over the toolbar: the toolbar starts at x 11, y 2.
QPoint overToolbar(int toolbarX, int y = 20)
{
    return {HoverNavigation::ToolbarLeft + toolbarX, y};
}

} // namespace

class TestNavigation : public QObject
{
    Q_OBJECT

private slots:
    void restingOverAMenuButtonShowsItsPages_data();
    void restingOverAMenuButtonShowsItsPages();
    void movingToAnotherButtonWithinTheDelayShowsThatOne();
    void enteringTheToolbarTakesTheFocus();
    void shortcuts_data();
    void shortcuts();
    void digitsOnTheGridStillGoToTheGrid();
    void exitShortcutClosesTheProgram();
    void ctrlTabReachesTheServicePageInTwoSteps();
    void chosenSkinIsSavedOnExit();
    void helpOpensTheManualOfTheCheckedLanguage();
    void aboutBoxDisablesTheWindowWhileItIsUp();
};

void TestNavigation::restingOverAMenuButtonShowsItsPages_data()
{
    QTest::addColumn<QPoint>("entry");
    QTest::addColumn<QPoint>("atTimer");
    QTest::addColumn<QString>("menuPage");
    QTest::addColumn<QString>("workPage");
    // The program starts on the programming menu and the channel page; the work page is put
    // on the settings page first.
    QTest::newRow("file") << overToolbar(40) << overToolbar(40) << "fileMenu"
                          << "settingsPage";
    QTest::newRow("programming") << overToolbar(130) << overToolbar(130) << "programMenu"
                                 << "channelPage";
    QTest::newRow("options") << overToolbar(220) << overToolbar(220) << "optionsMenu"
                             << "comPortPage";
    QTest::newRow("help") << overToolbar(310) << overToolbar(310) << "helpMenu"
                          << "settingsPage";
    QTest::newRow("edge 84: no timer") << overToolbar(84) << overToolbar(40) << "programMenu"
                                       << "settingsPage";
    QTest::newRow("edge 90: no timer") << overToolbar(90) << overToolbar(130) << "programMenu"
                                       << "settingsPage";
    QTest::newRow("left downward") << overToolbar(220) << overToolbar(220, 80) << "programMenu"
                                   << "settingsPage";
}

void TestNavigation::restingOverAMenuButtonShowsItsPages()
{
    QFETCH(QPoint, entry);
    QFETCH(QPoint, atTimer);
    Program program;
    QVERIFY(QTest::qWaitForWindowActive(program.window.get()));
    QCOMPARE(program.menu()->currentWidget()->objectName(), QString("programMenu"));
    program.work()->setCurrentIndex(1);

    program.enterToolbar(entry);
    program.mouse = atTimer;
    program.waitForTheHoverTimer();

    QFETCH(QString, menuPage);
    QFETCH(QString, workPage);
    QTRY_COMPARE(program.menu()->currentWidget()->objectName(), menuPage);
    QTRY_COMPARE(program.work()->currentWidget()->objectName(), workPage);
}

void TestNavigation::movingToAnotherButtonWithinTheDelayShowsThatOne()
{
    Program program;
    QVERIFY(QTest::qWaitForWindowActive(program.window.get()));
    program.enterToolbar(overToolbar(40));
    QTest::qWait(50);
    program.enterToolbar(overToolbar(85)); // the spacer: a new entry, but in no band
    program.enterToolbar(overToolbar(130));
    program.waitForTheHoverTimer();
    QCOMPARE(program.menu()->currentWidget(), program.menu()->programMenu());
    QCOMPARE(program.work()->currentWidget(), program.window->channelPage());
}

void TestNavigation::enteringTheToolbarTakesTheFocus()
{
    Program program;
    QVERIFY(QTest::qWaitForWindowActive(program.window.get()));
    program.focusGrid();
    program.enterToolbar(overToolbar(300));
    QVERIFY(program.window->focusSink()->hasFocus());
    QVERIFY(program.window->focusSink()->isReadOnly());
    // Plain letters do nothing there.
    QTest::keyClick(static_cast<QWidget*>(nullptr), Qt::Key_T);
    QCOMPARE(program.work()->currentWidget(), program.window->channelPage());
}

void TestNavigation::shortcuts_data()
{
    QTest::addColumn<bool>("onGrid");
    QTest::addColumn<int>("key");
    QTest::addColumn<bool>("alt");
    QTest::addColumn<QString>("workPage");
    QTest::addColumn<QList<int>>("messages");
    // Starting on the channel page; E shows it again, T shows the settings page, N asks the
    // New question.
    QTest::newRow("Alt+T on the grid")
        << true << int(Qt::Key_T) << true << "settingsPage" << QList<int>{};
    QTest::newRow("T on the grid")
        << true << int(Qt::Key_T) << false << "settingsPage" << QList<int>{};
    QTest::newRow("Alt+T on the focus sink")
        << false << int(Qt::Key_T) << true << "settingsPage" << QList<int>{};
    QTest::newRow("T on the focus sink")
        << false << int(Qt::Key_T) << false << "channelPage" << QList<int>{};
    QTest::newRow("N on the grid")
        << true << int(Qt::Key_N) << false << "channelPage" << QList<int>{Message::ConfirmNew};
    QTest::newRow("Alt+N on the focus sink")
        << false << int(Qt::Key_N) << true << "channelPage" << QList<int>{Message::ConfirmNew};
    QTest::newRow("N on the focus sink")
        << false << int(Qt::Key_N) << false << "channelPage" << QList<int>{};
}

void TestNavigation::shortcuts()
{
    QFETCH(bool, onGrid);
    QFETCH(int, key);
    QFETCH(bool, alt);
    Program program;
    QVERIFY(QTest::qWaitForWindowActive(program.window.get()));
    program.messages.answers = {false};
    if (onGrid) {
        program.focusGrid();
    } else {
        program.window->focusSink()->setFocus();
        QTRY_VERIFY(program.window->focusSink()->hasFocus());
    }

    QTest::keyClick(static_cast<QWidget*>(nullptr), Qt::Key(key),
                    alt ? Qt::AltModifier : Qt::NoModifier);

    QFETCH(QString, workPage);
    QFETCH(QList<int>, messages);
    // An accelerator clicks its button the way a mouse would, which takes a moment.
    QTRY_COMPARE(program.work()->currentWidget()->objectName(), workPage);
    QTRY_COMPARE(program.messages.messageIds(), messages);
    QTest::qWait(200);
    QCOMPARE(program.work()->currentWidget()->objectName(), workPage);
    QCOMPARE(program.messages.messageIds(), messages);
}

void TestNavigation::digitsOnTheGridStillGoToTheGrid()
{
    Program program;
    QVERIFY(QTest::qWaitForWindowActive(program.window.get()));
    program.focusGrid();
    const QPoint cell = program.grid()->visualRect(program.grid()->model()->index(1, 1)).center();
    QTest::mouseClick(program.grid()->viewport(), Qt::LeftButton, {}, cell);
    QTest::keyClick(static_cast<QWidget*>(nullptr), Qt::Key_4);
    QCOMPARE(program.window->channelPage()->frequencyEditor()->text(), QString("4"));
    QVERIFY(program.window->isVisible());
}

void TestNavigation::exitShortcutClosesTheProgram()
{
    for (const bool alt : {true, false}) {
        Program program;
        QVERIFY(QTest::qWaitForWindowActive(program.window.get()));
        program.focusGrid();
        QTest::keyClick(static_cast<QWidget*>(nullptr), Qt::Key_X,
                        alt ? Qt::AltModifier : Qt::NoModifier);
        QTRY_VERIFY(!program.window->isVisible());
    }
}

void TestNavigation::ctrlTabReachesTheServicePageInTwoSteps()
{
    Program program;
    QVERIFY(QTest::qWaitForWindowActive(program.window.get()));
    program.focusGrid();
    QTest::keyClick(static_cast<QWidget*>(nullptr), Qt::Key_Tab, Qt::ControlModifier);
    QCOMPARE(program.work()->currentWidget()->objectName(), QString("settingsPage"));
    QTest::keyClick(program.work()->currentWidget(), Qt::Key_Tab, Qt::ControlModifier);
    QCOMPARE(program.work()->currentWidget()->objectName(), QString("powerPage"));
    QTest::keyClick(program.work()->currentWidget(), Qt::Key_Backtab,
                    Qt::ControlModifier | Qt::ShiftModifier);
    QCOMPARE(program.work()->currentWidget()->objectName(), QString("settingsPage"));
    // Cycling wraps: back from the first page comes the last.
    program.work()->setCurrentIndex(0);
    QTest::keyClick(program.work()->currentWidget(), Qt::Key_Backtab,
                    Qt::ControlModifier | Qt::ShiftModifier);
    QCOMPARE(program.work()->currentWidget()->objectName(), QString("skinPage"));
}

void TestNavigation::chosenSkinIsSavedOnExit()
{
    Program program;
    QVERIFY(QTest::qWaitForWindowActive(program.window.get()));
    QComboBox* skins = program.window->skinPage()->skinList();
    skins->setCurrentIndex(2);
    emit skins->activated(2);
    QCOMPARE(program.window->workspace().themeIndex(), 2);
    QCOMPARE(program.menu()->currentWidget(), program.menu()->optionsMenu());
    QVERIFY(qApp->styleSheet().contains("Watercolor"));
    QVERIFY(program.exitAndReadSettingsFile().contains("skintnow=2"));
}

void TestNavigation::helpOpensTheManualOfTheCheckedLanguage()
{
    Program program;
    emit program.menu()->helpButton()->clicked();
    program.window->workspace().checkedLanguage = Language::Chinese;
    emit program.menu()->helpButton()->clicked();
    QCOMPARE(program.openedUrls.size(), 2);
    QCOMPARE(program.openedUrls[0].toLocalFile(), program.folder.filePath("help/qv3307-help.html"));
    QCOMPARE(program.openedUrls[1].toLocalFile(),
             program.folder.filePath("help/qv3307-help.zh.html"));
    QVERIFY(QFile::exists(program.openedUrls[0].toLocalFile()));
    QVERIFY(QFile::exists(program.openedUrls[1].toLocalFile()));
}

void TestNavigation::aboutBoxDisablesTheWindowWhileItIsUp()
{
    Program program;
    program.window->workspace().setThemeIndex(1);
    emit program.menu()->aboutButton()->clicked();
    QCOMPARE(program.messages.aboutBoxes.size(), 1);
    QCOMPARE(program.messages.aboutBoxes[0].language, Language::English);
    QCOMPARE(program.messages.aboutBoxes[0].theme, 1);
    QVERIFY(program.window->isEnabled());
}

QTEST_MAIN(TestNavigation)
#include "tst_navigation.moc"
