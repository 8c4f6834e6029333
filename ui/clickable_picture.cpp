#include "ui/clickable_picture.h"

#include <QMouseEvent>

ClickablePicture::ClickablePicture(QWidget* parent) : QLabel(parent) {}

void ClickablePicture::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton) {
        QLabel::mousePressEvent(event);
        return;
    }
    pressed_ = true;
    event->accept();
}

void ClickablePicture::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton) {
        QLabel::mouseReleaseEvent(event);
        return;
    }
    // Released elsewhere, the press was taken back.
    const bool clicked = pressed_ && rect().contains(event->position().toPoint());
    pressed_ = false;
    event->accept();
    if (clicked)
        emit this->clicked();
}
