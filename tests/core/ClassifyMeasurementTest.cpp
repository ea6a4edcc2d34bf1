#include "FloatingPointError.h"
#include "ReferenceTable.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <limits>
#include <ostream>
#include <string>
#include <vector>

namespace {

using enum TSexVerdict;

// The published ranges written as ascending break points: ДЖ from the first, then ВЖ, НП, ВМ,
// ДМ, and nothing from the last on. Kept apart from the program's table on purpose.
constexpr std::array<std::array<double, 6>, MeasurementCount> BreakPoints{{
    {1, 140, 149, 160, 168, 1000},
    {1, 97, 102, 111, 116, 1000},
    {1, 117, 124, 137, 143, 1000},
    {1, 61, 68, 85, 92, 1000},
    {1, 99, 107, 122, 129, 1000},
    {1, 38, 44, 57, 62, 1000},
    {1, 122, 129, 139, 145, 1000},
    {1, 39, 44, 52, 56, 1000},
    {1, 40, 43, 48, 51, 1000},
    {1, 34, 36, 39, 41, 1000},
    {1, 26, 28, 29, 30, 1000},
}};

// The verdict of the range that starts at break point i; ranges[5] is what lies above the last.
constexpr std::array<TSexVerdict, 6> AscendingVerdicts{svDefinitelyFemale, svProbablyFemale, svUndetermined,
                                                       svProbablyMale,     svDefinitelyMale, svNone};

struct TClassificationCase
{
    std::size_t Row;
    double Value;
    TSexVerdict Expected;
};

void PrintTo(const TClassificationCase& c, std::ostream* os)
{
    *os << "row " << c.Row + 1 << ", value " << std::hexfloat << c.Value << std::defaultfloat << " ("
        << c.Value << ")";
}

std::vector<TClassificationCase> ClassificationCases()
{
    constexpr double Inf = std::numeric_limits<double>::infinity();
    std::vector<TClassificationCase> cases;
    for (std::size_t row = 0; row < MeasurementCount; ++row) {
        // Every bound from both sides: the low end is inside, the value just below belongs below.
        for (std::size_t i = 0; i < BreakPoints[row].size(); ++i) {
            const double bound = BreakPoints[row][i];
            cases.push_back({row, bound, AscendingVerdicts[i]});
            cases.push_back({row, std::nextafter(bound, -Inf), i == 0 ? svNone : AscendingVerdicts[i - 1]});
        }
        for (double outside : {0.0, -0.0, 0.999, -5.0, 1500.0, Inf, -Inf, std::numeric_limits<double>::max(),
                               std::numeric_limits<double>::denorm_min()})
            cases.push_back({row, outside, svNone});
    }
    // The everyday values of the method's own examples.
    const TClassificationCase examples[] = {
        {0, 168, svDefinitelyMale},
        {0, 167.99, svProbablyMale},
        {0, 160, svProbablyMale},
        {0, 159.5, svUndetermined},
        {0, 149, svUndetermined},
        {0, 148.9, svProbablyFemale},
        {0, 140, svProbablyFemale},
        {0, 139.999, svDefinitelyFemale},
        {0, 1, svDefinitelyFemale},
        {0, 999.999, svDefinitelyMale},
        {0, 1000, svNone},
        {10, 30, svDefinitelyMale},
        {10, 29.5, svProbablyMale},
        {10, 28, svUndetermined},
        {10, 27.99, svProbablyFemale},
        {10, 26, svProbablyFemale},
        {10, 25.9, svDefinitelyFemale},
        {4, 100, svProbablyFemale},
        {3, 100, svDefinitelyMale},
    };
    cases.insert(cases.end(), std::begin(examples), std::end(examples));
    return cases;
}

class ClassifyMeasurementTest : public testing::TestWithParam<TClassificationCase>
{};

TEST_P(ClassifyMeasurementTest, FindsTheRangeThatHoldsTheValue)
{
    const TClassificationCase& c = GetParam();
    EXPECT_EQ(ClassifyMeasurement(c.Value, ReferenceTable[c.Row]), c.Expected);
}

INSTANTIATE_TEST_SUITE_P(Bounds, ClassifyMeasurementTest, testing::ValuesIn(ClassificationCases()));

TEST(ClassifyMeasurement, NotANumberFailsInEveryRow)
{
    for (const TReferenceRow& row : ReferenceTable) {
        for (double nan :
             {std::numeric_limits<double>::quiet_NaN(), -std::numeric_limits<double>::quiet_NaN()}) {
            try {
                ClassifyMeasurement(nan, row);
                ADD_FAILURE() << "classified a not-a-number value";
            } catch (const EInvalidOp& error) {
                EXPECT_STREQ(error.what(), "Invalid floating point operation");
            }
        }
    }
}

TEST(VerdictString, FiveSpacesAndTheCodeInUtf8)
{
    // Д D0 94, М D0 9C, В D0 92, Н D0 9D, П D0 9F, Ж D0 96.
    EXPECT_EQ(VerdictString(svDefinitelyMale), "     \xD0\x94\xD0\x9C");
    EXPECT_EQ(VerdictString(svProbablyMale), "     \xD0\x92\xD0\x9C");
    EXPECT_EQ(VerdictString(svUndetermined), "     \xD0\x9D\xD0\x9F");
    EXPECT_EQ(VerdictString(svDefinitelyFemale), "     \xD0\x94\xD0\x96");
    EXPECT_EQ(VerdictString(svProbablyFemale), "     \xD0\x92\xD0\x96");
    EXPECT_EQ(VerdictString(svNone), "");
}

} // namespace
