#include "link/Frames.h"
#include "link/Link.h"

#include "support/ScriptedSerialPort.h"

#include <QElapsedTimer>
#include <QSignalSpy>
#include <QTest>
#include <QThread>
#include <QTimer>

Q_DECLARE_METATYPE(Link::UnreadInput)

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
    void answerCountsOnlyWithItsExactLength_data();
    void answerCountsOnlyWithItsExactLength();
    void unreadInputNeverReachesTheNextAnswer_data();
    void unreadInputNeverReachesTheNextAnswer();
    void byteLandingAsARequestGoesOutIsNotLost();
    void probeAndOpenUseTheSamePort();
    void failedOpenIsReported();

    void zeroOrLessReturnsAtOnce_data();
    void zeroOrLessReturnsAtOnce();
    void dialogWaitEndsWhenDataArrives();
    void dialogWaitEnteredWithDataDispatchesOnceAndReturns();
    void mainWindowWaitRunsItsFullLength();
    void testWaitLengthsReplaceOnlyTheTwoWaits_data();
    void testWaitLengthsReplaceOnlyTheTwoWaits();
    void handshakeRetriesUntilTheReply();
    void handshakeTakesOnlyTheExactReply_data();
    void handshakeTakesOnlyTheExactReply();
    void answerInOnePieceCountsHoweverLateItIsRead();
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
    QCOMPARE(m_link->receivedBytes(), QByteArray());
    QVERIFY(!m_link->hasDataArrived());
    m_port->setReceiveThreshold(1);
    m_port->deliver(QByteArray::fromHex("0102"));
    QVERIFY(m_link->hasDataArrived());
    QCOMPARE(m_link->receivedBytes(), QByteArray::fromHex("0102"));
    m_link->setDataArrived(false);
    m_port->deliver(QByteArray::fromHex("03"));
    QVERIFY(m_link->hasDataArrived());
    QCOMPARE(m_link->receivedBytes(), QByteArray::fromHex("03"));
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
    m_port->setReceiveThreshold(1);
    m_port->deliver(Ack);
    m_link->setDataArrived(false);
    m_port->setReceiveThreshold(8); // bytes wait below the threshold: no receive event
    m_port->deliver(QByteArray::fromHex("0707"));
    QSignalSpy arrivals(m_link.get(), &Link::dataArrived);
    m_port->raise(event);
    QVERIFY(!m_link->hasDataArrived());
    QCOMPARE(m_link->receivedBytes(), Ack);
    QCOMPARE(arrivals.size(), 0);
}

void TestLink::framesAreSentAsBytes()
{
    QVERIFY(m_link->sendFrame(Frame::Hello));
    QVERIFY(m_link->sendFrame("5203e008")); // either case is read
    QVERIFY(m_link->sendFrame(Frame::ExitCommand));
    QCOMPARE(m_port->output, HelloBytes + QByteArray::fromHex("5203E008646F"));
    QCOMPARE(m_link->lastRequest(), QByteArray::fromHex("646F"));
}

void TestLink::frameThatIsNotHexSendsNothing()
{
    QVERIFY(m_link->sendFrame(Frame::Hello));
    QVERIFY(!m_link->sendFrame("5700100843X.12500FFFFFFFF"));
    QCOMPARE(m_link->lastRequest(), QByteArray());
    QCOMPARE(m_port->output, HelloBytes);
}

void TestLink::acknowledgement()
{
    QVERIFY(m_link->sendAcknowledgement());
    QCOMPARE(m_port->output, Ack);
    QVERIFY(!m_link->acknowledged()); // nothing received yet

    m_port->setReceiveThreshold(1);
    m_port->deliver(QByteArray::fromHex("0699"));
    QVERIFY(!m_link->acknowledged()); // the 06 and something else

    // A 06 received before a request is no answer to it.
    QVERIFY(m_link->sendAcknowledgement());
    m_port->deliver(Ack);
    QVERIFY(m_link->acknowledged());
    QVERIFY(m_link->sendAcknowledgement());
    QVERIFY(!m_link->acknowledged());
    QCOMPARE(m_link->receivedBytes(), Ack); // still there, for whoever wants to see it

    // A byte after the 06 spoils it, in the same receive event or a later one.
    m_port->deliver(Ack);
    QVERIFY(m_link->acknowledged());
    m_port->deliver(Ack);
    QVERIFY(!m_link->acknowledged());
}

