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
        return event.text();
    }
}
