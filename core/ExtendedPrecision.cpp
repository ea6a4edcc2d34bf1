#include "ExtendedPrecision.h"

#include <array>
#include <cmath>
#include <cstdint>

namespace {

// Decimal literals are rounded correctly by the compiler; 10^0 to 10^27 are exact in 64 bits.
constexpr std::array<long double, 32> SmallPowers{
    1e0L,  1e1L,  1e2L,  1e3L,  1e4L,  1e5L,  1e6L,  1e7L,  1e8L,  1e9L,  1e10L,
    1e11L, 1e12L, 1e13L, 1e14L, 1e15L, 1e16L, 1e17L, 1e18L, 1e19L, 1e20L, 1e21L,
    1e22L, 1e23L, 1e24L, 1e25L, 1e26L, 1e27L, 1e28L, 1e29L, 1e30L, 1e31L,
};

// 10^(32 * 2^k), correctly rounded; enough bits for every n <= 4932.
constexpr std::array<long double, 8> LargePowers{
    1e32L, 1e64L, 1e128L, 1e256L, 1e512L, 1e1024L, 1e2048L, 1e4096L,
};

} // namespace

namespace {

// Precision control (bits 8-9) at 64 bits, rounding control (bits 10-11) at nearest.
constexpr unsigned short PrecisionAndRoundingMask = 0x0F00;
constexpr unsigned short ExtendedPrecisionToNearest = 0x0300;

unsigned short ReadControlWord()
{
    unsigned short word = 0;
    asm volatile("fnstcw %0" : "=m"(word) : : "memory");
    return word;
}

void WriteControlWord(unsigned short word)
{
    asm volatile("fldcw %0" : : "m"(word) : "memory");
}

} // namespace

TExtendedPrecisionScope::TExtendedPrecisionScope() : m_saved(ReadControlWord())
{
    const auto wanted =
        static_cast<unsigned short>((m_saved & ~PrecisionAndRoundingMask) | ExtendedPrecisionToNearest);
    if (wanted != m_saved)
        WriteControlWord(wanted);
}

TExtendedPrecisionScope::~TExtendedPrecisionScope()
{
    if (ReadControlWord() != m_saved)
        WriteControlWord(m_saved);
}

long double ExtendedPowerOfTen(int n)
{
    long double power = SmallPowers[static_cast<unsigned>(n) % SmallPowers.size()];
    unsigned bits = static_cast<unsigned>(n) / SmallPowers.size();
    for (std::size_t k = 0; bits != 0 && k < LargePowers.size(); ++k, bits >>= 1) {
        if (bits & 1U)
            power *= LargePowers[k];
    }
    return power;
}

double NarrowToDouble(long double magnitude)
{
    if (magnitude < 0x1p-1074L)
        return 0.0;
    if (magnitude >= 0x1p1024L)
        return std::numeric_limits<double>::infinity();
    if (magnitude < 0x1p1023L)
        return static_cast<double>(magnitude);

    // Cut the 64-bit significand to the 53 bits of a double; every step is exact.
    int exponent = 0;
    const long double fraction = std::frexp(magnitude, &exponent);
    auto significand = static_cast<std::uint64_t>(std::ldexp(fraction, 64));
    significand &= ~((std::uint64_t{1} << 11) - 1);
    return std::ldexp(static_cast<double>(significand), exponent - 64);
}
