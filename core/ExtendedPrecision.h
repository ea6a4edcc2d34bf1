#pragma once

#include <limits>

// Conversions are carried out in the 80-bit x87 extended format on every platform we build for,
// so that Windows and Linux builds give the same bits for the same text.
static_assert(
    std::numeric_limits<long double>::digits == 64 && std::numeric_limits<long double>::max_exponent == 16384,
    "long double must be the x87 80-bit extended format (build for x86 or x86-64 with GCC or Clang)");

// 10^n in extended precision for 0 <= n <= 4932. Exact up to n = 27; beyond that the same
// sequence of roundings on every platform (no powl, whose accuracy differs between C libraries).
long double ExtendedPowerOfTen(int n);

// Rounds a non-negative finite extended value to the nearest double, except that magnitudes of
// 2^1023 or more are cut toward zero (only 2^1024 and above become infinite) and magnitudes below
// 2^-1074 become zero.
double NarrowToDouble(long double magnitude);
