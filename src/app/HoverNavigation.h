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
    enum class Band { None = 0, File = 1, Programming = 2, Options = 3, Help = 4 };

    static constexpr int ToolbarLeft = 11; // toolbar's left inside the window
    static constexpr int ToolbarHeight = 46;
    static constexpr int DelayMs = 200;

    // `cursorInWindow` gives the mouse position relative to the window's client area.
    explicit HoverNavigation(std::function<QPoint()> cursorInWindow, QObject* parent = nullptr);

    // The band under a toolbar-relative x: open intervals 0-84, 90-174, 180-264, 270-354,
    // so the spacers between the buttons belong to none.
    static Band bandAt(int toolbarX);

    // The mouse entered the toolbar or one of its buttons or spacers.
    void toolbarEntered();

    int HoverStartX = 0;
    bool isTimerRunning() const { return Timer1.isActive(); }
    int remainingMs() const { return Timer1.remainingTime(); }

signals:
    // The mouse rested over a button: show its menu page (and, for two of them, a work page).
    void bandChosen(HoverNavigation::Band band);

private:
    void Timer1Timer();
    int toolbarX() const;

    std::function<QPoint()> m_cursorInWindow;
    QTimer Timer1;
};
