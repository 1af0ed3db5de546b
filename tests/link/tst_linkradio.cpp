#include "link/ChannelCodec.h"
#include "link/Frames.h"
#include "link/HexText.h"
#include "link/Link.h"
#include "link/MemoryMap.h"
#include "link/QtSerialPort.h"
#include "workspace/ChannelTable.h"

#include "RadioSimulator.h"
#include "support/SimulatedLine.h"
#include "support/TemporaryProgramFolder.h"

#include "support/HeldPort.h"
#include <QElapsedTimer>
#include <QTest>

using Kind = RadioProtocol::CommandKind;

namespace {
const QByteArray HelloBytes = QByteArray::fromHex("0251584B4D4E72");
const QByteArray Ack(1, 6);

// The program's serial port on COM1 of a temporary program folder, leading to a simulated
// radio over a pseudo-terminal. The link keeps its real waits: they are what this suite
// looks at.
struct RadioLine : SimulatedLine
{
    RadioLine() { linkWaits = {}; }

    bool open(const RadioFaults& faults = {}, bool paced = false)
    {
        radio.setFaults(faults);
        radio.setPaced(paced);
        if (!connect() || !link->openPort())
            return false;
        link->setDataArrived(false);
        return true;
    }
};

QByteArray times(const QByteArray& bytes, int count)
{
    return bytes.repeated(count);
}
} // namespace

// The link over a real line: the program's serial code against the simulated radio.
class TestLinkRadio : public QObject
{
    Q_OBJECT

private slots:
    void handshakeSucceeds_data();
    void handshakeSucceeds();
    void silentRadioGetsSixHellosThenFailure_data();
    void silentRadioGetsSixHellosThenFailure();
    void helloRepliesThatDoNotCount_data();
    void helloRepliesThatDoNotCount();
    void replyAfterItsWaitIsKept();
    void lateReplyIsThrownAwayByTheNextRequest();
    void acknowledgementOtherThan06IsNoAcknowledgement();
    void writtenBlocksReadBack();
    void hangUpEndsTheExchange();
    void portHeldByAnotherProgramFailsTheProbe();
};

void TestLinkRadio::handshakeSucceeds_data()
{
    QTest::addColumn<bool>("paced");
    QTest::addColumn<Link::Wait>("wait");
    QTest::newRow("dialog wait") << false << Link::Wait::UntilData;
    QTest::newRow("main window wait") << false << Link::Wait::FullLength;
    QTest::newRow("dialog wait, 9600-baud line") << true << Link::Wait::UntilData;
}

void TestLinkRadio::handshakeSucceeds()
{
    QFETCH(bool, paced);
    QFETCH(Link::Wait, wait);
    RadioLine line;
    QVERIFY(line.open({}, paced));
    QVERIFY(line.link->handshake(wait));
    QCOMPARE(line.link->receivedBytes(), Ack); // the radio's answer to the acknowledgement
    QTRY_COMPARE(line.radio.received(), HelloBytes + Ack);
    QVERIFY(line.radio.inProgrammingMode());
}

void TestLinkRadio::silentRadioGetsSixHellosThenFailure_data()
{
    QTest::addColumn<Link::Wait>("wait");
    QTest::newRow("dialog wait") << Link::Wait::UntilData;
    QTest::newRow("main window wait") << Link::Wait::FullLength;
}

void TestLinkRadio::silentRadioGetsSixHellosThenFailure()
{
    QFETCH(Link::Wait, wait);
    RadioFaults silent;
    silent.silent = true;
    RadioLine line;
    QVERIFY(line.open(silent));
    QElapsedTimer clock;
    clock.start();
    QVERIFY(!line.link->handshake(wait));
    // Each hello's wait runs its full length; only a lower bound, as the machine is shared.
    QVERIFY2(clock.elapsed() >= Link::HandshakeTries * Link::ShortWait,
             qPrintable(QString::number(clock.elapsed())));
    QTRY_COMPARE(line.radio.received(), times(HelloBytes, Link::HandshakeTries));

    const auto hellos = line.radio.commands(Kind::Hello);
    QCOMPARE(hellos.size(), Link::HandshakeTries);
    // 250 ms apart. The radio notes a hello when its thread takes it, which a busy machine
    // may delay for one hello and not the next, so the mean gap is checked, with loose bounds.
    const auto span = std::chrono::duration_cast<std::chrono::milliseconds>(hellos.last().time -
                                                                            hellos.first().time);
    const auto meanGap = span.count() / (hellos.size() - 1);
    QVERIFY2(meanGap >= 200 && meanGap <= 600, qPrintable(QString::number(meanGap)));
}

