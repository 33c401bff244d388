// trimCR, Sentence and remDblspc: the operations that work on the whole text.
#include <gtest/gtest.h>

#include <random>
#include <string>

#include "TestSupport.h"
#include "engine/internal/PipelineOps.h"
#include "engine/reference/TextOps.h"

namespace textmend {
namespace {

using test::Repeat;
using namespace std::string_literals;

struct OpCase {
    std::string input;
    std::string expected;
};

TEST(TrimCR, RemovesWholeCrLfPairsAtTheVeryEnd) {
    const OpCase cases[] = {
        {"one\r\n\r\n\r\n", "one"},
        {"one\r\n ", "one\r\n "},
        {"one\r\n\r", "one\r\n\r"},
        {"one\n", "one\n"},
        {"one\r\r\n", "one\r"},
        {"\r\n\r\n", ""},
        {"", ""},
        {"\n\r\n", "\n"},
        {"\r", "\r"},
        {"\n", "\n"},
        {"a\r\nb", "a\r\nb"},
        {"a\0\r\n"s, "a\0"s},
    };
    for (const auto& c : cases) {
        std::string temp = c.input;
        EXPECT_EQ(reference::trimCR(temp), c.expected) << c.input;
        EXPECT_EQ(temp, c.expected) << c.input;
    }
}

TEST(TrimCR, ManyPairs) {
    std::string temp = "x" + Repeat("\r\n", 100000);
    EXPECT_EQ(reference::trimCR(temp), "x");
}

TEST(Sentence, CapitalisesTheFirstPlainLetterOfEachSentence) {
    const OpCase cases[] = {
        {"hello. how are you? fine! ok", "Hello. How are you? Fine! Ok"},
        {"hello\r\nworld", "Hello\r\nworld"},
        {"3 apples. 4 pears", "3 Apples. 4 Pears"},
        {"1st place", "1St place"},
        {"e.g. this", "E.G. This"},
        {"mr. smith", "Mr. Smith"},
        {"wORLD. hELLO", "WORLD. HELLO"},
        {"...and", "...And"},
        {"(hello)", "(Hello)"},
        {"", ""},
        {".", "."},
        {"a.b?c!d", "A.B?C!D"},
        {"Already. Done", "Already. Done"},
        {"\0a.b"s, "\0A.B"s},
    };
    for (const auto& c : cases) {
        std::string temp = c.input;
        EXPECT_EQ(reference::Sentence(temp), c.expected) << c.input;
        EXPECT_EQ(temp, c.expected) << c.input;
    }
}

TEST(Sentence, OnlyLettersWithAPlainCapitalCount) {
    const OpCase cases[] = {
        // Accented, Greek and Cyrillic letters are passed over.
        {"\xc3\xa9lan", "\xc3\xa9Lan"},                                // élan -> éLan
        {"\xce\xb1. \xce\xb2", "\xce\xb1. \xce\xb2"},                  // α. β unchanged
        {"\xd0\xbc\xd0\xb8\xd1\x80 x", "\xd0\xbc\xd0\xb8\xd1\x80 X"},  // мир x -> мир X
        // The Kelvin sign is upper case already and its own upper-case form.
        {"\xe2\x84\xaa"
         "a",
         "\xe2\x84\xaa"
         "A"},
        // Dotless i and long s have I and S as their upper-case forms, so they take
        // the capital, which is one byte shorter.
        {"\xc4\xb1l\xc4\xb1k. \xc5\xbfo", "Il\xc4\xb1k. So"},
        {"a.\xc4\xb1", "A.I"},
        // Invalid bytes are passed over like other non-letters, and kept.
        {"\xff"
         "ab",
         "\xff"
         "Ab"},
        {"\xc3x. \xe2\x82y", "\xc3X. \xe2\x82Y"},
    };
    for (const auto& c : cases) {
        std::string temp = c.input;
        EXPECT_EQ(reference::Sentence(temp), c.expected) << c.input;
        EXPECT_EQ(temp, c.expected) << c.input;
    }
}

TEST(Sentence, HasNoLengthLimit) {
    std::string many = Repeat("a. ", 50000);
    EXPECT_EQ(reference::Sentence(many), Repeat("A. ", 50000));

    std::string exact = "b" + std::string(32765, 'c') + ".";
    ASSERT_EQ(exact.size(), 32767u);
    EXPECT_EQ(reference::Sentence(exact), "B" + std::string(32765, 'c') + ".");

    // Every capital dotless i shortens the text; what follows must move up intact.
    std::string shrinking = Repeat("x? \xc4\xb1", 30000);
    EXPECT_EQ(reference::Sentence(shrinking), "X? I" + Repeat("x? I", 29999));
}

TEST(RemDblspc, ShrinksSpaceRunsAfterPeriods) {
    const OpCase cases[] = {
        {"End.  Next", "End. Next"},
        {"End.     Next", "End. Next"},
        {"End?  Next", "End?  Next"},
        {"End.\t\tNext", "End.\t\tNext"},
        {"a  b", "a  b"},
        {"End.  ", "End. "},
        {"3.  4", "3. 4"},
        {".  .  .", ". . ."},
        {"..  x", ".. x"},
        {". \t  x", ". \t  x"},
        {"a. b", "a. b"},
        {".", "."},
        {"", ""},
        {"  .  ", "  . "},
        {".\0  "s, ".\0  "s},
        {"\xff.  \xff", "\xff. \xff"},
    };
    for (const auto& c : cases) {
        const std::string temp = c.input;
        EXPECT_EQ(reference::remDblspc(temp), c.expected) << c.input;
        EXPECT_EQ(temp, c.input);
        // As the pipeline runs it, over the text itself.
        std::string text = c.input;
        internal::RemoveDoubleSpacesInPlace(text);
        EXPECT_EQ(text, c.expected) << c.input;
    }
}

TEST(RemDblspc, HasNoLengthLimit) {
    const OpCase cases[] = {
        {Repeat("x.  ", 50000), Repeat("x. ", 50000)},
        {"." + std::string(100001, ' ') + "y", ". y"},
        {std::string(40000, 'z') + ".  y", std::string(40000, 'z') + ". y"},
        {Repeat("a.   b. c.    ", 20000), Repeat("a. b. c. ", 20000)},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(reference::remDblspc(c.input), c.expected);
        std::string text = c.input;
        internal::RemoveDoubleSpacesInPlace(text);
        EXPECT_EQ(text, c.expected);
    }
}

// The rule as first written: find the first period with two spaces, drop the second
// space, search again from the start.
std::string RemoveSpacesOneAtATime(std::string s) {
    for (std::size_t p = s.find(".  "); p != std::string::npos; p = s.find(".  ")) {
        s = s.substr(0, p + 2) + s.substr(p + 3);
    }
    return s;
}

TEST(RemDblspc, MatchesTheOneAtATimeRuleOnRandomTexts) {
    std::mt19937 random(20240611);
    const std::string alphabet = ".. \t a?";
    for (int round = 0; round < 5000; ++round) {
        const std::string text = test::RandomText(random, alphabet, 40);
        const std::string expected = RemoveSpacesOneAtATime(text);
        EXPECT_EQ(reference::remDblspc(text), expected) << '"' << text << '"';
        std::string inPlace = text;
        internal::RemoveDoubleSpacesInPlace(inPlace);
        EXPECT_EQ(inPlace, expected) << '"' << text << '"';
    }
}

// When both are chosen, the pipeline runs No dbl spaces and Cap sentences as one pass.
TEST(DoubleSpacesThenSentences, OnePassGivesWhatTheTwoGiveInTurn) {
    const OpCase cases[] = {
        {"hello.  world.   ok", "Hello. World. Ok"},
        {"x?  y!   z", "X?  Y!   Z"},
        {"..  a", ".. A"},
        {"e.g.  this", "E.G. This"},
        {"\xc5\xbf.    \xc4\xb1x.  \xc4\xb1", "S. Ix. I"},  // long s, dotless i
        {".  .  .", ". . ."},
        {"", ""},
    };
    for (const auto& c : cases) {
        std::string text = c.input;
        internal::RemoveDoubleSpacesThenCapitaliseInPlace(text);
        EXPECT_EQ(text, c.expected) << c.input;
    }
    std::mt19937 random(20250102);
    const std::string pieces[] = {"a", "b", ".",        " ",        "  ",
                                  "?", "!", "\xc4\xb1", "\xc5\xbf", "\xff"};
    for (int round = 0; round < 3000; ++round) {
        std::string text;
        for (std::size_t n = random() % 30; n > 0; --n) {
            text += pieces[random() % std::size(pieces)];
        }
        std::string inTurn = reference::remDblspc(text);
        reference::Sentence(inTurn);
        std::string onePass = text;
        internal::RemoveDoubleSpacesThenCapitaliseInPlace(onePass);
        EXPECT_EQ(onePass, inTurn) << '"' << text << '"';
    }
}

}  // namespace
}  // namespace textmend
