#include "MeasurementSheet.h"

#include "ParseMeasurement.h"

std::array<double, MeasurementCount> Measurements{};
std::array<std::string, MeasurementCount> Verdicts{};

TVerdictCounts RecalculateSheet(const TMeasurementTexts& texts)
{
    // Every text is converted before any value is classified, and each entry is written as soon
    // as it is known: a failure leaves exactly the entries before the failing one new.
    for (std::size_t n = 0; n < MeasurementCount; ++n)
        Measurements[n] = ParseMeasurement(texts[n]);

    TVerdictCounts counts;
    for (std::size_t n = 0; n < MeasurementCount; ++n) {
        const TSexVerdict verdict = ClassifyMeasurement(Measurements[n], ReferenceTable[n]);
        Verdicts[n] = VerdictString(verdict);
        if (verdict != TSexVerdict::svNone)
            ++counts[verdict];
    }
    return counts;
}
