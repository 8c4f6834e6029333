#pragma once

#include <QPointF>
#include <QString>
#include <QWidget>
#include <QWindow>
#include <qpa/qwindowsysteminterface.h>

// Input as the windowing system delivers it: queued for the window, and
// handled only when an event loop next takes user input (package
// qt6-base-private-dev).
namespace QueuedInput {

using Input = QWindowSystemInterface;

// A key pressed and released, typing `text`.
inline void Key(QWindow* window, Qt::Key key, const QString& text)
{
    Input::handleKeyEvent<Input::AsynchronousDelivery>(window, QEvent::KeyPress, key, Qt::NoModifier, text);
    Input::handleKeyEvent<Input::AsynchronousDelivery>(window, QEvent::KeyRelease, key, Qt::NoModifier, text);
}

// A left click in the middle of a widget of the window.
inline void Click(QWindow* window, QWidget* target)
{
    const QPointF centre = target->mapTo(target->window(), QPointF(target->rect().center()));
    const QPointF global = window->mapToGlobal(centre);
    Input::handleMouseEvent<Input::AsynchronousDelivery>(window, centre, global, Qt::LeftButton, Qt::LeftButton,
                                                         QEvent::MouseButtonPress);
    Input::handleMouseEvent<Input::AsynchronousDelivery>(window, centre, global, Qt::NoButton, Qt::LeftButton,
                                                         QEvent::MouseButtonRelease);
}

} // namespace QueuedInput
