#include "PortLink.h"
#include "RadioMemory.h"
#include "RadioProtocol.h"
#include "RadioSimulator.h"
#include "RadioSimulatorOptions.h"

#include "support/TemporaryProgramFolder.h"

#include <QDeadlineTimer>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QTest>

#include <fcntl.h>
#include <poll.h>
#include <unistd.h>

using Kind = RadioProtocol::CommandKind;

namespace {
const QByteArray Hello = QByteArray::fromHex("0251584B4D4E72");
const QByteArray HelloReply = QByteArray::fromHex("06214A7355627177");
const QByteArray Unprogrammed(8, char(0xFF));

QByteArray hex(const char* text)
{
    return QByteArray::fromHex(text);
}

// Everything the radio answers to these bytes, in order.
QByteArray answersTo(RadioProtocol& radio, const QByteArray& bytes)
{
    QByteArray answers;
    for (const char byte : bytes)
        answers += radio.receive(quint8(byte)).reply;
    return answers;
}

// The program's end of the line, opened by hand.
class Terminal
{
public:
    explicit Terminal(const QString& path)
        : m_fd(::open(qPrintable(path), O_RDWR | O_NOCTTY | O_NONBLOCK))
    {
    }
    ~Terminal()
    {
        if (m_fd >= 0)
            ::close(m_fd);
    }
    bool isOpen() const { return m_fd >= 0; }
    void write(const QByteArray& bytes)
    {
        [[maybe_unused]] const ssize_t written = ::write(m_fd, bytes.constData(), bytes.size());
    }
    // Up to `count` bytes, waiting at most `ms` for them.
    QByteArray read(qsizetype count, int ms = 5000)
    {
        QByteArray bytes;
        const QDeadlineTimer deadline(ms);
        while (bytes.size() < count && !deadline.hasExpired()) {
            pollfd descriptor{m_fd, POLLIN, 0};
            if (::poll(&descriptor, 1, int(deadline.remainingTime())) <= 0)
                break;
            char buffer[256];
            const ssize_t got =
                ::read(m_fd, buffer, size_t(qMin<qsizetype>(256, count - bytes.size())));
            if (got <= 0)
                break;
            bytes.append(buffer, got);
        }
        return bytes;
    }
    // The line is dead once the other end hangs up.
    bool hungUp()
    {
        pollfd descriptor{m_fd, POLLIN, 0};
        ::poll(&descriptor, 1, 0);
        char byte = 0;
        return (descriptor.revents & (POLLHUP | POLLERR)) ||
               (::read(m_fd, &byte, 1) < 0 && errno == EIO);
    }

private:
    int m_fd = -1;
};
} // namespace

// The simulated radio: its protocol, memory image, faults, line timing and command line.
class TestRadioSim : public QObject
{
    Q_OBJECT

private slots:
    void answers_data();
    void answers();
    void agingTestIsRecorded();
    void faults_data();
    void faults();
    void refusedWriteIsNotStored();
    void acknowledgedWritesKeptWrong();

    void freshMemoryIsUnprogrammed();
    void memoryImageRoundTrip();
    void badImageFileLeavesMemoryAlone_data();
    void badImageFileLeavesMemoryAlone();

    void answersOnTheLineAndLogsEveryByte();
    void lateReply();
    void lateAnswerAtOneStage();
    void hangsUpAfterReceivedBytes();
    void pacedLineTakesTheTimeOfEveryByte();

    void commandLine_data();
    void commandLine();
    void badCommandLine_data();
    void badCommandLine();
    void portLink();
};

void TestRadioSim::answers_data()
{
    QTest::addColumn<QByteArray>("sent");
    QTest::addColumn<QByteArray>("answer");
    QTest::newRow("hello") << Hello << HelloReply;
    QTest::newRow("requests before a hello are ignored")
        << hex("5203E008") + hex("06") + Hello << HelloReply;
    QTest::newRow("acknowledgement") << Hello + hex("06") << HelloReply + hex("06");
    QTest::newRow("read") << Hello + hex("5203E008") << HelloReply + hex("5703E008") + Unprogrammed;
    QTest::newRow("write, then read it back")
        << Hello + hex("57001008 0102030405060708") + hex("52001008")
        << HelloReply + hex("06") + hex("57001008 0102030405060708");
    QTest::newRow("exit leaves programming mode")
        << Hello + hex("646F") + hex("5203E008") << HelloReply;
    QTest::newRow("hello again") << Hello + Hello << HelloReply + HelloReply;
    QTest::newRow("stray byte skipped") << Hello + hex("33 06") << HelloReply + hex("06");
    QTest::newRow("read past the end of memory")
        << Hello + hex("5203FC08") << HelloReply + hex("5703FC08 FFFFFFFFFFFFFFFF");
}

