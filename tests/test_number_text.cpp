// Reading field texts with StrToFloat and writing results with FormatFloat,
// under "." and under "," as the decimal separator.
#include "app/errors.h"
#include "app/fp_environment.h"
#include "app/number_text.h"
#include "app/decimal_separator_scope.h"

#include <QElapsedTimer>
#include <QtTest>

#include <bit>
#include <cfenv>
#include <cmath>
#include <cstdint>
#include <limits>
#include <string>

namespace {

enum class Outcome { Value, Invalid, StoreOverflows };

const char kSeparators[] = {'.', ','};

// Every row is written for "."; under "," the two characters trade places, so
// "1,5" (invalid under ".") becomes "1.5" (invalid under ",").
std::string ForSeparator(std::string text, char separator)
{
    if (separator == ',') {
        for (char& c : text) {
            if (c == '.' || c == ',')
                c = c == '.' ? ',' : '.';
        }
    }
    return text;
}

QByteArray RowName(const char* name, char separator)
{
    return QByteArray(name) + (separator == '.' ? ", point separator" : ", comma separator");
}

std::uint64_t Bits(double value)
{
    return std::bit_cast<std::uint64_t>(value);
}

int RaisedFlags()
{
    return std::fetestexcept(FE_ALL_EXCEPT);
}

std::string ConversionMessage(const std::string& text)
{
    return "'" + text + "' is not a valid floating point value";
}

std::string DecimalsPattern(int decimals)
{
    return "0." + std::string(decimals, '0');
}

} // namespace

Q_DECLARE_METATYPE(Outcome)
Q_DECLARE_METATYPE(std::string)

class TestNumberText : public QObject {
    Q_OBJECT

private slots:
    void init();

    void reading_data();
    void reading();
    void readingRoundsTwice();
    void longTexts_data();
    void longTexts();
    void callerEnvironmentKept_data();
    void callerEnvironmentKept();

    void formatting_data();
    void formatting();
    void otherDecimalCounts_data();
    void otherDecimalCounts();
    void patterns_data();
    void patterns();
    void readsBackWhatItWrites_data();
    void readsBackWhatItWrites();
    void separatorSwitchedBetweenWriteAndRead();
};

void TestNumberText::init()
{
    ResetFloatingPoint();
}

void TestNumberText::reading_data()
{
    QTest::addColumn<char>("separator");
    QTest::addColumn<std::string>("text");
    QTest::addColumn<Outcome>("outcome");
    QTest::addColumn<double>("stored");

    struct Row {
        const char* name;
        const char* text;
        Outcome outcome;
        double stored;
    };
    const Row rows[] = {
        {"decimal fraction", "12.5", Outcome::Value, 12.5},
        {"spaces around", "  12.5  ", Outcome::Value, 12.5},
        {"leading zeros", "007", Outcome::Value, 7},
        {"no integer digits", ".5", Outcome::Value, 0.5},
        {"no fraction digits", "5.", Outcome::Value, 5},
        {"the separator alone", ".", Outcome::Value, 0},
        {"a minus sign and the separator", "-.", Outcome::Value, -0.0},
        {"plus sign", "+3", Outcome::Value, 3},
        {"minus sign", "-3", Outcome::Value, -3},
        {"spaces before the sign", "  -3", Outcome::Value, -3},
        {"exponent", "1e3", Outcome::Value, 1000},
        {"negative capital exponent", "1E-2", Outcome::Value, 0.01},
        {"E without digits", "2.5e", Outcome::Value, 2.5},
        {"E and a sign without digits", "1e+", Outcome::Value, 1},
        {"exponent after the separator alone", ".e5", Outcome::Value, 0},
        {"zero with the largest exponent", "0e4999", Outcome::Value, 0},
        {"exponent cancelled by fraction digits", "0.0001e4", Outcome::Value, 1},
        {"twenty digits", "12345678901234567890", Outcome::Value, 12345678901234567890.0},
        {"below the double range", "1e-400", Outcome::Value, 0},
        {"beyond the double range", "1e500", Outcome::StoreOverflows, 0},
        {"exponent alone", "e5", Outcome::Invalid, 0},
        {"thousands separator", "1,5", Outcome::Invalid, 0},
        {"space between digits", "1 5", Outcome::Invalid, 0},
        {"two separators between digits", "1.2.3", Outcome::Invalid, 0},
        {"two separators", "..", Outcome::Invalid, 0},
        {"spaces only", "   ", Outcome::Invalid, 0},
        {"empty", "", Outcome::Invalid, 0},
        {"sign only", "-", Outcome::Invalid, 0},
        {"two signs", "+-3", Outcome::Invalid, 0},
        {"space after the sign", "- 3", Outcome::Invalid, 0},
        {"tab before", "\t5", Outcome::Invalid, 0},
        {"tab after", "5\t", Outcome::Invalid, 0},
        {"non-breaking space after", "5\u00a0", Outcome::Invalid, 0},
        {"letters", "abc", Outcome::Invalid, 0},
        {"full-width digits", "\uff11\uff12", Outcome::Invalid, 0},
        {"beyond the extended range", "1e4999", Outcome::Invalid, 0},
        {"a zero left after the exponent", "1e5000", Outcome::Invalid, 0},
        {"leading zeros in the exponent", "1e000000000000000000000000000003", Outcome::Value, 1000},
        {"a digit left after the exponent reached 500", "0e000000000000000000000000005001", Outcome::Invalid, 0},
        {"second exponent", "1e2e3", Outcome::Invalid, 0},
        {"hexadecimal", "0x10", Outcome::Invalid, 0},
        {"infinity", "inf", Outcome::Invalid, 0},
        {"not a number", "nan", Outcome::Invalid, 0},
    };
    for (const char separator : kSeparators) {
        for (const Row& row : rows) {
            QTest::newRow(RowName(row.name, separator))
                << separator << ForSeparator(row.text, separator) << row.outcome << row.stored;
        }
    }
}

