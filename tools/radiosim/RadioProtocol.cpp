#include "RadioProtocol.h"

namespace {
enum CommandByte : quint8 {
    Acknowledge = 0x06,
    HelloStart = 0x02,
    Read = 0x52,  // "R"
    Write = 0x57, // "W"
    ExitFirst = 0x64,
    ExitSecond = 0x6F,
    AgingFirst = 0x61,
    AgingSecond = 0x67,
};
// Command byte, address high, address low, length.
constexpr int RequestHeaderLength = 4;

quint8 byteAt(const QByteArray& bytes, int index)
{
    return quint8(bytes[index]);
}
} // namespace

const QByteArray RadioProtocol::Hello = QByteArray::fromHex("0251584B4D4E72");
const QByteArray RadioProtocol::HelloReply = QByteArray::fromHex("06214A7355627177");

RadioProtocol::RadioProtocol(RadioMemory memory) : m_memory(std::move(memory)) {}

RadioProtocol::Step RadioProtocol::receive(quint8 byte)
{
    if (!m_programming)
        return withAnswerFault(listenForHello(byte));
    m_pending.append(char(byte));
    return withAnswerFault(parseCommand());
}

const AnswerFault* RadioProtocol::answerFaultFor(const Command& command) const
{
    const std::optional<AnswerFault>& fault = m_faults.answerFault;
    return fault && fault->appliesTo(command.kind, command.address) ? &*fault : nullptr;
}

RadioProtocol::Step RadioProtocol::withAnswerFault(Step step) const
{
    const AnswerFault* fault = step.command ? answerFaultFor(*step.command) : nullptr;
    if (!fault || step.reply.isEmpty())
        return step;
    if (fault->lengthChange < 0)
        step.reply.chop(-fault->lengthChange);
    else
        step.reply.append(QByteArray(fault->lengthChange, '\0'));
    if (fault->strayByteBefore)
        step.reply.prepend(char(*fault->strayByteBefore));
    return step;
}

int RadioProtocol::answerDelayMs(const Command& command) const
{
    const AnswerFault* fault = answerFaultFor(command);
    return m_faults.replyDelayMs + (fault ? fault->delayMs : 0);
}

RadioProtocol::Step RadioProtocol::listenForHello(quint8 byte)
{
    m_pending.append(char(byte));
    if (m_pending.endsWith(Hello))
        return hello();
    if (m_pending.size() >= Hello.size())
        m_pending.remove(0, m_pending.size() - Hello.size() + 1);
    return {};
}

RadioProtocol::Step RadioProtocol::parseCommand()
{
    // A byte that cannot start or continue a command is dropped, and what follows it is
    // read as the start of the next one.
    while (!m_pending.isEmpty()) {
        const quint8 first = byteAt(m_pending, 0);
        const auto size = m_pending.size();
        switch (first) {
        case HelloStart:
            // The program repeats the hello when an answer came late.
            if (!Hello.startsWith(m_pending))
                break;
            return size == Hello.size() ? hello() : Step{};
        case Acknowledge:
            m_pending.clear();
            return acknowledgement();
        case Read:
        case Write: {
            if (size < RequestHeaderLength)
                return {};
            const int address = byteAt(m_pending, 1) * 256 + byteAt(m_pending, 2);
            const int length = byteAt(m_pending, 3);
            if (first == Read) {
                m_pending.clear();
                return readRequest(address, length);
            }
            if (size < RequestHeaderLength + length)
                return {};
            const QByteArray data = m_pending.mid(RequestHeaderLength, length);
            m_pending.clear();
            return writeRequest(address, data);
        }
        case ExitFirst:
        case AgingFirst: {
            if (size < 2)
                return {};
            const quint8 second = first == ExitFirst ? ExitSecond : AgingSecond;
            if (byteAt(m_pending, 1) != second)
                break;
            m_pending.clear();
            return leaveProgramming(first == ExitFirst ? CommandKind::Exit : CommandKind::Aging);
        }
        default:
            break;
        }
        m_pending.remove(0, 1);
    }
    return {};
}

