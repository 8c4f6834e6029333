#pragma once

#include <algorithm>
#include <limits>
#include <string>
#include <vector>

// A drawing as lines, circular arcs and texts in millimetres, y up, on named
// layers: what every output draws, each in its own way.
enum class SheetLayer { Faces, CutLine, Chord, SecondPane, Dimensions, Texts };

struct SheetPoint {
    double x = 0;
    double y = 0;
};

struct SheetLine {
    SheetPoint from;
    SheetPoint to;
    SheetLayer layer;
};

// Counterclockwise from the start angle to the end angle, in degrees.
struct SheetArc {
    SheetPoint centre;
    double radius;
    double startDegrees;
    double endDegrees;
    SheetLayer layer;
};

enum class TextAnchor { Left, Centre, Right };

// A line of text whose baseline starts, centres or ends at `at`.
struct SheetText {
    SheetPoint at;
    std::string text;  // UTF-8
    double height;     // of a capital letter, mm
    TextAnchor anchor;
    SheetLayer layer = SheetLayer::Texts;
};

struct SheetBounds {
    double left = std::numeric_limits<double>::infinity();
    double bottom = std::numeric_limits<double>::infinity();
    double right = -std::numeric_limits<double>::infinity();
    double top = -std::numeric_limits<double>::infinity();

    double Width() const { return right - left; }
    double Height() const { return top - bottom; }
    void Take(SheetPoint point)
    {
        left = std::min(left, point.x);
        right = std::max(right, point.x);
        bottom = std::min(bottom, point.y);
        top = std::max(top, point.y);
    }
};

struct Sheet {
    std::vector<SheetLine> lines;
    std::vector<SheetArc> arcs;
    std::vector<SheetText> texts;
    // Around everything drawn, texts as far as their estimated width goes.
    SheetBounds bounds;
};

// The name of a layer in files that name layers (DXF, SVG).
const char* LayerName(SheetLayer layer);
