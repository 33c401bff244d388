// The operations that work on the whole text in memory.
#include <cstring>

#include "engine/ByteFinder.h"
#include "engine/CaseConversion.h"
#include "engine/PipelineOps.h"
#include "engine/TextOps.h"
#include "engine/Utf8.h"

namespace textmend {

namespace {

// The sentence ends ".", "?" and "!".
using SentenceEndFinder = detail::ByteFinder<3>;

SentenceEndFinder FindSentenceEnds(const std::string& text) {
    return SentenceEndFinder(text.data(), text.size(), {'.', '?', '!'});
}

bool IsAsciiLetter(unsigned char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

}  // namespace

namespace detail {

void TrimEndInPlace(std::string& temp) {
    std::size_t end = temp.size();
    while (end >= 2 && temp[end - 2] == '\r' && temp[end - 1] == '\n') {
        end -= 2;
    }
    temp.resize(end);
}

void CapitaliseSentencesInPlace(std::string& temp) {
    // Works in place. The only non-ASCII letters whose upper-case form is a plain capital
    // (dotless i, long s) are longer than that capital, so the text can only shrink:
    // what is written (at w) never overtakes what is still to be read (at r).
    char* const data = temp.data();
    const std::size_t size = temp.size();
    SentenceEndFinder sentenceEnds = FindSentenceEnds(temp);
    std::size_t r = 0;
    std::size_t w = 0;
    const auto keepUpTo = [&](std::size_t end) {
        if (w != r) {
            std::memmove(data + w, data + r, end - r);
        }
        w += end - r;
        r = end;
    };
    const auto capitalise = [&](char32_t capital, std::size_t length) {
        data[w++] = static_cast<char>(capital);
        r += length;
    };

    bool atSentenceStart = true;
    while (r < size) {
        if (!atSentenceStart) {
            keepUpTo(sentenceEnds.Next(r));
            if (r < size) {
                keepUpTo(r + 1);
                atSentenceStart = true;
            }
            continue;
        }
        const auto byte = static_cast<unsigned char>(data[r]);
        if (byte < 0x80) {
            if (IsAsciiLetter(byte)) {
                capitalise(UpperOf(byte), 1);
                atSentenceStart = false;
            } else {
                keepUpTo(r + 1);
            }
            continue;
        }
        const detail::DecodedChar decoded = detail::DecodeAt(temp, r);
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

void RemoveDoubleSpacesInPlace(std::string& temp) {
    // Only ever removes bytes, so what is kept moves towards the front, behind what is
    // still to be read; the periods ahead are never touched before they are found.
    char* const data = temp.data();
    const std::size_t size = temp.size();
    detail::ByteFinder<1> periods(data, size, {'.'});
    std::size_t w = 0;
    std::size_t kept = 0;  // bytes from here on are still to be kept or dropped
    const auto keepUpTo = [&](std::size_t end) {
        if (w != kept) {
            std::memmove(data + w, data + kept, end - kept);
        }
        w += end - kept;
    };
    std::size_t pos = 0;
    while ((pos = periods.Next(pos)) < size) {
        std::size_t spacesEnd = pos + 1;
        while (spacesEnd < size && data[spacesEnd] == ' ') {
            ++spacesEnd;
        }
        if (spacesEnd - pos > 2) {
            // Keep the period and its first space; drop the rest of the run.
            keepUpTo(pos + 2);
            kept = spacesEnd;
        }
        pos = spacesEnd;
    }
    keepUpTo(size);
    temp.resize(w);
}

}  // namespace detail

std::string trimCR(std::string& temp) {
    detail::TrimEndInPlace(temp);
    return temp;
}

std::string Sentence(std::string& temp) {
    detail::CapitaliseSentencesInPlace(temp);
    return temp;
}

std::string remDblspc(const std::string& temp) {
    std::string result = temp;
    detail::RemoveDoubleSpacesInPlace(result);
    return result;
}

}  // namespace textmend
