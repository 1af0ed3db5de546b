#pragma once

#include <QString>

class Link;
class Messenger;
class ProgressDisplay;

// The steps a read and a write share: the start of a run, programming mode, a request and
// the wait for its answer, the program's acknowledgement, the progress bar and the end of
// the run. Each step that waits says how it ended; Quit means the application is closing
// (or the link has gone), and the procedure must then stop at once and touch nothing more.
class RadioExchange
{
public:
    enum class Result { Done, Failed, Quit };

    RadioExchange(Link& link, ProgressDisplay& progress, Messenger& messenger);

    Link& link() { return m_link; }

    // Nothing received so far counts, and the bar starts at 0.
    void begin();
    // Puts the radio into programming mode, with the wait that ends when data arrives.
    Result handshake();

    // Sends a frame, ready for an answer of `answerLength` bytes. False, with nothing
    // sent, for a frame that is not hex text.
    bool send(const QString& frame, int answerLength);
    // Waits up to `ms` for the answer; Failed when none came.
    Result awaitReply(int ms);
    // Waits up to `ms`, whether or not an answer comes.
    Result pause(int ms);
    // Sends the program's 06 and gives the radio the short wait to answer with its own.
    Result acknowledge();
    // Did the radio's last answer start with 06?
    bool acknowledged() const;
    // The last answer as hex text.
    QString reply() const;

    void advance(int percent);
    void fillProgress();

    // The end of a run: the exit command and a full bar after success, message 58/60
    // after a failure, nothing at all once the application is closing.
    Result finish(Result result);

private:
    void showProgress();

    Link& m_link;
    ProgressDisplay& m_progress;
    Messenger& m_messenger;
    int m_percent = 0;
};
