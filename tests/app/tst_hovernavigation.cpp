#include "app/HoverNavigation.h"

#include <QSignalSpy>
#include <QTest>

// The mouse is played by the test: positions are relative to the window's client area,
// where the toolbar starts at x 11.
class TestHoverNavigation : public QObject
{
    Q_OBJECT

private slots:
    void menusAreOpenIntervals_data();
    void menusAreOpenIntervals();
    void restingOverAButtonChoosesItsMenu_data();
    void restingOverAButtonChoosesItsMenu();
    void movingOnWithinTheDelayKeepsTheFirstTime();
    void enteringOutsideAMenuStartsNothing();
};

void TestHoverNavigation::menusAreOpenIntervals_data()
{
    QTest::addColumn<int>("x");
    QTest::addColumn<int>("menu");
    QTest::newRow("left edge of file") << 0 << 0;
    QTest::newRow("file") << 1 << 1;
    QTest::newRow("last of file") << 83 << 1;
    QTest::newRow("edge 84") << 84 << 0;
    QTest::newRow("spacer") << 87 << 0;
    QTest::newRow("edge 90") << 90 << 0;
    QTest::newRow("programming") << 91 << 2;
    QTest::newRow("options") << 200 << 3;
    QTest::newRow("help") << 353 << 4;
    QTest::newRow("beyond help") << 354 << 0;
    QTest::newRow("left of the toolbar") << -5 << 0;
}

void TestHoverNavigation::menusAreOpenIntervals()
{
    QFETCH(int, x);
    QTEST(int(HoverNavigation::menuAt(x)), "menu");
}

void TestHoverNavigation::restingOverAButtonChoosesItsMenu_data()
{
    QTest::addColumn<QPoint>("entry");
    QTest::addColumn<QPoint>("atTimer");
    QTest::addColumn<int>("chosen"); // 0: nothing
    const int toolbar = HoverNavigation::ToolbarLeft;
    QTest::newRow("rest on file") << QPoint(toolbar + 40, 20) << QPoint(toolbar + 40, 20) << 1;
    QTest::newRow("rest on help") << QPoint(toolbar + 300, 20) << QPoint(toolbar + 300, 30) << 4;
    QTest::newRow("left downward") << QPoint(toolbar + 200, 20) << QPoint(toolbar + 200, 60) << 0;
    QTest::newRow("left upward") << QPoint(toolbar + 200, 20) << QPoint(toolbar + 200, 0) << 0;
    QTest::newRow("on a spacer at the timer")
        << QPoint(toolbar + 40, 20) << QPoint(toolbar + 87, 20) << 0;
    QTest::newRow("moved to another button without a new entry")
        << QPoint(toolbar + 40, 20) << QPoint(toolbar + 120, 20) << 0;
}

void TestHoverNavigation::restingOverAButtonChoosesItsMenu()
{
    QFETCH(QPoint, entry);
    QFETCH(QPoint, atTimer);
    QFETCH(int, chosen);
    QPoint mouse = entry;
    HoverNavigation navigation([&] { return mouse; });
    QSignalSpy spy(&navigation, &HoverNavigation::menuChosen);

    navigation.toolbarEntered();
    QVERIFY(navigation.isTimerRunning());
    mouse = atTimer;
    QTRY_VERIFY(!navigation.isTimerRunning());
    if (chosen == 0) {
        QCOMPARE(spy.size(), 0);
    } else {
        QCOMPARE(spy.size(), 1);
        QCOMPARE(int(spy[0][0].value<HoverNavigation::Menu>()), chosen);
    }
}

void TestHoverNavigation::movingOnWithinTheDelayKeepsTheFirstTime()
{
    QPoint mouse(HoverNavigation::ToolbarLeft + 40, 20);
    HoverNavigation navigation([&] { return mouse; });
    QSignalSpy spy(&navigation, &HoverNavigation::menuChosen);
    navigation.toolbarEntered();
    QTest::qWait(50);
    mouse = QPoint(HoverNavigation::ToolbarLeft + 120, 20); // onto the programming button
    navigation.toolbarEntered();
    // The second entry moved the start point but did not restart the timer.
    QCOMPARE(navigation.hoverStartX(), 120);
    QVERIFY(navigation.remainingMs() < HoverNavigation::DelayMs - 25);
    QVERIFY(spy.wait(5000)); // ends with the signal; long only for a busy machine
    QCOMPARE(spy[0][0].value<HoverNavigation::Menu>(), HoverNavigation::Menu::Programming);
    QTest::qWait(300);
    QCOMPARE(spy.size(), 1);
}

void TestHoverNavigation::enteringOutsideAMenuStartsNothing()
{
    QPoint mouse(HoverNavigation::ToolbarLeft + 84, 20);
    HoverNavigation navigation([&] { return mouse; });
    navigation.toolbarEntered();
    QVERIFY(!navigation.isTimerRunning());
    mouse = QPoint(HoverNavigation::ToolbarLeft + 90, 20);
    navigation.toolbarEntered();
    QVERIFY(!navigation.isTimerRunning());
}

QTEST_GUILESS_MAIN(TestHoverNavigation)
#include "tst_hovernavigation.moc"
