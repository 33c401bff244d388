#pragma once

#include <array>
#include <bit>
#include <cstddef>
#include <cstdint>

#if defined(__SSE2__) || defined(_M_X64)
#include <emmintrin.h>
#endif

namespace textmend::internal {

// Finds, in order, the places of any of a few given bytes in a text. It looks at 64
// bytes at a time and remembers what it saw, so finding many close places (every line
// break, every period) costs little more than one pass over the text.
template <std::size_t N>
class ByteFinder {
  public:
    ByteFinder(const char* data, std::size_t size, std::array<char, N> bytes)
        : data_(data), size_(size), bytes_(bytes) {}

    // The first place at or after from that holds one of the bytes; the text's size
    // when there is none. from must never decrease from one call to the next, and the
    // bytes from it on must not have changed since the first call.
    std::size_t Next(std::size_t from) {
        if (from >= size_) {
            return size_;
        }
        const std::size_t base = from - from % kBlock;
        if (base != base_) {
            base_ = base;
            found_ = FoundIn(base_);
        }
        std::uint64_t found = found_ & (~std::uint64_t{0} << (from - base_));
        while (found == 0) {
            base_ += kBlock;
            if (base_ >= size_) {
                return size_;
            }
            found_ = FoundIn(base_);
            found = found_;
        }
        return base_ + static_cast<std::size_t>(std::countr_zero(found));
    }

  private:
    static constexpr std::size_t kBlock = 64;

    // Bit i is set when data_[base + i] is one of the bytes.
    std::uint64_t FoundIn(std::size_t base) const {
        if (size_ - base < kBlock) {
            std::uint64_t found = 0;
            for (std::size_t i = 0; base + i < size_; ++i) {
                found |= std::uint64_t{IsOneOf(data_[base + i])} << i;
            }
            return found;
        }
#if defined(__SSE2__) || defined(_M_X64)
        __m128i wanted[N];
        for (std::size_t i = 0; i < N; ++i) {
            wanted[i] = _mm_set1_epi8(bytes_[i]);
        }
        std::uint64_t found = 0;
        for (std::size_t part = 0; part < kBlock / 16; ++part) {
            const __m128i bytes =
                _mm_loadu_si128(reinterpret_cast<const __m128i*>(data_ + base + part * 16));
            __m128i same = _mm_cmpeq_epi8(bytes, wanted[0]);
            for (std::size_t i = 1; i < N; ++i) {
                same = _mm_or_si128(same, _mm_cmpeq_epi8(bytes, wanted[i]));
            }
            found |= std::uint64_t{static_cast<std::uint16_t>(_mm_movemask_epi8(same))}
                     << (part * 16);
        }
        return found;
#else
        std::uint64_t found = 0;
        for (std::size_t i = 0; i < kBlock; ++i) {
            found |= std::uint64_t{IsOneOf(data_[base + i])} << i;
        }
        return found;
#endif
    }

    bool IsOneOf(char c) const {
        for (char byte : bytes_) {
            if (c == byte) {
                return true;
            }
        }
        return false;
    }

    const char* data_;
    std::size_t size_;
    std::array<char, N> bytes_;
    // The block last looked at, and what was found in it. No block starts at the size
    // of the address space, so the first call always looks.
    std::size_t base_ = ~std::size_t{0};
    std::uint64_t found_ = 0;
};

// The place of the last byte in data's first size bytes, or size when there is none;
// sixteen bytes at a time from the end, so a long stretch without it costs little.
inline std::size_t FindLast(const char* data, std::size_t size, char byte) {
    std::size_t end = size;
#if defined(__SSE2__) || defined(_M_X64)
    const __m128i wanted = _mm_set1_epi8(byte);
    for (; end >= 16; end -= 16) {
        const __m128i bytes = _mm_loadu_si128(reinterpret_cast<const __m128i*>(data + end - 16));
        const auto found = static_cast<unsigned>(_mm_movemask_epi8(_mm_cmpeq_epi8(bytes, wanted)));
        if (found != 0) {
            return end - 16 + static_cast<std::size_t>(std::bit_width(found)) - 1;
        }
    }
#endif
    while (end > 0) {
        if (data[--end] == byte) {
            return end;
        }
    }
    return size;
}

}  // namespace textmend::internal
