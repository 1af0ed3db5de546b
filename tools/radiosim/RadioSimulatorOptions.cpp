#include "RadioSimulatorOptions.h"

#include <QCommandLineParser>

namespace {
const QString Image = QStringLiteral("image");
const QString Paced = QStringLiteral("paced");
const QString Silent = QStringLiteral("silent");
const QString WrongHello = QStringLiteral("wrong-hello");
const QString LongHello = QStringLiteral("long-hello");
const QString NoReplyAt = QStringLiteral("no-reply-at");
const QString Ack = QStringLiteral("ack");
const QString Delay = QStringLiteral("delay");
const QString HangUpAfter = QStringLiteral("hang-up-after");
const QString FaultAt = QStringLiteral("fault-at");
const QString LateBy = QStringLiteral("late-by");
const QString StrayByte = QStringLiteral("stray-byte");
const QString LengthChange = QStringLiteral("length-change");
const QString UnstoredWrite = QStringLiteral("unstored-write");
const QString AlterByte = QStringLiteral("alter-byte");
const QString KeepDifferently = QStringLiteral("keep-differently");
const QString OtherBlock = QStringLiteral("other-block");
const QString StaleReply = QStringLiteral("stale-reply");
const QString AnonymousReplies = QStringLiteral("anonymous-replies");
const QString DoubleAck = QStringLiteral("double-ack");
const QString LinkFolder = QStringLiteral("link");
const QString Port = QStringLiteral("port");
const QString Radios = QStringLiteral("radios");

QList<QCommandLineOption> optionList()
{
    return {
        {Image,
         "Load the radio's memory from FILE (1024 bytes) and save it there on exit; "
         "a missing file starts a fresh radio.",
         "FILE"},
        {Paced, "Carry every byte at the speed of a 9600-baud line."},
        {Silent, "Answer nothing, as a radio switched off."},
        {WrongHello, "Answer the hello with a wrong reply."},
        {LongHello, "Answer the hello with the right reply and one byte more."},
        {NoReplyAt, "Ignore read and write requests at ADDRESS (hex, such as 0070).", "ADDRESS"},
        {Ack, "Acknowledge with BYTE (hex) instead of 06.", "BYTE"},
        {Delay, "Answer every request MS milliseconds late.", "MS"},
        {HangUpAfter, "Hang up after receiving N bytes.", "N"},
        {FaultAt,
         "Get one kind of answer wrong, as the next three options say: the answer to the "
         "hello (hello), to the 06 after the hello (ack), to the 06 after the request at "
         "ADDRESS (ack:ADDRESS), or to the read or write request at ADDRESS "
         "(read:ADDRESS, write:ADDRESS); ADDRESS in hex, such as 03E0.",
         "ANSWER"},
        {LateBy, "Send that answer MS milliseconds late.", "MS"},
        {StrayByte, "Send the byte BYTE (hex) before that answer.", "BYTE"},
        {LengthChange,
         "Send N bytes more (00 each, after it) or, with a negative N, fewer (the last ones "
         "left out) in that answer.",
         "N"},
        {UnstoredWrite,
         "Acknowledge a write request at ADDRESS (hex) but keep what the block held.", "ADDRESS"},
        {AlterByte, "Hold VALUE at ADDRESS whatever a write brings (both hex, such as 03C1:02).",
         "ADDRESS:VALUE"},
        {KeepDifferently,
         "Store what a write brings at ADDRESS with the bits of MASK flipped (both hex, such "
         "as 001C:F0 for the unused half of channel 1's flags).",
         "ADDRESS:MASK"},
        {OtherBlock,
         "Answer the read of ADDRESS with the reply for OTHER, header and all (both hex, such "
         "as 0020:0010).",
         "ADDRESS:OTHER"},
        {StaleReply, "Answer the read of ADDRESS (hex) with the last read reply sent again.",
         "ADDRESS"},
        {AnonymousReplies, "Start every read reply with 57 FF FF 08, naming no address."},
        {DoubleAck, "Acknowledge every write request with 06 06."},
        {LinkFolder,
         "Create FOLDER/dosdevices/comN leading to the simulated radio, so the "
         "program in FOLDER finds it on COMN.",
         "FOLDER"},
        {Port, "The N of --link (default 1).", "N"},
        {Radios,
         "Serve N radios at once, each on its own pseudo-terminal (with --link, on COMN, the "
         "next port and so on; default 1).",
         "N"},
    };
}
// "hello", "ack", "ack:ADDRESS", "read:ADDRESS" or "write:ADDRESS".
std::optional<AnswerFault> answerNamed(const QString& text)
{
    const QStringList parts = text.split(QLatin1Char(':'));
    const QString kind = parts.front();
    AnswerFault fault;
    if (kind == QLatin1String("hello") && parts.size() == 1) {
        fault.answerTo = RadioCommandKind::Hello;
        return fault;
    }
    if (kind == QLatin1String("ack") && parts.size() == 1) {
        fault.answerTo = RadioCommandKind::Acknowledgement;
        return fault;
    }
    if (parts.size() != 2)
        return std::nullopt;
    if (kind == QLatin1String("ack"))
        fault.answerTo = RadioCommandKind::Acknowledgement;
    else if (kind == QLatin1String("read"))
        fault.answerTo = RadioCommandKind::Read;
    else if (kind == QLatin1String("write"))
        fault.answerTo = RadioCommandKind::Write;
    else
        return std::nullopt;
    bool ok = false;
    fault.address = parts[1].toInt(&ok, 16);
    if (!ok || fault.address < 0 || fault.address > 0xFFFF)
        return std::nullopt;
    return fault;
}

// "03C1:02": two numbers in hex, the first 0 to FFFF, the second 0 to `secondMax`.
std::optional<std::pair<int, int>> hexPairNamed(const QString& text, int secondMax)
{
    const QStringList parts = text.split(QLatin1Char(':'));
    if (parts.size() != 2)
        return std::nullopt;
    bool firstOk = false;
    bool secondOk = false;
    const int first = parts[0].toInt(&firstOk, 16);
    const int second = parts[1].toInt(&secondOk, 16);
    if (!firstOk || !secondOk || first < 0 || first > 0xFFFF || second < 0 || second > secondMax)
        return std::nullopt;
    return std::pair{first, second};
}
} // namespace

