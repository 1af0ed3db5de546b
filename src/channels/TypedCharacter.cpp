#include "channels/TypedCharacter.h"

#include <QKeyEvent>

QChar typedCharacter(const QKeyEvent& event)
{
    if (event.modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier))
        return {};
    switch (event.key()) {
    case Qt::Key_Backspace:
        return QLatin1Char('\b');
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return QLatin1Char('\r');
    case Qt::Key_Escape:
        return QLatin1Char('\x1b');
    default:
        break;
    }
    const QString text = event.text();
    return text.size() == 1 && text[0].isPrint() ? text[0] : QChar();
}
