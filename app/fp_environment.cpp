#include "app/fp_environment.h"

#include "app/errors.h"
#include "app/floating_point_scope.h"

#include <cfenv>

namespace {

// Keeps the compiler from moving floating-point work across a flag test.
inline void FlagBarrier()
{
    asm volatile("" ::: "memory");
}

#if defined(__x86_64__)
// The C library's environment calls store and load the whole x87
// environment (fnstenv, fldenv), a hundred cycles or more each, and an order
// list calls them tens of millions of times. The default environment and
// clear flags take the unit's own short instructions.
constexpr unsigned short kDefaultControlWord = 0x037F;  // all masked, extended precision, to nearest
constexpr unsigned kDefaultMxcsr = 0x1F80;              // all masked, to nearest
constexpr unsigned kMxcsrFlags = 0x3F;

unsigned short ControlWord()
{
    unsigned short word;
    asm volatile("fnstcw %0" : "=m"(word));
    return word;
}

unsigned Mxcsr()
{
    unsigned word;
    asm volatile("stmxcsr %0" : "=m"(word));
    return word;
}

void SetMxcsr(unsigned word)
{
    asm volatile("ldmxcsr %0" : : "m"(word));
}

bool InDefaultEnvironment()
{
    return ControlWord() == kDefaultControlWord && (Mxcsr() & ~kMxcsrFlags) == kDefaultMxcsr;
}

void ClearFlags()
{
    asm volatile("fnclex");
    // Loading the register waits for the unit; most of the time there is
    // nothing to clear in it.
    if (const unsigned word = Mxcsr(); word & kMxcsrFlags)
        SetMxcsr(word & ~kMxcsrFlags);
}

void SetDefaultEnvironment()
{
    asm volatile("fninit");
    SetMxcsr(kDefaultMxcsr);
}
#else
bool InDefaultEnvironment()
{
    return false;
}

void ClearFlags()
{
    std::feclearexcept(FE_ALL_EXCEPT);
}

void SetDefaultEnvironment()
{
    std::fesetenv(FE_DFL_ENV);
    std::feclearexcept(FE_ALL_EXCEPT);
}
#endif

} // namespace

void ResetFloatingPoint()
{
    SetDefaultEnvironment();
}

void ClearFloatingPointFlags()
{
    FlagBarrier();
    ClearFlags();
    FlagBarrier();
}

void RaisePendingFloatingPointError()
{
    FlagBarrier();
    const int raised = std::fetestexcept(FE_DIVBYZERO | FE_OVERFLOW | FE_INVALID);
    if (raised == 0)
        return;
    ClearFlags();
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

FloatingPointScope::FloatingPointScope()
{
    FlagBarrier();
    if (InDefaultEnvironment()) {
        flags_ = std::fetestexcept(FE_ALL_EXCEPT);
        ClearFlags();
    } else {
        saved_ = true;
        std::feholdexcept(&environment_);
        std::fesetenv(FE_DFL_ENV);
    }
    FlagBarrier();
}

FloatingPointScope::~FloatingPointScope()
{
    FlagBarrier();
    if (saved_) {
        std::fesetenv(&environment_);
    } else {
        ClearFlags();
        if (flags_ != 0)
            std::feraiseexcept(flags_);
    }
    FlagBarrier();
}
