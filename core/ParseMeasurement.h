#pragma once

#include <string_view>

// Converts a measurement text to millimetres: the longest number at the start of the text, with
// the full stop as the only decimal separator, whatever the locale; whatever follows is ignored.
// Text that holds no number gives 0 (-0 after a minus sign). A signed capital "INF" or "NAN" gives
// infinity or not-a-number. At most 19 significant digits count; the value is formed in x87
// extended precision and rounded to double, cut toward zero from 2^1023 on. Throws EOverflow when
// that extended product exceeds the largest finite extended value (e.g. "2e4932").
double ParseMeasurement(std::string_view text);
