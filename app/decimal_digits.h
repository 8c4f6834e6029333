#pragma once

#include <array>
#include <string_view>

// The decimal digits of a number as the formatting works with them: up to 18
// digits and a decimal exponent, the number being 0.<digits> x 10^exponent.
// Held in place: a list of results formats millions of numbers.
struct DecimalDigits {
    std::array<char, 18> places{};
    int count = 0;
    int exponent = 0;

    std::string_view Digits() const { return {places.data(), static_cast<std::size_t>(count)}; }
};

// The 18-digit form of a finite, non-zero magnitude: |value| scaled by
// 10^(18 - E) in extended precision and rounded to an integer (ties to even),
// written as exactly 18 digits, leading zeros included. E comes from the
// binary exponent through the log10(2) estimate 19728 / 65536, so it may be
// one too large, which shows as a leading zero.
DecimalDigits EighteenDigits(double value);

// The first `count` digits rounded half away from zero at the next digit (a
// carry past the first digit gives "1" and one more in the exponent), with
// trailing zeros dropped. A count below zero keeps nothing; a count beyond
// the digits keeps them all.
DecimalDigits RoundToDigits(const DecimalDigits& number, int count);
