#include "ParseMeasurement.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <random>
#include <string>

// The public parse-number-fxx corpus (tests/data/parse-number-fxx/README.md): each line gives a
// decimal text and the bits of its correctly rounded double. Our rule differs from correct
// rounding only where extended precision, the 19-digit cut or the cut toward zero at 2^1023 bite.

namespace {

// D and P of the conversion rule, and whether digits beyond the 19th were non-zero.
struct TDecimalShape
{
    bool ExactInNineteenDigits = true;
    long long Power = 0;
};

TDecimalShape ShapeOf(const std::string& text)
{
    TDecimalShape shape;
    int kept = 0;
    bool fraction = false;
    std::size_t i = 0;
    for (; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '.' && !fraction) {
            fraction = true;
            continue;
        }
        if (c < '0' || c > '9')
            break;
        if (kept == 0 && c == '0') {
            shape.Power -= fraction ? 1 : 0;
        } else if (kept < 19) {
            ++kept;
            shape.Power -= fraction ? 1 : 0;
        } else {
            shape.Power += fraction ? 0 : 1;
            shape.ExactInNineteenDigits = shape.ExactInNineteenDigits && c == '0';
        }
    }
    if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
        ++i;
        const bool negative = i < text.size() && text[i] == '-';
        if (i < text.size() && (text[i] == '-' || text[i] == '+'))
            ++i;
        long long exponent = 0;
        for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i)
            exponent = std::min(exponent * 10 + (text[i] - '0'), 1'000'000LL);
        shape.Power += negative ? -exponent : exponent;
    }
    return shape;
}

// For these texts extended precision holds D and 10^|P| exactly, so one rounding to extended and
// one to double give the rule's result, which strtold followed by a cast reproduces.
bool StrtoldIsExactOracle(const std::string& text, double correctlyRounded)
{
    const TDecimalShape shape = ShapeOf(text);
    return shape.ExactInNineteenDigits && std::llabs(shape.Power) <= 27 && std::isnormal(correctlyRounded) &&
           correctlyRounded < 0x1p1023;
}

TEST(DecimalCorpus, MatchesTheOracleAndStaysWithinOneUlpOfCorrectRounding)
{
    const char* const files[] = {"freetype-2-7.txt", "google-wuffs.txt", "lemire-fast-float.txt",
                                 "more-test-cases.txt", "tencent-rapidjson.txt"};
    int lines = 0;
    int oracleChecked = 0;
    int offByOne = 0;
    for (const char* file : files) {
        std::ifstream in(std::string(OSTRAMEDA_TESTDATA) + "/parse-number-fxx/" + file);
        ASSERT_TRUE(in) << file;
        std::string line;
        while (std::getline(in, line)) {
            if (!line.empty() && line.back() == '\r')
                line.pop_back();
            ASSERT_GT(line.size(), 31U) << file << ": " << line;
            ++lines;
            const std::uint64_t expectedBits = std::strtoull(line.substr(14, 16).c_str(), nullptr, 16);
            const double correctlyRounded = std::bit_cast<double>(expectedBits);
            const std::string text = line.substr(31);

            const double value = ParseMeasurement(text);
            const std::uint64_t bits = std::bit_cast<std::uint64_t>(value);

            if (StrtoldIsExactOracle(text, correctlyRounded)) {
                ++oracleChecked;
                const auto oracle = static_cast<double>(std::strtold(text.c_str(), nullptr));
                EXPECT_EQ(bits, std::bit_cast<std::uint64_t>(oracle)) << file << ": " << text;
            }
            // All texts are unsigned, so the distance of the bit patterns counts ulps.
            const std::uint64_t distance = bits > expectedBits ? bits - expectedBits : expectedBits - bits;
            EXPECT_LE(distance, 1U) << file << ": " << text;
            offByOne += distance == 1 ? 1 : 0;
        }
    }
    EXPECT_EQ(lines, 21232);
    // The oracle has to cover the bulk of the corpus, or the check above proves little.
    EXPECT_GT(oracleChecked, 19000);
    RecordProperty("OffByOneUlp", offByOne);
}

// Short texts of up to 19 digits with a point or a small exponent, the shapes where the
// conversion takes its double-arithmetic shortcuts: every one must match the oracle bit for bit.
TEST(DecimalCorpus, ShortTextsMatchTheOracle)
{
    std::mt19937_64 random(20240611); // the standard fixes this engine's sequence on every platform
    for (int i = 0; i < 100'000; ++i) {
        const int length = 1 + static_cast<int>(random() % 19);
        std::string text(1, static_cast<char>('1' + random() % 9));
        while (static_cast<int>(text.size()) < length)
            text += static_cast<char>('0' + random() % 10);
        if (random() % 2 == 0) {
            const auto fraction =
                static_cast<std::size_t>(random() % static_cast<std::uint64_t>(std::min(length, 7)));
            text.insert(text.size() - fraction, ".");
        } else {
            text += "e" + std::to_string(static_cast<int>(random() % 13) - 6);
        }
        const auto oracle = static_cast<double>(std::strtold(text.c_str(), nullptr));
        ASSERT_EQ(std::bit_cast<std::uint64_t>(ParseMeasurement(text)), std::bit_cast<std::uint64_t>(oracle))
            << text;
    }
}

} // namespace