void TestLinkRadio::helloRepliesThatDoNotCount_data()
{
    QTest::addColumn<RadioFaults>("faults");
    RadioFaults longReply;
    longReply.longHelloReply = true;
    RadioFaults wrongReply;
    wrongReply.wrongHelloReply = true;
    QTest::newRow("9 bytes starting with the reply") << longReply;
    QTest::newRow("8 wrong bytes") << wrongReply;
}

void TestLinkRadio::helloRepliesThatDoNotCount()
{
    QFETCH(RadioFaults, faults);
    RadioLine line;
    QVERIFY(line.open(faults));
    QVERIFY(!line.link->handshake(Link::Wait::UntilData));
    // Every try was answered, none counted, and no acknowledgement followed. The last try's
    // wait may have ended before the radio took it.
    QTRY_COMPARE(line.radio.received(), times(HelloBytes, Link::HandshakeTries));
    QCOMPARE(line.radio.commands(Kind::Hello).size(), Link::HandshakeTries);
}

void TestLinkRadio::replyAfterItsWaitIsKept()
{
    RadioLine line;
    QVERIFY(line.open());
    QVERIFY(line.link->handshake(Link::Wait::UntilData));
    RadioFaults late;
    late.replyDelayMs = 400;
    line.radio.setFaults(late);

    line.link->setDataArrived(false);
    line.link->setReceiveThreshold(Frame::ReadReplyLength);
    QVERIFY(line.link->sendFrame(Frame::readRequest(MemoryMap::BandBlock)));
    QCOMPARE(line.link->wait(Link::ShortWait, Link::Wait::UntilData), Link::WaitEnd::Time);
    QVERIFY(!line.link->hasDataArrived());
    QCOMPARE(line.link->receivedBytes(), Ack); // older bytes stay until something arrives

    QTRY_VERIFY(line.link->hasDataArrived());
    QCOMPARE(bytesToHex(line.link->receivedBytes()), "5703E008FFFFFFFFFFFFFFFF");
}

void TestLinkRadio::lateReplyIsThrownAwayByTheNextRequest()
{
    RadioFaults faults;
    faults.answerFault = AnswerFault{.answerTo = Kind::Read, .address = 0x03E0, .delayMs = 300};
    RadioLine line;
    QVERIFY(line.open(faults));
    QVERIFY(line.link->handshake(Link::Wait::UntilData));
    Link& link = *line.link;

    link.setReceiveThreshold(Frame::ReadReplyLength);
    QVERIFY(link.sendFrame(Frame::readRequest(MemoryMap::BandBlock)));
    QCOMPARE(link.wait(Link::ShortWait, Link::Wait::UntilData), Link::WaitEnd::Time);
    link.setReceiveThreshold(0); // let the late reply wait unread
    QTRY_COMPARE(line.port->bytesAvailable(), Frame::ReadReplyLength);

    link.setReceiveThreshold(Frame::ReadReplyLength);
    QVERIFY(link.sendFrame(Frame::readRequest(MemoryMap::SettingsBlock)));
    QCOMPARE(line.port->bytesAvailable(), 0);
    QCOMPARE(link.wait(Link::LongWait, Link::Wait::UntilData), Link::WaitEnd::Data);
    QVERIFY(link.answered(Frame::ReadReplyLength));
    QCOMPARE(bytesToHex(link.receivedBytes()), "5703C008FFFFFFFFFFFFFFFF");
}

