#pragma once

#include "link/ComPortDevices.h"
#include "link/PortDiagnosis.h"

#include <QByteArray>
#include <QElapsedTimer>
#include <QObject>
#include <QString>

#include <functional>
#include <optional>

class SerialPort;

// The link state of one program run and the exchanges built on it: hex text in, bytes out
// through the serial port, received bytes kept until the next receive event, and the two
// waits that keep the interface alive while the radio answers. Every exchange is a strict
// request, wait, inspect sequence on the interface thread; the callers make sure only one
// runs at a time.
class Link : public QObject
{
    Q_OBJECT

public:
    // The radio's acknowledgement, sent by the program and expected back.
    static constexpr quint8 AckByte = 6;
    // Only the hello is repeated, and at most this many times.
    static constexpr int HandshakeTries = 6;
    // The two wait lengths the exchanges use, in milliseconds.
    static constexpr int ShortWait = 250;
    static constexpr int LongWait = 550;
    // About five byte times at 9600 baud: long enough for a byte that follows an answer,
    // or the radio's answer to one more request, to show.
    static constexpr int SettleWait = 5;
    // One byte on the radio's 9600-baud line (a start bit, 8 data bits, a stop bit), in
    // nanoseconds.
    static constexpr qint64 ByteTimeNs = 10'000'000'000LL / 9600;

    // The two waits: the read/write dialog's ends as soon as data has arrived, the main
    // window's always runs its full length.
    enum class Wait { UntilData, FullLength };
    // Why a wait ended. Quit means the application is closing: the exchange must stop.
    enum class WaitEnd { Time, Data, Quit };

    // Opens a device exclusively and closes it at once; true when it could be opened.
    using Probe = std::function<bool(const QString& devicePath)>;

    Link(SerialPort& port, ComPortDevices devices, Probe probe, QObject* parent = nullptr);
    // Probes with the real serial port.
    Link(SerialPort& port, ComPortDevices devices, QObject* parent = nullptr);

    // What to do with bytes that wait unread when a request is about to go out.
    enum class UnreadInput {
        // Throw them away: they are a late answer to an earlier request (or noise), and
        // must not be taken for the answer to this one.
        Discard,
        // The last answer was taken as complete, so these bytes say it was longer than it
        // should have been: throw them away and send nothing; the exchange has failed.
        Refuse,
    };

    // The bytes of the last frame sendFrame() was given; empty after one that was not hex
    // text.
    const QByteArray& lastRequest() const { return m_lastRequest; }
    // The bytes of the most recent receive event, replaced whole by the next one.
    const QByteArray& receivedBytes() const { return m_receivedBytes; }
    // Set by a receive event; the exchanges clear it before or right after each request.
    bool hasDataArrived() const { return m_dataArrived; }
    void setDataArrived(bool arrived) { m_dataArrived = arrived; }

    // Did the answer to the last request come whole: exactly `length` bytes received
    // since it went out, nothing more waiting, and not sooner than the line could have
    // carried the request to the radio and an answer back? With 0: has nothing come at
    // all?
    bool answered(int length) const;
    // Did a byte arrive since the last request went out sooner than the line could have
    // carried that request to the radio and a byte back? Such a byte was already on its
    // way: it answers something earlier. Only on a line that has shown it carries bytes at
    // the radio's pace: since the port was opened, an answer of several bytes (the hello
    // reply, a block) came byte by byte, over a byte time or more. Where bytes come faster
    // than that or in packets (a simulated radio without pacing, some cables), the time of
    // an answer tells nothing.
    bool arrivedEarly() const;
    // How long after the last request its first answer bytes came; nothing before they
    // have.
    std::optional<qint64> answerDelayNs() const;
    // Did the radio answer the last request with its 06 and nothing else?
    bool acknowledged() const;
    // Why the exchange that has just failed did, asked before the next request: nothing
    // came after the last request (NoAnswer), or something came that is not the radio's
    // answer (WrongAnswer): bytes too many or too few, wrong ones, or a byte left over that
    // the request refused to go out with.
    PortDiagnosis failure() const;

    // The COM port number the radio commands use: 1 to 4 as a rule, though a settings file
    // may hold any number and it is then used as it stands.
    int portNumber() const;
    void setPortNumber(int portNumber);
    // Can the chosen port be opened now?
    bool probePort() const;
    // The device the chosen port leads to.
    QString devicePath() const;
    // Why the chosen port cannot be opened, after probePort() said it cannot.
    PortDiagnosis diagnosePort() const;
    // Opens the chosen port, the one probePort() looked at.
    bool openPort();
    // Closes the port; after an interrupt, first sends the exit command to a radio a hello
    // may have left in programming mode, so that it does not wait for requests that never
    // come.
    void closePort();
    void setReceiveThreshold(int count);

