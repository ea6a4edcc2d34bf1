#include "RegistryValueText.h"

#include "Utf8.h"

#include <algorithm>

#ifdef _WIN32
#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>
#endif

std::optional<std::string> RegistryValueText(const TRegistryValueBuffer& buffer, std::size_t dataSize,
                                             unsigned codePage)
{
    const std::string_view data(buffer.data(), std::min(dataSize, buffer.size()));
    const std::size_t zero = data.find('\0');
    if (zero == std::string_view::npos && data.size() == buffer.size())
        return std::nullopt;
    return AnsiToUtf8(data.substr(0, zero), codePage);
}

#ifdef _WIN32

std::optional<std::string> AnsiToUtf8(std::string_view text, unsigned codePage)
{
    if (text.empty())
        return std::string();
    const int byteCount = static_cast<int>(text.size());
    const int wideCount = MultiByteToWideChar(codePage, 0, text.data(), byteCount, nullptr, 0);
    if (wideCount <= 0)
        return std::nullopt;
    std::wstring wide(static_cast<std::size_t>(wideCount), L'\0');
    if (MultiByteToWideChar(codePage, 0, text.data(), byteCount, wide.data(), wideCount) != wideCount)
        return std::nullopt;

    const int utf8Count =
        WideCharToMultiByte(CP_UTF8, 0, wide.data(), wideCount, nullptr, 0, nullptr, nullptr);
    if (utf8Count <= 0)
        return std::nullopt;
    std::string utf8(static_cast<std::size_t>(utf8Count), '\0');
    if (WideCharToMultiByte(CP_UTF8, 0, wide.data(), wideCount, utf8.data(), utf8Count, nullptr, nullptr) !=
        utf8Count)
        return std::nullopt;
    return utf8;
}

#else

namespace {

// Windows-1251 bytes 0x80 to 0xBF; 0xC0 to 0xFF are А to я in alphabetical order, and the
// undefined 0x98 stands for U+0098.
constexpr char16_t Windows1251UpperHalf[64] = {
    u'\u0402', u'\u0403', u'\u201A', u'\u0453', u'\u201E', u'\u2026', u'\u2020', u'\u2021',
    u'\u20AC', u'\u2030', u'\u0409', u'\u2039', u'\u040A', u'\u040C', u'\u040B', u'\u040F',
    u'\u0452', u'\u2018', u'\u2019', u'\u201C', u'\u201D', u'\u2022', u'\u2013', u'\u2014',
    u'\u0098', u'\u2122', u'\u0459', u'\u203A', u'\u045A', u'\u045C', u'\u045B', u'\u045F',
    u'\u00A0', u'\u040E', u'\u045E', u'\u0408', u'\u00A4', u'\u0490', u'\u00A6', u'\u00A7',
    u'\u0401', u'\u00A9', u'\u0404', u'\u00AB', u'\u00AC', u'\u00AD', u'\u00AE', u'\u0407',
    u'\u00B0', u'\u00B1', u'\u0406', u'\u0456', u'\u0491', u'\u00B5', u'\u00B6', u'\u00B7',
    u'\u0451', u'\u2116', u'\u0454', u'\u00BB', u'\u0458', u'\u0405', u'\u0455', u'\u0457',
};

char32_t Windows1251CodePoint(unsigned char byte)
{
    if (byte < 0x80)
        return byte;
    if (byte < 0xC0)
        return Windows1251UpperHalf[byte - 0x80];
    return U'\u0410' + (byte - 0xC0);
}

} // namespace

std::optional<std::string> AnsiToUtf8(std::string_view text, unsigned codePage)
{
    if (codePage != Windows1251CodePage)
        return std::nullopt;
    std::string utf8;
    utf8.reserve(text.size() * 2);
    for (const char c : text)
        AppendUtf8(utf8, Windows1251CodePoint(static_cast<unsigned char>(c)));
    return utf8;
}

#endif