void TestLink::answerCountsOnlyWithItsExactLength_data()
{
    QTest::addColumn<QList<QByteArray>>("deliveries");
    QTest::addColumn<bool>("answered");
    const QByteArray reply = QByteArray::fromHex("5703E008004000 47FFFFFFFF");
    QTest::newRow("nothing") << QList<QByteArray>{} << false;
    QTest::newRow("12 bytes") << QList<QByteArray>{reply} << true;
    QTest::newRow("12 bytes in two parts")
        << QList<QByteArray>{reply.left(5), reply.mid(5)} << true;
    QTest::newRow("11 bytes") << QList<QByteArray>{reply.chopped(1)} << false;
    QTest::newRow("13 bytes at once") << QList<QByteArray>{reply + '\0'} << false;
    // The receive event comes with the 12th byte; the 13th still waits unread.
    QTest::newRow("12 bytes, then a 13th")
        << QList<QByteArray>{reply, QByteArray(1, '\0')} << false;
    QTest::newRow("a stray byte, then 12 bytes")
        << QList<QByteArray>{QByteArray(1, 6), reply} << false;
    QTest::newRow("two replies") << QList<QByteArray>{reply, reply} << false;
}

void TestLink::answerCountsOnlyWithItsExactLength()
{
    QFETCH(QList<QByteArray>, deliveries);
    QFETCH(bool, answered);
    m_link->setReceiveThreshold(Frame::ReadReplyLength);
    QVERIFY(m_link->sendFrame(Frame::readRequest(0x03E0)));
    for (const QByteArray& bytes : deliveries)
        m_port->deliver(bytes);
    QCOMPARE(m_link->answered(Frame::ReadReplyLength), answered);
    // An exchange that fails here says why: silence, or an answer the radio does not give.
    if (!answered)
        QCOMPARE(m_link->failure().cause, deliveries.isEmpty() ? PortDiagnosis::Cause::NoAnswer
                                                               : PortDiagnosis::Cause::WrongAnswer);
}

void TestLink::unreadInputNeverReachesTheNextAnswer_data()
{
    QTest::addColumn<Link::UnreadInput>("unread");
    QTest::addColumn<bool>("sent");
    QTest::newRow("discarded") << Link::UnreadInput::Discard << true;
    QTest::newRow("refused") << Link::UnreadInput::Refuse << false;
}

void TestLink::unreadInputNeverReachesTheNextAnswer()
{
    QFETCH(Link::UnreadInput, unread);
    QFETCH(bool, sent);
    m_link->setReceiveThreshold(Frame::ReadReplyLength);
    m_port->deliver(QByteArray::fromHex("06")); // a late answer, below the threshold
    QCOMPARE(m_link->sendFrame(Frame::readRequest(0x03E0), unread), sent);
    QCOMPARE(m_port->output, sent ? QByteArray::fromHex("5203E008") : QByteArray());
    QCOMPARE(m_port->bytesAvailable(), 0);
    // A request refused for a stray byte is a wrong answer of the radio's, not silence.
    if (!sent)
        QCOMPARE(m_link->failure().cause, PortDiagnosis::Cause::WrongAnswer);

    // Either way the stray byte is gone: the next request's answer is whole.
    const QByteArray reply = QByteArray::fromHex("5703E008004000 47FFFFFFFF");
    QVERIFY(m_link->sendFrame(Frame::readRequest(0x03E0), unread));
    m_port->deliver(reply);
    QVERIFY(m_link->answered(Frame::ReadReplyLength));
    QCOMPARE(m_link->receivedBytes(), reply);

    // Nothing waits now, so a refusing request goes out too.
    QVERIFY(m_link->sendAcknowledgement(Link::UnreadInput::Refuse));
}

