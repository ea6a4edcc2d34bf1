// The conversion must not depend on the x87 precision the calling thread happens to run at.
#include "ParseMeasurement.h"

#include <gtest/gtest.h>

#include <bit>
#include <cstdint>
#include <string_view>

namespace {

unsigned short ControlWord()
{
    unsigned short word = 0;
    asm volatile("fnstcw %0" : "=m"(word) : : "memory");
    return word;
}

void SetControlWord(unsigned short word)
{
    asm volatile("fldcw %0" : : "m"(word) : "memory");
}

// Precision control at 53 bits, as a Windows thread or a driver may leave it.
constexpr unsigned short DoublePrecisionBits = 0x0200;
constexpr unsigned short PrecisionMask = 0x0300;

class ThreadAtDoublePrecision : public ::testing::TestWithParam<std::string_view>
{
protected:
    void SetUp() override { m_saved = ControlWord(); }
    void TearDown() override { SetControlWord(m_saved); }

    unsigned short m_saved = 0;
};

TEST_P(ThreadAtDoublePrecision, ConvertsAsAtExtendedPrecisionAndRestoresTheControlWord)
{
    const double expected = ParseMeasurement(GetParam());

    const auto lowered = static_cast<unsigned short>((m_saved & ~PrecisionMask) | DoublePrecisionBits);
    SetControlWord(lowered);
    const double actual = ParseMeasurement(GetParam());
    const unsigned short after = ControlWord();
    SetControlWord(m_saved);

    EXPECT_EQ(std::bit_cast<std::uint64_t>(actual), std::bit_cast<std::uint64_t>(expected));
    EXPECT_EQ(after, lowered);
}

// Texts that take the extended route; the last two come out differently where the unit keeps only
// 53 bits, the others guard the restored control word.
INSTANTIATE_TEST_SUITE_P(LongProducts, ThreadAtDoublePrecision,
                         ::testing::Values("9007199254740993e20", "1234567890123456789e-25",
                                           "3.1415926535897932384e100", "8.98846567431158e307",
                                           "4.9406564584124654e-324", "2.2250738585072011e-308"));

} // namespace
