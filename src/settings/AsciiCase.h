#pragma once

#include <algorithm>
#include <string_view>

namespace textmend {

// Stored words compare in ASCII only: std::tolower follows the locale, and in a
// Turkish one "TRUE" would not lower to "true".
constexpr bool SameAsciiWord(std::string_view a, std::string_view b) {
    constexpr auto lower = [](char c) {
        return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
    };
    return std::ranges::equal(a, b, [lower](char x, char y) { return lower(x) == lower(y); });
}

}  // namespace textmend
