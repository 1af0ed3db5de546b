#include "app/Workspace.h"

void Workspace::setTitleFromBand()
{
    m_title = QStringLiteral("RZT3307 [") + bands.selectedText() + QStringLiteral("]");
    emit titleChanged(m_title);
}

void Workspace::setThemeIndex(int index)
{
    if (m_themeIndex == index)
        return;
    m_themeIndex = index;
    emit themeIndexChanged(index);
}
