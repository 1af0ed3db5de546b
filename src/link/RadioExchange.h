#pragma once

#include "link/ReplyAddresses.h"

#include <QString>

class Link;
class Messenger;
class ProgressDisplay;

// The steps a read and a write share: the start of a run, programming mode, a request and
// the wait for its answer, the program's acknowledgement, the progress bar and the end of
// the run. Each step that waits says how it ended; Quit means the application is closing
// (or the link has gone), and the procedure must then stop at once and touch nothing more.
//
// An answer counts only when it is exactly as long as the request's answer must be. The
// receive event comes as soon as that many bytes are there, so a byte too many may still
// be on its way: every request after one whose answer counted refuses to go out while
// such a byte waits, and the bytes of a radio that is out of step then spoil the answer
// to the next request instead, which does not count either. On a line that runs at the
// radio's pace, an answer that comes sooner than its request could have reached the radio
// does not count either (Link::arrivedEarly()): a byte that was on its way while the
// program sent the request, such as the second 06 of a radio that acknowledges twice. A
// read reply must also name its block where the radio names blocks (ReplyAddresses).
class RadioExchange
{
public:
    enum class Result { Done, Failed, Quit };

    RadioExchange(Link& link, ProgressDisplay& progress, Messenger& messenger);
    // An exchange whose failure shows no box: its caller tells the user what the failure
    // means for the larger run it is part of.
    RadioExchange(Link& link, ProgressDisplay& progress);

    Link& link() { return m_link; }

    // Nothing received so far counts, and the bar starts at 0.
    void begin();
    // Puts the radio into programming mode, with the wait that ends when data arrives. A
    // programming session starts: nothing is known yet of how its replies name their
    // blocks or how long its acknowledgements take.
    Result handshake();

    // Sends a frame, ready for an answer of `answerLength` bytes. False, with nothing
    // sent, for a frame that is not hex text, or when bytes wait unread after an answer
    // that counted.
    bool send(const QString& frame, int answerLength);
    // The same for a request whose answer is not looked at: whatever waits unread is
    // thrown away.
    bool sendUnchecked(const QString& frame, int answerLength);
    // Waits up to `ms` for the answer; Failed unless exactly the answer's bytes came.
    Result awaitReply(int ms);
    // Sends the read request for the block at `address` and waits up to `ms` for its
    // reply, which must come whole and, from a radio that names its blocks, name this one.
    Result readBlock(int address, int ms);
    // Waits up to `ms`, whether or not an answer comes.
    Result pause(int ms);
    // Sends the program's 06 and gives the radio the short wait to answer with its own;
    // Failed unless that 06, and nothing else, came.
    Result acknowledge();
    // The program's last 06 of a read: the radio's answer need not come, but whatever
    // comes must be its 06 alone. As no later answer would show a byte that follows it,
    // leaveProgramming() then watches the line for one.
    Result acknowledgeLast();
    // Did the radio answer the last request with its 06 alone?
    bool acknowledged() const;
    // The last answer as hex text.
    QString reply() const;

    void advance(int percent);
    void fillProgress();

    // Sends the exit command, to which nothing answers. After an acknowledgeLast() that
    // was answered, the line is watched as long as the radio's acknowledgements take
    // (settleWaitMs()): a byte that comes then belongs to the last answer, which was not
    // what it seemed, and the run has Failed.
    Result leaveProgramming();

    // The end of a run: the exit command (unless leaveProgramming() sent it) and a full bar
    // after success, message 58/60 after a failure, nothing at all once the application is
    // closing. An exchange built without a messenger shows no message.
    Result finish(Result result);

private:
    bool sendAcknowledgement();
    // Notes how long the radio took to answer the 06 just sent, if it has.
    void noteAcknowledgementTime();
    // How long leaveProgramming() watches the line: twice the longest time one of this
    // session's acknowledgements took, at least Link::SettleWait and at most the wait for
    // an acknowledgement, in milliseconds.
    int settleWaitMs() const;
    void showProgress();

    Link& m_link;
    ProgressDisplay& m_progress;
    Messenger* m_messenger = nullptr;
    int m_percent = 0;
    int m_answerLength = 0;
    bool m_settleDue = false;
    bool m_exitSent = false;
    ReplyAddresses m_replyAddresses;
    qint64 m_slowestAcknowledgementNs = 0;
};
