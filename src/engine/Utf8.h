#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace textmend {

// One well-formed UTF-8 sequence: its code point and its length in bytes. A length
// of 0 means the byte at that position starts no well-formed sequence.
struct DecodedChar {
    char32_t codePoint;
    std::size_t length;
};

// Decodes the sequence at text[pos] (pos < text.size()), accepting only the
// well-formed forms: no overlong forms, no surrogates, nothing above U+10FFFF.
inline DecodedChar DecodeAt(std::string_view text, std::size_t pos) {
    const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[pos + i]); };
    const unsigned lead = byte(0);
    if (lead < 0x80) {
        return {lead, 1};
    }
    const std::size_t left = text.size() - pos;
    const auto tail = [&](std::size_t i, unsigned lo = 0x80, unsigned hi = 0xBF) {
        return i < left && byte(i) >= lo && byte(i) <= hi;
    };
    if (lead >= 0xC2 && lead <= 0xDF) {
        if (tail(1)) {
            return {((lead & 0x1Fu) << 6) | (byte(1) & 0x3Fu), 2};
        }
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        const unsigned lo = lead == 0xE0 ? 0xA0 : 0x80;
        const unsigned hi = lead == 0xED ? 0x9F : 0xBF;
        if (tail(1, lo, hi) && tail(2)) {
            return {((lead & 0x0Fu) << 12) | ((byte(1) & 0x3Fu) << 6) | (byte(2) & 0x3Fu), 3};
        }
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        const unsigned lo = lead == 0xF0 ? 0x90 : 0x80;
        const unsigned hi = lead == 0xF4 ? 0x8F : 0xBF;
        if (tail(1, lo, hi) && tail(2) && tail(3)) {
            return {((lead & 0x07u) << 18) | ((byte(1) & 0x3Fu) << 12) | ((byte(2) & 0x3Fu) << 6) |
                        (byte(3) & 0x3Fu),
                    4};
        }
    }
    return {0, 0};
}

// Writes the UTF-8 form of c (a Unicode scalar value) to out and returns its length.
inline std::size_t EncodeTo(char* out, char32_t c) {
    if (c < 0x80) {
        out[0] = static_cast<char>(c);
        return 1;
    }
    if (c < 0x800) {
        out[0] = static_cast<char>(0xC0 | (c >> 6));
        out[1] = static_cast<char>(0x80 | (c & 0x3F));
        return 2;
    }
    if (c < 0x10000) {
        out[0] = static_cast<char>(0xE0 | (c >> 12));
        out[1] = static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out[2] = static_cast<char>(0x80 | (c & 0x3F));
        return 3;
    }
    out[0] = static_cast<char>(0xF0 | (c >> 18));
    out[1] = static_cast<char>(0x80 | ((c >> 12) & 0x3F));
    out[2] = static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    out[3] = static_cast<char>(0x80 | (c & 0x3F));
    return 4;
}

inline constexpr std::size_t kMaxUtf8Length = 4;

}  // namespace textmend
