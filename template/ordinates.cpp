#include "template/ordinates.h"

#include "app/number_text.h"
#include "template/pane_sheet.h"
#include "template/template_error.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr double kPi = 3.14159265358979323846;
// More stations than anyone marks by hand.
constexpr double kMostStations = 10000;

} // namespace

Ordinates OrdinatesOf(const PaneGeometry& geometry, double step)
{
    const double halfChord = geometry.HalfChord();
    if (!(step > 0) || halfChord / step > kMostStations)
        throw ETemplateError("the step between stations must be positive, and leave at most 10000 stations");

    const double halfAngle = geometry.degrees * kPi / 360;
    const double chordHeight = geometry.ChordHeight();
    Ordinates ordinates;
    ordinates.faces = geometry.faces;
    std::stable_sort(ordinates.faces.begin(), ordinates.faces.end(),
                     [](const PaneFace& a, const PaneFace& b) { return a.radius > b.radius; });
    std::vector<double> stations;
    for (double station = 0; station < halfChord; station += step)
        stations.push_back(station);
    stations.push_back(halfChord);
    for (const double station : stations) {
        OrdinateRow row{station, {}};
        for (const PaneFace& face : ordinates.faces) {
            // Past half a circle the upper half of the face passes over
            // every station; short of it the face ends at its own half chord.
            const double reach = halfAngle > kPi / 2 ? face.radius : face.radius * std::sin(halfAngle);
            if (station <= reach * (1 + 1e-12))
                row.heights.push_back(std::sqrt(std::max(0.0, face.radius * face.radius - station * station)) -
                                      chordHeight);
            else
                row.heights.push_back(std::nullopt);
        }
        ordinates.rows.push_back(std::move(row));
    }
    return ordinates;
}

std::string FaceName(const PaneGeometry& geometry, const PaneFace& face)
{
    const std::string radius = " R" + FormatFloat("0.000", face.radius);
    switch (face.kind) {
    case FaceKind::Described:
        return "凸面" + radius;
    case FaceKind::Other:
        return "凹面" + radius;
    case FaceKind::CutLine:
        return "中线" + radius;
    case FaceKind::PieceFace:
        return PieceCaption(geometry) + "凸面" + radius;
    case FaceKind::PieceOther:
        return PieceCaption(geometry) + "凹面" + radius;
    }
    return radius;
}

std::string FaceColumn(const PaneFace& face)
{
    switch (face.kind) {
    case FaceKind::Described:
        return "convex";
    case FaceKind::Other:
        return "concave";
    case FaceKind::CutLine:
        return "middle";
    case FaceKind::PieceFace:
        return "piece_convex";
    case FaceKind::PieceOther:
        return "piece_concave";
    }
    return "face";
}
