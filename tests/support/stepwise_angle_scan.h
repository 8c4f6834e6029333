#pragma once

#include "app/extended_math.h"
#include "core/angle_search.h"

#include <cmath>

// The angle scan as it reads, one step at a time with every residual
// evaluated: the reference that the fast scan must match bit for bit.
inline AngleSearchResult ScanAngleStepwise(AngleSearchKind kind, double hc, double other)
{
    const bool chord = kind == AngleSearchKind::Chord;
    const long double step = chord ? 0.000001L : 0.00001L;
    const long double tolerance = chord ? 0.0000001L : 0.000001L;
    AngleSearchResult result;
    double hd = 0.00001;
    while (6.29L > hd) {
        ++result.residuals;
        const long double residual =
            chord ? Sin(static_cast<long double>(hd) / 2) - static_cast<long double>(other) * hd / (2 * static_cast<long double>(hc))
                  : (1 - static_cast<long double>(other) * hd / hc) - Cos(static_cast<long double>(hd) / 2);
        if (tolerance > std::fabs(residual)) {
            result.found = true;
            break;
        }
        hd = static_cast<double>(hd + step);
    }
    result.angle = hd;
    return result;
}