void TestLink::byteLandingAsARequestGoesOutIsNotLost()
{
    // The 13th byte of a reply taken as whole lands while the acknowledgement goes out: the
    // answer to the acknowledgement then holds it, and is no lone 06.
    m_link->setReceiveThreshold(Frame::AcknowledgementLength);
    m_port->landingAfterLook = QByteArray::fromHex("FF");
    QVERIFY(m_link->sendAcknowledgement(Link::UnreadInput::Refuse));
    m_port->deliver(Ack);
    QCOMPARE(m_link->receivedBytes(), QByteArray::fromHex("FF06"));
    QVERIFY(!m_link->acknowledged());
}

void TestLink::probeAndOpenUseTheSamePort()
{
    // A stored port number outside 1 to 4 checks no port button; the command must still
    // probe and open that port.
    m_link->setPortNumber(7);
    QVERIFY(m_link->probePort());
    QCOMPARE(m_probed, QStringList{"/dev-root/ttyS6"});
    QVERIFY(m_link->openPort());
    QCOMPARE(m_port->portNumber(), 7);
    QVERIFY(m_port->isOpen());
    m_link->closePort();
    QVERIFY(!m_port->isOpen());
}

void TestLink::failedOpenIsReported()
{
    m_port->openSucceeds = false;
    m_link->setPortNumber(2);
    QVERIFY(!m_link->openPort());
    QVERIFY(!m_port->isOpen());
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
    QCOMPARE(m_link->wait(ms, wait), Link::WaitEnd::Time);
    QVERIFY(!dispatched); // returned without dispatching
    QCoreApplication::processEvents();
}