void TestRadioSim::answers()
{
    QFETCH(QByteArray, sent);
    QFETCH(QByteArray, answer);
    RadioProtocol radio;
    QCOMPARE(answersTo(radio, sent), answer);
}

void TestRadioSim::agingTestIsRecorded()
{
    RadioProtocol radio;
    QCOMPARE(answersTo(radio, Hello + hex("06 6167")), HelloReply + hex("06"));
    QVERIFY(radio.agingStarted());
    QVERIFY(!radio.inProgrammingMode());
}

void TestRadioSim::faults_data()
{
    QTest::addColumn<RadioFaults>("faults");
    QTest::addColumn<QByteArray>("sent");
    QTest::addColumn<QByteArray>("answer");
    RadioFaults faults;
    faults.silent = true;
    QTest::newRow("silent") << faults << Hello + hex("06 5203E008") << QByteArray();
    faults = {};
    faults.wrongHelloReply = true;
    QTest::newRow("wrong hello reply") << faults << Hello << hex("06214A7355627176");
    faults = {};
    faults.longHelloReply = true;
    QTest::newRow("9-byte hello reply") << faults << Hello << HelloReply + hex("00");
    faults = {};
    faults.noReplyAt = 0x0070;
    QTest::newRow("no reply at an address") << faults << Hello + hex("52007008 52008008")
                                            << HelloReply + hex("57008008") + Unprogrammed;
    faults = {};
    faults.acknowledgement = 0x15;
    QTest::newRow("other acknowledgement")
        << faults << Hello + hex("06 57001008 0000000000000000") << HelloReply + hex("15 15");

    // One kind of answer wrong; the same request elsewhere is answered as always.
    const auto answerFault = [](Kind kind, int address) {
        RadioFaults faults;
        faults.answerFault = AnswerFault{.answerTo = kind, .address = address};
        return faults;
    };
    const QByteArray twoReads = Hello + hex("5203C008 5203E008");
    const QByteArray bandReply = hex("5703E008") + Unprogrammed;
    const QByteArray settingsReply = hex("5703C008") + Unprogrammed;
    faults = answerFault(Kind::Read, 0x03E0);
    faults.answerFault->strayByteBefore = 0x06;
    QTest::newRow("stray byte before one read reply")
        << faults << twoReads << HelloReply + settingsReply + hex("06") + bandReply;
    faults.answerFault->strayByteBefore.reset();
    faults.answerFault->lengthChange = 1;
    QTest::newRow("13-byte read reply")
        << faults << twoReads << HelloReply + settingsReply + bandReply + hex("00");
    faults.answerFault->lengthChange = -1;
    QTest::newRow("11-byte read reply")
        << faults << twoReads << HelloReply + settingsReply + bandReply.chopped(1);
    faults = answerFault(Kind::Acknowledgement, 0x03E0);
    faults.answerFault->strayByteBefore = 0x00;
    QTest::newRow("stray byte before the 06 after the band")
        << faults << Hello + hex("06 5203E008 06 5203C008 06")
        << HelloReply + hex("06") + bandReply + hex("00 06") + settingsReply + hex("06");
    faults = answerFault(Kind::Acknowledgement, -1);
    faults.answerFault->lengthChange = 1;
    QTest::newRow("06 after the hello a byte long")
        << faults << Hello + hex("06 5203E008 06")
        << HelloReply + hex("06 00") + bandReply + hex("06");
    faults = answerFault(Kind::Write, 0x0010);
    faults.answerFault->strayByteBefore = 0x15;
    QTest::newRow("stray byte before a write's 06")
        << faults << Hello + hex("57001008 0000000000000000 57001808 0000000000000000")
        << HelloReply + hex("15 06 06");
    faults = answerFault(Kind::Hello, -1);
    faults.answerFault->lengthChange = -1;
    QTest::newRow("7-byte hello reply") << faults << Hello << HelloReply.chopped(1);

    // Whole replies of the wrong block, header and all.
    faults = {};
    faults.otherBlock = RadioFaults::OtherBlock{0x03E0, 0x03C0};
    QTest::newRow("read answered with another block")
        << faults << twoReads << HelloReply + settingsReply + settingsReply;
    faults = {};
    faults.staleReplyAt = 0x03E0;
    QTest::newRow("stale reply") << faults << twoReads
                                 << HelloReply + settingsReply + settingsReply;
    QTest::newRow("stale reply with none sent before")
        << faults << Hello + hex("5203E008") << HelloReply + bandReply;
    faults = {};
    faults.anonymousReplies = true;
    QTest::newRow("replies naming no address")
        << faults << twoReads
        << HelloReply + hex("57FFFF08") + Unprogrammed + hex("57FFFF08") + Unprogrammed;
    faults = {};
    faults.doubledWriteAcknowledgement = true;
    QTest::newRow("doubled write acknowledgement")
        << faults << Hello + hex("06 57001008 0000000000000000 5203E008")
        << HelloReply + hex("06 0606") + bandReply;
}

