#include "x11/SelectionText.h"

#include <algorithm>

#include "engine/Utf8.h"

namespace textmend {
namespace {

std::size_t AsciiRun(std::string_view bytes, std::size_t pos) {
    std::size_t end = pos;
    while (end < bytes.size() && static_cast<unsigned char>(bytes[end]) < 0x80) {
        ++end;
    }
    return end - pos;
}

// Whether bytes are UTF-8 throughout, every sequence well formed.
bool WellFormedUtf8(std::string_view bytes) {
    for (std::size_t pos = 0; pos < bytes.size();) {
        const std::size_t ascii = AsciiRun(bytes, pos);
        if (ascii > 0) {
            pos += ascii;
            continue;
        }
        const std::size_t length = DecodeAt(bytes, pos).length;
        if (length == 0) {
            return false;
        }
        pos += length;
    }
    return true;
}

}  // namespace

std::vector<std::size_t> TextTargetOrder(std::span<const std::uint32_t> candidates,
                                         const std::optional<std::vector<std::uint32_t>>& offered) {
    std::vector<std::size_t> order;
    for (std::size_t i = 0; i < candidates.size(); ++i) {
        if (!offered ||
            std::find(offered->begin(), offered->end(), candidates[i]) != offered->end()) {
            order.push_back(i);
        }
    }
    return order;
}

std::string SelectionTextToUtf8(std::string owned, TextEncoding encoding) {
    if (!owned.empty() && owned.back() == '\0') {
        owned.pop_back();
    }
    if (encoding == TextEncoding::Utf8 && WellFormedUtf8(owned)) {
        return owned;
    }
    const std::string_view bytes = owned;
    std::string text;
    text.reserve(bytes.size());
    char encoded[4];
    for (std::size_t pos = 0; pos < bytes.size();) {
        const std::size_t ascii = AsciiRun(bytes, pos);
        if (ascii > 0) {
            text.append(bytes, pos, ascii);
            pos += ascii;
            continue;
        }
        const auto byte = static_cast<unsigned char>(bytes[pos]);
        if (encoding == TextEncoding::Latin1) {
            text.append(encoded, EncodeTo(encoded, byte));
            ++pos;
            continue;
        }
        const DecodedChar decoded = DecodeAt(bytes, pos);
        if (decoded.length == 0) {
            text.append(encoded, EncodeTo(encoded, U'\uFFFD'));
            ++pos;
            continue;
        }
        text.append(bytes, pos, decoded.length);
        pos += decoded.length;
    }
    return text;
}

std::string Utf8ToLatin1(std::string_view text) {
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

}  // namespace textmend
