#pragma once

#include "app/message_box.h"
#include "calculation/pane_fields.h"
#include "core/bend_solver.h"

// The steps of the calculate command that turn field texts into results, for
// the window and for the command line alike, so that both show the same
// texts for the same fields.

// The second pane of a bent unit: inside the entered one, or outside it.
enum class PieceKind { Inner, Outer };

// Reads the eight single-pane fields into the record, in the window's order:
// an empty text gives 0 (not given), any other its number stored as a double.
// A text that is not a number ends with EConvertError at its field, a number
// beyond the double range with EOverflow; the fields read before it keep
// their values in the record.
void ReadSinglePane(const PaneFields& fields, BendValues& values);

// How many of the six arc quantities are given; the cut length and the glass
// thickness never count.
int CountGivenArcQuantities(const BendValues& values);

// Writes the record back into the seven single-pane result fields; the glass
// thickness is not written.
void WriteSinglePane(const BendValues& values, PaneFields& fields, const ResultPatterns& patterns);

// The second pane, from the single pane's results as just written: its angle
// as the degrees field shows it, its radius the single radius less (inner) or
// more (outer) the spacer and the single pane's glass thickness, its cut
// length from its own glass thickness. Empty spacer and glass fields become
// "0" first. Solves the piece and writes its five result fields; its
// messages go to `owner`.
void CalculatePiece(PaneFields& fields, PieceKind kind, BendValues& values, MessageOwner& owner,
                    const ResultPatterns& patterns);
