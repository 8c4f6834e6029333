#include "template/pane_geometry.h"

#include "app/number_text.h"
#include "template/template_error.h"

#include <cmath>

namespace {

constexpr double kPi = 3.14159265358979323846;

std::string Shown(double value)
{
    return FormatFloat("0.000", value);
}

} // namespace

double PaneGeometry::HalfChord() const
{
    return radius * std::sin(degrees * kPi / 360);
}

double PaneGeometry::ChordHeight() const
{
    return radius * std::cos(degrees * kPi / 360);
}

PaneGeometry GeometryOf(const PaneSolution& solution, std::optional<PieceKind> piece)
{
    if (solution.outcome == PaneSolution::Outcome::TooManyGiven)
        throw ETemplateError(kTooManyGivenEnglish);
    if (solution.outcome == PaneSolution::Outcome::Failed)
        throw ETemplateError(solution.message);

    const BendValues& pane = solution.single;
    if (!(pane.bj > 0))
        throw ETemplateError("a template needs a positive radius, not " + Shown(pane.bj));
    if (!(pane.jd > 0) || !(pane.jd < 360))
        throw ETemplateError("a template needs a central angle above 0 and below 360 degrees, not " + Shown(pane.jd));
    if (pane.blhd < 0 || !(pane.blhd < pane.bj))
        throw ETemplateError("the glass thickness " + Shown(pane.blhd) + " must be smaller than the radius " +
                             Shown(pane.bj));

    PaneGeometry geometry;
    geometry.degrees = pane.jd;
    geometry.radius = pane.bj;
    geometry.glass = pane.blhd;
    geometry.piece = piece;
    geometry.figures = solution.fields;
    geometry.faces.push_back({FaceKind::Described, pane.bj});
    if (pane.blhd > 0) {
        geometry.faces.push_back({FaceKind::Other, pane.bj - pane.blhd});
        geometry.faces.push_back({FaceKind::CutLine, pane.bj - pane.blhd / 2});
    }
    if (piece && solution.piece) {
        const BendValues& second = *solution.piece;
        if (!(second.bj > 0) || second.blhd < 0 || !(second.blhd < second.bj))
            throw ETemplateError("the second pane's radius " + Shown(second.bj) +
                                 " leaves no room for its glass thickness " + Shown(second.blhd));
        geometry.faces.push_back({FaceKind::PieceFace, second.bj});
        if (second.blhd > 0)
            geometry.faces.push_back({FaceKind::PieceOther, second.bj - second.blhd});
    }
    return geometry;
}
