#pragma once

#include <QPointer>

class Link;

// One service command's hold on the radio: the opening every service command starts with
// (probe the link's chosen port, open it, let the line settle, greet the radio), the main window's
// full-length waits, and the port closed again when the session ends, whichever way the
// command leaves. The session may outlive the link when the window goes during a wait;
// it then touches nothing.
class ServiceSession
{
public:
    enum class Opening {
        Ready,           // the radio answered the hello and got its acknowledgement
        PortUnavailable, // the port is absent or held by another program: nothing was sent
        NoAnswer,        // six hellos went unanswered
        Stopped,         // the application is closing: stop at once
    };

    explicit ServiceSession(Link& link);
    ~ServiceSession();
    ServiceSession(const ServiceSession&) = delete;
    ServiceSession& operator=(const ServiceSession&) = delete;

    Opening open();

    // The main window's 250 ms wait, which keeps the interface alive and runs its full
    // length. False when the command must stop at once: the application is closing, or the
    // link is gone.
    bool wait();

    // Only valid while open() or wait() have not reported a stop.
    Link& link() { return *m_link; }

private:
    QPointer<Link> m_link;
    bool m_portTouched = false;
};
