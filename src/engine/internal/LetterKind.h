#pragma once

#include <cstddef>
#include <cstdint>
#include <iterator>

namespace textmend::internal {

// What a code point is as a letter, by its Unicode general category.
enum class LetterKind : std::uint8_t {
    None = 0,   // not a letter
    Lower = 1,  // Ll
    Upper = 2,  // Lu
    Other = 3,  // Lt, Lm, Lo
};

// A two-stage table: index[c >> kLetterBlockBits] picks a block of kinds, one byte a
// code point. Code points past the last block are no letters.
inline constexpr unsigned kLetterBlockBits = 7;

struct LetterTable {
    const std::uint16_t* index;
    std::size_t indexSize;
    const std::uint8_t* kinds;
};

extern const LetterTable kLetterTable;

inline LetterKind LetterKindOf(char32_t c) {
    if (c < 0x80) {
        if (c >= 'a' && c <= 'z') {
            return LetterKind::Lower;
        }
        return c >= 'A' && c <= 'Z' ? LetterKind::Upper : LetterKind::None;
    }
    const std::size_t block = c >> kLetterBlockBits;
    if (block >= kLetterTable.indexSize) {
        return LetterKind::None;
    }
    const std::size_t entry = (std::size_t{kLetterTable.index[block]} << kLetterBlockBits) |
                              (c & ((1u << kLetterBlockBits) - 1));
    return static_cast<LetterKind>(kLetterTable.kinds[entry]);
}

inline bool IsLetter(char32_t c) {
    return LetterKindOf(c) != LetterKind::None;
}

}  // namespace textmend::internal
