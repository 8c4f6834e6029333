#pragma once

#include "app/number_settings.h"

#include <string>

// The two conversions between field texts and numbers. Both use the decimal
// separator of the number settings and run on the user-interface thread.

// The value of a field text (UTF-8), in extended precision: optional spaces
// (byte 0x20 only), an optional sign, digits with at most one decimal
// separator (at least one digit or the separator), an optional exponent ("E"
// or "e", optional sign, digits; an "E" without digits counts as 0, and digits
// are taken only while the exponent is below 500), optional spaces, nothing
// else. The digits are accumulated as one integer and scaled by a power of
// ten, rounding at every step as the x87 unit does. Runs with every
// floating-point exception masked and leaves the status flags as it found
// them.
//
// Throws EConvertError "'<text>' is not a valid floating point value" for any
// other text, and for a value beyond the extended range (1e4999).
//
// A value beyond the double range is returned as it is: store it into a
// double field with StoreToDouble (app/fp_environment.h), which raises
// EOverflow ("Floating point overflow") for 1e500 and rounds 1e-400 to 0.
long double StrToFloat(const std::string& text);

// The text of a value for a pattern "0." followed by d zeros (d at least 1):
// "-" when negative, the integer part, the decimal separator and exactly d
// decimals, rounded half away from zero on the value's 18-digit decimal form.
// A value that rounds to zero shows as zero without a sign; one of 1e18 or
// more shows in the general form of 15 significant digits ("1.5E18"); NaN and
// the infinities show as "NAN", "INF" and "-INF". Every text it writes is read
// back by StrToFloat under the same separator.
//
// Throws EConvertError "Format string too long" for a pattern over 224
// characters, and "Format string not supported" for any other pattern.
std::string FormatFloat(const std::string& pattern, double value);
