#pragma once

#include "calculation/pane_solution.h"

#include <optional>
#include <string>
#include <vector>

// What a face of the drawing is.
enum class FaceKind {
    Described,   // the face the quantities describe, at the pane's radius
    Other,       // one glass thickness nearer the centre
    CutLine,     // the mid-surface between them: its length is the cut length
    PieceFace,   // the second pane's face at its radius
    PieceOther,  // and one of its glass thicknesses nearer the centre
};

struct PaneFace {
    FaceKind kind;
    double radius;  // mm
};

// The arcs of a pane, or of a bent unit, about one centre at the origin: the
// pane lies symmetric about the y axis with its middle straight above the
// centre (y up), so every face runs from 90 - angle/2 to 90 + angle/2 degrees.
struct PaneGeometry {
    double degrees = 0;   // the central angle
    double radius = 0;    // of the described face
    double glass = 0;     // the pane's glass thickness
    std::vector<PaneFace> faces;
    std::optional<PieceKind> piece;
    // The texts the window shows for the pane and for the piece.
    PaneTexts figures;

    double StartDegrees() const { return 90 - degrees / 2; }
    double EndDegrees() const { return 90 + degrees / 2; }
    // Half the chord of the described face, and the chord's height above the centre.
    double HalfChord() const;
    double ChordHeight() const;
};

// The geometry of a computed pane. Throws ETemplateError when the pane could
// not be computed (with the message the window would show), or when it
// describes nothing that can be drawn.
PaneGeometry GeometryOf(const PaneSolution& solution, std::optional<PieceKind> piece);
