#include "template/sheet_painter.h"

#include <QFont>
#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>

#include <cmath>

namespace {

constexpr double kPi = 3.14159265358979323846;
constexpr double kLongestCurve = 10;  // degrees of arc per cubic curve
constexpr double kCapitalsPerEm = 0.7;

struct LayerStyle {
    QColor colour;
    double width;  // mm on paper
    Qt::PenStyle line;
};

LayerStyle StyleOf(SheetLayer layer)
{
    switch (layer) {
    case SheetLayer::Faces:
        return {Qt::black, 0.35, Qt::SolidLine};
    case SheetLayer::CutLine:
        return {QColor(0, 70, 200), 0.25, Qt::DashLine};
    case SheetLayer::Chord:
        return {QColor(110, 110, 110), 0.18, Qt::SolidLine};
    case SheetLayer::SecondPane:
        return {QColor(0, 120, 60), 0.35, Qt::SolidLine};
    case SheetLayer::Dimensions:
        return {QColor(170, 30, 30), 0.18, Qt::SolidLine};
    case SheetLayer::Texts:
        return {Qt::black, 0.18, Qt::SolidLine};
    }
    return {Qt::black, 0.25, Qt::SolidLine};
}

QFont FontOf(double capitalHeightDots, bool bold)
{
    QFont font(QStringList{"WenQuanYi Micro Hei", "Noto Sans CJK SC", "Sans Serif"});
    font.setPixelSize(std::max(1, static_cast<int>(std::lround(capitalHeightDots / kCapitalsPerEm))));
    font.setBold(bold);
    return font;
}

} // namespace

PagePainter::PagePainter(QPainter& painter, double dotsPerMm) : painter_(painter), dotsPerMm_(dotsPerMm)
{
    painter_.setRenderHint(QPainter::Antialiasing);
}

QPointF PagePainter::At(double x, double y) const
{
    return {x * dotsPerMm_, y * dotsPerMm_};
}

void PagePainter::Line(double x1, double y1, double x2, double y2, double width)
{
    // Lines end where they are said to: the check bar must measure 100 mm.
    QPen pen(Qt::black, width * dotsPerMm_);
    pen.setCapStyle(Qt::FlatCap);
    painter_.setPen(pen);
    painter_.drawLine(At(x1, y1), At(x2, y2));
}

void PagePainter::Rectangle(double x, double y, double width, double height, double lineWidth)
{
    painter_.setPen(QPen(Qt::black, lineWidth * dotsPerMm_));
    painter_.setBrush(Qt::NoBrush);
    painter_.drawRect(QRectF(At(x, y), At(x + width, y + height)));
}

void PagePainter::Text(double x, double y, const std::string& text, double height, int anchor, bool bold)
{
    const QString shown = QString::fromStdString(text);
    const QFont font = FontOf(height * dotsPerMm_, bold);
    painter_.setFont(font);
    painter_.setPen(Qt::black);
    const double width = QFontMetricsF(font, painter_.device()).horizontalAdvance(shown);
    const double left = anchor == 0 ? 0 : anchor == 1 ? width / 2 : width;
    painter_.drawText(QPointF(At(x, y).x() - left, At(x, y).y()), shown);
}

void PagePainter::Sheet(const ::Sheet& sheet, const SheetPlacement& place)
{
    const auto map = [&](SheetPoint point) {
        return At(place.pageX + (point.x - place.origin.x) * place.scale,
                  place.pageY - (point.y - place.origin.y) * place.scale);
    };
    const auto pen = [&](SheetLayer layer) {
        const LayerStyle style = StyleOf(layer);
        QPen pen(style.colour, style.width * dotsPerMm_, style.line);
        pen.setCapStyle(Qt::FlatCap);
        painter_.setPen(pen);
        painter_.setBrush(Qt::NoBrush);
    };

    for (const SheetArc& arc : sheet.arcs) {
        // Each curve's control points lie on the tangents at its ends, 4/3
        // tan(a/4) of the radius from them, for the curve of angle a.
        const double sweep = arc.endDegrees - arc.startDegrees;
        const int curves = std::max(1, static_cast<int>(std::ceil(sweep / kLongestCurve)));
        const double step = sweep / curves * kPi / 180;
        const double handle = 4.0 / 3.0 * std::tan(step / 4) * arc.radius;
        const auto on = [&](double angle) {
            return SheetPoint{arc.centre.x + arc.radius * std::cos(angle), arc.centre.y + arc.radius * std::sin(angle)};
        };
        QPainterPath path;
        double angle = arc.startDegrees * kPi / 180;
        path.moveTo(map(on(angle)));
        for (int curve = 0; curve < curves; ++curve) {
            const SheetPoint from = on(angle);
            const SheetPoint to = on(angle + step);
            const SheetPoint first{from.x - handle * std::sin(angle), from.y + handle * std::cos(angle)};
            const SheetPoint second{to.x + handle * std::sin(angle + step), to.y - handle * std::cos(angle + step)};
            path.cubicTo(map(first), map(second), map(to));
            angle += step;
        }
        pen(arc.layer);
        painter_.drawPath(path);
    }
    for (const SheetLine& line : sheet.lines) {
        pen(line.layer);
        painter_.drawLine(map(line.from), map(line.to));
    }
    for (const SheetText& text : sheet.texts) {
        const QPointF at = map(text.at);
        Text(at.x() / dotsPerMm_, at.y() / dotsPerMm_, text.text, text.height * place.scale,
             text.anchor == TextAnchor::Left ? 0 : text.anchor == TextAnchor::Centre ? 1 : 2);
    }
}

void PagePainter::Clip(double x, double y, double width, double height)
{
    painter_.setClipRect(QRectF(At(x, y), At(x + width, y + height)));
}

void PagePainter::Unclip()
{
    painter_.setClipping(false);
}
