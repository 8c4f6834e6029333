#include "ui/typed_text.h"

#include <QKeyEvent>

QString TypedText(const QKeyEvent& event)
{
    switch (event.key()) {
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
    case Qt::Key_Delete:  // some keyboards report it as character 127
        return {};
    default:
        break;
    }
    // Alt and Meta combinations are commands, not typing; Control with Alt
    // is AltGr on some keyboards and types characters.
    const Qt::KeyboardModifiers modifiers = event.modifiers();
    if ((modifiers & (Qt::AltModifier | Qt::MetaModifier)) && !(modifiers & Qt::ControlModifier))
        return {};
    return event.text();
}
