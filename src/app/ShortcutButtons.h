#pragma once

#include <QObject>

#include <array>
#include <optional>

class QPushButton;
class QWidget;

// Eight buttons that are never seen: their captions give the keyboard accelerators of the
// main commands. Alt and the underlined letter work whatever has the focus; the letter
// alone works while the focus is on a control that takes no typed characters.
class ShortcutButtons : public QObject
{
    Q_OBJECT

public:
    enum class Shortcut { Read, Write, Open, New, Save, Exit, Channels, Settings };
    static constexpr int Count = 8;

    // The buttons become children of `window`, of zero size, out of the Tab order.
    explicit ShortcutButtons(QWidget* window);

    QPushButton* button(Shortcut shortcut) const { return m_buttons[int(shortcut)]; }
    // The shortcut whose letter this is, letter case ignored.
    static std::optional<Shortcut> forLetter(QChar letter);

signals:
    void triggered(ShortcutButtons::Shortcut shortcut);

private:
    std::array<QPushButton*, Count> m_buttons{};
};
