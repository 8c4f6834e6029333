#include "core/bend_solver.h"

#include "app/errors.h"
#include "app/extended_math.h"
#include "app/fp_environment.h"
#include "core/angle_search.h"

namespace {

using Extended = long double;

const char* const kInputErrorCaption = "输入错误";
const char* const kTooFewMessage = "已知项不够，请重输！";
const char* const kCalculationErrorMessage = "计算错误，请重输！";

bool Given(double quantity)
{
    return quantity != 0.0;
}

// The derivation rules. Each evaluates its formula in extended precision,
// left to right as written, from the values stored so far, and stores the
// result as a double; a fault of the rule is raised before its store.
class BendRules {
public:
    explicit BendRules(BendValues& values) : v(values) {}

    void ChordFromArc() { Begin(); v.xc = StoreToDouble(Sin(Extended(v.hc) / 2 / v.bj) * v.bj * 2); }
    void RiseFromArc() { Begin(); v.gg = StoreToDouble(Extended(v.bj) - Cos(Extended(v.hc) / 2 / v.bj) * v.bj); }
    void DegreesFromArc() { Begin(); v.jd = StoreToDouble(Extended(v.hc) / v.bj * 180 / kPi); }
    void RadiansFromArc() { Begin(); v.hd = StoreToDouble(Extended(v.hc) / v.bj); }
    void ArcFromChord() { Begin(); v.hc = StoreToDouble(ArcSin(Extended(v.xc) / 2 / v.bj) * v.bj * 2); }
    void ArcFromRise() { Begin(); v.hc = StoreToDouble(ArcCos((Extended(v.bj) - v.gg) / v.bj) * v.bj * 2); }
    void ArcFromAngle() { Begin(); v.hc = StoreToDouble(kPi * v.bj * v.jd / 180); }
    void RadiansFromDegrees() { Begin(); v.hd = StoreToDouble(kPi * v.jd / 180); }
    void DegreesFromRadians() { Begin(); v.jd = StoreToDouble(Extended(v.hd) * 180 / kPi); }
    void RadiusFromArcAndAngle() { Begin(); v.bj = StoreToDouble(Extended(v.hc) * 180 / v.jd / kPi); }
    void RadiusFromChordAndAngle() { Begin(); v.bj = StoreToDouble((Extended(v.xc) / 2) / Sin(kPi * v.jd / 360)); }
    void RadiusFromRiseAndAngle() { Begin(); v.bj = StoreToDouble(Extended(v.gg) / (1 - Cos(kPi * v.jd / 360))); }
    void RadiusFromChordAndRise() { Begin(); v.bj = StoreToDouble(Extended(v.xc) * v.xc / v.gg / 8 + Extended(v.gg) / 2); }
    void CutLength() { Begin(); v.xll = StoreToDouble((Extended(v.bj) - Extended(v.blhd) / 2) * v.hc / v.bj); }

    // A rise of more than half the chord belongs to the longer of the two
    // arcs on the chord: the full circle less the shorter arc.
    void MajorArcFromChord()
    {
        Begin();
        v.hc = StoreToDouble(2 * kPi * v.bj - ArcSin(Extended(v.xc) / 2 / v.bj) * v.bj * 2);
    }

    // The search variable is the record's own angle field. When the scan
    // stops on its very first angle the residual was already small there and
    // says nothing about the arc, and when it runs out it may have stepped
    // over a valid angle; both take the first sign change of the residual
    // instead. Without one there is no such arc.
    void SearchAngle(AngleSearchKind kind, double other, MessageOwner& owner)
    {
        const AngleSearchResult scan = ScanAngle(kind, v.hc, other);
        v.hd = scan.angle;
        if (!scan.found || scan.residuals == 1) {
            const auto root = FirstResidualRoot(kind, v.hc, other);
            if (!root) {
                owner.MessageBox(kCalculationErrorMessage, kInputErrorCaption, MessageFlags::Information);
                throw EAbort();
            }
            v.hd = *root;
        }
    }

private:
    static void Begin() { ClearFloatingPointFlags(); }

