#pragma once

#include <functional>

#include <QString>

#include "workspace/Language.h"

class MessageLibrary;
class Workspace;

// How the rest of the program shows a box: it picks the language and theme from the
// workspace and, for boxes raised from the main window, disables the main window for as
// long as the box is up.
class Messenger
{
public:
    using EnableMainWindow = std::function<void(bool enabled)>;
    // What went wrong, said in the language the box is shown in; stands under the message.
    using Cause = std::function<QString(Language language)>;

    Messenger(MessageLibrary& library, const Workspace& workspace,
              EnableMainWindow enableMainWindow = {});

    // From the main window: disabled before the call, enabled after it.
    bool show(int titleId, int messageId, const Cause& cause = {});
    // From the read/write dialog, while the main window is disabled anyway.
    bool showFromDialog(int titleId, int messageId, const Cause& cause = {});

    void errorBox(const QString& text);
    void noticeBox(const QString& text);

    // The About box, with the main window disabled until the box is closed.
    void showAbout();

private:
    MessageLibrary& m_library;
    const Workspace& m_workspace;
    EnableMainWindow m_enableMainWindow;
};
