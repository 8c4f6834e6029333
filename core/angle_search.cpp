#include "core/angle_search.h"

#include "app/extended_math.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstdint>

namespace {

constexpr double kStartAngle = 0.00001;
constexpr long double kAngleLimit = 6.29L;

struct SearchSteps {
    long double step;
    long double tolerance;
};

SearchSteps StepsOf(AngleSearchKind kind)
{
    if (kind == AngleSearchKind::Chord)
        return {0.000001L, 0.0000001L};
    return {0.00001L, 0.000001L};
}

// The residual before its absolute value is taken, evaluated exactly as the
// scan writes it.
long double SignedResidual(AngleSearchKind kind, double hc, double other, double hd)
{
    if (kind == AngleSearchKind::Chord)
        return Sin(static_cast<long double>(hd) / 2)
               - static_cast<long double>(other) * hd / (2 * static_cast<long double>(hc));
    return (1 - static_cast<long double>(other) * hd / hc) - Cos(static_cast<long double>(hd) / 2);
}

// One step of the scan: the sum is formed in extended and rounded to double.
double NextAngle(double hd, long double step)
{
    return static_cast<double>(hd + step);
}

// Advances `hd` by up to `count` steps of the scan, stopping early at the
// first angle that is no longer below the limit; returns the steps taken.
//
// Within one binade every angle is a multiple of the binade's unit, and
// adding the step rounds the same way wherever the sum stays inside the
// binade (the rounding of a tie can only depend on the parity of the angle's
// last bit, which is checked for both parities). There the angles form an
// arithmetic sequence and whole runs of steps are taken in one addition.
long long WalkSteps(double& hd, long long count, long double step)
{
    long long taken = 0;
    while (taken < count && kAngleLimit > hd) {
        int exponent = 0;
        std::frexp(hd, &exponent);
        const double top = std::ldexp(1.0, exponent);
        const double unit = std::ldexp(1.0, exponent - 53);
        const long double room = top - 2 * unit - step - static_cast<long double>(hd);
        if (room > 2 * step) {
            const double increment = NextAngle(hd, step) - hd;
            const double otherParity = NextAngle(hd + unit, step) - (hd + unit);
            if (increment == otherParity && increment > 0) {
                long long run = static_cast<long long>(room / increment);
                run = std::min(run, count - taken);
                const auto at = [&](long long n) { return hd + static_cast<double>(n) * increment; };
                if (at(run) >= kAngleLimit) {
                    long long first = static_cast<long long>(std::ceil((kAngleLimit - hd) / increment));
                    while (first > 1 && at(first - 1) >= kAngleLimit)
                        --first;
                    while (at(first) < kAngleLimit)
                        ++first;
                    run = std::min(run, first);
                }
                if (run >= 1) {
                    hd = at(run);
                    taken += run;
                    continue;
                }
            }
        }
        hd = NextAngle(hd, step);
        ++taken;
    }
    return taken;
}

// How many steps from `hd` the scan can go without meeting a residual under
// the tolerance: the next `result - 1` angles are certain to miss it.
//
// The residual's second derivative is at most 1/4 in magnitude for both
// searches, so over a distance d it changes by at most |slope|*d + d*d/8.
// A margin covers the rounding of the evaluated residual and slope.
long long StepsClearOfTolerance(AngleSearchKind kind, long double ratio, double hd,
                                long double residual, const SearchSteps& steps)
{
    if (!std::isfinite(residual))
        return 1LL << 40;  // infinite or NaN inputs: no angle can meet the tolerance
    const long double slope = kind == AngleSearchKind::Chord
                                  ? Cos(static_cast<long double>(hd) / 2) / 2 - ratio
                                  : Sin(static_cast<long double>(hd) / 2) / 2 - ratio;
    const long double margin = 1e-15L * (1 + 8 * std::fabs(ratio));
    const long double room = residual - steps.tolerance - 2 * margin;
    if (!(room > 0))
        return 1;
    const long double rate = std::fabs(slope) + margin;
    const long double distance = 2 * room / (std::sqrt(rate * rate + room / 2) + rate);
    // A step may be a few units of the angle's last place longer than its
    // nominal length.
    const long double count = distance / (steps.step * (1 + 1e-8L));
    if (!(count >= 1))
        return 1;
    if (count > 1e9L)
        return 1000000000;
    return static_cast<long long>(count);
}

// The slope term of the signed residual: xc/(2*hc) for the chord search,
// gg/hc for the rise search.
long double ResidualRatio(AngleSearchKind kind, double hc, double other)
{
    if (kind == AngleSearchKind::Chord)
        return static_cast<long double>(other) / (2 * static_cast<long double>(hc));
    return static_cast<long double>(other) / hc;
}

// 1 - sin(x)/x without cancellation for small x.
long double OneMinusSinc(long double x)
{
    if (x >= 0.5L)
        return 1 - std::sin(x) / x;
    const long double x2 = x * x;
    long double term = x2 / 6;
    long double sum = 0;
    for (int n = 3; n < 60 && term != 0; n += 2) {
        sum += term;
        term *= -x2 / ((n + 1) * (n + 2));
    }
    return sum;
}

// (1 - cos(h/2)) / h, the rise per unit of arc of an arc of angle h.
long double RiseRatio(long double h)
{
    const long double s = std::sin(h / 4);
    return 2 * s * s / h;
}

// The angle in (0, 6.29) at which the rise ratio peaks (tan(h/4) = h/2);
// the ratio rises before it and falls after it.
long double RiseRatioPeak()
{
    long double lo = 1, hi = 1.3L;  // in y = h/4: 2y cos y - sin y changes sign here
    for (int i = 0; i < 80; ++i) {
        const long double y = (lo + hi) / 2;
        if (2 * y * std::cos(y) - std::sin(y) > 0)
            lo = y;
        else
            hi = y;
    }
    return 4 * lo;
}

// Bisects over the doubles between lo (exclusive, where f has the sign
// `positiveBelow`) and hi (where it has the other sign), and returns the
// nearer of the two adjacent doubles that bracket the sign change.
template <class F>
double BisectRoot(F f, double lo, double hi, bool positiveBelow)
{
    auto a = std::bit_cast<std::uint64_t>(lo);
    auto b = std::bit_cast<std::uint64_t>(hi);
    while (b - a > 1) {
        const std::uint64_t mid = a + (b - a) / 2;
        if ((f(std::bit_cast<double>(mid)) > 0) == positiveBelow)
            a = mid;
        else
            b = mid;
    }
    const double below = std::bit_cast<double>(a);
    const double above = std::bit_cast<double>(b);
    if (below == 0)
        return above;
    return std::fabs(f(below)) <= std::fabs(f(above)) ? below : above;
}

} // namespace

