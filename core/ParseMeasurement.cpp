#include "ParseMeasurement.h"

#include "ExtendedPrecision.h"
#include "FloatingPointError.h"

#include <array>
#include <cstdint>
#include <iterator>
#include <limits>

namespace {

// Significant digits beyond this many are dropped and count as zeros; 19 digits always fit in 64 bits.
constexpr int MaxSignificantDigits = 19;

// Exponents beyond this magnitude give infinity or zero without any arithmetic.
constexpr std::int64_t ExponentLimit = 4932;

bool IsBlank(char c)
{
    return c == ' ' || (c >= '\t' && c <= '\r');
}

bool IsDigit(char c)
{
    return c >= '0' && c <= '9';
}

bool IsZero(char c)
{
    return c == '0';
}

int DigitValue(char c)
{
    return c - '0';
}

constexpr std::array<std::uint64_t, 20> ExactPowersOfTen = [] {
    std::array<std::uint64_t, 20> powers{};
    std::uint64_t power = 1;
    for (std::uint64_t& p : powers) {
        p = power;
        power *= 10;
    }
    return powers;
}();

// significand * 10^power by double arithmetic where that gives the very bits of the extended
// route. A product below 2^64 is exact in extended precision, so both round it once to double.
// A quotient of a significand below 2^53 by 10^k lies at least 2^11 / 10^k half-units of extended
// precision away from any midpoint of two doubles that it does not equal; for k <= 3 that is more
// than one, so the extended rounding never lands on a midpoint and rounding twice equals the one
// rounding of the double division.
bool TryShortcut(std::uint64_t significand, std::int64_t power, double& magnitude)
{
    if (power >= 0 && power < std::ssize(ExactPowersOfTen)) {
        const std::uint64_t scale = ExactPowersOfTen[static_cast<std::size_t>(power)];
        if (significand > std::numeric_limits<std::uint64_t>::max() / scale)
            return false;
        magnitude = static_cast<double>(significand * scale);
        return true;
    }
    if (power < 0 && power >= -3 && significand < (std::uint64_t{1} << 53)) {
        magnitude = static_cast<double>(significand) /
                    static_cast<double>(ExactPowersOfTen[static_cast<std::size_t>(-power)]);
        return true;
    }
    return false;
}

double Signed(bool negative, double magnitude)
{
    return negative ? -magnitude : magnitude;
}

} // namespace

// A hand-written reader rather than strtod or from_chars: the rule owed here differs from both
// (at most 19 significant digits, an extended-precision product that can overflow, truncation
// from 2^1023 on, capital INF and NAN only after a sign, no hexadecimal, no locale).
double ParseMeasurement(std::string_view text)
{
    const char* p = text.data();
    const char* const end = p + text.size();

    while (p != end && IsBlank(*p))
        ++p;

    bool negative = false;
    bool hasSign = false;
    if (p != end && (*p == '+' || *p == '-')) {
        negative = *p == '-';
        hasSign = true;
        ++p;
    }

    if (hasSign && end - p >= 3) {
        const std::string_view word(p, 3);
        if (word == "INF")
            return Signed(negative, std::numeric_limits<double>::infinity());
        if (word == "NAN")
            return std::numeric_limits<double>::quiet_NaN();
    }

    // The written number is significand * 10^power. The power moves by at most one per
    // character, so 64 bits cannot overflow for any text that fits in memory.
    std::uint64_t significand = 0;
    int significantDigits = 0;
    std::int64_t power = 0;
    const auto takeSignificantDigits = [&](bool fraction) {
        for (; p != end && IsDigit(*p) && significantDigits < MaxSignificantDigits; ++p) {
            significand = significand * 10 + static_cast<std::uint64_t>(DigitValue(*p));
            ++significantDigits;
            power -= fraction ? 1 : 0;
        }
    };
    // Returns how many characters were skipped.
    const auto skipWhile = [&](auto&& which) {
        const char* const start = p;
        while (p != end && which(*p))
            ++p;
        return static_cast<std::int64_t>(p - start);
    };

    const char* const mantissa = p;
    skipWhile(IsZero);
    takeSignificantDigits(false);
    power += skipWhile(IsDigit);
    bool anyDigit = p != mantissa;
    if (p != end && *p == '.') {
        ++p;
        const char* const fraction = p;
        if (significantDigits == 0)
            power -= skipWhile(IsZero);
        takeSignificantDigits(true);
        skipWhile(IsDigit);
        anyDigit = anyDigit || p != fraction;
    }
    if (!anyDigit)
        return Signed(negative, 0.0);

    // Digits past the limit cannot change the outcome, so reading stops there.
    std::int64_t exponent = 0;
    bool negativeExponent = false;
    if (p != end && (*p == 'e' || *p == 'E')) {
        ++p;
        if (p != end && (*p == '+' || *p == '-')) {
            negativeExponent = *p == '-';
            ++p;
        }
        skipWhile(IsZero);
        for (; p != end && IsDigit(*p) && exponent <= ExponentLimit; ++p)
            exponent = exponent * 10 + DigitValue(*p);
    }

    if (significand == 0)
        return Signed(negative, 0.0);
    if (exponent > ExponentLimit)
        return Signed(negative, negativeExponent ? 0.0 : std::numeric_limits<double>::infinity());

    power += negativeExponent ? -exponent : exponent;
    if (power > ExponentLimit)
        return Signed(negative, std::numeric_limits<double>::infinity());
    if (power < -ExponentLimit)
        return Signed(negative, 0.0);

    if (double magnitude = 0; TryShortcut(significand, power, magnitude))
        return Signed(negative, magnitude);

    const TExtendedPrecisionScope extendedPrecision;
    const long double scale = ExtendedPowerOfTen(static_cast<int>(power < 0 ? -power : power));
    const long double value = power < 0 ? static_cast<long double>(significand) / scale
                                        : static_cast<long double>(significand) * scale;
    if (value > std::numeric_limits<long double>::max())
        throw EOverflow();
    return Signed(negative, NarrowToDouble(value));
}
