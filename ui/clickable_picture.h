#pragma once

#include <QLabel>

class QMouseEvent;

// A picture that can be clicked with the left mouse button: pressed and
// released on the picture. Other buttons pass through to the window.
class ClickablePicture : public QLabel {
    Q_OBJECT

public:
    explicit ClickablePicture(QWidget* parent = nullptr);

signals:
    void clicked();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    bool pressed_ = false;
};
