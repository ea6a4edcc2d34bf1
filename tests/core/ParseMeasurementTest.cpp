#include "ParseMeasurement.h"
#include "FloatingPointError.h"

#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <cstdint>
#include <limits>
#include <ostream>
#include <string>
#include <vector>

namespace {

constexpr double Inf = std::numeric_limits<double>::infinity();
constexpr double Max = std::numeric_limits<double>::max();

enum class TOutcome
{
    Value,
    NotANumber,
    Overflow
};

struct TConversionCase
{
    std::string Text;
    TOutcome Outcome;
    double Expected;
};

TConversionCase Value(std::string text, double expected)
{
    return {std::move(text), TOutcome::Value, expected};
}

TConversionCase NotANumber(std::string text)
{
    return {std::move(text), TOutcome::NotANumber, 0};
}

TConversionCase Overflow(std::string text)
{
    return {std::move(text), TOutcome::Overflow, 0};
}

std::string Zeros(std::size_t n)
{
    return std::string(n, '0');
}

// Long texts are shown by their ends only.
void PrintTo(const TConversionCase& c, std::ostream* os)
{
    std::string shown;
    for (char ch :
         c.Text.size() <= 60 ? c.Text : c.Text.substr(0, 25) + "..." + c.Text.substr(c.Text.size() - 25))
        shown += (static_cast<unsigned char>(ch) < 0x20 || ch == '\x7F') ? '?' : ch;
    *os << '"' << shown << "\" (" << c.Text.size() << " bytes)";
}

std::vector<TConversionCase> ConversionCases()
{
    using namespace std::string_literals;
    return {
        // Blanks, signs and what ends a number.
        Value("", 0.0),
        Value("   \t ", 0.0),
        Value(" \t\n\v\f\r12", 12.0),
        Value("12   ", 12.0),
        Value("\xC2\xA0"
              "12",
              0.0), // a no-break space is no blank
        Value("\xA0"
              "12",
              0.0),
        Value("\x1C"
              "12",
              0.0),
        Value("12\0"
              "5"s,
              12.0),
        Value("\0"
              "12"s,
              0.0),
        Value("12,5", 12.0),
        Value("12.5", 12.5),
        Value(".5", 0.5),
        Value("5.", 5.0),
        Value("1.2.3", 1.2),
        Value("00012", 12.0),
        Value("abc", 0.0),
        Value("12abc", 12.0),
        Value("1 2", 1.0),
        Value("+150", 150.0),
        Value("-150", -150.0),
        Value("+ 150", 0.0),
        Value("+-5", 0.0),
        Value("--5", -0.0),
        Value("+.5", 0.5),
        Value("-.5e1", -5.0),
        Value("0x10", 0.0),
        Value(".", 0.0),
        Value(".e5", 0.0),
        Value("e5", 0.0),

        // Exponents.
        Value("1.5e2", 150.0),
        Value("15E1", 150.0),
        Value("150e", 150.0),
        Value("150e+", 150.0),
        Value("150e-", 150.0),
        Value("150e+x", 150.0),
        Value("1e-1", 0.1),
        Value("1e+1", 10.0),
        Value("1e0004932", Inf),
        Value("1e" + Zeros(5000) + "5", 1e5),

        // Infinity and not-a-number only in capitals after a sign.
        Value("INF", 0.0),
        Value("inf", 0.0),
        Value("+inf", 0.0),
        Value("+Inf", 0.0),
        Value("NAN", 0.0),
        Value("+nan", 0.0),
        Value("+INF", Inf),
        Value("-INF", -Inf),
        Value("+INFINITY", Inf),
        Value("+ INF", 0.0),
        Value(" -INF", -Inf),
        NotANumber("+NAN"),
        NotANumber("-NAN"),
        NotANumber("+NAN(123)"),

        // Zero whatever the exponent, and its sign.
        Value("0", 0.0),
        Value("0e5000", 0.0),
        Value("0.000e99999999999999999999", 0.0),
        Value("-0", -0.0),
        Value("-", -0.0),
        Value("-abc", -0.0),
        Value("-.", -0.0),
        Value("-0.0e7", -0.0),
        Value("-0e5000", -0.0),
        Value("-1e-400", -0.0),
        Value("-1e-5000", -0.0),

        // Beyond the extended range: the exponent's digits are checked first, then P, then the product.
        Value("1e400", Inf),
        Value("-1e400", -Inf),
        Value("1e4932", Inf),
        Value("1.1e4932", Inf),
        Value("1e5000", Inf),
        Value("1e-400", 0.0),
        Value("1e-5000", 0.0),
        Value("0.5e-4932", 0.0),
        Overflow("2e4932"),
        Overflow("12e4931"),
        Overflow("10e4932"),
        Overflow("1.2e4932"),
        Overflow("-2e4932"),
        Value("1" + Zeros(20) + "e4932", Inf),       // P = 4934: infinite, no overflow
        Value("0." + Zeros(5000) + "1e4934", Inf),   // exponent > 4932 wins over P = -67
        Value("1" + Zeros(5000) + "e-4933", 0.0),    // exponent > 4932 wins over P = 67
        Value("0." + Zeros(10000) + "1e4933", Inf),  // exponent > 4932 wins over P = -5068
        Value("1" + Zeros(10000) + "e-4933", 0.0),   // exponent > 4932 wins over P = 5067
        Value("0." + Zeros(5000) + "1e-4932", 0.0),  // P below -4932
        Value("0." + Zeros(5000) + "1e4932", 1e-69), // P = -69
        Value("1e18446744073709551617", Inf),        // wraps to 1e1 in 64 bits
        Value("1e4294967297", Inf),                  // wraps to 1e1 in 32 bits
        Value("1e-18446744073709551617", 0.0),
        Value("1e" + std::string(5000, '9'), Inf),
        Value("1e-" + std::string(5000, '9'), 0.0),

        // At most 19 significant digits: later ones are dropped, so this halfway case goes to even.
        Value("1152921504606847104.9", 0x1p60),
        Value("9999999999999999999", 1e19),
        Value("0.000000000000000000000000000000000000000000000000000000000000000000000000000000001", 1e-81),

        // Megabyte-long texts.
        Value(std::string(1'000'000, '9'), Inf),
        Value("1" + Zeros(1'000'000), Inf),
        Value("0." + Zeros(1'000'000) + "1", 0.0),
        Value(Zeros(1'000'000) + "12.5", 12.5),
        Value("1." + std::string(1'000'000, '9'), 2.0),
        Value(std::string(1'000'000, ' ') + "7", 7.0),

        // Rounding to double: nearest below 2^1023, cut toward zero from 2^1023 to 2^1024.
        Value("8.988465674311578790e307", 0x1.fffffffffffffp1022),
        Value("8.988465674311579289e307", 0x1p1023),
        Value("8.988465674311585027e307", 0x1.0000000000002p1023), // nearest would be ...3p1023
        Value("1.7976931348623157e308", 0x1.ffffffffffffep1023),   // nearest would be the maximum
        Value("1.7976931348623158e308", Max),
        Value("1.7976931348623159e308", Max), // nearest would be infinite
        Value("1.79769313486231590e308", Max),
        Value("1.79769313486231591e308", Inf), // at least 2^1024
        Value("-1.7976931348623159e308", -Max),

        // Rounding to double at the bottom: nothing below 2^-1074 survives.
        Value("2.2250738585072014e-308", 0x1p-1022),
        Value("4.9406564584124655e-324", 0x1p-1074),
        Value("5e-324", 0x1p-1074),
        Value("4.9406564584124654e-324", 0.0), // just below 2^-1074
        Value("3e-324", 0.0),                  // nearest would be 2^-1074
        Value("7.4e-324", 0x1p-1074),
        Value("7.5e-324", 0x1p-1073),
        Value("-3e-324", -0.0),

        // Everyday measurements.
        Value("168", 168.0),
        Value("167.99", 167.99),
        Value("139.999", 139.999),
        Value("999.999", 999.999),
        Value("  99.25", 99.25),
    };
}

class ParseMeasurementTest : public testing::TestWithParam<TConversionCase>
{};

TEST_P(ParseMeasurementTest, ConvertsByTheMeasurementRule)
{
    const TConversionCase& c = GetParam();
    switch (c.Outcome) {
    case TOutcome::Value: {
        const double value = ParseMeasurement(c.Text);
        // Bits, so that negative zero is told from zero.
        EXPECT_EQ(std::bit_cast<std::uint64_t>(value), std::bit_cast<std::uint64_t>(c.Expected))
            << std::hexfloat << value << " instead of " << c.Expected;
        break;
    }
    case TOutcome::NotANumber:
        EXPECT_TRUE(std::isnan(ParseMeasurement(c.Text)));
        break;
    case TOutcome::Overflow:
        try {
            ParseMeasurement(c.Text);
            ADD_FAILURE() << "no overflow";
        } catch (const EOverflow& error) {
            EXPECT_STREQ(error.what(), "Floating point overflow");
        }
        break;
    }
}

INSTANTIATE_TEST_SUITE_P(Texts, ParseMeasurementTest, testing::ValuesIn(ConversionCases()));

// Every byte before and after a digit: only the six blanks, the signs, the point, the digits
// and an exponent letter take part in the number; nothing else crashes or counts.
TEST(ParseMeasurementBytes, EveryByteBeforeAndAfterADigit)
{
    for (int b = 0; b < 256; ++b) {
        const char c = static_cast<char>(b);
        const bool blank = b == ' ' || (b >= '\t' && b <= '\r');
        const bool digit = b >= '0' && b <= '9';

        double before = 0.0;
        if (blank || b == '+')
            before = 5.0;
        else if (b == '-')
            before = -5.0;
        else if (b == '.')
            before = 0.5;
        else if (digit)
            before = (b - '0') * 10 + 5;
        EXPECT_EQ(ParseMeasurement(std::string{c, '5'}), before) << "byte " << b;

        const double after = digit ? 50 + (b - '0') : 5.0;
        EXPECT_EQ(ParseMeasurement(std::string{'5', c}), after) << "byte " << b;
    }
}

} // namespace
