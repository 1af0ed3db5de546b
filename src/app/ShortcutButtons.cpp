#include "app/ShortcutButtons.h"

#include <QKeySequence>
#include <QPushButton>

namespace {

struct Accelerator
{
    const char* objectName;
    const char* caption;
    char letter;
};

// In the order of ShortcutButtons::Shortcut.
constexpr Accelerator Accelerators[ShortcutButtons::Count] = {
    {"readShortcut", "(&R)", 'R'},      {"writeShortcut", "(&W)", 'W'},
    {"openShortcut", "&open", 'O'},     {"newShortcut", "&new", 'N'},
    {"saveShortcut", "&save", 'S'},     {"exitShortcut", "E&xit", 'X'},
    {"channelsShortcut", "&Edit", 'E'}, {"settingsShortcut", "&Tool", 'T'},
};

} // namespace

ShortcutButtons::ShortcutButtons(QWidget* window) : QObject(window)
{
    for (int i = 0; i < Count; ++i) {
        const Accelerator& accelerator = Accelerators[i];
        auto* button = new QPushButton(QString::fromLatin1(accelerator.caption), window);
        button->setObjectName(QString::fromLatin1(accelerator.objectName));
        // Visible to Qt (a hidden widget's accelerator does not fire) but of no size, and
        // never given the focus.
        button->setGeometry(0, 0, 0, 0);
        button->setFocusPolicy(Qt::NoFocus);
        button->lower();
        // Alt and the letter, whatever the desktop does with mnemonics (some leave them
        // off), and never ambiguous with the caption's own.
        button->setShortcut(QKeySequence(Qt::ALT | Qt::Key(Qt::Key_A + accelerator.letter - 'A')));
        m_buttons[i] = button;
        const auto shortcut = Shortcut(i);
        connect(button, &QPushButton::clicked, this,
                [this, shortcut] { emit triggered(shortcut); });
    }
}

std::optional<ShortcutButtons::Shortcut> ShortcutButtons::forLetter(QChar letter)
{
    const char upper = letter.toUpper().toLatin1();
    for (int i = 0; i < Count; ++i) {
        if (Accelerators[i].letter == upper)
            return Shortcut(i);
    }
    return std::nullopt;
}