void TestRadioSim::faults()
{
    QFETCH(RadioFaults, faults);
    QFETCH(QByteArray, sent);
    QFETCH(QByteArray, answer);
    RadioProtocol radio;
    radio.setFaults(faults);
    QCOMPARE(answersTo(radio, sent), answer);
}

void TestRadioSim::refusedWriteIsNotStored()
{
    RadioFaults faults;
    faults.noReplyAt = 0x0070;
    RadioProtocol radio;
    radio.setFaults(faults);
    QCOMPARE(answersTo(radio, Hello + hex("57007008 1111111111111111")), HelloReply);
    QCOMPARE(radio.memory(), RadioMemory());
}

// Acknowledged like any write, yet the memory keeps its old block, one byte of its own, or
// some bits of a written byte flipped.
void TestRadioSim::acknowledgedWritesKeptWrong()
{
    RadioFaults faults;
    faults.unstoredWriteAt = 0x0070;
    faults.alteredByte = RadioFaults::AlteredByte{0x0079, 0x42};
    faults.keptDifferently = RadioFaults::KeptDifferently{0x007C, 0xF0};
    RadioProtocol radio;
    radio.setFaults(faults);
    QCOMPARE(
        answersTo(radio, Hello + hex("06 57007008 1111111111111111 57007808 2222222222222222")),
        HelloReply + hex("06 06 06"));
    QCOMPARE(radio.memory().read(0x70, 8), QByteArray(8, char(0xFF)));
    QCOMPARE(radio.memory().read(0x78, 8), hex("22422222D2222222"));
}

void TestRadioSim::freshMemoryIsUnprogrammed()
{
    const RadioMemory memory;
    QCOMPARE(memory.image(), QByteArray(RadioMemory::Size, char(0xFF)));
}

void TestRadioSim::memoryImageRoundTrip()
{
    TemporaryProgramFolder folder;
    RadioMemory memory;
    memory.write(0x03E0, hex("00400047"));
    memory.write(0x03FE, hex("AABBCC")); // the last byte falls off the end
    QVERIFY(memory.save(folder.filePath("radio.img")));
    QCOMPARE(QFileInfo(folder.filePath("radio.img")).size(), RadioMemory::Size);

    RadioMemory loaded;
    QVERIFY(loaded.load(folder.filePath("radio.img")));
    QCOMPARE(loaded, memory);
    QCOMPARE(loaded.read(0x03E0, 8), hex("00400047FFFFFFFF"));
    QCOMPARE(loaded.read(0x03FE, 4), hex("AABBFFFF"));
}

void TestRadioSim::badImageFileLeavesMemoryAlone_data()
{
    QTest::addColumn<QByteArray>("contents");
    QTest::addColumn<bool>("exists");
    QTest::newRow("missing") << QByteArray() << false;
    QTest::newRow("too short") << QByteArray(1023, 0) << true;
    QTest::newRow("too long") << QByteArray(1025, 0) << true;
}

void TestRadioSim::badImageFileLeavesMemoryAlone()
{
    QFETCH(QByteArray, contents);
    QFETCH(bool, exists);
    TemporaryProgramFolder folder;
    if (exists)
        folder.writeFile("radio.img", contents);
    RadioMemory memory;
    memory.write(0, hex("12"));
    const RadioMemory before = memory;
    QString error;
    QVERIFY(!memory.load(folder.filePath("radio.img"), &error));
    QVERIFY(!error.isEmpty());
    QCOMPARE(memory, before);
}

