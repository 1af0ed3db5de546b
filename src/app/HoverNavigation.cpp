#include "app/HoverNavigation.h"

HoverNavigation::HoverNavigation(std::function<QPoint()> cursorInWindow, QObject* parent)
    : QObject(parent), m_cursorInWindow(std::move(cursorInWindow))
{
    m_timer.setSingleShot(true);
    m_timer.setInterval(DelayMs);
    connect(&m_timer, &QTimer::timeout, this, &HoverNavigation::hoverTimeElapsed);
}

HoverNavigation::Menu HoverNavigation::menuAt(int toolbarX)
{
    constexpr int ButtonWidth = 84;
    constexpr int Pitch = 90;
    for (int menu = 0; menu < 4; ++menu) {
        const int left = menu * Pitch;
        if (toolbarX > left && toolbarX < left + ButtonWidth)
            return Menu(menu + 1);
    }
    return Menu::None;
}

int HoverNavigation::toolbarX() const
{
    return m_cursorInWindow().x() - ToolbarLeft;
}

void HoverNavigation::toolbarEntered()
{
    const int x = toolbarX();
    if (menuAt(x) == Menu::None)
        return;
    m_hoverStartX = x;
    // A running timer keeps its time: the menu follows the mouse 200 ms after it first
    // came to rest on the toolbar, wherever it is then.
    if (!m_timer.isActive())
        m_timer.start();
}

void HoverNavigation::hoverTimeElapsed()
{
    m_timer.stop();
    const int y = m_cursorInWindow().y();
    if (y <= 0 || y >= ToolbarHeight)
        return;
    const Menu menu = menuAt(toolbarX());
    if (menu != Menu::None && menu == menuAt(m_hoverStartX))
        emit menuChosen(menu);
}
