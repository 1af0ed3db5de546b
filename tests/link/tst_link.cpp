#include "link/Frames.h"
#include "link/Link.h"

#include "support/ScriptedSerialPort.h"

#include <QElapsedTimer>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

namespace {
const QByteArray HelloBytes = QByteArray::fromHex("0251584B4D4E72");
const QByteArray HelloReplyBytes = QByteArray::fromHex("06214A7355627177");
const QByteArray Ack(1, 6);

// Bytes arrive once the program has gone back to dispatching events, as a real reply does.
void deliverLater(ScriptedSerialPort& port, const QByteArray& bytes, int ms = 0)
{
    QTimer::singleShot(ms, &port, [&port, bytes] { port.deliver(bytes); });
}
} // namespace

// The link's state, waits and handshake against a scripted port; the same over a real
// line against the simulated radio is in tst_linkradio.
class TestLink : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void receiveEventReplacesReceivedBytesWhole();
    void otherEventsChangeNothing_data();
    void otherEventsChangeNothing();
    void framesAreSentAsBytes();
    void frameThatIsNotHexSendsNothing();
    void acknowledgement();
    void probeAndOpenUseTheSamePort();
    void failedOpenIsReported();

    void zeroOrLessReturnsAtOnce_data();
    void zeroOrLessReturnsAtOnce();
    void dialogWaitEndsWhenDataArrives();
    void dialogWaitEnteredWithDataDispatchesOnceAndReturns();
    void mainWindowWaitRunsItsFullLength();
    void handshakeRetriesUntilTheReply();
    void linkDestroyedDuringAWaitEndsIt();

    // Ends the application's event loop: keep it last.
    void applicationQuitEndsEveryWait();

private:
    std::unique_ptr<ScriptedSerialPort> m_port;
    std::unique_ptr<Link> m_link;
    QStringList m_probed;
};

void TestLink::init()
{
    m_port = std::make_unique<ScriptedSerialPort>();
    m_probed.clear();
    const auto probe = [this](const QString& device) {
        m_probed.append(device);
        return true;
    };
    m_link = std::make_unique<Link>(*m_port, ComPortDevices("/nowhere", "/dev-root"), probe);
}

void TestLink::cleanup()
{
    m_link.reset();
    m_port.reset();
}

void TestLink::receiveEventReplacesReceivedBytesWhole()
{
    QCOMPARE(m_link->ReceivedBytes(), QByteArray());
    QVERIFY(!m_link->DataArrived());
    m_port->setRThreshold(1);
    m_port->deliver(QByteArray::fromHex("0102"));
    QVERIFY(m_link->DataArrived());
    QCOMPARE(m_link->ReceivedBytes(), QByteArray::fromHex("0102"));
    m_link->setDataArrived(false);
    m_port->deliver(QByteArray::fromHex("03"));
    QVERIFY(m_link->DataArrived());
    QCOMPARE(m_link->ReceivedBytes(), QByteArray::fromHex("03"));
}

void TestLink::otherEventsChangeNothing_data()
{
    QTest::addColumn<SerialPort::Event>("event");
    QTest::newRow("error") << SerialPort::Event::Error;
    QTest::newRow("none") << SerialPort::Event::None;
}

void TestLink::otherEventsChangeNothing()
{
    QFETCH(SerialPort::Event, event);
    m_port->setRThreshold(1);
    m_port->deliver(Ack);
    m_link->setDataArrived(false);
    m_port->setRThreshold(8); // bytes wait below the threshold: no receive event
    m_port->deliver(QByteArray::fromHex("0707"));
    QSignalSpy arrivals(m_link.get(), &Link::dataArrived);
    m_port->raise(event);
    QVERIFY(!m_link->DataArrived());
    QCOMPARE(m_link->ReceivedBytes(), Ack);
    QCOMPARE(arrivals.size(), 0);
}

void TestLink::framesAreSentAsBytes()
{
    QVERIFY(m_link->sendFrame(Frame::Hello));
    QVERIFY(m_link->sendFrame("5203e008")); // either case is read
    QVERIFY(m_link->sendFrame(Frame::ExitCommand));
    QCOMPARE(m_port->output, HelloBytes + QByteArray::fromHex("5203E008646F"));
    QCOMPARE(m_link->SendBuffer(), QByteArray::fromHex("646F"));
}

void TestLink::frameThatIsNotHexSendsNothing()
{
    QVERIFY(m_link->sendFrame(Frame::Hello));
    QVERIFY(!m_link->sendFrame("5700100843X.12500FFFFFFFF"));
    QCOMPARE(m_link->SendBuffer(), QByteArray());
    QCOMPARE(m_port->output, HelloBytes);
}

void TestLink::acknowledgement()
{
    m_link->sendAcknowledgement();
    QCOMPARE(m_port->output, Ack);

    // Nothing received yet: not acknowledged, and spoiling an empty reply is harmless.
    QVERIFY(!m_link->acknowledged());
    m_link->clearAcknowledgement();
    QCOMPARE(m_link->ReceivedBytes(), QByteArray());

    m_port->setRThreshold(1);
    m_port->deliver(QByteArray::fromHex("0699"));
    QVERIFY(m_link->acknowledged());
    // An earlier 06 must not pass for the answer to the next request.
    m_link->clearAcknowledgement();
    QVERIFY(!m_link->acknowledged());
    QCOMPARE(m_link->ReceivedBytes(), QByteArray::fromHex("0199"));
}

