#pragma once

#include <cstddef>
#include <cstdint>
#include <iterator>

namespace textmend::internal {

// A two-stage table of code point deltas: index[c >> kCaseBlockBits] picks a block
// of deltas, and the block's entry for c is added to c. Code points past the last
// block map to themselves.
inline constexpr unsigned kCaseBlockBits = 7;

struct CaseTable {
    const std::uint16_t* index;
    std::size_t indexSize;
    const std::int32_t* deltas;
};

extern const CaseTable kUpperTable;
extern const CaseTable kLowerTable;

inline char32_t MapCodePoint(const CaseTable& table, char32_t c) {
    const std::size_t block = c >> kCaseBlockBits;
    if (block >= table.indexSize) {
        return c;
    }
    const std::size_t entry =
        (std::size_t{table.index[block]} << kCaseBlockBits) | (c & ((1u << kCaseBlockBits) - 1));
    return static_cast<char32_t>(static_cast<std::int64_t>(c) + table.deltas[entry]);
}

}  // namespace textmend::internal
