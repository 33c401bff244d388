#include "wayland/OfferText.h"

#include <algorithm>

#include "engine/Utf8.h"

namespace textmend {

std::optional<std::size_t> BestTextType(std::span<const std::string> offered) {
    for (std::size_t i = 0; i < std::size(kOfferTextTypes); ++i) {
        if (std::find(offered.begin(), offered.end(), kOfferTextTypes[i].name) != offered.end()) {
            return i;
        }
    }
    return std::nullopt;
}

std::string TextAsType(std::string_view text, const TextType& type) {
    if (type.encoding == TextEncoding::Utf8) {
        return std::string(text);
    }
    std::string latin1;
    latin1.reserve(text.size());
    for (std::size_t pos = 0; pos < text.size();) {
        const DecodedChar decoded = DecodeAt(text, pos);
        latin1 += decoded.length != 0 && decoded.codePoint <= 0xFF
                      ? static_cast<char>(decoded.codePoint)
                      : '?';
        pos += std::max<std::size_t>(decoded.length, 1);
    }
    return latin1;
}

bool MarkReadsSecret(std::string_view mark) {
    while (!mark.empty() && (mark.back() == '\0' || mark.back() == '\n' || mark.back() == ' ')) {
        mark.remove_suffix(1);
    }
    return mark == "secret";
}

}  // namespace textmend
