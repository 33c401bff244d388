#include "engine/CaseConversion.h"

#include <algorithm>
#include <array>
#include <cstring>

#include "engine/Utf8.h"
#include "engine/internal/AsciiBlock.h"
#include "engine/internal/CaseTables.h"
#include "engine/internal/LargeBuffer.h"
#include "engine/internal/PipelineOps.h"

namespace textmend {

char32_t UpperOf(char32_t c) {
    if (c < 0x80) {
        return c >= 'a' && c <= 'z' ? c - ('a' - 'A') : c;
    }
    return internal::MapCodePoint(internal::kUpperTable, c);
}

char32_t LowerOf(char32_t c) {
    if (c < 0x80) {
        return c >= 'A' && c <= 'Z' ? c + ('a' - 'A') : c;
    }
    return internal::MapCodePoint(internal::kLowerTable, c);
}

namespace {

using internal::kAsciiBlock;

// The output grows by about this much at a time, so each piece of it is written while
// it is still in the cache rather than filled with zeros first and overwritten later.
constexpr std::size_t kChunk = std::size_t{16} << 10;

// The most one step of the conversion writes: a block, or one character.
constexpr std::size_t kStepRoom = kAsciiBlock;
static_assert(kStepRoom >= kMaxUtf8Length);

// A word starts at pos when the character before it is a separator; a separator is one
// byte long and never part of a longer sequence, so the byte before pos tells.
bool AtWordStart(const unsigned char* in, std::size_t pos) {
    return pos == 0 || internal::IsWordSeparatorByte(in[pos - 1]);
}

// The converted UTF-8 form of every two-byte character (U+0080 to U+07FF: accented
// Latin, Greek, Cyrillic, ...), looked up by its two bytes: its bytes, then their count
// in the last of the four. None of these characters maps past U+FFFF, so three bytes
// always hold the result (the tests go through every one).
class TwoByteTable {
  public:
    using Entry = std::array<unsigned char, 4>;

    explicit TwoByteTable(char32_t (*map)(char32_t)) {
        for (char32_t c = 0x80; c < 0x800; ++c) {
            Entry& entry = entries_[c - 0x80];
            entry[3] =
                static_cast<unsigned char>(EncodeTo(reinterpret_cast<char*>(entry.data()), map(c)));
        }
    }

    // lead and tail must form a well-formed two-byte sequence.
    const Entry& operator()(unsigned char lead, unsigned char tail) const {
        return entries_[(((lead & 0x1Fu) << 6) | (tail & 0x3Fu)) - 0x80];
    }

  private:
    std::array<Entry, 0x800 - 0x80> entries_{};
};

const TwoByteTable& UpperTwoByteTable() {
    static const TwoByteTable table(UpperOf);
    return table;
}

const TwoByteTable& LowerTwoByteTable() {
    static const TwoByteTable table(LowerOf);
    return table;
}

// Block converts kAsciiBlock ASCII bytes (in[-1] readable); Map converts the code point
// c found at in[pos]; TwoByte gives the table for the two-byte character at in[pos].
struct UpperPolicy {
    const TwoByteTable& table = UpperTwoByteTable();

    static void Block(const unsigned char* in, unsigned char* out) {
        internal::UpperAsciiBlock(in, out);
    }
    static char32_t Map(const unsigned char*, std::size_t, char32_t c) { return UpperOf(c); }
    const TwoByteTable& TwoByte(const unsigned char*, std::size_t) const { return table; }
};

struct LowerPolicy {
    const TwoByteTable& table = LowerTwoByteTable();

    static void Block(const unsigned char* in, unsigned char* out) {
        internal::LowerAsciiBlock(in, out);
    }
    static char32_t Map(const unsigned char*, std::size_t, char32_t c) { return LowerOf(c); }
    const TwoByteTable& TwoByte(const unsigned char*, std::size_t) const { return table; }
};

// Upper case at the start of a word, lower case elsewhere.
struct ProperPolicy {
    const TwoByteTable& upper = UpperTwoByteTable();
    const TwoByteTable& lower = LowerTwoByteTable();

