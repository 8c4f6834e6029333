#include "template/pane_sheet.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr double kPi = 3.14159265358979323846;

SheetPoint OnCircle(double radius, double degrees)
{
    return {radius * std::cos(degrees * kPi / 180), radius * std::sin(degrees * kPi / 180)};
}

// The width a line of text takes: a Chinese character a full em, anything
// else a little more than half of one; an em is about 1.4 capital heights.
double EstimatedWidth(const std::string& text, double height)
{
    double ems = 0;
    for (std::size_t at = 0; at < text.size(); ++at) {
        const auto byte = static_cast<unsigned char>(text[at]);
        if (byte < 0x80)
            ems += 0.56;
        else if (byte >= 0xC0)
            ems += 1.0;
    }
    return ems * height * 1.4;
}

class SheetBuilder {
public:
    explicit SheetBuilder(double textHeight) : t_(textHeight) {}

    void Line(SheetPoint from, SheetPoint to, SheetLayer layer)
    {
        sheet_.lines.push_back({from, to, layer});
        sheet_.bounds.Take(from);
        sheet_.bounds.Take(to);
    }

    void Arc(double radius, double start, double end, SheetLayer layer)
    {
        sheet_.arcs.push_back({{0, 0}, radius, start, end, layer});
        sheet_.bounds.Take(OnCircle(radius, start));
        sheet_.bounds.Take(OnCircle(radius, end));
        for (double axis = -360; axis <= 720; axis += 90) {
            if (axis > start && axis < end)
                sheet_.bounds.Take(OnCircle(radius, axis));
        }
    }

    void Text(SheetPoint at, const std::string& text, TextAnchor anchor, double scale = 1)
    {
        const double height = t_ * scale;
        sheet_.texts.push_back({at, text, height, anchor});
        const double width = EstimatedWidth(text, height);
        const double left = anchor == TextAnchor::Left ? at.x : anchor == TextAnchor::Centre ? at.x - width / 2 : at.x - width;
        sheet_.bounds.Take({left, at.y - 0.3 * height});
        sheet_.bounds.Take({left + width, at.y + height});
    }

    // An open arrowhead whose tip is at `tip`, pointing along (dx, dy).
    void Arrow(SheetPoint tip, double dx, double dy)
    {
        const double length = std::hypot(dx, dy);
        const double ux = dx / length;
        const double uy = dy / length;
        const double size = 0.8 * t_;
        for (const double side : {-1.0, 1.0}) {
            const double c = std::cos(20 * kPi / 180);
            const double s = side * std::sin(20 * kPi / 180);
            Line(tip, {tip.x - size * (ux * c - uy * s), tip.y - size * (uy * c + ux * s)}, SheetLayer::Dimensions);
        }
    }

    // A straight dimension from a to b, with arrowheads at both ends.
    void Dimension(SheetPoint a, SheetPoint b)
    {
        Line(a, b, SheetLayer::Dimensions);
        Arrow(a, a.x - b.x, a.y - b.y);
        Arrow(b, b.x - a.x, b.y - a.y);
    }

    Sheet Take() { return std::move(sheet_); }

private:
    double t_;
    Sheet sheet_;
};

} // namespace

std::string PaneCaption(const PaneGeometry& geometry)
{
    if (!geometry.piece)
        return "单片计算";
    return *geometry.piece == PieceKind::Inner ? "外片" : "内片";
}

std::string PieceCaption(const PaneGeometry& geometry)
{
    return geometry.piece && *geometry.piece == PieceKind::Inner ? "内片" : "外片";
}