void TestRadioSim::answersOnTheLineAndLogsEveryByte()
{
    RadioSimulator radio;
    QVERIFY(radio.start());
    Terminal line(radio.slavePath());
    QVERIFY(line.isOpen());
    line.write(Hello);
    QCOMPARE(line.read(8), HelloReply);
    line.write(hex("5203C008"));
    QCOMPARE(line.read(12), hex("5703C008") + Unprogrammed);
    QCOMPARE(radio.received(), Hello + hex("5203C008"));
    QCOMPARE(radio.sent(), HelloReply + hex("5703C008") + Unprogrammed);
    const auto commands = radio.commands();
    QCOMPARE(commands.size(), 2);
    QCOMPARE(commands[1].command.kind, Kind::Read);
    QCOMPARE(commands[1].command.address, 0x03C0);
}

void TestRadioSim::lateReply()
{
    RadioFaults late;
    late.replyDelayMs = 300;
    RadioSimulator radio;
    radio.setFaults(late);
    QVERIFY(radio.start());
    Terminal line(radio.slavePath());
    QElapsedTimer clock;
    clock.start();
    line.write(Hello);
    QCOMPARE(line.read(8), HelloReply);
    QVERIFY2(clock.elapsed() >= 300, qPrintable(QString::number(clock.elapsed())));
}

void TestRadioSim::lateAnswerAtOneStage()
{
    RadioFaults faults;
    faults.answerFault = AnswerFault{.answerTo = Kind::Read, .address = 0x03E0, .delayMs = 300};
    RadioSimulator radio;
    radio.setFaults(faults);
    QVERIFY(radio.start());
    Terminal line(radio.slavePath());
    line.write(Hello + hex("5203C008"));
    QCOMPARE(line.read(20), HelloReply + hex("5703C008") + Unprogrammed);

    QElapsedTimer clock;
    clock.start();
    line.write(hex("5203E008"));
    QCOMPARE(line.read(12), hex("5703E008") + Unprogrammed);
    QVERIFY2(clock.elapsed() >= 300, qPrintable(QString::number(clock.elapsed())));
    // The 06 after it follows the late answer, never overtakes it.
    line.write(hex("06"));
    QCOMPARE(line.read(1), hex("06"));
    const auto acknowledgements = radio.commands(Kind::Acknowledgement);
    QCOMPARE(acknowledgements.size(), 1);
    QCOMPARE(acknowledgements[0].command.address, 0x03E0);
}

void TestRadioSim::hangsUpAfterReceivedBytes()
{
    RadioFaults hangUp;
    hangUp.hangUpAfter = 3;
    RadioSimulator radio;
    radio.setFaults(hangUp);
    QVERIFY(radio.start());
    Terminal line(radio.slavePath());
    line.write(Hello);
    QTRY_VERIFY(radio.hungUp());
    QCOMPARE(radio.received(), Hello.left(3));
    QVERIFY(line.hungUp());
}

void TestRadioSim::pacedLineTakesTheTimeOfEveryByte()
{
    RadioSimulator radio;
    radio.setPaced(true);
    QVERIFY(radio.start());
    Terminal line(radio.slavePath());
    line.write(Hello);
    QCOMPARE(line.read(8), HelloReply);
    radio.clearLog();

    line.write(hex("5203E008"));
    QCOMPARE(line.read(12), hex("5703E008") + Unprogrammed);
    // The 4 request bytes arrive one byte time apart, then 12 reply bytes leave one byte
    // time apart: from the first arrival to the last reply byte, at least 15 byte times.
    const auto log = radio.log();
    QCOMPARE(log.size(), 16);
    const auto lineTime = log.last().time - log.first().time;
    QVERIFY2(lineTime >= 15 * RadioSimulator::ByteTime,
             qPrintable(QString::number(lineTime.count())));
}

