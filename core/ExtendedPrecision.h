#pragma once

#include <limits>

// Conversions are carried out in the 80-bit x87 extended format on every platform we build for,
// so that Windows and Linux builds give the same bits for the same text.
static_assert(
    std::numeric_limits<long double>::digits == 64 && std::numeric_limits<long double>::max_exponent == 16384,
    "long double must be the x87 80-bit extended format (build for x86 or x86-64 with GCC or Clang)");

// Holds the x87 unit at 64-bit precision and rounding to nearest for its lifetime, then restores
// what the thread had. A Windows thread may start at 53-bit precision, and printer or graphics
// drivers loaded into the process are known to change the control word.
class TExtendedPrecisionScope
{
public:
    TExtendedPrecisionScope();
    ~TExtendedPrecisionScope();
    TExtendedPrecisionScope(const TExtendedPrecisionScope&) = delete;
    TExtendedPrecisionScope& operator=(const TExtendedPrecisionScope&) = delete;

private:
    unsigned short m_saved = 0;
};

// 10^n in extended precision for 0 <= n <= 4932. Exact up to n = 27; beyond that the same
// sequence of roundings on every platform (no powl, whose accuracy differs between C libraries).
long double ExtendedPowerOfTen(int n);

// Rounds a non-negative finite extended value to the nearest double, except that magnitudes of
// 2^1023 or more are cut toward zero (only 2^1024 and above become infinite) and magnitudes below
// 2^-1074 become zero.
double NarrowToDouble(long double magnitude);
