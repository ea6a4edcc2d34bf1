// Any text through ParseMeasurement and the classification of every row, and eleven texts
// (the input's first eleven lines) through a whole run of the sheet.
//
// Properties checked:
// - the conversion is deterministic, bit for bit, and fails only with EOverflow;
// - a plain decimal text of at most 19 significant digits with a power of ten within +-27 and a
//   normal double value below 2^1023 gives exactly (double) strtold of the same text;
// - EOverflow only where D x 10^P exceeds the largest extended value while the exponent's digits
//   and P stay within 4932, and always where it clearly does;
// - classification fails (EInvalidOp) exactly for not-a-number and otherwise finds the first
//   range holding the value;
// - a run of the sheet fails where the single texts say it must and otherwise counts its verdicts.

#include "FloatingPointError.h"
#include "FuzzProperty.h"
#include "MeasurementSheet.h"
#include "ParseMeasurement.h"
#include "ReferenceTable.h"

#include <bit>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <limits>
#include <optional>
#include <string>
#include <string_view>

namespace {

// The outcome of one conversion: a value, or the overflow failure.
struct TConversion
{
    std::optional<double> value;

    bool operator==(const TConversion& other) const
    {
        if (value.has_value() != other.value.has_value())
            return false;
        return !value || std::bit_cast<std::uint64_t>(*value) == std::bit_cast<std::uint64_t>(*other.value);
    }
};

TConversion Convert(std::string_view text)
{
    try {
        return {ParseMeasurement(text)};
    } catch (const EOverflow&) {
        return {};
    }
}

bool IsBlank(char c)
{
    return c == ' ' || (c >= '\t' && c <= '\r');
}

bool IsDigit(char c)
{
    return c >= '0' && c <= '9';
}

// An independent, plain reading of the number at the start of a text: the significant digits,
// the power of ten and whether the whole text is a plain decimal number.
struct TDecimal
{
    bool special = false;      // a signed INF or NAN
    bool plain = false;        // the whole text is [blanks][sign]digits[.digits][e[sign]digits]
    std::string significant;   // all significant digits, untruncated; empty for zero
    std::int64_t power = 0;    // of the first 19 significant digits
    std::int64_t exponent = 0; // magnitude of the written exponent, saturated
};

TDecimal ScanDecimal(std::string_view text)
{
    TDecimal d;
    std::size_t i = 0;
    while (i < text.size() && IsBlank(text[i]))
        ++i;
    bool sign = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        sign = true;
        ++i;
    }
    if (sign && (text.substr(i, 3) == "INF" || text.substr(i, 3) == "NAN")) {
        d.special = true;
        return d;
    }
    std::string digits;
    std::int64_t fractionDigits = 0;
    while (i < text.size() && IsDigit(text[i]))
        digits += text[i++];
    if (i < text.size() && text[i] == '.') {
        ++i;
        while (i < text.size() && IsDigit(text[i])) {
            digits += text[i++];
            ++fractionDigits;
        }
    }
    if (digits.empty())
        return d;
    std::int64_t exponent = 0;
    bool negativeExponent = false;
    if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
        ++i;
        if (i < text.size() && (text[i] == '+' || text[i] == '-'))
            negativeExponent = text[i++] == '-';
        for (; i < text.size() && IsDigit(text[i]); ++i)
            exponent = std::min<std::int64_t>(exponent * 10 + (text[i] - '0'), 1'000'000'000);
    }
    d.plain = i == text.size();
    d.exponent = exponent;
    const std::size_t first = digits.find_first_not_of('0');
    if (first == std::string::npos)
        return d;
    d.significant = digits.substr(first);
    const auto dropped = static_cast<std::int64_t>(d.significant.size()) - 19;
    d.power = (negativeExponent ? -exponent : exponent) - fractionDigits + std::max<std::int64_t>(dropped, 0);
    return d;
}

// log10 of D x 10^P, D being the first 19 significant digits.
long double Magnitude(const TDecimal& d)
{
    const std::string kept = d.significant.substr(0, 19);
    return std::log10(std::strtold(kept.c_str(), nullptr)) + static_cast<long double>(d.power);
}

