#pragma once

#include "app/number_settings.h"

// Pins the decimal separator for the length of a test, so the developer's own
// locale cannot change a result, and restores the previous one afterwards.
class SeparatorScope {
public:
    explicit SeparatorScope(char separator) : saved_(DecimalSeparator()) { SetDecimalSeparator(separator); }
    ~SeparatorScope() { SetDecimalSeparator(saved_); }

    SeparatorScope(const SeparatorScope&) = delete;
    SeparatorScope& operator=(const SeparatorScope&) = delete;

private:
    char saved_;
};
