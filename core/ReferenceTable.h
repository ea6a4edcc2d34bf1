#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <string_view>

// Verdict categories in the order in which every row stores its ranges and the
// classification tests them; svNone is no category and has no range or counter.
enum class TSexVerdict
{
    svDefinitelyMale,   // ДМ
    svProbablyMale,     // ВМ
    svUndetermined,     // НП
    svDefinitelyFemale, // ДЖ
    svProbablyFemale,   // ВЖ
    svNone,
};

inline constexpr std::size_t VerdictCategoryCount = 5;
inline constexpr std::size_t MeasurementCount = 11;

// Half-open interval [Low, High) of measurement values in millimetres.
struct TVerdictRange
{
    double Low;
    double High;
};

// One measurement's ranges, in the order ДМ, ВМ, НП, ДЖ, ВЖ.
struct TReferenceRow
{
    std::array<TVerdictRange, VerdictCategoryCount> Ranges;
};

// Row n-1 belongs to measurement n.
extern const std::array<TReferenceRow, MeasurementCount> ReferenceTable;

// Measurement names (UTF-8), as the window and the report show them; entry n-1 is measurement n.
extern const std::array<std::string_view, MeasurementCount> MeasurementNames;

// The first category whose range holds value, or svNone. Throws EInvalidOp for a not-a-number value.
TSexVerdict ClassifyMeasurement(double value, const TReferenceRow& row);

// Five spaces and the two-letter code (UTF-8), or the empty string for svNone.
std::string VerdictString(TSexVerdict verdict);