void TestNumberText::reading()
{
    QFETCH(char, separator);
    QFETCH(std::string, text);
    QFETCH(Outcome, outcome);
    QFETCH(double, stored);

    const DecimalSeparatorScope scope(separator);
    long double value = 0;
    try {
        value = StrToFloat(text);
        QVERIFY2(outcome != Outcome::Invalid, "the text was accepted");
    } catch (const EConvertError& error) {
        QCOMPARE(outcome, Outcome::Invalid);
        QCOMPARE(error.Message(), ConversionMessage(text));
    }
    QCOMPARE(RaisedFlags(), 0);

    if (outcome == Outcome::StoreOverflows)
        QVERIFY_THROWS_EXCEPTION(EOverflow, StoreToDouble(value));
    if (outcome == Outcome::Value)
        QCOMPARE(Bits(StoreToDouble(value)), Bits(stored)); // tells -0 from 0
}

// The text's value is rounded to extended precision first and to double when
// stored, which can land one unit below the double nearest to the text.
void TestNumberText::readingRoundsTwice()
{
    const DecimalSeparatorScope scope('.');
    const double stored = StoreToDouble(StrToFloat("0.8159941"));
    QCOMPARE(Bits(stored), Bits(0x1.a1c9fa8a75396p-1));
    QCOMPARE(Bits(stored), Bits(std::nextafter(0.8159941, 0.0)));
}

// Texts of any length are read in one pass: a megabyte converts or fails in
// a fraction of a second, not the hours quadratic work would take.
void TestNumberText::longTexts_data()
{
    QTest::addColumn<std::string>("text");
    QTest::addColumn<bool>("valid");
    QTest::addColumn<double>("stored");

    const std::string megabyteOf0(1 << 20, '0');
    const std::string megabyteOf1(1 << 20, '1');
    const std::string megabyteOfSpaces(1 << 20, ' ');
    QTest::newRow("a megabyte of zeros") << megabyteOf0 << true << 0.0;
    QTest::newRow("a megabyte of ones, beyond the range") << megabyteOf1 << false << 0.0;
    QTest::newRow("a megabyte of digits then a letter") << megabyteOf0 + "x" << false << 0.0;
    QTest::newRow("a megabyte of spaces around a number") << megabyteOfSpaces + "5" + megabyteOfSpaces << true << 5.0;
    QTest::newRow("a megabyte of leading zeros") << megabyteOf0 + "42.5" << true << 42.5;
    QTest::newRow("a megabyte of exponent zeros") << "1e" + megabyteOf0 + "3" << true << 1000.0;
    QTest::newRow("a one a megabyte of places down") << "." + megabyteOf0 + "1" << true << 0.0;
    QTest::newRow("a megabyte of fraction digits, beyond the range while accumulating")
        << "0." + megabyteOf1 << false << 0.0;
    QTest::newRow("a megabyte of spaces only") << megabyteOfSpaces << false << 0.0;
}

