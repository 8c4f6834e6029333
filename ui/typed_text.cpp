#include "ui/typed_text.h"

#include <QKeyEvent>

QString TypedText(const QKeyEvent& event)
{
    switch (event.key()) {
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
    case Qt::Key_Delete:  // some keyboards report it as character 127
        return {};
    case Qt::Key_Backspace:
        // Ctrl+Backspace types the control code 127, which deletes a word
        // unless the filter refuses it.
        if (event.modifiers() & Qt::ControlModifier)
            return QStringLiteral("\x7f");
        return event.text();
    default:
        return event.text();
    }
}
