#pragma once

#include <bit>
#include <cstddef>
#include <cstdint>
#include <cstring>

namespace textmend::detail {

// Eight bytes handled at once as one 64-bit word. The byte classes below are exact
// for words whose bytes are all ASCII (below 0x80): each marks the matching bytes by
// setting their high bit and nothing else.
using AsciiBlock = std::uint64_t;

inline constexpr AsciiBlock kEveryByte = 0x0101010101010101ull;
inline constexpr AsciiBlock kHighBits = 0x8080808080808080ull;
inline constexpr bool kLittleEndian = std::endian::native == std::endian::little;

inline AsciiBlock LoadBlock(const char* p) {
    AsciiBlock block;
    std::memcpy(&block, p, sizeof block);
    return block;
}

inline void StoreBlock(char* p, AsciiBlock block) {
    std::memcpy(p, &block, sizeof block);
}

inline bool IsAsciiBlock(AsciiBlock block) {
    return (block & kHighBits) == 0;
}

// How many bytes, in text order, come before the first non-ASCII byte of a block
// that holds one.
inline std::size_t LeadingAsciiBytes(AsciiBlock block) {
    const AsciiBlock high = block & kHighBits;
    if constexpr (kLittleEndian) {
        return static_cast<std::size_t>(std::countr_zero(high)) / 8;
    } else {
        return static_cast<std::size_t>(std::countl_zero(high)) / 8;
    }
}

// Bytes from lo to hi inclusive (hi < 0x80).
inline AsciiBlock BytesInRange(AsciiBlock block, unsigned char lo, unsigned char hi) {
    const AsciiBlock atLeastLo = block + kEveryByte * (0x80u - lo);
    const AsciiBlock aboveHi = block + kEveryByte * (0x7Fu - hi);
    return atLeastLo & ~aboveHi & kHighBits;
}

// Flips the case of the marked letters: upper and lower case differ in bit 0x20.
inline AsciiBlock FlipCase(AsciiBlock block, AsciiBlock marked) {
    return block ^ (marked >> 2);
}

inline AsciiBlock UpperBlock(AsciiBlock block) {
    return FlipCase(block, BytesInRange(block, 'a', 'z'));
}

inline AsciiBlock LowerBlock(AsciiBlock block) {
    return FlipCase(block, BytesInRange(block, 'A', 'Z'));
}

}  // namespace textmend::detail
