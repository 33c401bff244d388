#include "engine/CaseConversion.h"

#include "engine/AsciiBlock.h"
#include "engine/CaseTables.h"
#include "engine/LargeBuffer.h"
#include "engine/PipelineOps.h"
#include "engine/Utf8.h"

namespace textmend {

char32_t UpperOf(char32_t c) {
    if (c < 0x80) {
        return c >= 'a' && c <= 'z' ? c - ('a' - 'A') : c;
    }
    return detail::MapCodePoint(detail::kUpperTable, c);
}

char32_t LowerOf(char32_t c) {
    if (c < 0x80) {
        return c >= 'A' && c <= 'Z' ? c + ('a' - 'A') : c;
    }
    return detail::MapCodePoint(detail::kLowerTable, c);
}

namespace {

using detail::AsciiBlock;

bool IsWordSeparator(char32_t c) {
    return c == 0 || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r' || c == ' ';
}

struct UpperPolicy {
    AsciiBlock Block(AsciiBlock block) { return detail::UpperBlock(block); }
    char32_t Map(char32_t c) { return UpperOf(c); }
    void PassInvalidByte() {}
};

struct LowerPolicy {
    AsciiBlock Block(AsciiBlock block) { return detail::LowerBlock(block); }
    char32_t Map(char32_t c) { return LowerOf(c); }
    void PassInvalidByte() {}
};

// Upper case at the start of a word, lower case elsewhere. An invalid byte counts as
// a character of its word.
struct ProperPolicy {
    bool atWordStart = true;

    AsciiBlock Block(AsciiBlock block) {
        using namespace detail;
        const AsciiBlock lowered = LowerBlock(block);
        const AsciiBlock separators = BytesInRange(block, '\t', '\r') | BytesInRange(block, 0, 0) |
                                      BytesInRange(block, ' ', ' ');
        // A byte starts a word when the byte before it, in text order, is a separator.
        AsciiBlock starts;
        if constexpr (kLittleEndian) {
            starts = (separators << 8) | (atWordStart ? 0x80u : 0u);
            atWordStart = (separators >> 63) != 0;
        } else {
            starts = (separators >> 8) | (atWordStart ? AsciiBlock{1} << 63 : 0u);
            atWordStart = (separators & 0x80u) != 0;
        }
        return FlipCase(lowered, starts & BytesInRange(lowered, 'a', 'z'));
    }

    char32_t Map(char32_t c) {
        const char32_t mapped = atWordStart ? UpperOf(c) : LowerOf(c);
        atWordStart = IsWordSeparator(c);
        return mapped;
    }

    void PassInvalidByte() { atWordStart = false; }
};

// Runs of eight ASCII bytes go through policy.Block at once; everything else one code
// point (or one invalid byte) at a time. A mapping may change a character's length in
// bytes, so the output grows on demand.
template <class Policy>
void Convert(const std::string& temp, Policy& policy, std::string& out) {
    const std::size_t size = temp.size();
    const char* in = temp.data();
    detail::PrepareBuffer(out, size);
    out.resize(size);
    std::size_t r = 0;
    std::size_t w = 0;
    while (r < size) {
        if (size - r >= sizeof(AsciiBlock)) {
            const AsciiBlock block = detail::LoadBlock(in + r);
            if (detail::IsAsciiBlock(block)) {
                detail::StoreBlock(out.data() + w, policy.Block(block));
                r += sizeof(AsciiBlock);
                w += sizeof(AsciiBlock);
                continue;
            }
            // The ASCII bytes in front of the first other one, without decoding each.
            for (std::size_t n = detail::LeadingAsciiBytes(block); n > 0; --n) {
                out[w++] = static_cast<char>(policy.Map(static_cast<unsigned char>(in[r++])));
            }
        }
        if (out.size() - w < (size - r) + detail::kMaxUtf8Length) {
            out.resize(out.size() + size / 8 + 64);
        }
        const detail::DecodedChar decoded = detail::DecodeAt(temp, r);
        if (decoded.length == 0) {
            policy.PassInvalidByte();
            out[w++] = in[r++];
            continue;
        }
        w += detail::EncodeTo(out.data() + w, policy.Map(decoded.codePoint));
        r += decoded.length;
    }
    out.resize(w);
}

}  // namespace

namespace detail {

void ToUpperInto(const std::string& temp, std::string& out) {
    UpperPolicy policy;
    Convert(temp, policy, out);
}

void ToLowerInto(const std::string& temp, std::string& out) {
    LowerPolicy policy;
    Convert(temp, policy, out);
}

void ToProperInto(const std::string& temp, std::string& out) {
    ProperPolicy policy;
    Convert(temp, policy, out);
}

}  // namespace detail

std::string ToUpper(const std::string& temp) {
    std::string out;
    detail::ToUpperInto(temp, out);
    return out;
}

std::string ToLower(const std::string& temp) {
    std::string out;
    detail::ToLowerInto(temp, out);
    return out;
}

std::string ToProper(const std::string& temp) {
    std::string out;
    detail::ToProperInto(temp, out);
    return out;
}

}  // namespace textmend