void TestLinkRadio::acknowledgementOtherThan06IsNoAcknowledgement()
{
    RadioFaults nak;
    nak.acknowledgement = 0x15;
    RadioLine line;
    QVERIFY(line.open(nak));
    QVERIFY(line.link->handshake(Link::Wait::UntilData)); // it does not look at the answer
    QCOMPARE(line.link->receivedBytes(), QByteArray(1, 0x15));
    QVERIFY(!line.link->acknowledged());
}

void TestLinkRadio::writtenBlocksReadBack()
{
    const CellWords words{"OFF", "ON", "High", "Low"};
    ChannelTable table;
    table.setText(3, Column::RxFrequency, "435.12500");
    table.setText(3, Column::TxFrequency, "436.02500");
    table.setText(3, Column::RxTone, "131.8");
    table.setText(3, Column::TxTone, "D023N");
    table.setText(3, Column::Power, "Low");
    table.setText(3, Column::Wideband, "ON");
    table.setText(3, Column::BusyLock, "ON");
    table.setText(3, Column::Scramble, "ON");

    RadioLine line;
    QVERIFY(line.open({}, true));
    Link& link = *line.link;
    QVERIFY(link.handshake(Link::Wait::UntilData));
    QVERIFY(link.acknowledged());

    const auto write = [&](int address, const QString& data) {
        link.setDataArrived(false);
        link.setReceiveThreshold(Frame::AcknowledgementLength);
        QVERIFY(link.sendFrame(Frame::writeRequest(address, data)));
        link.wait(Link::LongWait, Link::Wait::UntilData);
        QVERIFY(link.acknowledged());
    };
    const auto read = [&](int address, QString& reply) {
        link.setDataArrived(false);
        link.setReceiveThreshold(Frame::ReadReplyLength);
        QVERIFY(link.sendFrame(Frame::readRequest(address)));
        link.wait(Link::LongWait, Link::Wait::UntilData);
        QVERIFY(link.hasDataArrived());
        reply = bytesToHex(link.receivedBytes());
    };
    write(MemoryMap::channelRecord(3), *ChannelCodec::firstBlock(table, 3));
    write(MemoryMap::channelRecordSecondHalf(3), *ChannelCodec::secondBlock(table, 3, words));
    QString first;
    QString second;
    read(MemoryMap::channelRecord(3), first);
    read(MemoryMap::channelRecordSecondHalf(3), second);
    QVERIFY(link.sendFrame(Frame::ExitCommand));

    ChannelTable readBack;
    ChannelCodec::decodeRecord(first, second, readBack, 3, words);
    for (int column = Column::FirstField; column <= Column::LastField; ++column)
        QCOMPARE(readBack.text(3, column), table.text(3, column));
    QCOMPARE(line.radio.memory().read(MemoryMap::channelRecord(3), 16),
             QByteArray::fromHex("002551430025604318132380F2FFFFFF"));
    QTRY_VERIFY(!line.radio.inProgrammingMode());
}

void TestLinkRadio::hangUpEndsTheExchange()
{
    RadioFaults hangUp;
    hangUp.hangUpAfter = 3; // in the middle of the first hello
    RadioLine line;
    QVERIFY(line.open(hangUp));
    QVERIFY(!line.link->handshake(Link::Wait::UntilData));
    // The radio hangs up as it takes the third byte, on its own thread.
    QTRY_VERIFY(line.radio.hungUp());
    QVERIFY(!line.port->isOpen());
}

void TestLinkRadio::portHeldByAnotherProgramFailsTheProbe()
{
    RadioLine line;
    QVERIFY(line.radio.start());
    line.program.mapComPort(1, line.radio.slavePath());
    const ComPortDevices devices(line.program.path());
    QtSerialPort port(devices);
    Link link(port, devices);
    link.setPortNumber(1);
    QVERIFY(link.probePort());

    HeldPort holder(line.radio.slavePath());
    QVERIFY(holder.holding());
    QVERIFY(!link.probePort());

    QVERIFY(holder.release());
    QVERIFY(link.probePort());
}

QTEST_GUILESS_MAIN(TestLinkRadio)
#include "tst_linkradio.moc"
