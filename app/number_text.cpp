#include "app/number_text.h"

#include "app/decimal_digits.h"
#include "app/errors.h"
#include "app/floating_point_scope.h"
#include "app/power_of_ten.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

namespace {

// Exponent digits are taken only while the exponent is below this, so an
// exponent never passes 4999 however many digits follow.
constexpr int kExponentStop = 500;

// Below this power of ten every value scales to zero.
constexpr std::int64_t kLowestPower = -5120;

constexpr std::size_t kLongestPattern = 224;

// Values whose 18-digit form has more integer digits than this show in the
// general form.
constexpr int kLongestIntegerPart = 18;
constexpr int kGeneralFormDigits = 15;

bool IsDigit(char c)
{
    return c >= '0' && c <= '9';
}

[[noreturn]] void RejectText(const std::string& text)
{
    throw EConvertError("'" + text + "' is not a valid floating point value");
}

// The bytes of a text, taken one at a time from the front.
class TextScanner {
public:
    explicit TextScanner(const std::string& text) : at_(text.begin()), end_(text.end()) {}

    bool AtEnd() const { return at_ == end_; }

    bool Take(char c)
    {
        if (AtEnd() || *at_ != c)
            return false;
        ++at_;
        return true;
    }

    void SkipSpaces()
    {
        while (Take(' ')) {
        }
    }

    // True for "-", false for "+" or no sign.
    bool TakeSign()
    {
        if (Take('-'))
            return true;
        Take('+');
        return false;
    }

    // The value of the digit taken, or -1 when the next byte is not a digit.
    int TakeDigit()
    {
        if (AtEnd() || !IsDigit(*at_))
            return -1;
        return *at_++ - '0';
    }

private:
    std::string::const_iterator at_;
    std::string::const_iterator end_;
};

// Appends the digits of a run to `integer`, each step rounded to extended
// precision, and returns how many there were. Once the integer has
// overflowed it stays infinite.
std::int64_t AccumulateDigits(TextScanner& scanner, long double& integer)
{
    std::int64_t count = 0;
    for (int digit; (digit = scanner.TakeDigit()) >= 0; ++count)
        integer = integer * 10.0L + digit;
    return count;
}

int ReadExponent(TextScanner& scanner)
{
    if (!scanner.Take('E') && !scanner.Take('e'))
        return 0;
    const bool negative = scanner.TakeSign();
    int exponent = 0;
    for (int digit; exponent < kExponentStop && (digit = scanner.TakeDigit()) >= 0;)
        exponent = exponent * 10 + digit;
    return negative ? -exponent : exponent;
}

int DecimalsOfPattern(const std::string& pattern)
{
    if (pattern.size() > kLongestPattern)
        throw EConvertError("Format string too long");
    const bool supported = pattern.size() > 2 && pattern.starts_with("0.") &&
                           pattern.find_first_not_of('0', 2) == std::string::npos;
    if (!supported)
        throw EConvertError("Format string not supported");
    return static_cast<int>(pattern.size() - 2);
}

std::string ZeroText(char separator, int decimals)
{
    std::string text = "0";
    text += separator;
    text.append(static_cast<std::size_t>(decimals), '0');
    return text;
}

// The digit at `index` of 0.<digits>, "0" beyond either end.
char DigitAt(std::string_view digits, int index)
{
    return index >= 0 && index < static_cast<int>(digits.size()) ? digits[index] : '0';
}

std::string FixedForm(const DecimalDigits& number, bool negative, char separator, int decimals)
{
    std::string text = negative ? "-" : "";
    if (number.exponent <= 0)
        text += '0';
    for (int i = 0; i < number.exponent; ++i)
        text += DigitAt(number.Digits(), i);
    text += separator;
    for (int i = 0; i < decimals; ++i)
        text += DigitAt(number.Digits(), number.exponent + i);
    return text;
}

// One digit, the rest after the separator if there is any, and the exponent:
// "1.5E18".
std::string GeneralForm(const DecimalDigits& number, bool negative, char separator)
{
    std::string text = negative ? "-" : "";
    const std::string_view digits = number.Digits();
    text += digits.front();
    if (digits.size() > 1) {
        text += separator;
        text += digits.substr(1);
    }
    return text + "E" + std::to_string(number.exponent - 1);
}

} // namespace

long double StrToFloat(const std::string& text)
{
    const FloatingPointScope scope;
    TextScanner scanner(text);

    scanner.SkipSpaces();
    const bool negative = scanner.TakeSign();
    long double integer = 0.0L;
    const std::int64_t integerDigits = AccumulateDigits(scanner, integer);
    const bool hasSeparator = scanner.Take(DecimalSeparator());
    const std::int64_t fractionDigits = hasSeparator ? AccumulateDigits(scanner, integer) : 0;
    if (integerDigits == 0 && !hasSeparator)
        RejectText(text);
    const int exponent = ReadExponent(scanner);
    scanner.SkipSpaces();
    if (!scanner.AtEnd())
        RejectText(text);

    // An integer too large for the extended range has overflowed, whatever
    // the scaling would make of it afterwards.
    if (std::isinf(integer))
        RejectText(text);
    const std::int64_t power = std::max(exponent - fractionDigits, kLowestPower);
    const long double value = ScaleByPowerOfTen(integer, static_cast<int>(power));
    if (!std::isfinite(value))
        RejectText(text);
    return negative ? -value : value;
}

std::string FormatFloat(const std::string& pattern, double value)
{
    // Even telling a signalling NaN from a number raises a flag.
    const FloatingPointScope scope;
    const int decimals = DecimalsOfPattern(pattern);
    if (std::isnan(value))
        return "NAN";
    if (std::isinf(value))
        return value < 0 ? "-INF" : "INF";

    const char separator = DecimalSeparator();
    if (value == 0)
        return ZeroText(separator, decimals);

    const DecimalDigits form = EighteenDigits(value);
    const bool negative = std::signbit(value);
    const DecimalDigits shown = RoundToDigits(form, form.exponent + decimals);
    if (shown.exponent > kLongestIntegerPart)
        return GeneralForm(RoundToDigits(form, kGeneralFormDigits), negative, separator);
    if (shown.count == 0)
        return ZeroText(separator, decimals);
    return FixedForm(shown, negative, separator, decimals);
}