void TestNumberText::longTexts()
{
    QFETCH(std::string, text);
    QFETCH(bool, valid);
    QFETCH(double, stored);

    const DecimalSeparatorScope scope('.');
    QElapsedTimer timer;
    timer.start();
    bool accepted = false;
    double value = 0;
    try {
        value = StoreToDouble(StrToFloat(text));
        accepted = true;
    } catch (const EConvertError&) {
    }
    QVERIFY2(timer.elapsed() < 1000, qPrintable(QString("took %1 ms").arg(timer.elapsed())));
    QCOMPARE(accepted, valid);
    QCOMPARE(value, stored);
    QCOMPARE(RaisedFlags(), 0);
}

// A conversion computes in its own environment: whatever rounding the caller
// left and whatever faults it has pending, the result is the same and the
// caller finds its environment as it was.
void TestNumberText::callerEnvironmentKept_data()
{
    QTest::addColumn<int>("rounding");
    QTest::addColumn<int>("pending");

    QTest::newRow("a division by zero pending") << FE_TONEAREST << FE_DIVBYZERO;
    QTest::newRow("rounding upwards") << FE_UPWARD << 0;
    QTest::newRow("rounding towards zero, an invalid operation pending") << FE_TOWARDZERO << FE_INVALID;
}

void TestNumberText::callerEnvironmentKept()
{
    QFETCH(int, rounding);
    QFETCH(int, pending);

    const DecimalSeparatorScope scope('.');
    struct Result {
        long double read;
        std::string written;
        bool refused;
    };
    const auto convert = [] {
        Result result{StrToFloat("0.8159941"), FormatFloat("0.000", 1.0625), false};
        try {
            StrToFloat("1e4999");
        } catch (const EConvertError&) {
            result.refused = true;
        }
        return result;
    };

    const Result expected = convert();
    std::fesetround(rounding);
    std::feraiseexcept(pending);
    const Result result = convert();
    const int raised = RaisedFlags();
    const int roundingAfter = std::fegetround();
    ResetFloatingPoint();

    QCOMPARE(raised, pending);
    QCOMPARE(roundingAfter, rounding);
    QVERIFY(result.read == expected.read);
    QCOMPARE(result.written, expected.written);
    QVERIFY(result.refused);
}