void TestRadioSim::commandLine_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<RadioFaults>("faults");
    QTest::addColumn<bool>("paced");
    QTest::addColumn<int>("port");
    QTest::addColumn<int>("radios");
    RadioFaults faults;
    QTest::newRow("nothing") << QStringList{} << faults << false << 1 << 1;
    faults.noReplyAt = 0x0070;
    faults.acknowledgement = 0x15;
    QTest::newRow("address and byte in hex")
        << QStringList{"--no-reply-at", "0070", "--ack", "15"} << faults << false << 1 << 1;
    faults = {};
    faults.replyDelayMs = 600;
    faults.hangUpAfter = 40;
    faults.silent = faults.wrongHelloReply = faults.longHelloReply = true;
    QTest::newRow("everything") << QStringList{"--paced",         "--silent",
                                               "--wrong-hello",   "--long-hello",
                                               "--delay",         "600",
                                               "--hang-up-after", "40",
                                               "--link",          "/tmp",
                                               "--port",          "3",
                                               "--radios",        "4"}
                                << faults << true << 3 << 4;
    faults = {};
    faults.answerFault = AnswerFault{Kind::Acknowledgement, 0x03E0, 300, 0x06, -2};
    QTest::newRow("one answer wrong")
        << QStringList{"--fault-at",   "ack:03e0", "--late-by",       "300",
                       "--stray-byte", "06",       "--length-change", "-2"}
        << faults << false << 1 << 1;
    faults.answerFault = AnswerFault{.answerTo = Kind::Hello, .delayMs = 260};
    QTest::newRow("hello late") << QStringList{"--fault-at", "hello", "--late-by", "260"} << faults
                                << false << 1 << 1;
    faults.answerFault = AnswerFault{.answerTo = Kind::Acknowledgement};
    faults.answerFault->lengthChange = 1;
    QTest::newRow("06 after the hello long")
        << QStringList{"--fault-at", "ack", "--length-change", "1"} << faults << false << 1 << 1;
    faults.answerFault = AnswerFault{.answerTo = Kind::Write, .address = 0x0078};
    QTest::newRow("write answer") << QStringList{"--fault-at", "write:0078"} << faults << false << 1
                                  << 1;
    faults = {};
    faults.unstoredWriteAt = 0x0070;
    faults.alteredByte = RadioFaults::AlteredByte{0x03C1, 0x02};
    QTest::newRow("writes kept wrong")
        << QStringList{"--unstored-write", "0070", "--alter-byte", "03c1:02"} << faults << false
        << 1 << 1;
    faults = {};
    faults.keptDifferently = RadioFaults::KeptDifferently{0x001C, 0xF0};
    faults.otherBlock = RadioFaults::OtherBlock{0x0020, 0x0010};
    faults.staleReplyAt = 0x03C0;
    faults.anonymousReplies = faults.doubledWriteAcknowledgement = true;
    QTest::newRow("replies of other blocks")
        << QStringList{"--keep-differently", "001c:f0", "--other-block",       "0020:0010",
                       "--stale-reply",      "03C0",    "--anonymous-replies", "--double-ack"}
        << faults << false << 1 << 1;
}

void TestRadioSim::commandLine()
{
    QFETCH(QStringList, arguments);
    QFETCH(RadioFaults, faults);
    QFETCH(bool, paced);
    QFETCH(int, port);
    QFETCH(int, radios);
    RadioSimulatorOptions options;
    QVERIFY2(options.parse(QStringList{"qv3307-radiosim"} + arguments),
             qPrintable(options.error()));
    QCOMPARE(options.paced, paced);
    QCOMPARE(options.port, port);
    QCOMPARE(options.radios, radios);
    QCOMPARE(options.faults.silent, faults.silent);
    QCOMPARE(options.faults.wrongHelloReply, faults.wrongHelloReply);
    QCOMPARE(options.faults.longHelloReply, faults.longHelloReply);
    QCOMPARE(options.faults.noReplyAt, faults.noReplyAt);
    QCOMPARE(options.faults.acknowledgement, faults.acknowledgement);
    QCOMPARE(options.faults.replyDelayMs, faults.replyDelayMs);
    QCOMPARE(options.faults.hangUpAfter, faults.hangUpAfter);
    QCOMPARE(options.faults.unstoredWriteAt, faults.unstoredWriteAt);
    QCOMPARE(options.faults.alteredByte.has_value(), faults.alteredByte.has_value());
    if (faults.alteredByte) {
        QCOMPARE(options.faults.alteredByte->address, faults.alteredByte->address);
        QCOMPARE(options.faults.alteredByte->value, faults.alteredByte->value);
    }
    QCOMPARE(options.faults.keptDifferently.has_value(), faults.keptDifferently.has_value());
    if (faults.keptDifferently) {
        QCOMPARE(options.faults.keptDifferently->address, faults.keptDifferently->address);
        QCOMPARE(options.faults.keptDifferently->mask, faults.keptDifferently->mask);
    }
    QCOMPARE(options.faults.otherBlock.has_value(), faults.otherBlock.has_value());
    if (faults.otherBlock) {
        QCOMPARE(options.faults.otherBlock->address, faults.otherBlock->address);
        QCOMPARE(options.faults.otherBlock->carried, faults.otherBlock->carried);
    }
    QCOMPARE(options.faults.staleReplyAt, faults.staleReplyAt);
    QCOMPARE(options.faults.anonymousReplies, faults.anonymousReplies);
    QCOMPARE(options.faults.doubledWriteAcknowledgement, faults.doubledWriteAcknowledgement);
    QCOMPARE(options.faults.answerFault.has_value(), faults.answerFault.has_value());
    if (faults.answerFault) {
        const AnswerFault& parsed = *options.faults.answerFault;
        QCOMPARE(parsed.answerTo, faults.answerFault->answerTo);
        QCOMPARE(parsed.address, faults.answerFault->address);
        QCOMPARE(parsed.delayMs, faults.answerFault->delayMs);
        QCOMPARE(parsed.strayByteBefore, faults.answerFault->strayByteBefore);
        QCOMPARE(parsed.lengthChange, faults.answerFault->lengthChange);
    }
}

