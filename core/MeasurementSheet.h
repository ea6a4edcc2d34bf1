#pragma once

#include "ReferenceTable.h"

#include <array>
#include <string>

// How many of the eleven measurements fall into each category, indexed ДМ, ВМ, НП, ДЖ, ВЖ.
struct TVerdictCounts
{
    std::array<int, VerdictCategoryCount> Counters{};

    // Only the five categories have a counter; svNone throws std::out_of_range.
    int& operator[](TSexVerdict verdict) { return Counters.at(static_cast<std::size_t>(verdict)); }
    int operator[](TSexVerdict verdict) const { return Counters.at(static_cast<std::size_t>(verdict)); }
};

using TMeasurementTexts = std::array<std::string, MeasurementCount>;

// The one sheet of the program; entry n-1 is measurement n.
extern std::array<double, MeasurementCount> Measurements;
extern std::array<std::string, MeasurementCount> Verdicts;

// Converts all eleven texts into Measurements, then classifies all eleven values into Verdicts
// and returns the counts. On success every entry of both arrays is overwritten. A failure leaves
// the sheet part new, part old:
// - EOverflow while converting text k: Measurements before k new, k and later unchanged;
//   Verdicts entirely unchanged (no value has been classified yet).
// - EInvalidOp while classifying value k (a signed "NAN"): all Measurements new, Verdicts
//   before k new, k and later unchanged.
TVerdictCounts RecalculateSheet(const TMeasurementTexts& texts);
