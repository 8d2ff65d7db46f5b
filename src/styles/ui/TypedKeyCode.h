#pragma once

#include <QKeyEvent>

// The character code a key press types, as the key filters of the style
// dialogs see it, or -1 for keys that type nothing (arrows, Delete, Tab,
// Escape, ...), which always pass. Ctrl+A to Ctrl+Z give 1 to 26.
inline int TypedKeyCode(const QKeyEvent *event)
{
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return 13;
    case Qt::Key_Backspace:
        return 8;
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
    case Qt::Key_Escape:
    case Qt::Key_Delete:
        return -1;
    default:
        break;
    }
    const Qt::KeyboardModifiers mods = event->modifiers();
    if ((mods & Qt::ControlModifier) && !(mods & Qt::AltModifier) && event->key() >= Qt::Key_A
        && event->key() <= Qt::Key_Z)
        return event->key() - Qt::Key_A + 1;
    if (mods & Qt::AltModifier)
        return -1;
    const QString text = event->text();
    if (text.size() != 1)
        return -1;
    return text.at(0).unicode();
}
