#pragma once

#include "calculation/pane_calculation.h"
#include "calculation/pane_fields.h"
#include "core/bend_solver.h"

#include <optional>
#include <string>

// One pane computed from its field texts the way the calculate command
// computes it, for a program that asks nothing and shows no boxes.
struct PaneSolution {
    enum class Outcome {
        Solved,
        TooManyGiven,  // more than two arc quantities: nothing computed
        Failed,        // a message, as the window would have shown it
    };

    Outcome outcome = Outcome::Failed;
    // The first message the window would have shown (UTF-8): the solver's
    // own, or the report of an error, with its period.
    std::string message;
    // The field texts afterwards: the results written back, the thicknesses
    // a piece calculation defaulted to "0".
    PaneTexts fields;
    // The records after the single pane's solve and after the piece's.
    BendValues single;
    std::optional<BendValues> piece;
};

// What a program says when more than two arc quantities are given, where the
// window asks whether to clear the form.
inline constexpr char kTooManyGivenEnglish[] = "more than two of arc, chord, radius, rise, degrees and radians are given";
inline constexpr char kTooManyGivenChinese[] = "弧长、弦长、半径、拱高、圆心角角度、圆心角弧度只要两项，给了两项以上";

PaneSolution SolvePane(PaneTexts fields, std::optional<PieceKind> piece, const ResultPatterns& patterns);
