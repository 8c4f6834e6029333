#include "ui/notice_line.h"

#include <QPainter>
#include <QStyle>
#include <QTextLayout>

#include <cmath>

NoticeLine::NoticeLine(QWidget* parent) : QLabel(parent) {}

QString NoticeLine::VisibleText() const
{
    // Laid out as a label lays out plain text: a line feed breaks the line,
    // a carriage return is a space, lines break at word boundaries and sit
    // one leading apart on whole pixels.
    QString shown = text();
    for (QChar& c : shown) {
        if (c == u'\r')
            c = u' ';
        else if (c == u'\n')
            c = QChar::LineSeparator;
    }
    QTextLayout layout(shown, font());
    QTextOption option(alignment());
    option.setWrapMode(QTextOption::WordWrap);
    layout.setTextOption(option);

    const qreal leading = fontMetrics().leading();
    const int room = contentsRect().height();
    qreal height = 0;
    int end = 0;
    layout.beginLayout();
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
        line.setLineWidth(contentsRect().width());
        height = std::ceil(height + leading);
        if (height + line.height() > room)
            break;
        height += line.height();
        end = line.textStart() + line.textLength();
    }
    layout.endLayout();
    // The line break that ends the last line drawn is not part of what shows.
    while (end > 0 && (text().at(end - 1) == u'\n' || text().at(end - 1) == u'\r'))
        --end;
    return text().left(end);
}

void NoticeLine::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    drawFrame(&painter);
    const int flags = QStyle::visualAlignment(layoutDirection(), alignment()) | Qt::TextWordWrap;
    style()->drawItemText(&painter, contentsRect(), flags, palette(), isEnabled(), VisibleText(), foregroundRole());
}