void TestLink::dialogWaitEndsWhenDataArrives()
{
    m_port->setReceiveThreshold(1);
    deliverLater(*m_port, Ack, 20);
    QElapsedTimer clock;
    clock.start();
    QCOMPARE(m_link->wait(60'000, Link::Wait::UntilData), Link::WaitEnd::Data);
    QVERIFY(clock.elapsed() < 30'000);
    // The wait does not clear the flag: the caller does.
    QVERIFY(m_link->hasDataArrived());
}

void TestLink::dialogWaitEnteredWithDataDispatchesOnceAndReturns()
{
    m_link->setDataArrived(true);
    bool dispatched = false;
    QMetaObject::invokeMethod(
        this, [&] { dispatched = true; }, Qt::QueuedConnection);
    QElapsedTimer clock;
    clock.start();
    QCOMPARE(m_link->wait(60'000, Link::Wait::UntilData), Link::WaitEnd::Data);
    QVERIFY(clock.elapsed() < 30'000);
    QVERIFY(dispatched);
    QVERIFY(m_link->hasDataArrived());
}

void TestLink::mainWindowWaitRunsItsFullLength()
{
    m_port->setReceiveThreshold(1);
    deliverLater(*m_port, Ack, 10);
    QElapsedTimer clock;
    clock.start();
    QCOMPARE(m_link->wait(300, Link::Wait::FullLength), Link::WaitEnd::Time);
    QVERIFY2(clock.elapsed() >= 300, qPrintable(QString::number(clock.elapsed())));
    // The reply was received during the wait, which went on regardless.
    QVERIFY(m_link->hasDataArrived());
    QCOMPARE(m_link->receivedBytes(), Ack);
}

void TestLink::testWaitLengthsReplaceOnlyTheTwoWaits_data()
{
    QTest::addColumn<int>("asked");
    QTest::addColumn<int>("waited");
    QTest::newRow("short wait") << Link::ShortWait << 400;
    QTest::newRow("long wait") << Link::LongWait << 700;
    QTest::newRow("any other length") << 90 << 90;
}

void TestLink::testWaitLengthsReplaceOnlyTheTwoWaits()
{
    QFETCH(int, asked);
    QFETCH(int, waited);
    // Longer than the real waits, so that only a lower bound tells, which a busy machine
    // cannot break.
    m_link->setWaitLengthsForTests({.shortMs = 400, .longMs = 700});
    QElapsedTimer clock;
    clock.start();
    QCOMPARE(m_link->wait(asked, Link::Wait::FullLength), Link::WaitEnd::Time);
    QVERIFY2(clock.elapsed() >= waited, qPrintable(QString::number(clock.elapsed())));
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
    QVERIFY(m_link->handshake(Link::Wait::UntilData));
    QCOMPARE(m_port->output, HelloBytes + HelloBytes + HelloBytes + Ack);
    QCOMPARE(m_port->receiveThreshold(), Frame::AcknowledgementLength);
    QCOMPARE(m_link->receivedBytes(), Ack); // the radio's answer, for the caller to check
}

void TestLink::handshakeTakesOnlyTheExactReply_data()
{
    QTest::addColumn<QList<QByteArray>>("answers");
    QTest::addColumn<QByteArray>("sent");
    const QByteArray byte(1, '\0');
    QTest::newRow("a byte too many, at once")
        << QList<QByteArray>{HelloReplyBytes + byte} << HelloBytes.repeated(Link::HandshakeTries);
    // The receive event comes with the 8th byte; the 9th still waits when the wait ends.
    QTest::newRow("a byte too many, after the event")
        << QList<QByteArray>{HelloReplyBytes, byte} << HelloBytes.repeated(Link::HandshakeTries);
    QTest::newRow("a stray byte before the reply")
        << QList<QByteArray>{byte + HelloReplyBytes} << HelloBytes.repeated(Link::HandshakeTries);
}

void TestLink::handshakeTakesOnlyTheExactReply()
{
    QFETCH(QList<QByteArray>, answers);
    QFETCH(QByteArray, sent);
    m_port->onOutput = [&](const QByteArray& bytes) {
        if (bytes != HelloBytes || answers.isEmpty())
            return;
        QTimer::singleShot(0, m_port.get(), [this, answers] {
            m_port->deliver(answers.front());
            if (answers.size() > 1)
                m_port->deliver(answers.back());
        });
        answers.clear();
    };
    QVERIFY(!m_link->handshake(Link::Wait::FullLength));
    QCOMPARE(m_port->output, sent);
}

// A busy machine can hold the program between the port's news of an answer and the reading
// of it. An answer that came whole is no sign of a line that carries bytes one by one, so
// a prompt answer still counts, on this try and the next ones.
void TestLink::answerInOnePieceCountsHoweverLateItIsRead()
{
    m_port->onOutput = [&](const QByteArray& sent) {
        if (sent == HelloBytes)
            deliverLater(*m_port, HelloReplyBytes);
        else if (sent == Ack)
            deliverLater(*m_port, Ack);
    };
    connect(m_port.get(), &SerialPort::bytesArriving, this, [] { QThread::usleep(3000); });
    QVERIFY(m_link->handshake(Link::Wait::UntilData));
    QCOMPARE(m_port->output, HelloBytes + Ack);
    QVERIFY(m_link->answered(Frame::AcknowledgementLength));
}

void TestLink::linkDestroyedDuringAWaitEndsIt()
{
    Link* link = m_link.get();
    QTimer::singleShot(10, this, [this] { m_link.reset(); });
    QCOMPARE(link->wait(60'000, Link::Wait::FullLength), Link::WaitEnd::Quit);
}

void TestLink::applicationQuitEndsEveryWait()
{
    std::optional<Link::WaitEnd> end;
    QElapsedTimer clock;
    QTimer::singleShot(0, this, [&] {
        clock.start();
        end = m_link->wait(60'000, Link::Wait::FullLength);
    });
    QTimer::singleShot(50, this, [] { QCoreApplication::quit(); });
    QCoreApplication::exec();
    QCOMPARE(end, Link::WaitEnd::Quit);
    QVERIFY(clock.elapsed() < 30'000);
    QVERIFY(m_link->quitting());

    // A procedure that goes on after the quit finds every wait, and so the handshake, over
    // at once, and sends nothing more after its first hello.
    QCOMPARE(m_link->wait(60'000, Link::Wait::UntilData), Link::WaitEnd::Quit);
    QVERIFY(!m_link->handshake(Link::Wait::FullLength));
    QCOMPARE(m_port->output, HelloBytes);
}

QTEST_GUILESS_MAIN(TestLink)
#include "tst_link.moc"
