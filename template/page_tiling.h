#pragma once

#include <string>
#include <vector>

// A sheet of paper, in millimetres, portrait.
struct Paper {
    std::string name;
    double width;
    double height;
};

// A4 (the default), A3 or Letter; nothing else.
const Paper* PaperNamed(const std::string& name);

// How a 1:1 template is cut into pages. Every page keeps a margin the
// printer may not reach and a band at its foot for its label, the check bar
// and the print instruction; what is left shows the template, and
// neighbouring pages show the same strip of it, the overlap, for taping.
struct PageTiling {
    bool landscape = false;
    double pageWidth = 0;    // of the paper as it lies
    double pageHeight = 0;
    double tileWidth = 0;    // of the part of a page that shows the template
    double tileHeight = 0;
    int columns = 0;
    int rows = 0;

    int Pages() const { return columns * rows; }
    // Where the tile of a page begins on the template, from the template's
    // left and top edges: its offset.
    double OffsetX(int column) const;
    double OffsetY(int row) const;
};

inline constexpr double kPageMargin = 10;   // the printer may not print nearer the edge
inline constexpr double kPageFoot = 18;     // the label, the check bar and the instruction
inline constexpr double kPageOverlap = 10;  // shown on both neighbouring pages

// The tiling of a template of the given size with the fewest pages, upright
// or across, upright when both take as many.
PageTiling TileTemplate(const Paper& paper, double width, double height);