void TestRadioSim::badCommandLine_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::newRow("unknown option") << QStringList{"--loud"};
    QTest::newRow("address not hex") << QStringList{"--no-reply-at", "zz"};
    QTest::newRow("byte too big") << QStringList{"--ack", "100"};
    QTest::newRow("negative delay") << QStringList{"--delay", "-1"};
    QTest::newRow("port without link") << QStringList{"--port", "2"};
    QTest::newRow("stray argument") << QStringList{"radio.img"};
    QTest::newRow("no such answer") << QStringList{"--fault-at", "exit"};
    QTest::newRow("read without address") << QStringList{"--fault-at", "read"};
    QTest::newRow("answer address not hex") << QStringList{"--fault-at", "read:03x0"};
    QTest::newRow("late without an answer") << QStringList{"--late-by", "300"};
    QTest::newRow("altered byte without value") << QStringList{"--alter-byte", "03C1"};
    QTest::newRow("altered value too big") << QStringList{"--alter-byte", "03C1:100"};
    QTest::newRow("unstored address not hex") << QStringList{"--unstored-write", "g0"};
    QTest::newRow("length change too big")
        << QStringList{"--fault-at", "hello", "--length-change", "20"};
    QTest::newRow("other block without the block carried") << QStringList{"--other-block", "0020"};
    QTest::newRow("kept mask too big") << QStringList{"--keep-differently", "001C:100"};
    QTest::newRow("stale address not hex") << QStringList{"--stale-reply", "03G0"};
    QTest::newRow("no radios") << QStringList{"--radios", "0"};
    // One image is one radio's memory.
    QTest::newRow("radios with one image") << QStringList{"--radios", "2", "--image", "r.img"};
    QTest::newRow("radios past COM99")
        << QStringList{"--link", "/tmp", "--port", "98", "--radios", "3"};
}

void TestRadioSim::badCommandLine()
{
    QFETCH(QStringList, arguments);
    RadioSimulatorOptions options;
    QVERIFY(!options.parse(QStringList{"qv3307-radiosim"} + arguments));
    QVERIFY(!options.error().isEmpty());
}

void TestRadioSim::portLink()
{
    TemporaryProgramFolder program;
    const QString device = program.filePath("device");
    program.writeFile("device", {});
    {
        PortLink link;
        QVERIFY(link.create(program.path(), 2, device));
        QCOMPARE(QFileInfo(program.filePath("dosdevices/com2")).symLinkTarget(), device);
        // An earlier link is replaced.
        PortLink again;
        QVERIFY(again.create(program.path(), 2, device));
    }
    QVERIFY(!QFileInfo(program.filePath("dosdevices/com2")).isSymLink()); // gone with it

    // Anything else in its place is left alone.
    program.writeFile("dosdevices/com3", "mine");
    PortLink refused;
    QString error;
    QVERIFY(!refused.create(program.path(), 3, device, &error));
    QVERIFY(!error.isEmpty());
    QCOMPARE(program.readFile("dosdevices/com3"), "mine");
}

QTEST_GUILESS_MAIN(TestRadioSim)
#include "tst_radiosim.moc"
