#pragma once

#include "template/pane_geometry.h"
#include "template/sheet.h"

#include <string>

// The drawing of a pane: its faces, its ends, the chord, the cut line and the
// second pane, with dimension lines for the chord, the rise, the arc length,
// the radius and the central angle, each with the text the window shows, and
// the cut length and glass thickness. Texts are `textHeight` high in the
// sheet's millimetres. With `figures`, a block of every figure follows below,
// headed by `title`.
Sheet BuildPaneSheet(const PaneGeometry& geometry, double textHeight, bool figures, const std::string& title);

// The captions of the window for the pane given and for the second pane: the
// single-piece group's, and the piece panel's.
std::string PaneCaption(const PaneGeometry& geometry);
std::string PieceCaption(const PaneGeometry& geometry);
