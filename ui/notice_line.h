#pragma once

#include <QLabel>

class QPaintEvent;

// The notice line: a label whose text wraps to its width and of which only
// the whole lines that fit in its height are drawn, never the top of a line
// cut off at the bottom edge. Its text is the whole notice all the same.
class NoticeLine : public QLabel {
    Q_OBJECT

public:
    explicit NoticeLine(QWidget* parent = nullptr);

    // The beginning of the text that the lines drawn hold.
    QString VisibleText() const;

protected:
    void paintEvent(QPaintEvent* event) override;
};
