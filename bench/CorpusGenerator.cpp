#include "CorpusGenerator.h"

#include <array>
#include <string_view>

namespace textmend::bench {
namespace {

// splitmix64: small, fast and the same on every platform, unlike the standard
// library's distributions.
class Random {
  public:
    explicit Random(std::uint64_t seed) : state_(seed) {}

    std::uint64_t Next() {
        std::uint64_t z = (state_ += 0x9E3779B97F4A7C15ull);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
        return z ^ (z >> 31);
    }
    // A number from 0 to bound - 1.
    std::size_t Below(std::size_t bound) { return static_cast<std::size_t>(Next() % bound); }
    // True percent times out of a hundred.
    bool Chance(unsigned percent) { return Below(100) < percent; }

  private:
    std::uint64_t state_;
};

constexpr std::array<std::string_view, 64> kPlainWords = {
    "the",     "a",        "of",     "to",      "and",    "in",       "is",     "it",
    "that",    "for",      "on",     "we",      "was",    "with",     "as",     "be",
    "this",    "have",     "from",   "by",      "not",    "but",      "what",   "all",
    "were",    "when",     "can",    "there",   "an",     "your",     "which",  "their",
    "meeting", "draft",    "review", "printer", "budget", "schedule", "thanks", "please",
    "report",  "morning",  "friday", "version", "office", "question", "answer", "team",
    "project", "deadline", "room",   "files",   "cover",  "send",     "noon",   "quarter",
    "minutes", "agenda",   "I",      "Sam",     "Dana",   "3rd",      "e.g.",   "2026"};

// Accented Latin, Greek and Cyrillic, one in roughly twenty words.
constexpr std::array<std::string_view, 16> kForeignWords = {
    "café",  "naïve", "über",     "Straße", "größer", "façade",  "élan", "déjà",
    "λόγος", "Αθήνα", "καλημέρα", "москва", "привет", "спасибо", "Öl",   "ÇA"};

constexpr std::array<std::string_view, 4> kQuotePrefixes = {"> ", "> > ", ">> ", "  > "};

constexpr std::size_t kWrapColumn = 72;

class CorpusWriter {
  public:
    CorpusWriter(std::size_t size, std::uint64_t seed) : random_(seed) {
        text_.reserve(size + 256);
    }

    std::string Write(std::size_t size) {
        while (text_.size() < size) {
            Paragraph();
            BlankLines();
        }
        // Cut back to the last line break that fits.
        const std::size_t end = text_.rfind("\r\n", size >= 2 ? size - 2 : 0);
        text_.resize(end == std::string::npos ? 0 : end + 2);
        return std::move(text_);
    }

  private:
    void Paragraph() {
        const bool quoted = random_.Chance(25);
        prefix_ = quoted ? kQuotePrefixes[random_.Below(kQuotePrefixes.size())] : "";
        StartLine();
        const std::size_t sentences = 2 + random_.Below(6);
        for (std::size_t s = 0; s < sentences; ++s) {
            Sentence(s + 1 == sentences);
        }
        EndLine();
    }

    void Sentence(bool last) {
        const std::size_t words = 4 + random_.Below(12);
        const bool capitalised = random_.Chance(70);
        for (std::size_t w = 0; w < words; ++w) {
            std::string word(random_.Chance(5) ? kForeignWords[random_.Below(kForeignWords.size())]
                                               : kPlainWords[random_.Below(kPlainWords.size())]);
            if (w == 0 && capitalised && word[0] >= 'a' && word[0] <= 'z') {
                word[0] = static_cast<char>(word[0] - 'a' + 'A');
            }
            if (w + 1 == words) {
                word += random_.Chance(80) ? "." : (random_.Chance(50) ? "?" : "!");
            } else if (random_.Chance(8)) {
                word += ",";
            }
            Word(word);
        }
        if (!last) {
            // Most writers of such mail put two spaces after a period, some three.
            pendingSpaces_ = random_.Chance(60) ? (random_.Chance(10) ? 3 : 2) : 1;
        }
    }

    void Word(const std::string& word) {
        if (lineLength_ + pendingSpaces_ + word.size() > kWrapColumn &&
            lineLength_ > prefix_.size()) {
            // Some lines keep a trailing space where they were wrapped.
            if (random_.Chance(10)) {
                text_ += ' ';
            }
            EndLine();
            StartLine();
        } else {
            text_.append(pendingSpaces_, ' ');
            lineLength_ += pendingSpaces_;
        }
        pendingSpaces_ = 1;
        text_ += word;
        lineLength_ += word.size();
    }

    void StartLine() {
        text_ += prefix_;
        lineLength_ = prefix_.size();
        pendingSpaces_ = 0;
    }

    void EndLine() { text_ += "\r\n"; }

    void BlankLines() {
        const std::size_t count = random_.Chance(80) ? 1 : 2 + random_.Below(2);
        for (std::size_t i = 0; i < count; ++i) {
            if (random_.Chance(10)) {
                text_ += random_.Chance(50) ? "  " : "\t";
            }
            text_ += "\r\n";
        }
    }

    Random random_;
    std::string text_;
    std::string_view prefix_;
    std::size_t lineLength_ = 0;
    std::size_t pendingSpaces_ = 0;
};

}  // namespace

std::string GenerateCorpus(std::size_t size, std::uint64_t seed) {
    return CorpusWriter(size, seed).Write(size);
}

}  // namespace textmend::bench
