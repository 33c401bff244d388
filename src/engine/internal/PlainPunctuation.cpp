// Plain punctuation.
#include "engine/Utf8.h"
#include "engine/internal/ByteFinder.h"
#include "engine/internal/CleanupSteps.h"
#include "engine/internal/TextRewriter.h"

namespace textmend::internal {
namespace {

// The plain form of a typographic character, empty for every other one. Each plain
// form is no longer than the character's UTF-8 form.
std::string_view PlainFormOf(char32_t c) {
    switch (c) {
        case 0x201C:
        case 0x201D:
        case 0x201E:
        case 0x201F:
        case 0x2033:
        case 0x00AB:
        case 0x00BB:
            return "\"";
        case 0x2018:
        case 0x2019:
        case 0x201A:
        case 0x201B:
        case 0x2032:
        case 0x2039:
        case 0x203A:
            return "'";
        case 0x2010:
        case 0x2011:
        case 0x2012:
        case 0x2013:
        case 0x2212:
            return "-";
        case 0x2014:
        case 0x2015:
            return "--";
        case 0x2026:
            return "...";
        case 0x00A0:
        case 0x2007:
        case 0x202F:
        case 0x205F:
            return " ";
        default:
            return c >= 0x2000 && c <= 0x200A ? " " : "";
    }
}

}  // namespace

void PlainPunctuationInPlace(std::string& text) {
    const std::string_view source = text;
    TextRewriter rewriter(text.data(), text.data());
    // The lead bytes of every character changed: U+00A0 to U+00BF, U+2000 to U+22FF.
    ByteFinder<2> leads(source.data(), source.size(), {'\xC2', '\xE2'});
    std::size_t pos = leads.Next(0);
    while (pos < source.size()) {
        rewriter.KeepUpTo(pos);
        const DecodedChar decoded = DecodeAt(source, pos);
        const std::string_view plain = PlainFormOf(decoded.codePoint);
        if (decoded.length != 0 && !plain.empty()) {
            rewriter.SkipTo(pos + decoded.length);
            rewriter.Put(plain);
        } else {
            rewriter.KeepUpTo(pos + 1);
        }
        pos = leads.Next(rewriter.read());
    }
    rewriter.KeepUpTo(source.size());
    text.resize(rewriter.written());
}

}  // namespace textmend::internal
