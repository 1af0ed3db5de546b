#include "app/HoverNavigation.h"

#include <QSignalSpy>
#include <QTest>

// The mouse is played by the test: positions are relative to the window's client area,
// where the toolbar starts at x 11.
class TestHoverNavigation : public QObject
{
    Q_OBJECT

private slots:
    void bandsAreOpenIntervals_data();
    void bandsAreOpenIntervals();
    void restingOverAButtonChoosesItsBand_data();
    void restingOverAButtonChoosesItsBand();
    void movingOnWithinTheDelayKeepsTheFirstTime();
    void enteringOutsideABandStartsNothing();
};

void TestHoverNavigation::bandsAreOpenIntervals_data()
{
    QTest::addColumn<int>("x");
    QTest::addColumn<int>("band");
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

void TestHoverNavigation::bandsAreOpenIntervals()
{
    QFETCH(int, x);
    QTEST(int(HoverNavigation::bandAt(x)), "band");
}

void TestHoverNavigation::restingOverAButtonChoosesItsBand_data()
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

void TestHoverNavigation::restingOverAButtonChoosesItsBand()
{
    QFETCH(QPoint, entry);
    QFETCH(QPoint, atTimer);
    QFETCH(int, chosen);
    QPoint mouse = entry;
    HoverNavigation navigation([&] { return mouse; });
    QSignalSpy spy(&navigation, &HoverNavigation::bandChosen);

    navigation.toolbarEntered();
    QVERIFY(navigation.isTimerRunning());
    mouse = atTimer;
    QTRY_VERIFY(!navigation.isTimerRunning());
    if (chosen == 0) {
        QCOMPARE(spy.size(), 0);
    } else {
        QCOMPARE(spy.size(), 1);
        QCOMPARE(int(spy[0][0].value<HoverNavigation::Band>()), chosen);
    }
}

void TestHoverNavigation::movingOnWithinTheDelayKeepsTheFirstTime()
{
    QPoint mouse(HoverNavigation::ToolbarLeft + 40, 20);
    HoverNavigation navigation([&] { return mouse; });
    QSignalSpy spy(&navigation, &HoverNavigation::bandChosen);
    navigation.toolbarEntered();
    QTest::qWait(50);
    mouse = QPoint(HoverNavigation::ToolbarLeft + 120, 20); // onto the programming button
    navigation.toolbarEntered();
    // The second entry moved the start point but did not restart the timer.
    QCOMPARE(navigation.HoverStartX, 120);
    QVERIFY(navigation.remainingMs() < HoverNavigation::DelayMs - 25);
    QVERIFY(spy.wait(1000));
    QCOMPARE(spy[0][0].value<HoverNavigation::Band>(), HoverNavigation::Band::Programming);
    QTest::qWait(300);
    QCOMPARE(spy.size(), 1);
}

void TestHoverNavigation::enteringOutsideABandStartsNothing()
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
