#include "app/extended_math.h"

#include <cmath>

namespace {

constexpr long double kUnreducible = 0x1p63L;

bool Unreducible(long double x)
{
    return std::isfinite(x) && std::fabs(x) >= kUnreducible;
}

} // namespace

long double Sin(long double x)
{
    return Unreducible(x) ? 0.0L : std::sin(x);
}

long double Cos(long double x)
{
    return Unreducible(x) ? 0.0L : std::cos(x);
}

long double ArcSin(long double x)
{
    return std::atan2(x, std::sqrt(1.0L - x * x));
}

long double ArcCos(long double x)
{
    return std::atan2(std::sqrt(1.0L - x * x), x);
}
