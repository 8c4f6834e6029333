#pragma once

#include "template/pane_geometry.h"

#include <optional>
#include <string>
#include <vector>

// How high each face stands above the chord of the described face, at
// stations measured from the middle outwards and at the ends: what a fitter
// marks on a board when there is no printer. A face that does not reach a
// station has no height there.
struct OrdinateRow {
    double station;  // mm from the middle, the same on both sides
    std::vector<std::optional<double>> heights;
};

struct Ordinates {
    std::vector<PaneFace> faces;
    std::vector<OrdinateRow> rows;
};

// Stations 0, step, 2 step and so on, and the ends; throws ETemplateError
// for a step that is not positive.
Ordinates OrdinatesOf(const PaneGeometry& geometry, double step);

// A face's name in a table: its side of the pane and its radius.
std::string FaceName(const PaneGeometry& geometry, const PaneFace& face);
// The same as a CSV column name.
std::string FaceColumn(const PaneFace& face);
