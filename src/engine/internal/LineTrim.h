#pragma once

#include <string_view>

namespace textmend::internal {

// The leading tabs of text removed, as a view into it.
inline std::string_view WithoutLeadingTabs(std::string_view text) {
    const std::size_t first = text.find_first_not_of('\t');
    return first == std::string_view::npos ? std::string_view{} : text.substr(first);
}

// The spaces at both ends removed, then the leading tabs, as a view into line.
inline std::string_view TrimmedLine(std::string_view line) {
    const std::size_t first = line.find_first_not_of(' ');
    if (first == std::string_view::npos) {
        return {};
    }
    const std::size_t last = line.find_last_not_of(' ');
    return WithoutLeadingTabs(line.substr(first, last - first + 1));
}

}  // namespace textmend::internal
