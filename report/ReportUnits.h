#pragma once

// Report geometry is kept in whole hundredths of a millimetre, so that the design holds the
// two-decimal values of the page template exactly and no screen resolution leaks into it.
using Mm100 = int;

// 21.17_mm is 2117 hundredths of a millimetre.
consteval Mm100 operator""_mm(long double millimetres)
{
    return static_cast<Mm100>(millimetres * 100.0L + 0.5L);
}

// Device dots for a length at the given resolution (dots per inch).
constexpr double toDots(Mm100 length, double dotsPerInch)
{
    return length / 2540.0 * dotsPerInch;
}