void TestNumberText::formatting_data()
{
    QTest::addColumn<char>("separator");
    QTest::addColumn<double>("value");
    QTest::addColumn<std::string>("threeDecimals");
    QTest::addColumn<std::string>("fourDecimals");

    struct Row {
        const char* name;
        double value;
        const char* threeDecimals;
        const char* fourDecimals;
    };
    const Row rows[] = {
        {"zero", 0.0, "0.000", "0.0000"},
        {"negative zero", -0.0, "0.000", "0.0000"},
        {"halfway for three decimals", 1.0625, "1.063", "1.0625"},
        {"negative, halfway for three decimals", -1.0625, "-1.063", "-1.0625"},
        {"halfway for four decimals", 0.03125, "0.031", "0.0313"},
        {"a half", 0.5, "0.500", "0.5000"},
        {"four decimals", 1234.5678, "1234.568", "1234.5678"},
        {"stored just below halfway", 1.0005, "1.000", "1.0005"},
        {"stored just above halfway", 2.0005, "2.001", "2.0005"},
        {"stored just below halfway, odd digit", 1.2345, "1.234", "1.2345"},
        {"rounds up to one unit", 0.0005, "0.001", "0.0005"},
        {"negative, rounds up to one unit", -0.0005, "-0.001", "-0.0005"},
        {"negative, rounds to zero without a sign", -0.0004, "0.000", "-0.0004"},
        {"negative, rounds away from zero", -0.0006, "-0.001", "-0.0006"},
        {"carry into a new integer digit", 999.9995, "1000.000", "999.9995"},
        {"carry past the first digit below one", 0.99996, "1.000", "1.0000"},
        {"pi to fifteen digits", 3.14159265358979, "3.142", "3.1416"},
        {"0.1 + 0.2 computed in double", 0.1 + 0.2, "0.300", "0.3000"},
        {"far below the last decimal", 1e-10, "0.000", "0.0000"},
        {"smallest denormal", std::numeric_limits<double>::denorm_min(), "0.000", "0.0000"},
        {"1e17", 1e17, "100000000000000000.000", "100000000000000000.0000"},
        {"eighteen digits then padding", 123456789012345678.0, "123456789012345680.000",
         "123456789012345680.0000"},
        {"largest double below 1e18", 999999999999999872.0, "999999999999999872.000",
         "999999999999999872.0000"},
        {"1e18 in the general form", 1e18, "1E18", "1E18"},
        {"1.5e18 in the general form", 1.5e18, "1.5E18", "1.5E18"},
        {"negative in the general form", -2e20, "-2E20", "-2E20"},
        {"general form rounds at fifteen digits", 1.2345678901234568e20, "1.23456789012346E20",
         "1.23456789012346E20"},
        {"1e300", 1e300, "1E300", "1E300"},
        {"largest double", std::numeric_limits<double>::max(), "1.79769313486232E308", "1.79769313486232E308"},
        {"not a number", std::numeric_limits<double>::quiet_NaN(), "NAN", "NAN"},
        {"signalling not a number", std::numeric_limits<double>::signaling_NaN(), "NAN", "NAN"},
        {"infinity", std::numeric_limits<double>::infinity(), "INF", "INF"},
        {"negative infinity", -std::numeric_limits<double>::infinity(), "-INF", "-INF"},
    };
    for (const char separator : kSeparators) {
        for (const Row& row : rows) {
            QTest::newRow(RowName(row.name, separator)) << separator << row.value
                                                        << ForSeparator(row.threeDecimals, separator)
                                                        << ForSeparator(row.fourDecimals, separator);
        }
    }
}

void TestNumberText::formatting()
{
    QFETCH(char, separator);
    QFETCH(double, value);
    QFETCH(std::string, threeDecimals);
    QFETCH(std::string, fourDecimals);

    const DecimalSeparatorScope scope(separator);
    QCOMPARE(FormatFloat("0.000", value), threeDecimals);
    QCOMPARE(FormatFloat("0.0000", value), fourDecimals);
    QCOMPARE(RaisedFlags(), 0);
}

// The patterns other than "0.000" and "0.0000" follow the same rules, from
// one decimal to all eighteen digits of the decimal form.
void TestNumberText::otherDecimalCounts_data()
{
    QTest::addColumn<int>("decimals");
    QTest::addColumn<double>("value");
    QTest::addColumn<std::string>("text");

    QTest::newRow("one decimal, halfway rounds up") << 1 << 0.25 << std::string("0.3");
    QTest::newRow("one decimal, carry into the integer") << 1 << 9.96 << std::string("10.0");
    QTest::newRow("eighteen decimals of a third") << 18 << 1.0 / 3 << std::string("0.333333333333333315");
    QTest::newRow("eighteen decimals round the eighteen-digit form")
        << 18 << 0.05 << std::string("0.050000000000000003");
    // From 10 to 16 the estimated exponent is one short: the scaled value has
    // nineteen digits and is divided by ten and rounded again.
    QTest::newRow("eighteen decimals of a value scaled one power too far")
        << 18 << 13.7 << std::string("13.699999999999999300");
    QTest::newRow("eighteen decimals of a large value") << 18 << 1234.5 << std::string("1234.500000000000000000");
    QTest::newRow("decimals beyond the eighteen digits pad with zeros")
        << 22 << 0.05 << std::string("0.0500000000000000028000");
}