void CheckConversion(std::string_view text, const TConversion& conversion)
{
    const TDecimal d = ScanDecimal(text);
    const bool overflowPossible =
        !d.special && !d.significant.empty() && d.exponent <= 4932 && d.power <= 4932;
    const long double limit = std::log10(std::numeric_limits<long double>::max());
    if (!conversion.value) {
        Check(overflowPossible && Magnitude(d) > limit - 1e-12L, "EOverflow only beyond the extended range",
              text);
        return;
    }
    if (overflowPossible)
        Check(Magnitude(d) < limit + 1e-12L, "EOverflow wherever the product exceeds the extended range",
              text);
    if (d.special)
        return;

    const double value = *conversion.value;
    if (d.significant.empty())
        Check(value == 0.0, "no significant digit gives zero", text);

    if (d.plain && !d.significant.empty() && d.significant.size() <= 19 && d.power >= -27 && d.power <= 27) {
        const std::string copy(text);
        const long double reference = std::strtold(copy.c_str(), nullptr);
        const long double size = std::fabs(reference);
        if (size >= std::numeric_limits<double>::min() && size < 0x1p1023L)
            Check(std::bit_cast<std::uint64_t>(value) ==
                      std::bit_cast<std::uint64_t>(static_cast<double>(reference)),
                  "a plain decimal equals (double) strtold bit for bit", text);
    }
}

std::optional<TSexVerdict> Classify(double value, const TReferenceRow& row, std::string_view text)
{
    try {
        const TSexVerdict verdict = ClassifyMeasurement(value, row);
        Check(!std::isnan(value), "not-a-number fails the classification", text);
        TSexVerdict expected = TSexVerdict::svNone;
        for (std::size_t category = 0; category < VerdictCategoryCount; ++category) {
            if (value >= row.Ranges[category].Low && value < row.Ranges[category].High) {
                expected = static_cast<TSexVerdict>(category);
                break;
            }
        }
        Check(verdict == expected, "the first range holding the value gives the verdict", text);
        Check(VerdictString(verdict).empty() == (verdict == TSexVerdict::svNone),
              "only svNone has an empty verdict string", text);
        return verdict;
    } catch (const EInvalidOp&) {
        Check(std::isnan(value), "EInvalidOp only for not-a-number", text);
        return std::nullopt;
    }
}

void CheckSheet(std::string_view input)
{
    TMeasurementTexts texts;
    std::size_t start = 0;
    for (std::string& text : texts) {
        if (start > input.size())
            break;
        const std::size_t end = std::min(input.find('\n', start), input.size());
        text = input.substr(start, end - start);
        start = end + 1;
    }

    // What the run must do, from the single texts: the first overflow ends the conversions; else
    // the first not-a-number ends the classification.
    std::optional<std::size_t> overflowAt;
    std::optional<std::size_t> invalidAt;
    std::array<double, MeasurementCount> values{};
    for (std::size_t i = 0; i < MeasurementCount && !overflowAt; ++i) {
        const TConversion conversion = Convert(texts[i]);
        if (!conversion.value)
            overflowAt = i;
        else
            values[i] = *conversion.value;
    }
    TVerdictCounts expected;
    std::array<std::string, MeasurementCount> verdicts;
    for (std::size_t i = 0; i < MeasurementCount && !overflowAt && !invalidAt; ++i) {
        const std::optional<TSexVerdict> verdict = Classify(values[i], ReferenceTable[i], input);
        if (!verdict) {
            invalidAt = i;
            break;
        }
        verdicts[i] = VerdictString(*verdict);
        if (*verdict != TSexVerdict::svNone)
            ++expected[*verdict];
    }

    Verdicts.fill("stale");
    try {
        const TVerdictCounts counts = RecalculateSheet(texts);
        Check(!overflowAt && !invalidAt, "a run fails where a text fails", input);
        Check(counts.Counters == expected.Counters, "the counts are those of the verdicts", input);
        Check(Verdicts == verdicts, "every verdict is overwritten", input);
    } catch (const EOverflow&) {
        Check(overflowAt.has_value(), "a run overflows only at an overflowing text", input);
        for (const std::string& verdict : Verdicts)
            Check(verdict == "stale", "an overflow leaves every verdict", input);
    } catch (const EInvalidOp&) {
        Check(!overflowAt && invalidAt.has_value(), "a run fails as invalid only at a not-a-number", input);
        for (std::size_t i = 0; i < MeasurementCount; ++i)
            Check((i < *invalidAt ? verdicts[i] : std::string("stale")) == Verdicts[i],
                  "verdicts before the not-a-number are new, the others kept", input);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view text(reinterpret_cast<const char*>(data), size);

    const TConversion first = Convert(text);
    Check(first == Convert(text), "the conversion is deterministic", text);
    CheckConversion(text, first);
    if (first.value) {
        for (const TReferenceRow& row : ReferenceTable)
            Classify(*first.value, row, text);
    }

    CheckSheet(text);
    return 0;
}
