#pragma once

#include <QObject>

#include <optional>

class QWidget;

// The keyboard accelerators of the main commands: Alt and the letter work whatever has the
// focus; the letter alone works while the focus is on a control that takes no typed
// characters (the window hands those letters over). They are key bindings of the window,
// not buttons kept out of sight: every widget, even one never seen, is styled with the
// rest of the window when it first comes up, which costs memory before the first frame.
class ShortcutKeys : public QObject
{
    Q_OBJECT

public:
    enum class Shortcut { Read, Write, Open, New, Save, Exit, Channels, Settings };
    static constexpr int Count = 8;

    // The keys work while `window` is the active window and enabled.
    explicit ShortcutKeys(QWidget* window);

    // The shortcut whose letter this is, letter case ignored.
    static std::optional<Shortcut> forLetter(QChar letter);

signals:
    void triggered(ShortcutKeys::Shortcut shortcut);
};
