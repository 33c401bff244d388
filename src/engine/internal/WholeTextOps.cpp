// The operations that work on the whole text in memory.
#include <cstring>

#include "engine/CaseConversion.h"
#include "engine/Utf8.h"
#include "engine/internal/AsciiBlock.h"
#include "engine/internal/ByteFinder.h"
#include "engine/internal/PipelineOps.h"

namespace textmend::internal {

namespace {

bool IsAsciiLetter(unsigned char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

// The finder of the places a sentence pass stops at: the sentence ends ".", "?" and "!"
// when it capitalises, the periods alone when it only shrinks spaces.
template <bool kCapitalise>
auto StopsOf(const std::string& text) {
    if constexpr (kCapitalise) {
        return ByteFinder<3>(text.data(), text.size(), {'.', '?', '!'});
    } else {
        return ByteFinder<1>(text.data(), text.size(), {'.'});
    }
}

// No dbl spaces (kShrinkSpaces: of two or more spaces after a period, one is kept) and
// Cap sentences (kCapitalise: the first letter with a plain capital after the start
// and after every sentence end becomes that capital), one pass for either or both,
// with the result of running the first, then the second.
//
// Works in place. Both only ever shorten the text: the only non-ASCII letters whose
// upper-case form is a plain capital (dotless i, long s) are longer than that capital.
// So what is written (at w) never overtakes what is still to be read (at r), and the
// stops ahead are never touched before they are found.
template <bool kShrinkSpaces, bool kCapitalise>
void SentencePass(std::string& temp) {
    char* const data = temp.data();
    const std::size_t size = temp.size();
    auto stops = StopsOf<kCapitalise>(temp);
    std::size_t r = 0;
    std::size_t w = 0;
    const auto keepUpTo = [&](std::size_t end) {
        if (w != r) {
            std::memmove(data + w, data + r, end - r);
        }
        w += end - r;
        r = end;
    };
    // After a period just kept.
    const auto shrinkSpaces = [&] {
        std::size_t spacesEnd = r;
        while (spacesEnd < size && data[spacesEnd] == ' ') {
            ++spacesEnd;
        }
        if (spacesEnd - r >= 2) {
            keepUpTo(r + 1);
            r = spacesEnd;
        }
    };
    const auto keepByte = [&] {
        const char byte = data[r];
        keepUpTo(r + 1);
        if (kShrinkSpaces && byte == '.') {
            shrinkSpaces();
        }
    };
    const auto capitalise = [&](char32_t capital, std::size_t length) {
        data[w++] = static_cast<char>(capital);
        r += length;
    };

    bool atSentenceStart = kCapitalise;
    while (r < size) {
        if (!atSentenceStart) {
            keepUpTo(stops.Next(r));
            if (r < size) {
                keepByte();
                atSentenceStart = kCapitalise;
            }
            continue;
        }
        const auto byte = static_cast<unsigned char>(data[r]);
        if (byte < 0x80) {
            if (IsAsciiLetter(byte)) {
                capitalise(UpperAscii(byte), 1);
                atSentenceStart = false;
            } else {
                keepByte();
            }
            continue;
        }
        const DecodedChar decoded = DecodeAt(temp, r);
        if (decoded.length == 0) {
            keepUpTo(r + 1);
            continue;
        }
        const char32_t upper = UpperOf(decoded.codePoint);
        if (upper >= 'A' && upper <= 'Z') {
            capitalise(upper, decoded.length);
            atSentenceStart = false;
        } else {
            keepUpTo(r + decoded.length);
        }
    }
    temp.resize(w);
}

}  // namespace

void TrimEndInPlace(std::string& temp) {
    std::size_t end = temp.size();
    while (end >= 2 && temp[end - 2] == '\r' && temp[end - 1] == '\n') {
        end -= 2;
    }
    temp.resize(end);
}

void CapitaliseSentencesInPlace(std::string& temp) {
    SentencePass<false, true>(temp);
}

void RemoveDoubleSpacesInPlace(std::string& temp) {
    SentencePass<true, false>(temp);
}

void RemoveDoubleSpacesThenCapitaliseInPlace(std::string& temp) {
    SentencePass<true, true>(temp);
}

}  // namespace textmend::internal
