#pragma once

#include "template/sheet.h"

class QPainter;
class QRectF;
class QPointF;

// Where a sheet lands on a page: page millimetres (y down) from sheet
// millimetres (y up), `scale` page millimetres to a sheet millimetre, the
// sheet point `origin` at the page point (pageX, pageY).
struct SheetPlacement {
    double scale = 1;
    SheetPoint origin;
    double pageX = 0;
    double pageY = 0;
};

// Draws on a painter whose device counts `dotsPerMm` to the millimetre, in
// page millimetres. Arcs are drawn as arcs: cubic curves of at most ten
// degrees each, which stray from the circle by less than a millionth of the
// radius.
class PagePainter {
public:
    PagePainter(QPainter& painter, double dotsPerMm);

    QPointF At(double x, double y) const;
    void Line(double x1, double y1, double x2, double y2, double width);
    void Rectangle(double x, double y, double width, double height, double lineWidth);
    // Text whose baseline starts at (x, y), `height` the height of its capitals.
    void Text(double x, double y, const std::string& text, double height, int anchor = 0, bool bold = false);
    void Sheet(const ::Sheet& sheet, const SheetPlacement& placement);
    void Clip(double x, double y, double width, double height);
    void Unclip();

private:
    QPainter& painter_;
    double dotsPerMm_;
};
