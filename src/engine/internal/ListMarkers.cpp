// Keep list items: what counts as a list item's marker.
#include <array>

#include "engine/internal/CleanupSteps.h"

namespace textmend::internal {
namespace {

constexpr std::array<std::string_view, 11> kBullets = {
    "\u2022", "\u25E6", "\u25AA", "\u2023", "\u2043", "\u00B7", "*", "+", "-", "\u2013", "\u2014",
};

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

bool IsAsciiLetter(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

// How many digits, one to three, begin text; 0 when text begins with none or more.
std::size_t LeadingNumberLength(std::string_view text) {
    std::size_t length = 0;
    while (length < text.size() && IsDigit(text[length])) {
        ++length;
    }
    return length <= 3 ? length : 0;
}

// The length of the marker line begins with, without the space after it; 0 for none.
std::size_t MarkerLength(std::string_view line) {
    for (std::string_view bullet : kBullets) {
        if (line.starts_with(bullet)) {
            return bullet.size();
        }
    }
    const std::size_t number = LeadingNumberLength(line);
    if (number != 0) {
        return number < line.size() && (line[number] == '.' || line[number] == ')') ? number + 1
                                                                                    : 0;
    }
    if (line.size() >= 2 && IsAsciiLetter(line[0]) && line[1] == ')') {
        return 2;
    }
    if (line.starts_with('(')) {
        const std::string_view inside = line.substr(1);
        std::size_t length = LeadingNumberLength(inside);
        if (length == 0 && !inside.empty() && IsAsciiLetter(inside[0])) {
            length = 1;
        }
        return length != 0 && length < inside.size() && inside[length] == ')' ? length + 2 : 0;
    }
    return 0;
}

}  // namespace

bool StartsWithListMarker(std::string_view line) {
    const std::size_t marker = MarkerLength(line);
    return marker != 0 && marker < line.size() && (line[marker] == ' ' || line[marker] == '\t');
}

}  // namespace textmend::internal
