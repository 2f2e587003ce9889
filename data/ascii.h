#pragma once

// Letter case by the ASCII rules alone, the same in every locale. The element texts are ASCII,
// and the C library's rules follow the locale: under a Turkish one "i" upper-cases to "i" and
// "I" lower-cases to "I", which broke Find and put every name starting with I first.

#include <algorithm>
#include <string>
#include <string_view>

namespace Ascii {

constexpr char upper(char c)
{
    return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
}

constexpr char lower(char c)
{
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

// The text with its ASCII letters upper-cased; every other byte is left alone.
inline std::string upper(std::string_view text)
{
    std::string result(text);
    std::transform(result.begin(), result.end(), result.begin(), [](char c) { return upper(c); });
    return result;
}

// Whether a comes before b when letter case is ignored.
inline bool lessIgnoringCase(std::string_view a, std::string_view b)
{
    return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
        return static_cast<unsigned char>(lower(x)) < static_cast<unsigned char>(lower(y));
    });
}

} // namespace Ascii
