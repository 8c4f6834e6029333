#pragma once

#include "template/ordinates.h"
#include "template/page_tiling.h"
#include "template/pane_geometry.h"

#include <string>

struct TemplateOptions {
    const Paper* paper = nullptr;  // A4 when none
    int maxPages = 200;            // of the template, the drawing page not counted
    std::string title;             // the pane's mark, or what names it
    double step = 100;             // between the stations of the ordinates
};

// Writes the PDF: a drawing page (the dimensioned pane scaled to fit, the
// figures, the ordinates, a map of the pages and a title block), then the
// template at 1:1 tiled over as few pages as possible, every page with its
// row and column, alignment marks in the overlaps, a 100 mm check bar and the
// instruction to print at actual size. Throws ETemplateError when the
// template would take more pages than allowed, before anything is written.
void WritePdfTemplate(const std::string& path, const PaneGeometry& geometry, const TemplateOptions& options);
