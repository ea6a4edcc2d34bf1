#include "SettingsFileParser.h"

#include "Utf8.h"

#include <algorithm>
#include <array>

namespace {

constexpr std::string_view ByteOrderMark = "\xEF\xBB\xBF";

bool IsBlank(char c)
{
    return c == ' ' || c == '\t';
}

std::string_view TrimBlanks(std::string_view text)
{
    while (!text.empty() && IsBlank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && IsBlank(text.back()))
        text.remove_suffix(1);
    return text;
}

char ToAsciiLower(char c)
{
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

// Value names are matched as the registry matches them, ignoring ASCII case only.
bool NamesMatch(std::string_view a, std::string_view b)
{
    return std::ranges::equal(a, b, [](char x, char y) { return ToAsciiLower(x) == ToAsciiLower(y); });
}

std::optional<std::string> ReadableValue(std::string_view rawValue)
{
    std::string_view value = TrimBlanks(rawValue);
    if (value.size() >= 2 && value.front() == '"' && value.back() == '"')
        value = value.substr(1, value.size() - 2);
    if (value.find('\0') != std::string_view::npos)
        return std::nullopt;
    const std::optional<std::size_t> codePoints = Utf8CodePointCount(value);
    if (!codePoints || *codePoints > MaxSettingsValueCodePoints)
        return std::nullopt;
    return std::string(value);
}

class TSettingsLineReader
{
public:
    explicit TSettingsLineReader(std::span<const std::string_view> names)
        : m_names(names), m_values(names.size()), m_seen(names.size(), false)
    {
        m_line.reserve(MaxSettingsLineBytes);
    }

    bool AllSeen() const { return m_seenCount == m_names.size(); }

    void Feed(char c)
    {
        if (c == '\n') {
            EndLine();
        } else if (m_line.size() < MaxSettingsLineBytes) {
            m_line += c;
        } else {
            m_lineTooLong = true;
        }
    }

    void EndText()
    {
        if (!m_line.empty() || m_lineTooLong)
            EndLine();
    }

    std::vector<std::optional<std::string>> TakeValues() { return std::move(m_values); }

private:
    void EndLine()
    {
        std::string_view line = m_line;
        if (m_firstLine && line.starts_with(ByteOrderMark))
            line.remove_prefix(ByteOrderMark.size());
        if (!m_lineTooLong && line.ends_with('\r'))
            line.remove_suffix(1);
        TakeLine(line);
        m_line.clear();
        m_lineTooLong = false;
        m_firstLine = false;
    }

    void TakeLine(std::string_view line)
    {
        const std::string_view content = TrimBlanks(line);
        if (content.empty() || content.front() == '#' || content.front() == ';' || content.front() == '[')
            return;
        const std::size_t equals = content.find('=');
        if (equals == std::string_view::npos)
            return;
        const std::string_view name = TrimBlanks(content.substr(0, equals));
        for (std::size_t i = 0; i < m_names.size(); ++i) {
            if (m_seen[i] || !NamesMatch(name, m_names[i]))
                continue;
            m_seen[i] = true;
            ++m_seenCount;
            // The kept start of an over-long line still names its setting, so that setting is
            // taken as present but unreadable rather than left to a later line of the same name.
            if (!m_lineTooLong)
                m_values[i] = ReadableValue(content.substr(equals + 1));
        }
    }

    std::span<const std::string_view> m_names;
    std::vector<std::optional<std::string>> m_values;
    std::vector<bool> m_seen;
    std::size_t m_seenCount = 0;
    std::string m_line;
    bool m_lineTooLong = false;
    bool m_firstLine = true;
};

} // namespace

std::vector<std::optional<std::string>> ParseSettingsValues(std::istream& in,
                                                            std::span<const std::string_view> names)
{
    TSettingsLineReader reader(names);
    std::array<char, 16 * 1024> chunk;
    while (!reader.AllSeen() && in) {
        in.read(chunk.data(), chunk.size());
        const auto count = static_cast<std::size_t>(in.gcount());
        for (std::size_t i = 0; i < count && !reader.AllSeen(); ++i)
            reader.Feed(chunk[i]);
    }
    if (!reader.AllSeen())
        reader.EndText();
    return reader.TakeValues();
}
