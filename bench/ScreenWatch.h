#pragma once

#include <QDeadlineTimer>
#include <QSize>
#include <QString>

#include <cstdint>

struct xcb_connection_t;

// An X client that sees when something is drawn on a display's screen. The X server's
// DAMAGE extension, asked about the root window, reports every drawing into any window on
// the screen, so the first report after a program starts is its first frame as the server
// received it: no help from the program is needed, and every program is timed alike.
class ScreenWatch
{
public:
    explicit ScreenWatch(const QString& display);
    ~ScreenWatch();
    ScreenWatch(const ScreenWatch&) = delete;
    ScreenWatch& operator=(const ScreenWatch&) = delete;

    // Empty when the display can be watched; otherwise why not.
    QString error() const { return m_error; }

    // Forgets the drawings and windows seen so far.
    void discardEvents();
    // Waits for the next drawing on the screen; false when none came before the deadline.
    bool waitForDrawing(QDeadlineTimer deadline);
    // Takes in what happens on the screen until the deadline, keeping the server's queue to
    // this client short.
    void watchUntil(QDeadlineTimer deadline);
    // The size of the window mapped last.
    QSize mappedWindowSize() const { return m_mappedSize; }

private:
    // Handles the waiting events; true when one was a drawing.
    bool takeEvents();
    bool waitForEvents(QDeadlineTimer deadline);

    xcb_connection_t* m_connection = nullptr;
    uint8_t m_damageNotify = 0;
    QSize m_mappedSize;
    QString m_error;
};
