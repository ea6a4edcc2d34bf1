#pragma once

#include <QFont>

// The two text styles of the page: the template's family at 10 pt regular or 12 pt bold.
enum class TReportFontStyle
{
    Regular10,
    Bold12,
};

// The family the page is designed for. Where it is missing, fontconfig's metric-compatible alias
// (Liberation Mono, same 0.6 advance) stands in for it.
inline constexpr auto ReportFontFamily = "Courier New";

// The report's font for a style. Fails loudly (std::runtime_error) when the face found for it is not
// fixed-pitch with an advance of 0.6 of its size or lacks Cyrillic letters: the counts and marks of
// the page are placed by character cells and would drift off their texts with any other face.
QFont reportFont(TReportFontStyle style);

// The check behind reportFont(), for any font.
void requireCourierMetrics(const QFont& font);

// Advance of one character cell as a fraction of the font size, as the face found for the font draws it.
double cellAdvanceRatio(const QFont& font);
