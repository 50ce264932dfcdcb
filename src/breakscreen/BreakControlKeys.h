#pragma once

#include <QKeyEvent>

// The keys that press a control of the break screen, as a click does: Return, the keypad's
// Enter and Space, without Ctrl, Alt or Super (those belong to shortcuts). A held key
// presses once: its repeats are ignored, so holding Return on the snooze chevron does not
// open and close its menu in turn.
namespace BreakControlKeys {

inline bool isPlain(const QKeyEvent *event)
{
    return !event->isAutoRepeat()
        && !(event->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier));
}

inline bool isReturn(const QKeyEvent *event)
{
    return isPlain(event) && (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter);
}

inline bool isPress(const QKeyEvent *event)
{
    return isReturn(event) || (isPlain(event) && event->key() == Qt::Key_Space);
}

} // namespace BreakControlKeys