Sheet BuildPaneSheet(const PaneGeometry& geometry, double textHeight, bool figures, const std::string& title)
{
    const double t = textHeight;
    const double start = geometry.StartDegrees();
    const double end = geometry.EndDegrees();
    const PaneTexts& shown = geometry.figures;
    SheetBuilder sheet(t);

    // The faces, and the ends that close each pane.
    double lowestEnd = geometry.ChordHeight();
    double outermost = geometry.radius;
    double innermost = geometry.radius;
    const auto closePane = [&](double outer, double inner, SheetLayer layer) {
        for (const double angle : {start, end})
            sheet.Line(OnCircle(inner, angle), OnCircle(outer, angle), layer);
    };
    std::optional<double> other;
    std::optional<double> piece;
    std::optional<double> pieceOther;
    for (const PaneFace& face : geometry.faces) {
        const bool second = face.kind == FaceKind::PieceFace || face.kind == FaceKind::PieceOther;
        const SheetLayer layer = second ? SheetLayer::SecondPane
                                 : face.kind == FaceKind::CutLine ? SheetLayer::CutLine
                                                                  : SheetLayer::Faces;
        sheet.Arc(face.radius, start, end, layer);
        lowestEnd = std::min(lowestEnd, OnCircle(face.radius, start).y);
        outermost = std::max(outermost, face.radius);
        innermost = std::min(innermost, face.radius);
        if (face.kind == FaceKind::Other)
            other = face.radius;
        else if (face.kind == FaceKind::PieceFace)
            piece = face.radius;
        else if (face.kind == FaceKind::PieceOther)
            pieceOther = face.radius;
    }
    closePane(geometry.radius, other.value_or(geometry.radius), SheetLayer::Faces);
    if (piece)
        closePane(*piece, pieceOther.value_or(*piece), SheetLayer::SecondPane);

    // The chord, and its dimension below the lowest end.
    const double halfChord = geometry.HalfChord();
    const double chordHeight = geometry.ChordHeight();
    sheet.Line({-halfChord, chordHeight}, {halfChord, chordHeight}, SheetLayer::Chord);
    const double chordLine = lowestEnd - 2.5 * t;
    for (const double x : {-halfChord, halfChord})
        sheet.Line({x, chordHeight - 0.3 * t}, {x, chordLine - 0.6 * t}, SheetLayer::Dimensions);
    sheet.Dimension({-halfChord, chordLine}, {halfChord, chordLine});
    sheet.Text({0, chordLine + 0.5 * t}, "弦长 " + shown[PaneField::Chord], TextAnchor::Centre);

    // The rise, on the centre line from the chord to the middle of the face.
    sheet.Dimension({0, chordHeight}, {0, geometry.radius});
    sheet.Text({0.6 * t, (chordHeight + geometry.radius) / 2 - 0.5 * t}, "拱高 " + shown[PaneField::Rise],
               TextAnchor::Left);

    // The arc length, on an arc outside every face.
    const double arcLine = outermost + 1.5 * t;
    for (const double angle : {start, end})
        sheet.Line(OnCircle(geometry.radius + 0.3 * t, angle), OnCircle(arcLine + 0.6 * t, angle),
                   SheetLayer::Dimensions);
    sheet.Arc(arcLine, start, end, SheetLayer::Dimensions);
    const auto tangent = [](double angle, double turn) {
        return SheetPoint{-std::sin(angle * kPi / 180) * turn, std::cos(angle * kPi / 180) * turn};
    };
    const SheetPoint startTip = OnCircle(arcLine, start);
    const SheetPoint endTip = OnCircle(arcLine, end);
    sheet.Arrow(startTip, tangent(start, -1).x, tangent(start, -1).y);
    sheet.Arrow(endTip, tangent(end, 1).x, tangent(end, 1).y);
    sheet.Text({0, arcLine + 0.6 * t}, "弧长 " + shown[PaneField::Arc], TextAnchor::Centre);

    // The radius and the central angle: at the centre when it lies within
    // the pane, otherwise a radius line from the face towards it.
    const std::string radiusText = "半径 R" + shown[PaneField::Radius];
    const std::string angleText = "圆心角 " + shown[PaneField::Degrees] + "° (" + shown[PaneField::Radians] + " rad)";
    const double towards = 90 - geometry.degrees / 4;
    const SheetPoint onFace = OnCircle(geometry.radius, towards);
    if (lowestEnd < 0) {
        sheet.Line({0, 0}, onFace, SheetLayer::Dimensions);
        sheet.Arrow(onFace, onFace.x, onFace.y);
        const SheetPoint middle{onFace.x / 2, onFace.y / 2};
        sheet.Text({middle.x + 0.6 * t, middle.y}, radiusText, TextAnchor::Left);
        for (const double angle : {start, end})
            sheet.Line({0, 0}, OnCircle(innermost, angle), SheetLayer::Dimensions);
        const double angleLine = innermost / 4;
        sheet.Arc(angleLine, start, end, SheetLayer::Dimensions);
        sheet.Text({0, -1.6 * t}, angleText, TextAnchor::Centre);
    } else {
        const double leader = std::clamp(0.3 * std::min(geometry.radius, 2 * halfChord), 6 * t, 12 * t);
        const SheetPoint inner = OnCircle(geometry.radius - leader, towards);
        sheet.Line(onFace, inner, SheetLayer::Dimensions);
        sheet.Arrow(onFace, onFace.x, onFace.y);
        sheet.Text({inner.x, inner.y - 1.4 * t}, radiusText, TextAnchor::Centre);
        sheet.Text({inner.x, inner.y - 3.0 * t}, angleText, TextAnchor::Centre);
    }

    // The cut length and the glass thickness, under the innermost face clear
    // of it along the whole text.
    if (other) {
        const std::string cut = "下料量 " + shown[PaneField::CutLength] + " (中线)";
        const double x = -halfChord / 2;
        const double left = std::max(-halfChord, x - EstimatedWidth(cut, t) / 2);
        const double below = std::sqrt(std::max(0.0, innermost * innermost - left * left)) - 1.5 * t;
        sheet.Text({x, std::min(below, chordHeight - 0.5 * t)}, cut, TextAnchor::Centre);
        sheet.Text({x, std::min(below, chordHeight - 0.5 * t) - 1.5 * t}, "玻璃厚度 " + shown[PaneField::Glass],
                   TextAnchor::Centre);
    }

    if (figures) {
        // Every figure as the window shows it, in lines no wider than the pane.
        const std::string pane = PaneCaption(geometry);
        const std::string second = PieceCaption(geometry);
        std::vector<std::string> items = {
            pane,
            "弧长 " + shown[PaneField::Arc],
            "弦长 " + shown[PaneField::Chord],
            "半径 " + shown[PaneField::Radius],
            "拱高 " + shown[PaneField::Rise],
            "圆心角角度 " + shown[PaneField::Degrees],
            "圆心角弧度 " + shown[PaneField::Radians],
            "玻璃厚度 " + shown[PaneField::Glass],
            (geometry.piece ? pane + "下料量 " : "下料量 ") + shown[PaneField::CutLength],
        };
        if (geometry.piece) {
            items.insert(items.end(), {"|" + second, "弧长 " + shown[PaneField::PieceArc],
                                       "弦长 " + shown[PaneField::PieceChord], "半径 " + shown[PaneField::PieceRadius],
                                       "拱高 " + shown[PaneField::PieceRise],
                                       second + "玻璃厚度 " + shown[PaneField::PieceGlass],
                                       "铝条厚度 " + shown[PaneField::Spacer],
                                       second + "下料量 " + shown[PaneField::PieceCutLength]});
        }
        const double widest = std::max(2 * halfChord, 40 * t);
        std::vector<std::string> lines = {title};
        for (const std::string& item : items) {
            const bool newGroup = item.starts_with('|');
            const std::string text = newGroup ? item.substr(1) : item;
            const std::string joined = lines.back().empty() ? text : lines.back() + "  " + text;
            if (newGroup || lines.size() == 1 || EstimatedWidth(joined, t) > widest)
                lines.push_back(text);
            else
                lines.back() = joined;
        }
        double y = chordLine - 3 * t;
        for (const std::string& line : lines) {
            if (!line.empty())
                sheet.Text({-halfChord, y}, line, TextAnchor::Left);
            y -= 1.7 * t;
        }
    }
    return sheet.Take();
}
