// Remove invisible.
#include <bit>

#include "engine/internal/CleanupSteps.h"
#include "engine/internal/Letters.h"
#include "engine/internal/TextRewriter.h"

#if defined(__SSE2__) || defined(_M_X64)
#include <emmintrin.h>
#endif

namespace textmend::internal {
namespace {

constexpr unsigned char kTwoByteLead = 0xC2;  // U+0080 to U+00BF: the C1 controls, SHY
constexpr unsigned char kPunctuationLead = 0xE2;
constexpr unsigned char kSpecialsLead = 0xEF;  // U+FEFF

bool MayBeginRemoval(unsigned char byte) {
    return (byte < 0x20 && byte != '\t' && byte != '\n' && byte != '\r') || byte == 0x7F ||
           byte == kTwoByteLead || byte == kPunctuationLead || byte == kSpecialsLead;
}

// The first place at or after from whose byte may begin a character to remove.
std::size_t NextCandidate(std::string_view text, std::size_t from) {
#if defined(__SSE2__) || defined(_M_X64)
    const auto is = [](__m128i bytes, unsigned char value) {
        return _mm_cmpeq_epi8(bytes, _mm_set1_epi8(static_cast<char>(value)));
    };
    for (; from + 16 <= text.size(); from += 16) {
        const __m128i bytes = _mm_loadu_si128(reinterpret_cast<const __m128i*>(text.data() + from));
        const __m128i controls = _mm_cmpeq_epi8(_mm_min_epu8(bytes, _mm_set1_epi8(0x1F)), bytes);
        const __m128i allowed =
            _mm_or_si128(_mm_or_si128(is(bytes, '\t'), is(bytes, '\n')), is(bytes, '\r'));
        const __m128i leads =
            _mm_or_si128(_mm_or_si128(is(bytes, 0x7F), is(bytes, kTwoByteLead)),
                         _mm_or_si128(is(bytes, kPunctuationLead), is(bytes, kSpecialsLead)));
        const auto found = static_cast<unsigned>(
            _mm_movemask_epi8(_mm_or_si128(_mm_andnot_si128(allowed, controls), leads)));
        if (found != 0) {
            return from + static_cast<std::size_t>(std::countr_zero(found));
        }
    }
#endif
    while (from < text.size() && !MayBeginRemoval(static_cast<unsigned char>(text[from]))) {
        ++from;
    }
    return from;
}

// The length of the character at pos when it is removed outright, else 0: the format
// characters, DEL, the C0 controls but tab, LF and CR, the C1 controls.
std::size_t RemovedLength(std::string_view text, std::size_t pos) {
    const auto byte = [&](std::size_t i) {
        return pos + i < text.size() ? static_cast<unsigned char>(text[pos + i]) : 0u;
    };
    const unsigned lead = byte(0);
    if (lead < 0x20) {
        return lead == '\t' || lead == '\n' || lead == '\r' ? 0 : 1;
    }
    if (lead == 0x7F) {
        return 1;
    }
    if (lead == kTwoByteLead) {
        return byte(1) >= 0x80 && byte(1) <= 0x9F ? 2 : 0;
    }
    if (lead == kPunctuationLead && byte(1) == 0x80) {
        // U+200B; U+202A to U+202E
        return byte(2) == 0x8B || (byte(2) >= 0xAA && byte(2) <= 0xAE) ? 3 : 0;
    }
    if (lead == kPunctuationLead && byte(1) == 0x81) {
        // U+2060; U+2066 to U+2069
        return byte(2) == 0xA0 || (byte(2) >= 0xA6 && byte(2) <= 0xA9) ? 3 : 0;
    }
    return lead == kSpecialsLead && byte(1) == 0xBB && byte(2) == 0xBF ? 3 : 0;
}

bool IsSoftHyphen(std::string_view text, std::size_t pos) {
    return text[pos] == static_cast<char>(kTwoByteLead) && pos + 1 < text.size() &&
           text[pos + 1] == '\xAD';
}

// Past the characters removed outright from pos on.
std::size_t SkipRemoved(std::string_view text, std::size_t pos) {
    while (pos < text.size()) {
        const std::size_t length = RemovedLength(text, pos);
        if (length == 0) {
            break;
        }
        pos += length;
    }
    return pos;
}

// Past the spaces and tabs from pos on, and the characters removed among them.
std::size_t SkipBlanks(std::string_view text, std::size_t pos) {
    pos = SkipRemoved(text, pos);
    while (pos < text.size() && (text[pos] == ' ' || text[pos] == '\t')) {
        pos = SkipRemoved(text, pos + 1);
    }
    return pos;
}

// Where the letter that ends the word a soft hyphen splits at a line break begins,
// when the soft hyphen ends at pos and splits one; 0 when it does not. The characters
// removed outright in between count as gone already.
std::size_t JoinedLetterAfter(std::string_view text, std::size_t pos) {
    pos = SkipBlanks(text, pos);
    if (pos == text.size() || text[pos] != '\r') {
        return 0;
    }
    pos = SkipRemoved(text, pos + 1);
    if (pos < text.size() && text[pos] == '\n') {
        ++pos;
    }
    pos = SkipBlanks(text, pos);
    if (pos == text.size() || LetterBeginningAt(text, pos).kind == LetterKind::None) {
        return 0;
    }
    return pos;
}

}  // namespace

void RemoveInvisibleInPlace(std::string& text) {
    const std::string_view source = text;
    TextRewriter rewriter(text.data(), text.data());
    // Where the result ended after the last soft hyphen left out: a soft hyphen right
    // after another follows no letter.
    std::size_t afterSoftHyphen = std::string::npos;
    std::size_t pos = NextCandidate(source, 0);
    while (pos < source.size()) {
        rewriter.KeepUpTo(pos);
        if (const std::size_t length = RemovedLength(source, pos)) {
            rewriter.SkipTo(pos + length);
        } else if (IsSoftHyphen(source, pos)) {
            const std::size_t written = rewriter.written();
            const bool afterLetter =
                written != afterSoftHyphen &&
                LetterEndingAt(std::string_view(rewriter.target(), written), written).kind !=
                    LetterKind::None;
            const std::size_t joined = afterLetter ? JoinedLetterAfter(source, pos + 2) : 0;
            rewriter.SkipTo(joined != 0 ? joined : pos + 2);
            afterSoftHyphen = written;
        } else {
            rewriter.KeepUpTo(pos + 1);
        }
        pos = NextCandidate(source, rewriter.read());
    }
    rewriter.KeepUpTo(source.size());
    text.resize(rewriter.written());
}

}  // namespace textmend::internal
