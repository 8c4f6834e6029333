#include "app/decimal_digits.h"

#include "app/power_of_ten.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>

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

    long double scaled = std::nearbyint(ScaleByPowerOfTen(magnitude, kFormDigits - exponent));
    if (scaled >= kFormLimit) {
        scaled = std::nearbyint(scaled / 10.0L);
        ++exponent;
    }

    char digits[kFormDigits + 1];
    std::snprintf(digits, sizeof digits, "%018llu",
                  static_cast<unsigned long long>(static_cast<std::uint64_t>(scaled)));
    return {digits, exponent};
}

DecimalDigits RoundToDigits(const DecimalDigits& number, int count)
{
    if (count < 0)
        return {"", number.exponent};
    const auto length = number.digits.size();
    const auto kept = std::min(static_cast<std::size_t>(count), length);

    DecimalDigits rounded{number.digits.substr(0, kept), number.exponent};
    if (kept < length && number.digits[kept] >= '5') {
        auto position = rounded.digits.find_last_not_of('9');
        if (position == std::string::npos) {
            rounded.digits.assign(1, '1');
            ++rounded.exponent;
        } else {
            ++rounded.digits[position];
            rounded.digits.resize(position + 1);
        }
    }
    const auto last = rounded.digits.find_last_not_of('0');
    rounded.digits.resize(last == std::string::npos ? 0 : last + 1);
    return rounded;
}
