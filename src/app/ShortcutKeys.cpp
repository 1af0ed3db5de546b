#include "app/ShortcutKeys.h"

#include <QKeySequence>
#include <QShortcut>
#include <QWidget>

namespace {

struct Accelerator
{
    const char* objectName;
    char letter;
};

// In the order of ShortcutKeys::Shortcut.
constexpr Accelerator Accelerators[ShortcutKeys::Count] = {
    {"readShortcut", 'R'},     {"writeShortcut", 'W'},    {"openShortcut", 'O'},
    {"newShortcut", 'N'},      {"saveShortcut", 'S'},     {"exitShortcut", 'X'},
    {"channelsShortcut", 'E'}, {"settingsShortcut", 'T'},
};

} // namespace

ShortcutKeys::ShortcutKeys(QWidget* window) : QObject(window)
{
    for (int i = 0; i < Count; ++i) {
        const Accelerator& accelerator = Accelerators[i];
        // Alt and the letter, whatever the desktop does with mnemonics (some leave them off).
        auto* key = new QShortcut(
            QKeySequence(Qt::ALT | Qt::Key(Qt::Key_A + accelerator.letter - 'A')), window);
        key->setObjectName(QString::fromLatin1(accelerator.objectName));
        key->setContext(Qt::WindowShortcut);
        // A key held down runs its command once, as a button's accelerator does.
        key->setAutoRepeat(false);
        const auto shortcut = Shortcut(i);
        connect(key, &QShortcut::activated, this, [this, shortcut] { emit triggered(shortcut); });
    }
}

std::optional<ShortcutKeys::Shortcut> ShortcutKeys::forLetter(QChar letter)
{
    const char upper = letter.toUpper().toLatin1();
    for (int i = 0; i < Count; ++i) {
        if (Accelerators[i].letter == upper)
            return Shortcut(i);
    }
    return std::nullopt;
}
