#include "ReferenceTable.h"

#include "FloatingPointError.h"

#include <cmath>

// Bounds in millimetres from the published method; each row lists ДМ, ВМ, НП, ДЖ, ВЖ and covers
// [1, 1000) without gaps.
const std::array<TReferenceRow, MeasurementCount> ReferenceTable{{
    {{{{168, 1000}, {160, 168}, {149, 160}, {1, 140}, {140, 149}}}},
    {{{{116, 1000}, {111, 116}, {102, 111}, {1, 97}, {97, 102}}}},
    {{{{143, 1000}, {137, 143}, {124, 137}, {1, 117}, {117, 124}}}},
    {{{{92, 1000}, {85, 92}, {68, 85}, {1, 61}, {61, 68}}}},
    {{{{129, 1000}, {122, 129}, {107, 122}, {1, 99}, {99, 107}}}},
    {{{{62, 1000}, {57, 62}, {44, 57}, {1, 38}, {38, 44}}}},
    {{{{145, 1000}, {139, 145}, {129, 139}, {1, 122}, {122, 129}}}},
    {{{{56, 1000}, {52, 56}, {44, 52}, {1, 39}, {39, 44}}}},
    {{{{51, 1000}, {48, 51}, {43, 48}, {1, 40}, {40, 43}}}},
    {{{{41, 1000}, {39, 41}, {36, 39}, {1, 34}, {34, 36}}}},
    {{{{30, 1000}, {29, 30}, {28, 29}, {1, 26}, {26, 28}}}},
}};

const std::array<std::string_view, MeasurementCount> MeasurementNames{
    "Высота",
    "Ширина",
    "Длина латерного края",
    "Длина верхнего края",
    "Ширина подостной ямки",
    "Ширина надостной ямки",
    "Длина лопаточной ости",
    "Длина плечевого отростка",
    "Длина клювовидного отростка",
    "Длина суставной впадины",
    "Проекционная ширина суставной впадины",
};

TSexVerdict ClassifyMeasurement(double value, const TReferenceRow& row)
{
    // Every comparison below is ordered, so the very first one is where a not-a-number value fails.
    // Hardware traps stay off; the check stands in for the trap at that comparison.
    if (std::isnan(value))
        throw EInvalidOp();

    for (std::size_t category = 0; category < VerdictCategoryCount; ++category) {
        const TVerdictRange& range = row.Ranges[category];
        if (value >= range.High)
            continue;
        if (value < range.Low)
            continue;
        return static_cast<TSexVerdict>(category);
    }
    return TSexVerdict::svNone;
}

std::string VerdictString(TSexVerdict verdict)
{
    switch (verdict) {
    case TSexVerdict::svDefinitelyMale:
        return "     ДМ";
    case TSexVerdict::svProbablyMale:
        return "     ВМ";
    case TSexVerdict::svUndetermined:
        return "     НП";
    case TSexVerdict::svDefinitelyFemale:
        return "     ДЖ";
    case TSexVerdict::svProbablyFemale:
        return "     ВЖ";
    case TSexVerdict::svNone:
        break;
    }
    return {};
}
