#include "SettingsFileParser.h"

#include <gtest/gtest.h>

#include <array>
#include <sstream>
#include <streambuf>

namespace {

using namespace std::string_literals;
using TValues = std::vector<std::optional<std::string>>;

constexpr std::array<std::string_view, 5> AllNames{"Name1", "Name2", "Name3", "Name4", "Title"};

TValues Parse(const std::string& text)
{
    std::istringstream in(text);
    return ParseSettingsValues(in, AllNames);
}

std::string Repeat(std::string_view piece, std::size_t count)
{
    std::string text;
    for (std::size_t i = 0; i < count; ++i)
        text += piece;
    return text;
}

const std::optional<std::string> Missing;

struct TParseCase
{
    const char* Label;
    std::string Text;
    TValues Expected; // Name1, Name2, Name3, Name4, Title
};

void PrintTo(const TParseCase& parseCase, std::ostream* os)
{
    *os << parseCase.Label;
}

class SettingsFileParserTest : public testing::TestWithParam<TParseCase>
{};

TEST_P(SettingsFileParserTest, GivesEachValueOrNothing)
{
    EXPECT_EQ(Parse(GetParam().Text), GetParam().Expected);
}

const std::string Cyrillic259 = Repeat("Ж", 259);
const std::string Emoji259 = Repeat("\xF0\x9F\x98\x80", 259);

INSTANTIATE_TEST_SUITE_P(
    Lines, SettingsFileParserTest,
    testing::Values(
        TParseCase{"Empty", "", {Missing, Missing, Missing, Missing, Missing}},
        TParseCase{
            "AllFive",
            "Name1=Иванов И.И.\nName2=Петров П.П.\nName3=Сидорова С.С.\nName4=Ёлкина Е.Ё.\nTitle=Бюро\n",
            {"Иванов И.И.", "Петров П.П.", "Сидорова С.С.", "Ёлкина Е.Ё.", "Бюро"}},
        TParseCase{
            "IgnoredLines",
            "\n   \n# Name1=comment\n; Name2=comment\n[General]\n[Name3=header]\nName4 without equals\n"
            "\tName1=real\n",
            {"real", Missing, Missing, Missing, Missing}},
        TParseCase{"NamesIgnoreAsciiCaseAndBlanks",
                   "  nAmE1\t =a\nTITLE=b\nName 2=c\nName2x=d\n",
                   {"a", Missing, Missing, Missing, "b"}},
        TParseCase{"FirstOfRepeatedNameCounts",
                   "Name1=first\nname1=second\n",
                   {"first", Missing, Missing, Missing, Missing}},
        TParseCase{"UnreadableFirstOfRepeatedNameCounts",
                   "Title=\xC0\x80\nTitle=second\n",
                   {Missing, Missing, Missing, Missing, Missing}},
        TParseCase{"EmptyValues", "Name1=\nName2=   \nTitle=\"\"\n", {"", "", Missing, Missing, ""}},
        TParseCase{
            "UnquotedBlanksRemoved", "Title=  a  b \t\n", {Missing, Missing, Missing, Missing, "a  b"}},
        TParseCase{"QuotedBlanksKept", "Title = \"   \"  \n", {Missing, Missing, Missing, Missing, "   "}},
        TParseCase{"QuotesWithoutEscapes",
                   "Name1=\"a\"b\"\nName2=\"open\nName3=\"\nName4=say \"hi\"\n",
                   {"a\"b", "\"open", "\"", "say \"hi\"", Missing}},
        TParseCase{"EqualsInValue", "Title=a=b\n", {Missing, Missing, Missing, Missing, "a=b"}},
        TParseCase{
            "CrLfLineEnds", "Name1=a \r\nName2=\"b \"\r\nTitle=c\r", {"a", "b ", Missing, Missing, "c"}},
        TParseCase{
            "CarriageReturnInsideLineIsText", "Title=a\rb\n", {Missing, Missing, Missing, Missing, "a\rb"}},
        TParseCase{"LastLineWithoutLineEnd", "Name1=a\nTitle=z", {"a", Missing, Missing, Missing, "z"}},
        TParseCase{
            "ByteOrderMarkSkipped", "\xEF\xBB\xBFName1=a\n", {"a", Missing, Missing, Missing, Missing}},
        TParseCase{"ByteOrderMarkOnlyAtStart",
                   "Name2=b\n\xEF\xBB\xBFName1=a\n",
                   {Missing, "b", Missing, Missing, Missing}},
        TParseCase{"InvalidUtf8LeftOut",
                   "Name1=\xC0\x80\nName2=\xED\xA0\x80\nName3=\x80\nName4=\xD0\nTitle=\xF4\x90\x80\x80\n",
                   {Missing, Missing, Missing, Missing, Missing}},
        TParseCase{"InvalidUtf8OnlyInOneValue",
                   "Name1=\xFF\nName2=ok\n",
                   {Missing, "ok", Missing, Missing, Missing}},
        TParseCase{"ZeroByteInValue", "Name1=a\0b\nName2=c\n"s, {Missing, "c", Missing, Missing, Missing}},
        TParseCase{"BinaryNoise",
                   "\0\x01\xFF\xFE\n\0\0=\0\n\x7F[Name1=x\n"s,
                   {Missing, Missing, Missing, Missing, Missing}},
        TParseCase{
            "Title259", "Title=" + Repeat("a", 259), {Missing, Missing, Missing, Missing, Repeat("a", 259)}},
        TParseCase{"Title260", "Title=" + Repeat("a", 260), {Missing, Missing, Missing, Missing, Missing}},
        TParseCase{"Title259Quoted",
                   "Title=\"" + Repeat(" ", 259) + "\"",
                   {Missing, Missing, Missing, Missing, Repeat(" ", 259)}},
        TParseCase{
            "CyrillicTitle259", "Title=" + Cyrillic259, {Missing, Missing, Missing, Missing, Cyrillic259}},
        TParseCase{
            "CyrillicTitle260", "Title=" + Cyrillic259 + "Ж", {Missing, Missing, Missing, Missing, Missing}},
        TParseCase{"FourByteCharactersCountOnce",
                   "Title=" + Emoji259,
                   {Missing, Missing, Missing, Missing, Emoji259}},
        TParseCase{"OverlongLineNamesItsSetting",
                   "Title=" + Repeat("a", MaxSettingsLineBytes) + "\nTitle=short\nName1=a\n",
                   {"a", Missing, Missing, Missing, Missing}},
        TParseCase{"OverlongLineWithoutNameIgnored",
                   Repeat("x", 3 * MaxSettingsLineBytes) + "=y\nName1=a\n",
                   {"a", Missing, Missing, Missing, Missing}},
        TParseCase{"ValueAfterMuchText",
                   Repeat("# filler\n", 100'000) + "Title=late",
                   {Missing, Missing, Missing, Missing, "late"}},
        TParseCase{"LongestLineReadable",
                   "Title=" + Repeat(" ", MaxSettingsLineBytes - 7) + "a",
                   {Missing, Missing, Missing, Missing, "a"}}),
    [](const testing::TestParamInfo<TParseCase>& info) { return std::string(info.param.Label); });

// Serves the given text and then an endless run of comment lines, counting what was taken.
class TEndlessBuffer : public std::streambuf
{
public:
    explicit TEndlessBuffer(std::string text) : m_text(std::move(text)) {}

    std::size_t Served() const { return m_served; }

protected:
    int_type underflow() override
    {
        if (m_served > 10'000'000)
            return traits_type::eof();
        std::string& chunk = m_served == 0 ? m_text : m_filler;
        m_served += chunk.size();
        setg(chunk.data(), chunk.data(), chunk.data() + chunk.size());
        return traits_type::to_int_type(*gptr());
    }

private:
    std::string m_text;
    std::string m_filler = Repeat("# filler\n", 1000);
    std::size_t m_served = 0;
};

TEST(SettingsFileParserReading, StopsOnceEveryNameIsSeen)
{
    TEndlessBuffer buffer("Title=a\nName1=b\n");
    std::istream in(&buffer);
    constexpr std::array<std::string_view, 2> names{"Name1", "Title"};
    EXPECT_EQ(ParseSettingsValues(in, names), (TValues{"b", "a"}));
    EXPECT_LT(buffer.Served(), 100'000u);
}

TEST(SettingsFileParserReading, AskingForNothingGivesNothing)
{
    std::istringstream in("Name1=a\n");
    EXPECT_TRUE(ParseSettingsValues(in, {}).empty());
}

} // namespace
