#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

// The number of code points of a well-formed UTF-8 text; nullopt for anything else
// (stray or missing continuation bytes, overlong forms, surrogates, beyond U+10FFFF).
std::optional<std::size_t> Utf8CodePointCount(std::string_view text);

// Appends the UTF-8 form of a Unicode scalar value.
void AppendUtf8(std::string& text, char32_t codePoint);