    BendValues& v;
};

} // namespace

void SolveBend(BendValues& values, MessageOwner& owner)
{
    ResetFloatingPoint();
    BendValues& v = values;
    BendRules rules(v);

    if (Given(v.hc) && Given(v.bj)) {
        rules.ChordFromArc();
        rules.RiseFromArc();
        rules.DegreesFromArc();
        rules.RadiansFromArc();
    } else if (Given(v.xc) && Given(v.gg)) {
        rules.RadiusFromChordAndRise();
        if (v.xc > 0 && v.gg > v.xc / 2)
            rules.MajorArcFromChord();
        else
            rules.ArcFromChord();
        rules.DegreesFromArc();
        rules.RadiansFromArc();
    } else if (Given(v.xc) && Given(v.bj)) {
        rules.ArcFromChord();
        rules.RiseFromArc();
        rules.DegreesFromArc();
        rules.RadiansFromArc();
    } else if (Given(v.gg) && Given(v.bj)) {
        rules.ArcFromRise();
        rules.ChordFromArc();
        rules.DegreesFromArc();
        rules.RadiansFromArc();
    } else if (Given(v.hc) && Given(v.jd)) {
        rules.RadiusFromArcAndAngle();
        rules.ChordFromArc();
        rules.RiseFromArc();
        rules.RadiansFromDegrees();
    } else if (Given(v.xc) && Given(v.jd)) {
        rules.RadiusFromChordAndAngle();
        // Past a half circle the chord alone would give the arc of the
        // remaining angle; the angle itself gives the arc.
        if (v.jd > 180 && v.jd < 360)
            rules.ArcFromAngle();
        else
            rules.ArcFromChord();
        rules.RiseFromArc();
        rules.RadiansFromDegrees();
    } else if (Given(v.bj) && Given(v.jd)) {
        rules.ArcFromAngle();
        rules.ChordFromArc();
        rules.RiseFromArc();
        rules.RadiansFromDegrees();
    } else if (Given(v.hc) && Given(v.hd)) {
        rules.DegreesFromRadians();
        rules.RadiusFromArcAndAngle();
        rules.ChordFromArc();
        rules.RiseFromArc();
    } else if (Given(v.xc) && Given(v.hd)) {
        rules.DegreesFromRadians();
        rules.RadiusFromChordAndAngle();
        rules.ArcFromAngle();
        rules.RiseFromArc();
    } else if (Given(v.bj) && Given(v.hd)) {
        rules.DegreesFromRadians();
        rules.ArcFromAngle();
        rules.ChordFromArc();
        rules.RiseFromArc();
    } else if (Given(v.gg) && Given(v.jd)) {
        rules.RadiusFromRiseAndAngle();
        rules.ArcFromAngle();
        rules.ChordFromArc();
        rules.RadiansFromDegrees();
    } else if (Given(v.gg) && Given(v.hd)) {
        rules.DegreesFromRadians();
        rules.RadiusFromRiseAndAngle();
        rules.ArcFromAngle();
        rules.ChordFromArc();
    } else if (Given(v.hc) && Given(v.xc)) {
        rules.SearchAngle(AngleSearchKind::Chord, v.xc, owner);
        rules.DegreesFromRadians();
        rules.RadiusFromArcAndAngle();
        rules.RiseFromArc();
    } else if (Given(v.hc) && Given(v.gg)) {
        rules.SearchAngle(AngleSearchKind::Rise, v.gg, owner);
        rules.DegreesFromRadians();
        rules.RadiusFromArcAndAngle();
        rules.ChordFromArc();
    } else {
        owner.MessageBox(kTooFewMessage, kInputErrorCaption, MessageFlags::Information);
        return;
    }

    if (Given(v.blhd))
        rules.CutLength();
    ClearFloatingPointFlags();
}
