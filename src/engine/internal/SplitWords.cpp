// Join split words.
#include "engine/internal/ByteFinder.h"
#include "engine/internal/CleanupSteps.h"
#include "engine/internal/LargeBuffer.h"
#include "engine/internal/Letters.h"
#include "engine/internal/TextRewriter.h"

namespace textmend::internal {
namespace {

constexpr std::string_view kHyphenMinus = "-";
constexpr std::string_view kHyphen = "\u2010";

// Where the hyphen that ends text begins, or npos when text ends in none.
std::size_t HyphenBefore(std::string_view text) {
    if (text.ends_with(kHyphenMinus)) {
        return text.size() - kHyphenMinus.size();
    }
    return text.ends_with(kHyphen) ? text.size() - kHyphen.size() : std::string_view::npos;
}

// Where the letters in front of end in text begin.
std::size_t StartOfLettersBefore(std::string_view text, std::size_t end) {
    for (LetterAt letter = LetterEndingAt(text, end); letter.kind != LetterKind::None;
         letter = LetterEndingAt(text, end)) {
        end -= letter.length;
    }
    return end;
}

// Where the letters from pos on in text end.
std::size_t EndOfLettersAt(std::string_view text, std::size_t pos) {
    while (pos < text.size()) {
        const LetterAt letter = LetterBeginningAt(text, pos);
        if (letter.kind == LetterKind::None) {
            break;
        }
        pos += letter.length;
    }
    return pos;
}

// Whether the hyphen between two known words stays because the word they make is not
// known ("well-known", not "com-puter").
bool HyphenJoinsKnownWords(const WordList& words, std::string_view left, std::string_view right) {
    if (!words.Known(left) || !words.Known(right)) {
        return false;
    }
    std::string joined;
    joined.reserve(left.size() + right.size());
    joined.append(left).append(right);
    return !words.Known(joined);
}

class SplitWordJoiner {
  public:
    SplitWordJoiner(std::string_view source, char* target, const WordList* words)
        : source_(source), rewriter_(source.data(), target), words_(words) {}

    // Returns the size of the result.
    std::size_t Run() {
        ByteFinder<1> breaks(source_.data(), source_.size(), {'\r'});
        for (std::size_t pos = breaks.Next(0); pos < source_.size();
             pos = breaks.Next(rewriter_.read())) {
            rewriter_.KeepUpTo(pos);
            if (!JoinAt(pos)) {
                rewriter_.KeepUpTo(pos + 1);
            }
        }
        rewriter_.KeepUpTo(source_.size());
        return rewriter_.written();
    }

  private:
    // Joins the words around the line break at pos (the result so far ends in front of
    // it); whether there were two to join.
    bool JoinAt(std::size_t pos) {
        const std::string_view before(rewriter_.target(), rewriter_.written());
        const std::size_t hyphenEnd = StartOfBlanksBefore(before.data(), before.size());
        const std::size_t hyphen = HyphenBefore(before.substr(0, hyphenEnd));
        if (hyphen == std::string_view::npos) {
            return false;
        }
        const LetterKind first = LetterEndingAt(before, hyphen).kind;
        if (first == LetterKind::None) {
            return false;
        }
        std::size_t next = pos + 1;
        if (next < source_.size() && source_[next] == '\n') {
            ++next;
        }
        next = EndOfBlanksAt(source_, next);
        if (next == source_.size()) {
            return false;
        }
        const LetterKind second = LetterBeginningAt(source_, next).kind;
        if (second == LetterKind::None) {
            return false;
        }
        bool dropHyphen = second == LetterKind::Lower ||
                          (first == LetterKind::Upper && second == LetterKind::Upper);
        if (dropHyphen && words_ != nullptr) {
            const std::size_t leftStart = StartOfLettersBefore(before, hyphen);
            dropHyphen =
                !HyphenJoinsKnownWords(*words_, before.substr(leftStart, hyphen - leftStart),
                                       source_.substr(next, EndOfLettersAt(source_, next) - next));
        }
        rewriter_.CutBackTo(dropHyphen ? hyphen : hyphenEnd);
        rewriter_.SkipTo(next);
        return true;
    }

    std::string_view source_;
    TextRewriter rewriter_;
    const WordList* words_;
};

}  // namespace

void JoinSplitWords(std::string& text, const WordList* words, std::string& spare) {
    if (words == nullptr) {
        text.resize(SplitWordJoiner(text, text.data(), nullptr).Run());
        return;
    }
    // A word list may fail halfway: the result goes into spare until it is complete.
    PrepareBuffer(spare, text.size(), text.size());
    spare.resize(text.size());
    spare.resize(SplitWordJoiner(text, spare.data(), words).Run());
    text.swap(spare);
}

}  // namespace textmend::internal
