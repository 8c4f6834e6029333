#pragma once

#include <cfenv>

// Runs the arithmetic of a conversion in the default environment (round to
// nearest, extended precision, every exception masked) with status flags of
// its own, and gives the caller back its environment, flags included, when
// the scope ends: a conversion neither sees the caller's pending faults nor
// leaves any of its own behind.
class FloatingPointScope {
public:
    FloatingPointScope()
    {
        std::feholdexcept(&saved_);
        std::fesetenv(FE_DFL_ENV);
    }
    ~FloatingPointScope() { std::fesetenv(&saved_); }

    FloatingPointScope(const FloatingPointScope&) = delete;
    FloatingPointScope& operator=(const FloatingPointScope&) = delete;

private:
    std::fenv_t saved_;
};
