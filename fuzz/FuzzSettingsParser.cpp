// Any settings text through ParseSettingsValues. The first byte chooses which of the five value
// names are asked for (at most four, as the program's two callers ask); the rest is the text.
//
// Properties checked:
// - one result per name; every value read is valid UTF-8 of at most 259 code points without a
//   zero byte;
// - the result does not depend on how the stream hands out the text (whole, or byte by byte);
// - reading stops once every name has been seen: after the text and a line for each name, at
//   most one read chunk of an endless tail is taken.

#include "FuzzProperty.h"
#include "SettingsFileParser.h"
#include "Utf8.h"

#include <array>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <sstream>
#include <streambuf>
#include <string>
#include <string_view>
#include <vector>

namespace {

using TValues = std::vector<std::optional<std::string>>;

// Serves the text in pieces of the given size, then, if asked, an endless run of comment lines,
// counting how much of that tail was taken.
class TPiecewiseBuffer : public std::streambuf
{
public:
    TPiecewiseBuffer(std::string_view text, std::size_t piece, bool endlessTail)
        : m_text(text), m_piece(piece), m_endlessTail(endlessTail)
    {}

    std::size_t TailServed() const { return m_tailServed; }

protected:
    int_type underflow() override
    {
        if (m_offset < m_text.size()) {
            const std::size_t count = std::min(m_piece, m_text.size() - m_offset);
            char* begin = const_cast<char*>(m_text.data()) + m_offset;
            setg(begin, begin, begin + count);
            m_offset += count;
            return traits_type::to_int_type(*gptr());
        }
        // Bounded all the same, so that a parser that never stops ends the run with a finding.
        if (!m_endlessTail || m_tailServed > 64 * 1024 * 1024)
            return traits_type::eof();
        setg(m_filler.data(), m_filler.data(), m_filler.data() + m_filler.size());
        m_tailServed += m_filler.size();
        return traits_type::to_int_type(*gptr());
    }

private:
    std::string_view m_text;
    std::size_t m_piece;
    bool m_endlessTail;
    std::size_t m_offset = 0;
    std::string m_filler = "# more\n# and more\n";
    std::size_t m_tailServed = 0;
};

TValues Parse(std::string_view text, std::size_t piece, std::span<const std::string_view> names)
{
    TPiecewiseBuffer buffer(text, piece, false);
    std::istream in(&buffer);
    return ParseSettingsValues(in, names);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size == 0)
        return 0;
    static constexpr std::array<std::string_view, 5> AllNames{"Name1", "Name2", "Name3", "Name4", "Title"};
    std::vector<std::string_view> names;
    for (std::size_t i = 0; i < AllNames.size() && names.size() < 4; ++i) {
        if (data[0] & (1U << i))
            names.push_back(AllNames[i]);
    }
    const std::string_view text(reinterpret_cast<const char*>(data + 1), size - 1);

    const TValues whole = Parse(text, text.size() + 1, names);
    Check(whole.size() == names.size(), "one result per name");
    for (const std::optional<std::string>& value : whole) {
        if (!value)
            continue;
        const std::optional<std::size_t> codePoints = Utf8CodePointCount(*value);
        Check(codePoints.has_value(), "a value read is valid UTF-8");
        Check(*codePoints <= MaxSettingsValueCodePoints, "a value read has at most 259 code points");
        Check(value->find('\0') == std::string::npos, "a value read holds no zero byte");
    }
    Check(Parse(text, 1, names) == whole, "the result does not depend on the stream's pieces");

    // Each name on a line of its own after the text: from there on nothing more is needed.
    std::string complete(text);
    complete += '\n';
    for (const std::string_view name : names) {
        complete += name;
        complete += "=x\n";
    }
    TPiecewiseBuffer buffer(complete, 4096, true);
    std::istream in(&buffer);
    ParseSettingsValues(in, names);
    Check(buffer.TailServed() <= 16 * 1024 + 64, "reading stops once every name has been seen");
    return 0;
}
