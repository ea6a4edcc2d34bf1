#pragma once

#include <cstdio>
#include <cstdlib>
#include <string_view>

// A property that failed ends the run with a crash, which libFuzzer reports with the input that
// caused it; the offending text, when given, is printed byte for byte.
[[noreturn]] inline void Fail(const char* property, std::string_view text = {})
{
    std::fprintf(stderr, "property violated: %s\n", property);
    if (!text.empty()) {
        std::fprintf(stderr, "text (%zu bytes): ", text.size());
        for (const char c : text)
            std::fprintf(stderr, "\\x%02X", static_cast<unsigned char>(c));
        std::fputc('\n', stderr);
    }
    std::abort();
}

inline void Check(bool holds, const char* property, std::string_view text = {})
{
    if (!holds)
        Fail(property, text);
}
