#pragma once

#include "app/number_settings.h"

// Sets the decimal separator of the number settings for as long as it
// exists, and gives the previous one back afterwards.
class DecimalSeparatorScope {
public:
    explicit DecimalSeparatorScope(char separator) : saved_(DecimalSeparator()) { SetDecimalSeparator(separator); }
    ~DecimalSeparatorScope() { SetDecimalSeparator(saved_); }

    DecimalSeparatorScope(const DecimalSeparatorScope&) = delete;
    DecimalSeparatorScope& operator=(const DecimalSeparatorScope&) = delete;

private:
    char saved_;
};
