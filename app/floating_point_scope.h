#pragma once

#include <cfenv>

// Runs the arithmetic of a conversion in the default environment (round to
// nearest, extended precision, every exception masked) with status flags of
// its own, and gives the caller back its environment, flags included, when
// the scope ends: a conversion neither sees the caller's pending faults nor
// leaves any of its own behind.
class FloatingPointScope {
public:
    FloatingPointScope();
    ~FloatingPointScope();

    FloatingPointScope(const FloatingPointScope&) = delete;
    FloatingPointScope& operator=(const FloatingPointScope&) = delete;

private:
    // The caller's environment, when it was not the default one.
    bool saved_ = false;
    std::fenv_t environment_;
    // The caller's flags, when it was.
    int flags_ = 0;
};
