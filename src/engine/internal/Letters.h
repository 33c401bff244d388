#pragma once

#include <cstddef>
#include <string_view>

#include "engine/Utf8.h"
#include "engine/internal/LetterKind.h"

namespace textmend::internal {

// A character of a text as a letter: its kind and its length in bytes (0 when the
// bytes there are no well-formed UTF-8; such bytes are no letter).
struct LetterAt {
    LetterKind kind;
    std::size_t length;
};

// The character that begins at pos (pos < text.size()).
inline LetterAt LetterBeginningAt(std::string_view text, std::size_t pos) {
    const DecodedChar decoded = DecodeAt(text, pos);
    return {decoded.length == 0 ? LetterKind::None : LetterKindOf(decoded.codePoint),
            decoded.length};
}

// The character that ends at end in text, none when end is 0 or the bytes before it
// end no well-formed sequence.
inline LetterAt LetterEndingAt(std::string_view text, std::size_t end) {
    for (std::size_t length = 1; length <= kMaxUtf8Length && length <= end; ++length) {
        const auto byte = static_cast<unsigned char>(text[end - length]);
        if ((byte & 0xC0) != 0x80) {
            const LetterAt letter = LetterBeginningAt(text.substr(0, end), end - length);
            return letter.length == length ? letter : LetterAt{LetterKind::None, 0};
        }
    }
    return {LetterKind::None, 0};
}

}  // namespace textmend::internal
