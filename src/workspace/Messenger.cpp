#include "workspace/Messenger.h"

#include "workspace/MessageLibrary.h"
#include "workspace/Workspace.h"

Messenger::Messenger(MessageLibrary& library, const Workspace& workspace,
                     EnableMainWindow enableMainWindow)
    : m_library(library), m_workspace(workspace), m_enableMainWindow(std::move(enableMainWindow))
{
}

bool Messenger::show(int titleId, int messageId, const Cause& cause)
{
    if (m_enableMainWindow)
        m_enableMainWindow(false);
    const bool agreed = showFromDialog(titleId, messageId, cause);
    if (m_enableMainWindow)
        m_enableMainWindow(true);
    return agreed;
}

bool Messenger::showFromDialog(int titleId, int messageId, const Cause& cause)
{
    const Language language = m_workspace.checkedLanguage;
    return m_library.showMessage(language, m_workspace.themeIndex(), titleId, messageId,
                                 cause ? cause(language) : QString());
}

void Messenger::errorBox(const QString& text)
{
    m_library.errorBox(text);
}

void Messenger::noticeBox(const QString& text)
{
    m_library.noticeBox(text);
}

void Messenger::showAbout()
{
    if (m_enableMainWindow)
        m_enableMainWindow(false);
    const bool closed = m_library.showAbout(m_workspace.checkedLanguage, m_workspace.themeIndex());
    if (closed && m_enableMainWindow)
        m_enableMainWindow(true);
}
