#include "app/decimal_digits.h"

#include "app/power_of_ten.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <utility>

namespace {

constexpr int kFormDigits = 18;
constexpr long double kFormLimit = 1e18L; // exact in extended

} // namespace

DecimalDigits EighteenDigits(double value)
{
    const long double magnitude = std::fabs(static_cast<long double>(value));
    const int binaryExponent = std::ilogb(magnitude);
    // floor(binaryExponent * 19728 / 65536); the shift of a negative number
    // rounds towards minus infinity.
    int exponent = ((binaryExponent * 19728) >> 16) + 1;

    // Rounded in the current mode, to nearest within a conversion, whose own
    // inexact flag is dropped when it ends.
    long double scaled = std::rint(ScaleByPowerOfTen(magnitude, kFormDigits - exponent));
    if (scaled >= kFormLimit) {
        scaled = std::rint(scaled / 10.0L);
        ++exponent;
    }

    DecimalDigits form;
    form.places.fill('0');
    form.count = kFormDigits;
    form.exponent = exponent;
    for (auto integer = static_cast<std::uint64_t>(scaled), at = std::uint64_t{kFormDigits}; integer != 0; integer /= 10)
        form.places[--at] = static_cast<char>('0' + integer % 10);
    return form;
}

DecimalDigits RoundToDigits(const DecimalDigits& number, int count)
{
    DecimalDigits rounded = number;
    if (count < 0) {
        rounded.count = 0;
        return rounded;
    }
    rounded.count = std::min(count, number.count);
    if (rounded.count < number.count && number.places[rounded.count] >= '5') {
        // Carry from the last digit kept; past the first, the digits become "1".
        int at = rounded.count - 1;
        while (at >= 0 && rounded.places[at] == '9')
            --at;
        if (at < 0) {
            rounded.places[0] = '1';
            rounded.count = 1;
            ++rounded.exponent;
        } else {
            ++rounded.places[at];
            rounded.count = at + 1;
        }
    }
    while (rounded.count > 0 && rounded.places[rounded.count - 1] == '0')
        --rounded.count;
    return rounded;
}
