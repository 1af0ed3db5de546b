#pragma once

#include <QObject>
#include <QPoint>
#include <QTimer>

#include <functional>

// Menu pages follow the mouse over the top toolbar: resting over one of its four buttons
// for 200 ms shows that button's menu. No click is needed, and a mouse that only passes
// over the toolbar changes nothing.
class HoverNavigation : public QObject
{
    Q_OBJECT

public:
    enum class Menu { None = 0, File = 1, Programming = 2, Options = 3, Help = 4 };

    static constexpr int ToolbarLeft = 11; // toolbar's left inside the window
    static constexpr int ToolbarHeight = 46;
    static constexpr int DelayMs = 200;

    // `cursorInWindow` gives the mouse position relative to the window's client area.
    explicit HoverNavigation(std::function<QPoint()> cursorInWindow, QObject* parent = nullptr);

    // The menu button under a toolbar-relative x: open intervals 0-84, 90-174, 180-264,
    // 270-354, so the spacers between the buttons belong to none.
    static Menu menuAt(int toolbarX);

    // The mouse entered the toolbar or one of its buttons or spacers.
    void toolbarEntered();

    // Where on the toolbar the mouse was when the hover timer started.
    int hoverStartX() const { return m_hoverStartX; }
    bool isTimerRunning() const { return m_timer.isActive(); }
    int remainingMs() const { return m_timer.remainingTime(); }

signals:
    // The mouse rested over a button: show its menu page (and, for two of them, a work page).
    void menuChosen(HoverNavigation::Menu menu);

private:
    void hoverTimeElapsed();
    int toolbarX() const;

    std::function<QPoint()> m_cursorInWindow;
    QTimer m_timer;
    int m_hoverStartX = 0;
};
