#pragma once

#include <QChar>

class QKeyEvent;

// The character a key press types, as the grid and the frequency editor see it: Backspace
// and Enter count as characters, editing keys such as Delete and the arrows do not, nor do
// keys held with Ctrl, Alt or Meta (those are shortcuts). Null when there is none.
QChar typedCharacter(const QKeyEvent& event);
