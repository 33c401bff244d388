#pragma once

#include <bit>
#include <cstddef>

#if defined(__SSE2__) || defined(_M_X64)
#include <emmintrin.h>
#define TEXTMEND_SSE2 1
#endif

namespace textmend::internal {

// Case conversion of ASCII bytes, one at a time and kAsciiBlock at once. The block
// functions give exactly what the one-byte functions give for every byte of a block
// that is all ASCII (below 0x80); they use SSE2 where the target has it, which every
// x86-64 processor does.
inline constexpr std::size_t kAsciiBlock = 16;

constexpr unsigned char UpperAscii(unsigned char c) {
    return static_cast<unsigned char>(c ^ (static_cast<unsigned char>(c - 'a') < 26 ? 0x20 : 0));
}

constexpr unsigned char LowerAscii(unsigned char c) {
    return static_cast<unsigned char>(c ^ (static_cast<unsigned char>(c - 'A') < 26 ? 0x20 : 0));
}

// NUL, tab, LF, VT, FF, CR and space: what separates words for Proper case. No byte of
// a longer UTF-8 sequence, nor any invalid byte, is one.
constexpr bool IsWordSeparatorByte(unsigned char c) {
    return c == 0 || c == ' ' || static_cast<unsigned char>(c - '\t') <= '\r' - '\t';
}

#ifdef TEXTMEND_SSE2

// How many of the kAsciiBlock bytes at p come before the first non-ASCII one
// (kAsciiBlock when all are ASCII).
inline std::size_t LeadingAsciiBytes(const unsigned char* p) {
    const __m128i bytes = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p));
    const auto high = static_cast<unsigned>(_mm_movemask_epi8(bytes));
    return static_cast<std::size_t>(std::countr_zero(high | (1u << kAsciiBlock)));
}

inline bool IsAsciiBlock(const unsigned char* p) {
    return _mm_movemask_epi8(_mm_loadu_si128(reinterpret_cast<const __m128i*>(p))) == 0;
}

namespace sse2 {

// The bytes from lo to hi, each as 0xFF, the others as 0. Exact for every byte: the
// comparisons are signed, so non-ASCII bytes count as negative and fall outside.
inline __m128i InRange(__m128i bytes, char lo, char hi) {
    return _mm_and_si128(_mm_cmpgt_epi8(bytes, _mm_set1_epi8(static_cast<char>(lo - 1))),
                         _mm_cmplt_epi8(bytes, _mm_set1_epi8(static_cast<char>(hi + 1))));
}

// Flips bit 0x20, the case bit of an ASCII letter, of the marked bytes.
inline __m128i FlipCase(__m128i bytes, __m128i marked) {
    return _mm_xor_si128(bytes, _mm_and_si128(marked, _mm_set1_epi8(0x20)));
}

inline __m128i Load(const unsigned char* p) {
    return _mm_loadu_si128(reinterpret_cast<const __m128i*>(p));
}

inline void Store(unsigned char* p, __m128i bytes) {
    _mm_storeu_si128(reinterpret_cast<__m128i*>(p), bytes);
}

}  // namespace sse2

inline void UpperAsciiBlock(const unsigned char* in, unsigned char* out) {
    const __m128i bytes = sse2::Load(in);
    sse2::Store(out, sse2::FlipCase(bytes, sse2::InRange(bytes, 'a', 'z')));
}

inline void LowerAsciiBlock(const unsigned char* in, unsigned char* out) {
    const __m128i bytes = sse2::Load(in);
    sse2::Store(out, sse2::FlipCase(bytes, sse2::InRange(bytes, 'A', 'Z')));
}

// Proper case: a letter after a word separator upper case, every other letter lower
// case. in[-1], the byte before the block, must be readable; it may be any byte.
inline void ProperAsciiBlock(const unsigned char* in, unsigned char* out) {
    const __m128i bytes = sse2::Load(in);
    const __m128i before = sse2::Load(in - 1);
    const __m128i lowered = sse2::FlipCase(bytes, sse2::InRange(bytes, 'A', 'Z'));
    const __m128i separators =
        _mm_or_si128(_mm_or_si128(_mm_cmpeq_epi8(before, _mm_setzero_si128()),
                                  _mm_cmpeq_epi8(before, _mm_set1_epi8(' '))),
                     sse2::InRange(before, '\t', '\r'));
    const __m128i starts = _mm_and_si128(separators, sse2::InRange(lowered, 'a', 'z'));
    sse2::Store(out, sse2::FlipCase(lowered, starts));
}

#else

inline std::size_t LeadingAsciiBytes(const unsigned char* p) {
    std::size_t n = 0;
    while (n < kAsciiBlock && p[n] < 0x80) {
        ++n;
    }
    return n;
}

inline bool IsAsciiBlock(const unsigned char* p) {
    return LeadingAsciiBytes(p) == kAsciiBlock;
}

inline void UpperAsciiBlock(const unsigned char* in, unsigned char* out) {
    for (std::size_t i = 0; i < kAsciiBlock; ++i) {
        out[i] = UpperAscii(in[i]);
    }
}

inline void LowerAsciiBlock(const unsigned char* in, unsigned char* out) {
    for (std::size_t i = 0; i < kAsciiBlock; ++i) {
        out[i] = LowerAscii(in[i]);
    }
}

inline void ProperAsciiBlock(const unsigned char* in, unsigned char* out) {
    for (std::size_t i = 0; i < kAsciiBlock; ++i) {
        const unsigned char lowered = LowerAscii(in[i]);
        out[i] = IsWordSeparatorByte(in[i - 1]) ? UpperAscii(lowered) : lowered;
    }
}

#endif

}  // namespace textmend::internal