bool RadioSimulatorOptions::parse(const QStringList& arguments)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(
        "A simulated QV3307 radio on a pseudo-terminal. Runs until Ctrl+C.");
    const QCommandLineOption help = parser.addHelpOption();
    parser.addOptions(optionList());
    m_helpText = parser.helpText();
    if (!parser.parse(arguments)) {
        m_error = parser.errorText();
        return false;
    }
    if (parser.isSet(help)) {
        m_helpRequested = true;
        return false;
    }
    const auto number = [&](const QString& name, int base, int min, int max, int& value) {
        if (!parser.isSet(name))
            return true;
        bool ok = false;
        const int parsed = parser.value(name).toInt(&ok, base);
        if (!ok || parsed < min || parsed > max) {
            m_error = QStringLiteral("--%1: %2 is not a value from %3 to %4")
                          .arg(name, parser.value(name))
                          .arg(min)
                          .arg(max);
            return false;
        }
        value = parsed;
        return true;
    };

    imagePath = parser.value(Image);
    paced = parser.isSet(Paced);
    programFolder = parser.value(LinkFolder);
    faults.silent = parser.isSet(Silent);
    faults.wrongHelloReply = parser.isSet(WrongHello);
    faults.longHelloReply = parser.isSet(LongHello);
    int address = -1;
    int acknowledgement = faults.acknowledgement;
    int hangUpAfter = -1;
    if (!number(NoReplyAt, 16, 0, 0xFFFF, address) || !number(Ack, 16, 0, 0xFF, acknowledgement) ||
        !number(Delay, 10, 0, 3'600'000, faults.replyDelayMs) ||
        !number(HangUpAfter, 10, 0, 1'000'000'000, hangUpAfter) || !number(Port, 10, 1, 99, port) ||
        !number(Radios, 10, 1, 64, radios))
        return false;
    if (radios > 1 && !imagePath.isEmpty()) {
        m_error = QStringLiteral("--%1 holds one radio's memory: run one simulator per image "
                                 "instead of --%2")
                      .arg(Image, Radios);
        return false;
    }
    if (!programFolder.isEmpty() && port + radios - 1 > 99) {
        m_error =
            QStringLiteral("--%1 %2 from COM%3 goes past COM99").arg(Radios).arg(radios).arg(port);
        return false;
    }
    int lateBy = 0;
    int strayByte = -1;
    int lengthChange = 0;
    if (!number(LateBy, 10, 0, 3'600'000, lateBy) || !number(StrayByte, 16, 0, 0xFF, strayByte) ||
        !number(LengthChange, 10, -8, 8, lengthChange))
        return false;
    if (parser.isSet(FaultAt)) {
        faults.answerFault = answerNamed(parser.value(FaultAt));
        if (!faults.answerFault) {
            m_error =
                QStringLiteral("--%1: %2 names no answer").arg(FaultAt, parser.value(FaultAt));
            return false;
        }
        faults.answerFault->delayMs = lateBy;
        if (strayByte >= 0)
            faults.answerFault->strayByteBefore = quint8(strayByte);
        faults.answerFault->lengthChange = lengthChange;
    } else if (parser.isSet(LateBy) || parser.isSet(StrayByte) || parser.isSet(LengthChange)) {
        m_error = QStringLiteral("--%1, --%2 and --%3 need --%4")
                      .arg(LateBy, StrayByte, LengthChange, FaultAt);
        return false;
    }
    int unstoredAt = -1;
    if (!number(UnstoredWrite, 16, 0, 0xFFFF, unstoredAt))
        return false;
    if (unstoredAt >= 0)
        faults.unstoredWriteAt = unstoredAt;
    // An option whose value is two numbers in hex; false when it is set but wrong.
    const auto hexPair = [&](const QString& name, const char* form, int secondMax,
                             const auto& take) {
        if (!parser.isSet(name))
            return true;
        const auto pair = hexPairNamed(parser.value(name), secondMax);
        if (!pair) {
            m_error = QStringLiteral("--%1: %2 is not %3 in hex")
                          .arg(name, parser.value(name), QLatin1String(form));
            return false;
        }
        take(pair->first, pair->second);
        return true;
    };
    if (!hexPair(AlterByte, "ADDRESS:VALUE", 0xFF,
                 [&](int address, int value) {
                     faults.alteredByte = RadioFaults::AlteredByte{address, quint8(value)};
                 }) ||
        !hexPair(KeepDifferently, "ADDRESS:MASK", 0xFF,
                 [&](int address, int mask) {
                     faults.keptDifferently = RadioFaults::KeptDifferently{address, quint8(mask)};
                 }) ||
        !hexPair(OtherBlock, "ADDRESS:OTHER", 0xFFFF, [&](int address, int carried) {
            faults.otherBlock = RadioFaults::OtherBlock{address, carried};
        }))
        return false;
    int staleAt = -1;
    if (!number(StaleReply, 16, 0, 0xFFFF, staleAt))
        return false;
    if (staleAt >= 0)
        faults.staleReplyAt = staleAt;
    faults.anonymousReplies = parser.isSet(AnonymousReplies);
    faults.doubledWriteAcknowledgement = parser.isSet(DoubleAck);
    if (address >= 0)
        faults.noReplyAt = address;
    if (hangUpAfter >= 0)
        faults.hangUpAfter = hangUpAfter;
    faults.acknowledgement = quint8(acknowledgement);
    if (parser.isSet(Port) && programFolder.isEmpty()) {
        m_error = QStringLiteral("--port needs --link");
        return false;
    }
    if (!parser.positionalArguments().isEmpty()) {
        m_error =
            QStringLiteral("unexpected argument %1").arg(parser.positionalArguments().first());
        return false;
    }
    return true;
}
