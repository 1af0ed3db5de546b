#pragma once

#include <QString>

// The user's folders outside the program, where the XDG rules put them: $XDG_DATA_HOME
// (by default ~/.local/share) for data, $XDG_CONFIG_HOME (by default ~/.config) for
// settings. A relative path in either variable is ignored, as the rules say: it would
// lead somewhere else from every folder the program is started in.
namespace UserFolders {
QString dataHome();
QString configHome();
} // namespace UserFolders