QByteArray RadioProtocol::answer(const QByteArray& reply) const
{
    return m_faults.silent ? QByteArray() : reply;
}

bool RadioProtocol::refusesAddress(int address) const
{
    return m_faults.silent || (m_faults.noReplyAt && *m_faults.noReplyAt == address);
}

RadioProtocol::Step RadioProtocol::hello()
{
    m_pending.clear();
    m_lastRequestAddress = -1;
    Step step{Command{CommandKind::Hello, -1, {}}, {}};
    if (m_faults.silent)
        return step;
    m_programming = true;
    step.reply = HelloReply;
    if (m_faults.wrongHelloReply)
        step.reply.back() = char(step.reply.back() ^ 0x01);
    if (m_faults.longHelloReply)
        step.reply.append('\0');
    return step;
}

RadioProtocol::Step RadioProtocol::acknowledgement()
{
    return {Command{CommandKind::Acknowledgement, m_lastRequestAddress, {}},
            answer(QByteArray(1, char(m_faults.acknowledgement)))};
}

QByteArray RadioProtocol::readReply(int address, int length) const
{
    // The header repeats the request with W for R, unless the radio names no address.
    const int named = m_faults.anonymousReplies ? 0xFFFF : address;
    QByteArray reply;
    reply.append(char(Write));
    reply.append(char(named >> 8));
    reply.append(char(named & 0xFF));
    reply.append(char(length));
    reply.append(m_memory.read(address, length));
    return reply;
}

RadioProtocol::Step RadioProtocol::readRequest(int address, int length)
{
    m_lastRequestAddress = address;
    Step step{Command{CommandKind::Read, address, {}}, {}};
    if (refusesAddress(address))
        return step;
    if (m_faults.staleReplyAt == address && !m_lastReadReply.isEmpty())
        step.reply = m_lastReadReply;
    else if (const auto& other = m_faults.otherBlock; other && other->address == address)
        step.reply = readReply(other->carried, length);
    else
        step.reply = readReply(address, length);
    m_lastReadReply = step.reply;
    return step;
}

RadioProtocol::Step RadioProtocol::writeRequest(int address, const QByteArray& data)
{
    m_lastRequestAddress = address;
    Step step{Command{CommandKind::Write, address, data}, {}};
    if (refusesAddress(address))
        return step;
    if (!m_faults.unstoredWriteAt || *m_faults.unstoredWriteAt != address)
        m_memory.write(address, data);
    if (const auto& kept = m_faults.keptDifferently;
        kept && kept->address >= address && kept->address < address + data.size()) {
        const quint8 written = quint8(data[kept->address - address]);
        m_memory.write(kept->address, QByteArray(1, char(written ^ kept->mask)));
    }
    if (const auto& altered = m_faults.alteredByte;
        altered && altered->address >= address && altered->address < address + data.size())
        m_memory.write(altered->address, QByteArray(1, char(altered->value)));
    step.reply =
        QByteArray(m_faults.doubledWriteAcknowledgement ? 2 : 1, char(m_faults.acknowledgement));
    return step;
}

RadioProtocol::Step RadioProtocol::leaveProgramming(CommandKind kind)
{
    if (m_faults.silent)
        return {Command{kind, -1, {}}, {}};
    m_programming = false;
    if (kind == CommandKind::Aging)
        m_agingStarted = true;
    return {Command{kind, -1, {}}, {}};
}

QString RadioProtocol::describe(const Command& command)
{
    const QString address =
        QStringLiteral("%1").arg(command.address, 4, 16, QLatin1Char('0')).toUpper();
    switch (command.kind) {
    case CommandKind::Hello:
        return QStringLiteral("hello");
    case CommandKind::Acknowledgement:
        return QStringLiteral("acknowledgement");
    case CommandKind::Read:
        return QStringLiteral("read %1").arg(address);
    case CommandKind::Write:
        return QStringLiteral("write %1 %2").arg(address, command.data.toHex(' ').toUpper());
    case CommandKind::Exit:
        return QStringLiteral("exit");
    case CommandKind::Aging:
        return QStringLiteral("aging test started");
    }
    return {};
}
