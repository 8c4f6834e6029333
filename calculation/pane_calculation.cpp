#include "calculation/pane_calculation.h"

#include "app/fp_environment.h"
#include "app/number_text.h"

#include <initializer_list>

namespace {

// The number a field's text denotes, in extended precision.
long double NumberIn(const PaneFields& fields, PaneField field)
{
    return StrToFloat(fields.Text(field));
}

// The value a field gives the record: 0 (not given) for an empty text,
// otherwise its number stored as a double.
double ValueOf(const PaneFields& fields, PaneField field)
{
    if (fields.Text(field).empty())
        return 0;
    // Only a fault of this store counts, not one left by earlier work.
    ClearFloatingPointFlags();
    return StoreToDouble(NumberIn(fields, field));
}

void Show(PaneFields& fields, PaneField field, const std::string& pattern, double value)
{
    fields.SetText(field, FormatFloat(pattern, value));
}

} // namespace

ResultPatterns ResultPatterns::WithDecimals(int decimals)
{
    return {"0." + std::string(static_cast<std::size_t>(decimals), '0'),
            "0." + std::string(static_cast<std::size_t>(decimals + 1), '0')};
}

void ReadSinglePane(const PaneFields& fields, BendValues& values)
{
    values.hc = ValueOf(fields, PaneField::Arc);
    values.xc = ValueOf(fields, PaneField::Chord);
    values.bj = ValueOf(fields, PaneField::Radius);
    values.gg = ValueOf(fields, PaneField::Rise);
    values.jd = ValueOf(fields, PaneField::Degrees);
    values.hd = ValueOf(fields, PaneField::Radians);
    values.xll = ValueOf(fields, PaneField::CutLength);
    values.blhd = ValueOf(fields, PaneField::Glass);
}

int CountGivenArcQuantities(const BendValues& values)
{
    int given = 0;
    for (const double quantity : {values.hc, values.xc, values.bj, values.gg, values.jd, values.hd})
        given += quantity != 0.0;
    return given;
}

void WriteSinglePane(const BendValues& values, PaneFields& fields, const ResultPatterns& patterns)
{
    Show(fields, PaneField::Arc, patterns.length, values.hc);
    Show(fields, PaneField::Chord, patterns.length, values.xc);
    Show(fields, PaneField::Radius, patterns.length, values.bj);
    Show(fields, PaneField::Rise, patterns.length, values.gg);
    Show(fields, PaneField::Degrees, patterns.length, values.jd);
    Show(fields, PaneField::Radians, patterns.radians, values.hd);
    Show(fields, PaneField::CutLength, patterns.length, values.xll);
}

// The second pane shares the centre and the angle of the first, as shown in
// the fields; its radius differs by the spacer and the single pane's glass.
void CalculatePiece(PaneFields& fields, PieceKind kind, BendValues& values, MessageOwner& owner,
                    const ResultPatterns& patterns)
{
    for (const PaneField field : {PaneField::Spacer, PaneField::Glass, PaneField::PieceGlass}) {
        if (fields.Text(field).empty())
            fields.SetText(field, "0");
    }

    values.hc = 0;
    values.xc = 0;
    values.gg = 0;
    values.jd = ValueOf(fields, PaneField::Degrees);
    values.hd = 0;
    values.xll = 0;
    values.blhd = ValueOf(fields, PaneField::PieceGlass);

    ClearFloatingPointFlags();
    const long double radius = NumberIn(fields, PaneField::Radius);
    const long double spacer = NumberIn(fields, PaneField::Spacer);
    const long double glass = NumberIn(fields, PaneField::Glass);
    values.bj = StoreToDouble(kind == PieceKind::Inner ? (radius - spacer) - glass : (radius + spacer) + glass);

    SolveBend(values, owner);

    Show(fields, PaneField::PieceArc, patterns.length, values.hc);
    Show(fields, PaneField::PieceChord, patterns.length, values.xc);
    Show(fields, PaneField::PieceRadius, patterns.length, values.bj);
    Show(fields, PaneField::PieceRise, patterns.length, values.gg);
    Show(fields, PaneField::PieceCutLength, patterns.length, values.xll);
}
