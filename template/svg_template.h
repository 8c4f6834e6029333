#pragma once

#include "template/pane_geometry.h"

#include <string>

// Writes one SVG sheet at 1:1, its width and height in millimetres, for
// plotters and laser cutters: every face a true circular arc (the path's arc
// command), coordinates to a ten-thousandth of a millimetre, one group per
// layer.
void WriteSvgTemplate(const std::string& path, const PaneGeometry& geometry, const std::string& title);