void TestNumberText::otherDecimalCounts()
{
    QFETCH(int, decimals);
    QFETCH(double, value);
    QFETCH(std::string, text);

    const DecimalSeparatorScope scope('.');
    QCOMPARE(FormatFloat(DecimalsPattern(decimals), value), text);
}

void TestNumberText::patterns_data()
{
    QTest::addColumn<std::string>("pattern");
    QTest::addColumn<std::string>("error");

    QTest::newRow("longest pattern, 224 characters") << DecimalsPattern(222) << std::string();
    QTest::newRow("one character too long") << DecimalsPattern(223) << std::string("Format string too long");
    QTest::newRow("far too long, not even a pattern") << std::string(1000, '#') << std::string("Format string too long");
    QTest::newRow("no decimals") << std::string("0") << std::string("Format string not supported");
    QTest::newRow("separator without decimals") << std::string("0.") << std::string("Format string not supported");
    QTest::newRow("digit placeholders") << std::string("#,##0.00") << std::string("Format string not supported");
    QTest::newRow("comma as separator") << std::string("0,000") << std::string("Format string not supported");
    QTest::newRow("empty") << std::string() << std::string("Format string not supported");
}

void TestNumberText::patterns()
{
    QFETCH(std::string, pattern);
    QFETCH(std::string, error);

    const DecimalSeparatorScope scope('.');
    std::string raised;
    std::string text;
    try {
        text = FormatFloat(pattern, 1.5);
    } catch (const EConvertError& e) {
        raised = e.Message();
    }
    QCOMPARE(raised, error);
    if (error.empty())
        QCOMPARE(text, "1." + std::string(pattern.size() - 2, '0').replace(0, 1, "5"));
}

// What FormatFloat writes into a field, StrToFloat reads back under the same
// separator; with all eighteen digits of the decimal form in the text it is
// the same double again.
void TestNumberText::readsBackWhatItWrites_data()
{
    QTest::addColumn<char>("separator");
    QTest::addColumn<int>("decimals");
    QTest::addColumn<double>("value");
    QTest::addColumn<bool>("sameDouble");

    struct Row {
        const char* name;
        int decimals;
        double value;
        bool sameDouble;
    };
    const Row rows[] = {
        {"a third with eighteen decimals", 18, 1.0 / 3, true},
        {"pi with seventeen decimals", 17, 3.141592653589793, true},
        {"a large length with three decimals", 3, 123456789012345.67, true},
        {"the general form", 3, -1.5e300, false},
        {"rounded to zero", 3, -0.0004, false},
    };
    for (const char separator : kSeparators) {
        for (const Row& row : rows)
            QTest::newRow(RowName(row.name, separator)) << separator << row.decimals << row.value << row.sameDouble;
    }
}

void TestNumberText::readsBackWhatItWrites()
{
    QFETCH(char, separator);
    QFETCH(int, decimals);
    QFETCH(double, value);
    QFETCH(bool, sameDouble);

    const DecimalSeparatorScope scope(separator);
    const std::string text = FormatFloat(DecimalsPattern(decimals), value);
    const double read = StoreToDouble(StrToFloat(text));
    if (sameDouble)
        QCOMPARE(Bits(read), Bits(value));
    else
        QVERIFY2(std::fabs(read - value) <= 0.5 * std::pow(10.0, -decimals) + 1e-14 * std::fabs(value), text.c_str());
}

// A result written under "." and read after the user has switched the
// regional settings to "," fails on that field with the conversion error.
void TestNumberText::separatorSwitchedBetweenWriteAndRead()
{
    std::string text;
    {
        const DecimalSeparatorScope point('.');
        text = FormatFloat("0.000", 1234.5678);
    }
    const DecimalSeparatorScope comma(',');
    std::string message;
    try {
        StrToFloat(text);
    } catch (const EConvertError& error) {
        message = error.Message();
    }
    QCOMPARE(message, "'1234.568' is not a valid floating point value");
    QCOMPARE(FormatFloat("0.000", 1234.5678), "1234,568");
}

QTEST_APPLESS_MAIN(TestNumberText)
#include "test_number_text.moc"
