#include "MeasurementSheet.h"
#include "FloatingPointError.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>
#include <numeric>
#include <string>

namespace {

using enum TSexVerdict;

constexpr double Inf = std::numeric_limits<double>::infinity();

const std::string DM = "     \xD0\x94\xD0\x9C";
const std::string VM = "     \xD0\x92\xD0\x9C";
const std::string NP = "     \xD0\x9D\xD0\x9F";
const std::string DZh = "     \xD0\x94\xD0\x96";
const std::string VZh = "     \xD0\x92\xD0\x96";

using TVerdictTexts = std::array<std::string, MeasurementCount>;
using TCountArray = std::array<int, VerdictCategoryCount>;

TMeasurementTexts Repeated(const std::string& text)
{
    TMeasurementTexts texts;
    texts.fill(text);
    return texts;
}

TCountArray CountsOf(const TVerdictCounts& counts)
{
    return {counts[svDefinitelyMale], counts[svProbablyMale], counts[svUndetermined],
            counts[svDefinitelyFemale], counts[svProbablyFemale]};
}

// "100" and "50" in every box: each row judges the value by its own ranges.
const TVerdictTexts VerdictsOf100{DZh, VZh, DZh, DM, VZh, DM, DZh, DM, DM, DM, DM};
const TCountArray CountsOf100{6, 0, 0, 3, 2};
const TVerdictTexts VerdictsOf50{DZh, DZh, DZh, DZh, DZh, NP, DZh, NP, VM, DM, DM};
const TCountArray CountsOf50{2, 1, 2, 6, 0};

struct TSheetCase
{
    const char* Name;
    TMeasurementTexts Texts;
    std::array<double, MeasurementCount> Values;
    TVerdictTexts Verdicts;
    TCountArray Counts;
};

void PrintTo(const TSheetCase& c, std::ostream* os)
{
    *os << c.Name;
}

const TSheetCase SheetCases[] = {
    {"EmptyTexts", {}, {}, {}, {0, 0, 0, 0, 0}},
    {"FirstIs168", {"168"}, {168}, {DM}, {1, 0, 0, 0, 0}},
    {"CommaEndsTheNumber", {"12,5"}, {12}, {DZh}, {0, 0, 0, 1, 0}},
    {"AboveTheTable", {"1000"}, {1000}, {}, {0, 0, 0, 0, 0}},
    {"BelowTheTable", {"0.5"}, {0.5}, {}, {0, 0, 0, 0, 0}},
    {"InfinityAndNegativeZero", {"+INF", "-INF", "-0", "1e-400"}, {Inf, -Inf, -0.0, 0}, {}, {0, 0, 0, 0, 0}},
    {"AllElevenInside",
     {"170", "112", " 130", "70", "100", "30", "130.0", "45", "44", "35", "27"},
     {170, 112, 130, 70, 100, 30, 130, 45, 44, 35, 27},
     {DM, VM, NP, NP, VZh, DZh, NP, NP, NP, VZh, VZh},
     {1, 1, 5, 1, 3}},
    {"SameTextInEveryBox",
     Repeated("100"),
     {100, 100, 100, 100, 100, 100, 100, 100, 100, 100, 100},
     VerdictsOf100,
     CountsOf100},
};

// Starts every test from a sheet that no run of the test could produce.
class MeasurementSheetTest : public testing::Test
{
protected:
    void SetUp() override
    {
        Measurements.fill(-777);
        Verdicts.fill("stale");
    }
};

class WholeSheetTest : public MeasurementSheetTest, public testing::WithParamInterface<TSheetCase>
{};

TEST_P(WholeSheetTest, OverwritesEveryEntryAndCounts)
{
    const TSheetCase& c = GetParam();
    const TVerdictCounts counts = RecalculateSheet(c.Texts);

    for (std::size_t n = 0; n < MeasurementCount; ++n)
        EXPECT_EQ(Measurements[n], c.Values[n]) << "measurement " << n + 1;
    EXPECT_EQ(Verdicts, c.Verdicts);
    EXPECT_EQ(CountsOf(counts), c.Counts);
    const auto nonEmpty = std::count_if(Verdicts.begin(), Verdicts.end(), [](auto& v) { return !v.empty(); });
    EXPECT_EQ(std::accumulate(c.Counts.begin(), c.Counts.end(), 0), nonEmpty);
}

INSTANTIATE_TEST_SUITE_P(Runs, WholeSheetTest, testing::ValuesIn(SheetCases),
                         [](const auto& info) { return std::string(info.param.Name); });

TEST_F(MeasurementSheetTest, NegativeZeroStaysNegative)
{
    RecalculateSheet({"-0"});
    EXPECT_TRUE(std::signbit(Measurements[0]));
    EXPECT_EQ(Verdicts[0], "");
}

// A failure leaves the sheet part old, part new; the fixture's previous run is "100" everywhere
// and the failing run puts "50" everywhere except at the failing measurement.
class FailedRunTest : public MeasurementSheetTest, public testing::WithParamInterface<std::size_t>
{
protected:
    void SetUp() override
    {
        MeasurementSheetTest::SetUp();
        RecalculateSheet(Repeated("100"));
    }
};

TEST_P(FailedRunTest, OverflowStopsTheConversionsAndKeepsEveryVerdict)
{
    const std::size_t failing = GetParam();
    TMeasurementTexts texts = Repeated("50");
    texts[failing] = "2e4932";
    if (failing + 1 < MeasurementCount)
        texts[failing + 1] = "+NAN"; // never reached: no value is classified after an overflow

    try {
        RecalculateSheet(texts);
        FAIL() << "no overflow";
    } catch (const EOverflow& error) {
        EXPECT_STREQ(error.what(), "Floating point overflow");
    }
    for (std::size_t n = 0; n < MeasurementCount; ++n)
        EXPECT_EQ(Measurements[n], n < failing ? 50 : 100) << "measurement " << n + 1;
    EXPECT_EQ(Verdicts, VerdictsOf100);
}

TEST_P(FailedRunTest, NotANumberStopsTheClassificationAfterEveryConversion)
{
    const std::size_t failing = GetParam();
    TMeasurementTexts texts = Repeated("50");
    texts[failing] = "-NAN";

    try {
        RecalculateSheet(texts);
        FAIL() << "no invalid operation";
    } catch (const EInvalidOp& error) {
        EXPECT_STREQ(error.what(), "Invalid floating point operation");
    }
    for (std::size_t n = 0; n < MeasurementCount; ++n) {
        if (n == failing)
            EXPECT_TRUE(std::isnan(Measurements[n]));
        else
            EXPECT_EQ(Measurements[n], 50) << "measurement " << n + 1;
        EXPECT_EQ(Verdicts[n], n < failing ? VerdictsOf50[n] : VerdictsOf100[n]) << "measurement " << n + 1;
    }
}

TEST_P(FailedRunTest, NextRunDependsOnlyOnItsTexts)
{
    const std::size_t failing = GetParam();
    TMeasurementTexts texts = Repeated("50");
    texts[failing] = "+NAN";
    EXPECT_THROW(RecalculateSheet(texts), EInvalidOp);
    EXPECT_THROW(RecalculateSheet(texts), EInvalidOp) << "fails again while the text stays";

    texts[failing] = "50";
    EXPECT_EQ(CountsOf(RecalculateSheet(texts)), CountsOf50);
    EXPECT_EQ(Verdicts, VerdictsOf50);
    for (double value : Measurements)
        EXPECT_EQ(value, 50);
}

INSTANTIATE_TEST_SUITE_P(AtMeasurement, FailedRunTest, testing::Values(0, 4, 10),
                         [](const auto& info) { return "Measurement" + std::to_string(info.param + 1); });

TEST_F(MeasurementSheetTest, EveryTextIsConvertedBeforeAnyValueIsClassified)
{
    RecalculateSheet(Repeated("100"));
    TMeasurementTexts texts = Repeated("50");
    texts[2] = "+NAN";
    texts[8] = "12e4931";

    EXPECT_THROW(RecalculateSheet(texts), EOverflow);
    for (std::size_t n = 0; n < MeasurementCount; ++n) {
        if (n == 2)
            EXPECT_TRUE(std::isnan(Measurements[n]));
        else
            EXPECT_EQ(Measurements[n], n < 8 ? 50 : 100) << "measurement " << n + 1;
    }
    EXPECT_EQ(Verdicts, VerdictsOf100);
}

} // namespace