AngleSearchResult ScanAngle(AngleSearchKind kind, double hc, double other)
{
    const SearchSteps steps = StepsOf(kind);
    const long double ratio = ResidualRatio(kind, hc, other);
    AngleSearchResult result;
    double hd = kStartAngle;
    while (kAngleLimit > hd) {
        ++result.residuals;
        const long double residual = std::fabs(SignedResidual(kind, hc, other, hd));
        if (steps.tolerance > residual) {
            result.found = true;
            break;
        }
        const long long skip = StepsClearOfTolerance(kind, ratio, hd, residual, steps);
        // The angles stepped over would each have been evaluated, and missed.
        result.residuals += WalkSteps(hd, skip, steps.step) - 1;
    }
    result.angle = hd;
    return result;
}

std::optional<double> FirstResidualRoot(AngleSearchKind kind, double hc, double other)
{
    const double largest = std::nextafter(static_cast<double>(kAngleLimit), 0.0);
    if (kind == AngleSearchKind::Chord) {
        // sin(h/2) - (xc/hc)(h/2) = (h/2) * ((1 - xc/hc) - (1 - sin(h/2)/(h/2))),
        // and 1 - sin(x)/x rises steadily over the whole range.
        const long double shortfall = (static_cast<long double>(hc) - other) / hc;
        const auto f = [&](double h) { return shortfall - OneMinusSinc(static_cast<long double>(h) / 2); };
        if (!(shortfall > 0) || !(f(largest) < 0))
            return std::nullopt;
        return BisectRoot(f, 0.0, largest, true);
    }
    // (1 - gg*h/hc) - cos(h/2) = h * ((1 - cos(h/2))/h - gg/hc); the first
    // sign change lies where the rising rise ratio reaches gg/hc.
    static const long double peak = RiseRatioPeak();
    const long double ratio = static_cast<long double>(other) / hc;
    const auto f = [&](double h) { return RiseRatio(h) - ratio; };
    const double peakAngle = static_cast<double>(peak);
    if (!(ratio > 0) || !(f(peakAngle) > 0))
        return std::nullopt;
    return BisectRoot(f, 0.0, peakAngle, false);
}
