#pragma once

#include "template/pane_geometry.h"

#include <string>

// Writes an ASCII DXF in millimetres for cutting the mould: an ARC for every
// face about the pane's centre at the origin, with its exact radius and start
// and end angles, a LINE for the chord, the dimensions and the texts, each on
// its named layer.
void WriteDxfTemplate(const std::string& path, const PaneGeometry& geometry, const std::string& title);
