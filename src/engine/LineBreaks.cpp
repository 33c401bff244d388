#include "engine/LineBreaks.h"

#include <algorithm>
#include <bit>
#include <cstdint>
#include <cstring>

#if defined(__SSE2__) || defined(_M_X64)
#include <emmintrin.h>
#endif

#include "engine/internal/ByteFinder.h"

namespace textmend {

namespace {

constexpr std::string_view kCrLf = "\r\n";

// Appends text to out with every byte for which replacement(pos) gives something else
// than the byte itself replaced by that; only the places of byte are asked.
template <class Replacement>
void AppendReplacing(std::string_view text, char byte, std::string& out, Replacement replacement) {
    internal::ByteFinder<1> found(text.data(), text.size(), {byte});
    std::size_t copied = 0;
    for (std::size_t pos = found.Next(0); pos < text.size(); pos = found.Next(pos + 1)) {
        const std::string_view replaced = replacement(pos);
        if (replaced.size() == 1 && replaced[0] == byte) {
            continue;
        }
        out.append(text.substr(copied, pos - copied));
        out.append(replaced);
        copied = pos + 1;
    }
    out.append(text.substr(copied));
}

bool CrLfAt(std::string_view text, std::size_t cr) {
    return cr + 1 < text.size() && text[cr + 1] == '\n';
}

// The conversions to and from the engine's form run over whole texts, so they look at
// kBlock bytes at once. In the masks, bit i stands for the byte at block[i].
constexpr std::size_t kBlock = 16;

#if defined(__SSE2__) || defined(_M_X64)

__m128i Load(const char* at) {
    return _mm_loadu_si128(reinterpret_cast<const __m128i*>(at));
}

unsigned MaskOf(__m128i marked) {
    return static_cast<unsigned>(_mm_movemask_epi8(marked));
}

// The LFs in the block that do not follow a CR; block[-1] must be readable.
unsigned LoneLfMask(const char* block) {
    const __m128i lfs = _mm_cmpeq_epi8(Load(block), _mm_set1_epi8('\n'));
    const __m128i afterCr = _mm_cmpeq_epi8(Load(block - 1), _mm_set1_epi8('\r'));
    return MaskOf(_mm_andnot_si128(afterCr, lfs));
}

// The CRs in the block that an LF follows; block[kBlock] must be readable.
unsigned CrLfMask(const char* block) {
    const __m128i crs = _mm_cmpeq_epi8(Load(block), _mm_set1_epi8('\r'));
    const __m128i beforeLf = _mm_cmpeq_epi8(Load(block + 1), _mm_set1_epi8('\n'));
    return MaskOf(_mm_and_si128(crs, beforeLf));
}

// Copies the block at from to to; the two may overlap.
void MoveBlock(char* to, const char* from) {
    _mm_storeu_si128(reinterpret_cast<__m128i*>(to), Load(from));
}

#else

unsigned LoneLfMask(const char* block) {
    unsigned mask = 0;
    for (std::size_t i = 0; i < kBlock; ++i) {
        mask |= unsigned{block[i] == '\n' && block[i - 1] != '\r'} << i;
    }
    return mask;
}

unsigned CrLfMask(const char* block) {
    unsigned mask = 0;
    for (std::size_t i = 0; i < kBlock; ++i) {
        mask |= unsigned{block[i] == '\r' && block[i + 1] == '\n'} << i;
    }
    return mask;
}

void MoveBlock(char* to, const char* from) {
    std::memmove(to, from, kBlock);
}

#endif

// Copies count bytes, no fewer than a Word's, as their first and their last Word, both
// read before either is written, so the two places may overlap.
template <class Word>
void MoveByEnds(char* to, const char* from, std::size_t count) {
    Word head;
    Word tail;
    std::memcpy(&head, from, sizeof head);
    std::memcpy(&tail, from + count - sizeof tail, sizeof tail);
    std::memcpy(to, &head, sizeof head);
    std::memcpy(to + count - sizeof tail, &tail, sizeof tail);
}

// Copies fewer than kBlock bytes from from to to, without a call; the two may overlap.
inline void MoveShort(char* to, const char* from, std::size_t count) {
    if (count >= 8) {
        MoveByEnds<std::uint64_t>(to, from, count);
    } else if (count >= 4) {
        MoveByEnds<std::uint32_t>(to, from, count);
    } else if (count > 0) {
        const char first = from[0];
        const char middle = from[count / 2];
        const char last = from[count - 1];
        to[0] = first;
        to[count / 2] = middle;
        to[count - 1] = last;
    }
}

bool LoneLfAt(const char* data, std::size_t lf) {
    return data[lf] == '\n' && (lf == 0 || data[lf - 1] != '\r');
}

std::size_t CountLoneLfs(const char* data, std::size_t size) {
    std::size_t count = 0;
    std::size_t at = 0;
    for (; at < std::min<std::size_t>(size, 1); ++at) {
        count += LoneLfAt(data, at) ? 1 : 0;
    }
    for (; at + kBlock <= size; at += kBlock) {
        // Most blocks hold no lone LF, few more than one.
        for (unsigned lone = LoneLfMask(data + at); lone != 0; lone &= lone - 1) {
            ++count;
        }
    }
    for (; at < size; ++at) {
        count += LoneLfAt(data, at) ? 1 : 0;
    }
    return count;
}

}  // namespace

std::string ToEngineLineBreaks(std::string text) {
    const std::size_t size = text.size();
    std::size_t shift = CountLoneLfs(text.data(), size);
    if (shift == 0) {
        return text;
    }
    text.resize(size + shift);
    char* const data = text.data();
    // From the end: every byte moves up by the number of lone LFs up to it, which leaves
    // the room for their CRs. What is written lies above what is still to be read, and
    // a block is read whole before it is written.
    std::size_t r = size;  // the bytes from here on are in their places
    while (shift > 0) {
        const unsigned lone = r > kBlock ? LoneLfMask(data + r - kBlock) : 0;
        if (r > kBlock && lone == 0) {
            MoveBlock(data + r - kBlock + shift, data + r - kBlock);
            r -= kBlock;
            continue;
        }
        const std::size_t lf =
            r > kBlock ? r - kBlock + std::bit_width(lone) - 1 : internal::FindLast(data, r, '\n');
        MoveShort(data + lf + 1 + shift, data + lf + 1, r - lf - 1);
        if (!LoneLfAt(data, lf)) {
            // A CR LF near the start, where the blocks are not looked at.
            data[lf + shift] = '\n';
            r = lf;
            continue;
        }
        data[lf + shift] = '\n';
        data[lf + shift - 1] = '\r';
        --shift;
        r = lf;
    }
    return text;
}

std::string ToUnixLineBreaks(std::string text) {
    // Only ever drops bytes, so what is kept moves towards the front, behind what is
    // still to be read, and a block is read whole before it is written.
    char* const data = text.data();
    const std::size_t size = text.size();
    std::size_t w = 0;
    std::size_t r = 0;
    while (r + kBlock < size) {
        const unsigned crLfs = CrLfMask(data + r);
        if (crLfs == 0) {
            if (w != r) {
                MoveBlock(data + w, data + r);
            }
            w += kBlock;
            r += kBlock;
            continue;
        }
        const std::size_t cr = r + static_cast<std::size_t>(std::countr_zero(crLfs));
        MoveShort(data + w, data + r, cr - r);
        w += cr - r;
        r = cr + 1;
    }
    for (; r < size; ++r) {
        if (!(data[r] == '\r' && CrLfAt(text, r))) {
            data[w++] = data[r];
        }
    }
    text.resize(w);
    return text;
}

std::string ToLfLineBreaks(std::string_view text) {
    std::string result;
    result.reserve(text.size());
    AppendReplacing(text, '\r', result, [&](std::size_t cr) {
        return CrLfAt(text, cr) ? std::string_view() : std::string_view("\n");
    });
    return result;
}

std::string ToCrLfLineBreaks(std::string_view text) {
    std::string result;
    result.reserve(text.size() + text.size() / 32);
    AppendReplacing(text, '\r', result, [&](std::size_t cr) {
        return CrLfAt(text, cr) ? std::string_view("\r") : kCrLf;
    });
    return result;
}

}  // namespace textmend
