#include "notice/user_input_discarder.h"

#include <QCoreApplication>
#include <QEvent>

namespace {

bool IsUserInput(QEvent::Type type)
{
    switch (type) {
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
    case QEvent::ShortcutOverride:
    case QEvent::Shortcut:
    case QEvent::InputMethod:
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::NonClientAreaMouseButtonPress:
    case QEvent::NonClientAreaMouseButtonRelease:
    case QEvent::NonClientAreaMouseButtonDblClick:
    case QEvent::Wheel:
    case QEvent::TouchBegin:
    case QEvent::TouchUpdate:
    case QEvent::TouchEnd:
    case QEvent::TouchCancel:
    case QEvent::TabletPress:
    case QEvent::TabletRelease:
    case QEvent::TabletMove:
    case QEvent::ContextMenu:
        return true;
    default:
        return false;
    }
}

} // namespace

UserInputDiscarder::UserInputDiscarder()
{
    if (QCoreApplication* application = QCoreApplication::instance())
        application->installEventFilter(this);
}

UserInputDiscarder::~UserInputDiscarder()
{
    if (QCoreApplication* application = QCoreApplication::instance())
        application->removeEventFilter(this);
}

bool UserInputDiscarder::eventFilter(QObject* watched, QEvent* event)
{
    // Only what the user did comes from the windowing system; events the
    // program sends itself pass.
    if (event->spontaneous() && IsUserInput(event->type()))
        return true;
    return QObject::eventFilter(watched, event);
}
