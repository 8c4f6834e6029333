#pragma once

#include "template/pane_geometry.h"
#include "template/sheet.h"

#include <string>

// The pane at 1:1, as plotted, cut or printed full size: its drawing with
// texts 5 mm high and its figures, the sheet around it with room to spare.
inline constexpr double kFullSizeText = 5;
inline constexpr double kSheetRoom = 5;

Sheet FullSizeSheet(const PaneGeometry& geometry, const std::string& title);
