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
const QString LinkFolder = QStringLiteral("link");
const QString Port = QStringLiteral("port");

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
        {LinkFolder,
         "Create FOLDER/dosdevices/comN leading to the simulated radio, so the "
         "program in FOLDER finds it on COMN.",
         "FOLDER"},
        {Port, "The N of --link (default 1).", "N"},
    };
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
        !number(HangUpAfter, 10, 0, 1'000'000'000, hangUpAfter) || !number(Port, 10, 1, 99, port))
        return false;
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
