#include "app/fp_environment.h"

#include "app/errors.h"

#include <cfenv>

namespace {

// Keeps the compiler from moving floating-point work across a flag test.
inline void FlagBarrier()
{
    asm volatile("" ::: "memory");
}

} // namespace

void ResetFloatingPoint()
{
    std::fesetenv(FE_DFL_ENV);
    std::feclearexcept(FE_ALL_EXCEPT);
}

void ClearFloatingPointFlags()
{
    FlagBarrier();
    std::feclearexcept(FE_ALL_EXCEPT);
    FlagBarrier();
}

void RaisePendingFloatingPointError()
{
    FlagBarrier();
    const int raised = std::fetestexcept(FE_DIVBYZERO | FE_OVERFLOW | FE_INVALID);
    if (raised == 0)
        return;
    std::feclearexcept(FE_ALL_EXCEPT);
    if (raised & FE_DIVBYZERO)
        throw EZeroDivide();
    if (raised & FE_OVERFLOW)
        throw EOverflow();
    throw EInvalidOp();
}

double StoreToDouble(long double value)
{
    // The volatile stores pin the computation and the rounding in place
    // before the flags are read.
    volatile long double computed = value;
    RaisePendingFloatingPointError();
    volatile double stored = static_cast<double>(computed);
    RaisePendingFloatingPointError();
    return stored;
}
