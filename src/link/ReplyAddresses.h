#pragma once

#include <QByteArray>

// Whether a read reply names the block it carries. A reply starts with four bytes whose
// meaning no one has set down for the program, so they are relied on only as far as the
// radio shows they can be: a radio whose first reply of a programming session names the
// address asked for in its second and third bytes (high byte first) is taken to name it in
// every reply of that session, and a later reply that names another block answers some
// other request. A radio whose first reply names nothing is read as it answers.
class ReplyAddresses
{
public:
    // A new programming session: nothing is known of the radio's replies.
    void restart() { m_naming = Naming::Unknown; }
    // Whether `reply` may be taken for the block at `address`; the session's first reply
    // always may, and tells whether the later ones must name theirs.
    bool accepts(const QByteArray& reply, int address);

private:
    enum class Naming { Unknown, Named, Unnamed };

    Naming m_naming = Naming::Unknown;
};