    // Sends a frame given as hex text as a new request, after dealing with unread input as
    // `unread` says. False when nothing was sent: the text is not hex text, or unread
    // input was refused. The caller then ends its exchange.
    bool sendFrame(const QString& text, UnreadInput unread = UnreadInput::Discard);
    // Sends the program's 06 as a new request, as sendFrame does.
    bool sendAcknowledgement(UnreadInput unread = UnreadInput::Discard);

    // How long the two waits run, in milliseconds.
    struct WaitLengths
    {
        int shortMs = ShortWait;
        int longMs = LongWait;

        friend bool operator==(const WaitLengths&, const WaitLengths&) = default;
    };
    // Only for tests whose rows do not depend on how long the waits are: runs ShortWait and
    // LongWait as long as `lengths` says, shorter so that a silent radio fails sooner, or
    // longer so that a simulated radio slowed down with the program (under the sanitizers)
    // still answers in time. The programs never call it, and no option, file or environment
    // variable reaches it: a radio always gets the real waits.
    void setWaitLengthsForTests(WaitLengths lengths);
    WaitLengths waitLengths() const { return m_waitLengths; }

    // Waits `ms` milliseconds while events are dispatched. 0 or less returns at once.
    // UntilData entered with data already arrived dispatches pending events once and
    // returns. Once the application is quitting (or the link interrupted) every wait
    // returns Quit at once; so does a wait during which the link itself was destroyed, and
    // the caller must then stop.
    WaitEnd wait(int ms, Wait kind);

    // Puts the radio into programming mode: up to six hellos until the exact reply comes
    // (those 8 bytes and nothing more), then the acknowledgement; the radio's answer to it
    // is left for the caller to check with acknowledged(). The caller has opened the port
    // and cleared the arrived flag. False when the radio never gave the reply, or when the
    // application is quitting.
    bool handshake(Wait waitKind);

    // The application is closing, or the run was interrupted: every wait ends at once and
    // the exchange must stop.
    bool quitting() const { return m_quitting || m_interrupted; }

    // Ends the running wait, and every later one, as the application's closing does, so
    // the exchange stops where it stands; the user asked the run to stop. The link stays
    // usable: closePort() then takes a radio it left in programming mode out of it.
    void interrupt();
    bool interrupted() const { return m_interrupted; }

signals:
    // A receive event has stored new bytes.
    void dataArrived();
    // The application is closing: every wait ends.
    void quitRequested();

private:
    void onPortEvent();
    // Notes when the first bytes after the last request came.
    void noteArrival();
    // Notes whether the answer a receive event brought at `eventNs` came byte by byte.
    void notePace(qint64 eventNs);
    void stopWaiting();
    // A new request starts: nothing received before it counts, and the arrived flag is
    // cleared.
    // False when unread input was there to refuse.
    bool beginRequest(UnreadInput unread);
    // Hands a request's bytes to the port and notes when.
    void sendRequest(const QByteArray& bytes);
    // Whether the answer to the last request took at least `bytes` byte times.
    bool answerTookAtLeast(int bytes) const;

    SerialPort& m_port;
    ComPortDevices m_devices;
    Probe m_probe;
    QByteArray m_lastRequest;
    QByteArray m_receivedBytes;
    // How many bytes the receive events have brought since the last request went out.
    int m_receivedSinceRequest = 0;
    // When the last request went out and how long it is, and when the first bytes after it
    // came (-1: none yet), on m_clock in nanoseconds.
    QElapsedTimer m_clock;
    qint64 m_requestSentNs = 0;
    int m_requestLength = 0;
    qint64 m_firstArrivalNs = -1;
    // How many bytes were there when the answer's first bytes came.
    int m_bytesAtFirstArrival = 0;
    // The line has shown, since the port was opened, that it carries bytes at the radio's
    // 9600 baud.
    bool m_paced = false;
    bool m_dataArrived = false;
    // The last request did not go out: bytes were waiting unread that it refused.
    bool m_refusedUnread = false;
    bool m_quitting = false;
    bool m_interrupted = false;
    // From a hello to the exit or aging command: the radio may be in programming mode.
    bool m_programming = false;
    WaitLengths m_waitLengths;
};
