#pragma once

#include <QObject>

class QEvent;

// While it exists, the input that the windowing system delivers to the
// program (keys, mouse buttons, the wheel, touch, pens, context-menu
// requests) is thrown away, never delivered later. Everything else, painting
// among it, goes on as usual.
class UserInputDiscarder : public QObject {
public:
    UserInputDiscarder();
    ~UserInputDiscarder() override;
    UserInputDiscarder(const UserInputDiscarder&) = delete;
    UserInputDiscarder& operator=(const UserInputDiscarder&) = delete;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};
