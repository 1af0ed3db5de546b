#pragma once

#include <QByteArray>
#include <QString>

// A raw pseudo-terminal for tests: the program under test opens slavePath() as its serial
// device, the test reads and writes the master side.
class PseudoTerminal
{
public:
    PseudoTerminal();
    ~PseudoTerminal();
    PseudoTerminal(const PseudoTerminal&) = delete;
    PseudoTerminal& operator=(const PseudoTerminal&) = delete;

    bool isValid() const { return m_master >= 0; }
    QString slavePath() const { return m_slavePath; }
    int masterDescriptor() const { return m_master; }

    void write(const QByteArray& bytes);
    // Whatever the program has sent so far and the test has not read yet.
    QByteArray readAvailable();
    // How many bytes the test has written that wait unread at the program's end. The
    // kernel hands bytes across a little later, so a test waits for them with QTRY_.
    int waitingAtProgramEnd() const;
    // Closes the master side, as a pulled cable does.
    void hangUp();

private:
    int m_master = -1;
    int m_slave = -1;
    QString m_slavePath;
};