    static void Block(const unsigned char* in, unsigned char* out) {
        internal::ProperAsciiBlock(in, out);
    }
    static char32_t Map(const unsigned char* in, std::size_t pos, char32_t c) {
        return AtWordStart(in, pos) ? UpperOf(c) : LowerOf(c);
    }
    const TwoByteTable& TwoByte(const unsigned char* in, std::size_t pos) const {
        return AtWordStart(in, pos) ? upper : lower;
    }
};

// Runs of kAsciiBlock ASCII bytes go through Policy::Block at once; everything else one
// code point (or one invalid byte, which passes unchanged) at a time. A mapping may
// change a character's length in bytes, so the output is not assumed to keep the
// input's length.
template <class Policy>
void Convert(const std::string& temp, std::string& out) {
    const Policy policy{};
    const auto* const in = reinterpret_cast<const unsigned char*>(temp.data());
    const std::size_t size = temp.size();
    internal::PrepareBuffer(out, size + kStepRoom, size);
    std::size_t r = 0;
    std::size_t w = 0;
    while (r < size) {
        // Each step below starts before limit and writes at most kStepRoom bytes.
        const std::size_t limit = w + std::min(kChunk, size - r);
        out.resize(limit + kStepRoom);
        auto* const o = reinterpret_cast<unsigned char*>(out.data());
        while (w < limit && r < size) {
            if (r > 0 && size - r >= kAsciiBlock) {
                // The whole block is converted; when it is not all ASCII, only its bytes
                // up to the first other one are kept, and the later output overwrites
                // the rest.
                Policy::Block(in + r, o + w);
                if (internal::IsAsciiBlock(in + r)) {
                    r += kAsciiBlock;
                    w += kAsciiBlock;
                    continue;
                }
                const std::size_t ascii = internal::LeadingAsciiBytes(in + r);
                r += ascii;
                w += ascii;
            }
            // Two-byte characters (accented Latin, Greek, Cyrillic, ...) come in runs
            // inside a word: each one right after another goes here at once.
            while (w < limit && size - r >= 2 && in[r] >= 0xC2 && in[r] <= 0xDF &&
                   (in[r + 1] & 0xC0) == 0x80) {
                // All four bytes of the entry go out; those past its count are
                // overwritten by what follows.
                const TwoByteTable::Entry& converted = policy.TwoByte(in, r)(in[r], in[r + 1]);
                std::memcpy(o + w, converted.data(), converted.size());
                w += converted[3];
                r += 2;
            }
            if (w >= limit || r >= size || (in[r] < 0x80 && r > 0 && size - r >= kAsciiBlock)) {
                continue;
            }
            const DecodedChar decoded = DecodeAt(temp, r);
            if (decoded.length == 0) {
                o[w++] = in[r++];
                continue;
            }
            w += EncodeTo(reinterpret_cast<char*>(o + w), Policy::Map(in, r, decoded.codePoint));
            r += decoded.length;
        }
    }
    out.resize(w);
}

}  // namespace

namespace internal {

void ToUpperInto(const std::string& temp, std::string& out) {
    Convert<UpperPolicy>(temp, out);
}

void ToLowerInto(const std::string& temp, std::string& out) {
    Convert<LowerPolicy>(temp, out);
}

void ToProperInto(const std::string& temp, std::string& out) {
    Convert<ProperPolicy>(temp, out);
}

}  // namespace internal

std::string ToUpper(const std::string& temp) {
    std::string out;
    internal::ToUpperInto(temp, out);
    return out;
}

std::string ToLower(const std::string& temp) {
    std::string out;
    internal::ToLowerInto(temp, out);
    return out;
}

std::string ToProper(const std::string& temp) {
    std::string out;
    internal::ToProperInto(temp, out);
    return out;
}

bool EqualIgnoringCase(const std::string& a, const std::string& b) {
    return a == b || ToLower(a) == ToLower(b);
}

}  // namespace textmend
