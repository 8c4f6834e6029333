// libFuzzer target for the two number conversions.
//
// Input: a control byte, then a text. The control byte picks the decimal
// separator (bit 0: "," or ".") and the pattern "0." followed by 1 to 18
// zeros (the other bits). The text is read with StrToFloat; its first eight
// bytes are also taken as the bits of a double, and that double, as well as
// the value of the text when it is accepted, is written with FormatFloat and
// read back.
//
// Properties, each checked on every input:
//  1. Nothing crashes and no sanitizer reports; StrToFloat raises nothing but
//     EConvertError, with the message "'<text>' is not a valid floating point
//     value"; FormatFloat raises nothing for these patterns.
//  2. No floating-point status flag is raised after either conversion returns
//     or throws (the flags are cleared before each call).
//  3. Every text FormatFloat writes for a finite double is accepted by
//     StrToFloat under the same separator ("NAN", "INF", "-INF" for the rest).
//  4. A text in the plain form ("-", digits, the separator, exactly d
//     decimals) read back and stored as a double lies within half a unit of
//     its last decimal of the written double, plus 2e-16 of its magnitude for
//     the 18-digit decimal form and the store: |read - v| <= 0.5 * 10^-d +
//     2e-16 * |v|.
//  5. Round trip: a plain text with at least 17 digits from its first
//     non-zero digit to its end, read back by StrToFloat under the same
//     separator and stored with StoreToDouble, is the same double, bit for
//     bit.
#include "app/errors.h"
#include "app/fp_environment.h"
#include "app/number_text.h"

#include <bit>
#include <cfenv>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

namespace {

constexpr int kRoundTripDigits = 17;

[[noreturn]] void Fail(const char* property, const std::string& detail)
{
    std::fprintf(stderr, "property failed: %s: %s\n", property, detail.c_str());
    std::abort();
}

// Takes the detail as a function: describing a signalling NaN raises a flag
// itself, so the flags must be read first.
template <typename Detail>
void RequireCleanFlags(const char* after, Detail detail)
{
    if (std::fetestexcept(FE_ALL_EXCEPT) != 0)
        Fail(after, "status flags left raised for " + detail());
}

std::string Describe(double value, const std::string& text)
{
    char bits[64];
    std::snprintf(bits, sizeof bits, "%a", value);
    return std::string(bits) + " written as '" + text + "'";
}

// Accepted: the value; refused: nothing. Checks properties 1 and 2.
bool Read(const std::string& text, long double& value)
{
    std::feclearexcept(FE_ALL_EXCEPT);
    try {
        value = StrToFloat(text);
        RequireCleanFlags("StrToFloat", [&] { return "'" + text + "'"; });
        return true;
    } catch (const EConvertError& error) {
        RequireCleanFlags("StrToFloat refusing", [&] { return "'" + text + "'"; });
        if (error.Message() != "'" + text + "' is not a valid floating point value")
            Fail("conversion message", error.Message());
        return false;
    }
}

bool IsPlainForm(const std::string& text)
{
    return text.find_first_of("EAIN") == std::string::npos;
}

// Digits from the first non-zero digit to the end of the text.
int PlacesFromFirstSignificantDigit(const std::string& text)
{
    const auto first = text.find_first_of("123456789");
    if (first == std::string::npos)
        return 0;
    int places = 0;
    for (auto i = first; i < text.size(); ++i)
        places += text[i] >= '0' && text[i] <= '9';
    return places;
}

void CheckWriting(double value, int decimals)
{
    std::feclearexcept(FE_ALL_EXCEPT);
    const std::string text = FormatFloat("0." + std::string(decimals, '0'), value);
    RequireCleanFlags("FormatFloat", [&] { return Describe(value, text); });

    if (!std::isfinite(value)) {
        const char* expected = std::isnan(value) ? "NAN" : value > 0 ? "INF" : "-INF";
        if (text != expected)
            Fail("non-finite text", Describe(value, text));
        return;
    }
    long double read = 0;
    if (!Read(text, read))
        Fail("written text read back", Describe(value, text));
    if (!IsPlainForm(text))
        return;

    // Plain texts stay below 1e18, so the store cannot overflow.
    const double stored = StoreToDouble(read);
    const long double error = std::fabs(static_cast<long double>(stored) - value);
    const long double allowed = 0.5L * std::pow(10.0L, -decimals) + 2e-16L * std::fabs(value);
    if (error > allowed)
        Fail("written text within half a unit of its last decimal", Describe(value, text));
    if (PlacesFromFirstSignificantDigit(text) >= kRoundTripDigits &&
        std::bit_cast<std::uint64_t>(stored) != std::bit_cast<std::uint64_t>(value))
        Fail("round trip", Describe(value, text));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size == 0)
        return 0;
    ResetFloatingPoint();
    SetDecimalSeparator(data[0] & 1 ? ',' : '.');
    const int decimals = 1 + (data[0] >> 1) % 18;
    const std::string text(reinterpret_cast<const char*>(data + 1), size - 1);

    long double value = 0;
    if (Read(text, value)) {
        try {
            CheckWriting(StoreToDouble(value), decimals);
        } catch (const EOverflow&) {
            // beyond the double range: the field store refuses it
        }
    }
    if (text.size() >= sizeof(double)) {
        double bits;
        std::memcpy(&bits, text.data(), sizeof bits);
        CheckWriting(bits, decimals);
    }
    return 0;
}
