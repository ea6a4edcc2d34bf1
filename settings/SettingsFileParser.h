#pragma once

#include <cstddef>
#include <istream>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

// Longest line that is looked at in full, line end excluded. A readable value has at most
// 259 code points of up to four bytes each, so this leaves ample room for the name, blanks
// and quotes while no line of unbounded length is ever held in memory.
inline constexpr std::size_t MaxSettingsLineBytes = 4096;

// Longest readable value, in Unicode code points: the registry holds at most 259 characters
// of Windows-1251, one byte each, and every such character is one code point.
inline constexpr std::size_t MaxSettingsValueCodePoints = 259;

// Reads the values of `names` from settings text: UTF-8, one "Name=value" a line, LF or
// CR LF line ends, a leading byte order mark allowed. Empty lines, lines beginning with '#',
// ';' or '[' (comments and section headers) and lines without '=' are ignored.
//
// The name is the text before the first '=', without surrounding blanks (spaces and tabs),
// matched ASCII-case-insensitively; only its first line counts. The value is the text after
// the first '=' without surrounding blanks, or, when that text begins and ends with a double
// quote, exactly the text between the two quotes. There are no escapes.
//
// The result holds one entry per name, in order: nullopt where the name is missing or its
// value cannot be read (not UTF-8, holding a zero byte, longer than 259 code points, or on a
// line longer than MaxSettingsLineBytes). Reading stops as soon as every name has been seen.
// Any input gives a defined result; a failing stream ends the text (the caller may check
// in.bad()).
std::vector<std::optional<std::string>> ParseSettingsValues(std::istream& in,
                                                            std::span<const std::string_view> names);