void TestLink::probeAndOpenUseTheSamePort()
{
    // A stored port number outside 1 to 4 leaves the port on COM1; the command must still
    // probe and open the same port.
    m_port->setCommPort(1);
    QVERIFY(m_link->PortProbe(7));
    QCOMPARE(m_probed, QStringList{"/dev-root/ttyS6"});
    QVERIFY(m_link->openPort(7));
    QCOMPARE(m_port->CommPort(), 7);
    QVERIFY(m_port->PortOpen());
    m_link->closePort();
    QVERIFY(!m_port->PortOpen());
}

void TestLink::failedOpenIsReported()
{
    m_port->openSucceeds = false;
    QVERIFY(!m_link->openPort(2));
    QVERIFY(!m_port->PortOpen());
}

void TestLink::zeroOrLessReturnsAtOnce_data()
{
    QTest::addColumn<int>("ms");
    QTest::addColumn<Link::Wait>("wait");
    QTest::newRow("dialog, 0") << 0 << Link::Wait::UntilData;
    QTest::newRow("dialog, -5") << -5 << Link::Wait::UntilData;
    QTest::newRow("main window, 0") << 0 << Link::Wait::FullLength;
    QTest::newRow("main window, -5") << -5 << Link::Wait::FullLength;
}

void TestLink::zeroOrLessReturnsAtOnce()
{
    QFETCH(int, ms);
    QFETCH(Link::Wait, wait);
    bool dispatched = false;
    QMetaObject::invokeMethod(
        this, [&] { dispatched = true; }, Qt::QueuedConnection);
    QCOMPARE(m_link->SysDelay(ms, wait), Link::WaitEnd::Time);
    QVERIFY(!dispatched); // returned without dispatching
    QCoreApplication::processEvents();
}

void TestLink::dialogWaitEndsWhenDataArrives()
{
    m_port->setRThreshold(1);
    deliverLater(*m_port, Ack, 20);
    QElapsedTimer clock;
    clock.start();
    QCOMPARE(m_link->SysDelay(60'000, Link::Wait::UntilData), Link::WaitEnd::Data);
    QVERIFY(clock.elapsed() < 30'000);
    // The wait does not clear the flag: the caller does.
    QVERIFY(m_link->DataArrived());
}

void TestLink::dialogWaitEnteredWithDataDispatchesOnceAndReturns()
{
    m_link->setDataArrived(true);
    bool dispatched = false;
    QMetaObject::invokeMethod(
        this, [&] { dispatched = true; }, Qt::QueuedConnection);
    QElapsedTimer clock;
    clock.start();
    QCOMPARE(m_link->SysDelay(60'000, Link::Wait::UntilData), Link::WaitEnd::Data);
    QVERIFY(clock.elapsed() < 30'000);
    QVERIFY(dispatched);
    QVERIFY(m_link->DataArrived());
}

void TestLink::mainWindowWaitRunsItsFullLength()
{
    m_port->setRThreshold(1);
    deliverLater(*m_port, Ack, 10);
    QElapsedTimer clock;
    clock.start();
    QCOMPARE(m_link->SysDelay(300, Link::Wait::FullLength), Link::WaitEnd::Time);
    QVERIFY2(clock.elapsed() >= 300, qPrintable(QString::number(clock.elapsed())));
    // The reply was received during the wait, which went on regardless.
    QVERIFY(m_link->DataArrived());
    QCOMPARE(m_link->ReceivedBytes(), Ack);
}

void TestLink::handshakeRetriesUntilTheReply()
{
    int hellos = 0;
    m_port->onOutput = [&](const QByteArray& sent) {
        if (sent == HelloBytes && ++hellos == 3)
            deliverLater(*m_port, HelloReplyBytes);
        else if (sent == Ack)
            deliverLater(*m_port, Ack);
    };
    QVERIFY(m_link->Handshake(Link::Wait::UntilData));
    QCOMPARE(m_port->output, HelloBytes + HelloBytes + HelloBytes + Ack);
    QCOMPARE(m_port->RThreshold(), Frame::AcknowledgementLength);
    QCOMPARE(m_link->ReceivedBytes(), Ack); // the radio's answer, for the caller to check
}

void TestLink::linkDestroyedDuringAWaitEndsIt()
{
    Link* link = m_link.get();
    QTimer::singleShot(10, this, [this] { m_link.reset(); });
    QCOMPARE(link->SysDelay(60'000, Link::Wait::FullLength), Link::WaitEnd::Quit);
}

void TestLink::applicationQuitEndsEveryWait()
{
    std::optional<Link::WaitEnd> end;
    QElapsedTimer clock;
    QTimer::singleShot(0, this, [&] {
        clock.start();
        end = m_link->SysDelay(60'000, Link::Wait::FullLength);
    });
    QTimer::singleShot(50, this, [] { QCoreApplication::quit(); });
    QCoreApplication::exec();
    QCOMPARE(end, Link::WaitEnd::Quit);
    QVERIFY(clock.elapsed() < 30'000);
    QVERIFY(m_link->quitting());

    // A procedure that goes on after the quit finds every wait, and so the handshake, over
    // at once, and sends nothing more after its first hello.
    QCOMPARE(m_link->SysDelay(60'000, Link::Wait::UntilData), Link::WaitEnd::Quit);
    QVERIFY(!m_link->Handshake(Link::Wait::FullLength));
    QCOMPARE(m_port->output, HelloBytes);
}

QTEST_GUILESS_MAIN(TestLink)
#include "tst_link.moc"
