#pragma once

// The extended-precision mathematics of the bend formulas.

// Pi as the nearest extended value: significand C90FDAA22168C235, exponent 1.
inline constexpr long double kPi = 0xC.90FDAA22168C235p-2L;

// Sine and cosine in radians. The processor cannot reduce an argument of
// magnitude 2^63 or more; such an argument gives 0, without an error.
long double Sin(long double x);
long double Cos(long double x);

// ArcSin(x) = atan2(x, sqrt(1 - x*x)) and ArcCos(x) = atan2(sqrt(1 - x*x), x),
// with an exact 1: an argument even one unit beyond +-1 takes the square root
// of a negative number and so flags an invalid operation.
long double ArcSin(long double x);
long double ArcCos(long double x);
