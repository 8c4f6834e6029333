#pragma once

#include <optional>

// The two stepwise searches for the central angle: from arc and chord, and
// from arc and rise. The angle steps upward from 0.00001 rad, each sum rounded
// to double, until the residual falls under the tolerance or the angle reaches
// 6.29 rad.
enum class AngleSearchKind {
    Chord,  // residual |sin(h/2) - xc*h/(2*hc)|, step 0.000001, tolerance 0.0000001
    Rise,   // residual |(1 - gg*h/hc) - cos(h/2)|, step 0.00001, tolerance 0.000001
};

struct AngleSearchResult {
    double angle = 0;        // where the scan stopped
    bool found = false;      // false: the scan ran out at 6.29
    long long residuals = 0; // how many residuals the scan evaluated
};

// The scan, with the result of evaluating every step bit for bit, but it
// evaluates only the steps that a bound on the residual's slope cannot rule
// out, and walks the step sequence in closed form within each binade.
AngleSearchResult ScanAngle(AngleSearchKind kind, double hc, double other);

// The smallest angle in (0, 6.29) at which the signed residual changes sign,
// to double precision; none when there is no such angle.
std::optional<double> FirstResidualRoot(AngleSearchKind kind, double hc, double other);
