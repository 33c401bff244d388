#include "wayland/OfferText.h"

#include <algorithm>

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
    return type.encoding == TextEncoding::Utf8 ? std::string(text) : Utf8ToLatin1(text);
}

bool MarkReadsSecret(std::string_view mark) {
    while (!mark.empty() && (mark.back() == '\0' || mark.back() == '\n' || mark.back() == ' ')) {
        mark.remove_suffix(1);
    }
    return mark == "secret";
}

}  // namespace textmend
