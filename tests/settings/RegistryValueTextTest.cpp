#include "RegistryValueText.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

using namespace std::string_literals;

// "Фамилия И.О." and "Иванов И.И." as the ANSI registry interface delivers them in Windows-1251.
const std::string FamiliyaAnsi = "\xD4\xE0\xEC\xE8\xEB\xE8\xFF\x20\xC8\x2E\xCE\x2E";
const std::string IvanovAnsi = "\xC8\xE2\xE0\xED\xEE\xE2\x20\xC8\x2E\xC8\x2E";

// The buffer as a query leaves it: the data at its start, older bytes behind it.
TRegistryValueBuffer BufferHolding(const std::string& data, const std::string& leftOver = {})
{
    TRegistryValueBuffer buffer{};
    std::copy_n(leftOver.begin(), std::min(leftOver.size(), buffer.size()), buffer.begin());
    std::copy_n(data.begin(), std::min(data.size(), buffer.size()), buffer.begin());
    return buffer;
}

std::optional<std::string> Text(const std::string& data, const std::string& leftOver = {})
{
    return RegistryValueText(BufferHolding(data, leftOver), data.size(), Windows1251CodePage);
}

TEST(RegistryValueText, TakesTheStringUpToItsZeroByte)
{
    EXPECT_EQ(Text(FamiliyaAnsi + '\0'), "Фамилия И.О.");
    EXPECT_EQ(Text("\0"s), "");
    EXPECT_EQ(Text(""), "");
}

TEST(RegistryValueText, MultiStringGivesItsFirstString)
{
    EXPECT_EQ(Text("first\0second\0\0"s), "first");
}

TEST(RegistryValueText, NeverTakesLeftOversOfALongerEarlierValue)
{
    // A string stored without its terminating zero, queried after a longer name.
    EXPECT_EQ(Text("Petrov", IvanovAnsi + "-Sidorov" + '\0'), "Petrov");
    EXPECT_EQ(Text("", IvanovAnsi + '\0'), "");
}

TEST(RegistryValueText, Reads259CharactersButNot260)
{
    const std::string cyrillic259(259, '\xC6'); // Ж
    std::string expected;
    for (int i = 0; i < 259; ++i)
        expected += "Ж";
    EXPECT_EQ(Text(cyrillic259 + '\0'), expected);
    EXPECT_EQ(Text(cyrillic259), expected);
    // Data that fills the buffer without a zero byte is a string of 260 characters or more.
    EXPECT_EQ(Text(std::string(260, 'a')), std::nullopt);
}

TEST(RegistryValueText, ReportedSizeBeyondTheBufferStaysInside)
{
    const TRegistryValueBuffer full = BufferHolding(std::string(260, 'a'));
    EXPECT_EQ(RegistryValueText(full, 100'000, Windows1251CodePage), std::nullopt);
    const TRegistryValueBuffer terminated = BufferHolding("abc\0"s);
    EXPECT_EQ(RegistryValueText(terminated, 100'000, Windows1251CodePage), "abc");
}

struct TDecodeCase
{
    std::string Ansi;
    std::string Utf8;
};

void PrintTo(const TDecodeCase& decodeCase, std::ostream* os)
{
    *os << decodeCase.Utf8;
}

class Windows1251ToUtf8 : public testing::TestWithParam<TDecodeCase>
{};

TEST_P(Windows1251ToUtf8, MatchesTheCodePage)
{
    EXPECT_EQ(AnsiToUtf8(GetParam().Ansi, Windows1251CodePage), GetParam().Utf8);
}

INSTANTIATE_TEST_SUITE_P(
    Characters, Windows1251ToUtf8,
    testing::Values(TDecodeCase{"", ""}, TDecodeCase{"Ab 1.~", "Ab 1.~"},
                    TDecodeCase{FamiliyaAnsi, "Фамилия И.О."}, TDecodeCase{"\xC0\xDF\xE0\xFF", "АЯая"},
                    TDecodeCase{"\xA8\xB8\xB9\xA0\xAB\xBB", "Ёё№\u00A0«»"},
                    TDecodeCase{"\x80\x88\x96\x97\x99\xA5\xB4\xB2\xB3\xAA\xBA\xAF\xBF\xA1\xA2",
                                "Ђ€–—™ҐґІіЄєЇїЎў"},
                    TDecodeCase{"\x98", "\u0098"}));

#ifndef _WIN32
TEST(AnsiToUtf8, OnlyWindows1251IsKnownWithoutWindows)
{
    EXPECT_EQ(AnsiToUtf8("abc", 1252), std::nullopt);
}
#endif

} // namespace
