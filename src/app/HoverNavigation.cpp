#include "app/HoverNavigation.h"

HoverNavigation::HoverNavigation(std::function<QPoint()> cursorInWindow, QObject* parent)
    : QObject(parent), m_cursorInWindow(std::move(cursorInWindow))
{
    Timer1.setSingleShot(true);
    Timer1.setInterval(DelayMs);
    connect(&Timer1, &QTimer::timeout, this, &HoverNavigation::Timer1Timer);
}

HoverNavigation::Band HoverNavigation::bandAt(int toolbarX)
{
    constexpr int ButtonWidth = 84;
    constexpr int Pitch = 90;
    for (int band = 0; band < 4; ++band) {
        const int left = band * Pitch;
        if (toolbarX > left && toolbarX < left + ButtonWidth)
            return Band(band + 1);
    }
    return Band::None;
}

int HoverNavigation::toolbarX() const
{
    return m_cursorInWindow().x() - ToolbarLeft;
}

void HoverNavigation::toolbarEntered()
{
    const int x = toolbarX();
    if (bandAt(x) == Band::None)
        return;
    HoverStartX = x;
    // A running timer keeps its time: the menu follows the mouse 200 ms after it first
    // came to rest on the toolbar, wherever it is then.
    if (!Timer1.isActive())
        Timer1.start();
}

void HoverNavigation::Timer1Timer()
{
    Timer1.stop();
    const int y = m_cursorInWindow().y();
    if (y <= 0 || y >= ToolbarHeight)
        return;
    const Band band = bandAt(toolbarX());
    if (band != Band::None && band == bandAt(HoverStartX))
        emit bandChosen(band);
}
