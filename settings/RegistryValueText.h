#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

// The buffer a registry value is queried into: a value is read only if its data, the
// terminating zero byte included, fits, which allows strings of up to 259 characters.
inline constexpr std::size_t RegistryValueBufferSize = 260;
using TRegistryValueBuffer = std::array<char, RegistryValueBufferSize>;

// The ANSI code page of the system's texts on its target systems.
inline constexpr unsigned Windows1251CodePage = 1251;

// The text of a value that a successful query left in the buffer, converted to UTF-8.
// dataSize is the data length the query reported. The text ends at the first zero byte
// within that data, or with the data itself: the buffer is shared by several queries, so
// bytes beyond the data may be left over from a longer earlier value and are never taken.
// nullopt when the data fills the whole buffer without a zero byte (a string of 260
// characters or more) or when the code page cannot be converted.
std::optional<std::string> RegistryValueText(const TRegistryValueBuffer& buffer, std::size_t dataSize,
                                             unsigned codePage);

// Converts text of an ANSI code page to UTF-8. Windows converts through the system for any
// code page it knows; elsewhere only Windows-1251 is known, so the conversion can be tested
// without Windows. Bytes the code page leaves undefined become the C1 control characters of
// the same number, as Windows' own tables have it.
std::optional<std::string> AnsiToUtf8(std::string_view text, unsigned codePage);
