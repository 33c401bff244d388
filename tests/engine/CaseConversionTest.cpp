#include "engine/CaseConversion.h"

#include <gtest/gtest.h>

#include <random>
#include <string>

#include "TestSupport.h"

namespace textmend {
namespace {

using namespace std::string_literals;

struct CodePointCase {
    const char* name;
    char32_t c;
    char32_t upper;
    char32_t lower;
};

TEST(CaseOfCodePoint, SimpleOneToOneMappings) {
    const CodePointCase cases[] = {
        {"ascii small", U'a', U'A', U'a'},
        {"ascii capital", U'Z', U'Z', U'z'},
        {"digit", U'7', U'7', U'7'},
        {"e acute", 0x00E9, 0x00C9, 0x00E9},
        {"E acute", 0x00C9, 0x00C9, 0x00E9},
        {"sharp s has no single capital", 0x00DF, 0x00DF, 0x00DF},
        {"capital sharp s", 0x1E9E, 0x1E9E, 0x00DF},
        {"y diaeresis", 0x00FF, 0x0178, 0x00FF},
        {"micro sign", 0x00B5, 0x039C, 0x00B5},
        {"dotless i", 0x0131, U'I', 0x0131},
        {"long s", 0x017F, U'S', 0x017F},
        {"I with dot", 0x0130, 0x0130, U'i'},
        {"sigma", 0x03C3, 0x03A3, 0x03C3},
        {"final sigma", 0x03C2, 0x03A3, 0x03C2},
        {"capital sigma", 0x03A3, 0x03A3, 0x03C3},
        {"cyrillic de", 0x0434, 0x0414, 0x0434},
        {"cyrillic IO", 0x0401, 0x0401, 0x0451},
        {"title case dz", 0x01C5, 0x01C4, 0x01C6},
        {"kelvin sign", 0x212A, 0x212A, U'k'},
        {"georgian an", 0x10D0, 0x1C90, 0x10D0},
        {"georgian mtavruli an", 0x1C90, 0x1C90, 0x10D0},
        {"turned a grows to three bytes", 0x0250, 0x2C6F, 0x0250},
        {"cherokee", 0x13A0, 0x13A0, 0xAB70},
        {"deseret", 0x10428, 0x10400, 0x10428},
        {"adlam", 0x1E922, 0x1E900, 0x1E922},
        {"euro sign", 0x20AC, 0x20AC, 0x20AC},
        {"last code point", 0x10FFFF, 0x10FFFF, 0x10FFFF},
        {"beyond unicode", 0x110041, 0x110041, 0x110041},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(UpperOf(c.c), c.upper) << c.name;
        EXPECT_EQ(LowerOf(c.c), c.lower) << c.name;
    }
}

TEST(EqualIgnoringCase, OnlyLetterCaseMayDiffer) {
    const struct {
        std::string a;
        std::string b;
        bool equal;
    } cases[] = {
        {"", "", true},
        {"hello world", "HELLO world", true},
        {"\u00c9cole", "\u00e9COLE", true},
        {"\u0391\u0392\u0393", "\u03b1\u03b2\u03b3", true},
        {"\u212a", "k", true},              // the Kelvin sign: three bytes, lower case k
        {"\u0131", "I", false},             // dotless i is its own lower case, I's is i
        {"stra\u00dfe", "STRASSE", false},  // no mapping of one letter to two
        {"hello", "hello ", false},
        {"a\r\nb", "A\nB", false},
        {"\xffz", "\xffZ", true},  // invalid bytes are compared as they are
        {"\xff", "\xfe", false},
        {"a\0b"s, "A\0B"s, true},
        {"a\0b"s, "a"s, false},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(EqualIgnoringCase(c.a, c.b), c.equal) << c.a << " / " << c.b;
        EXPECT_EQ(EqualIgnoringCase(c.b, c.a), c.equal) << c.b << " / " << c.a;
    }
}

struct TextCase {
    std::string input;
    std::string expected;
};

TEST(ToUpper, ConvertsEveryLetterWithASimpleMapping) {
    const TextCase cases[] = {
        {"hello, World! 123", "HELLO, WORLD! 123"},
        {"stra\xc3\x9f"
         "e",
         "STRA\xc3\x9f"
         "E"},                                       // ß stays
        {"\xc3\xa9lan vital", "\xc3\x89LAN VITAL"},  // élan
        {"\xcf\x82\xcf\x83", "\xce\xa3\xce\xa3"},    // ςσ
        {"\xc9\x90", "\xe2\xb1\xaf"},                // ɐ -> Ɐ
        {"\xc4\xb1"
         "x",
         "IX"},  // ıx
        {"\xf0\x90\x90\xa8"
         "d",
         "\xf0\x90\x90\x80"
         "D"},  // Deseret
        {"abcdefghijklmnopq", "ABCDEFGHIJKLMNOPQ"},
        {"abcdefg\xc3\xa9hijklmnop", "ABCDEFG\xc3\x89HIJKLMNOP"},
        {"", ""},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ToUpper(c.input), c.expected) << c.input;
    }
}

TEST(ToLower, ConvertsEveryLetterWithASimpleMapping) {
    const TextCase cases[] = {
        {"HELLO, wORLD! 123", "hello, world! 123"},
        {"STRA\xe1\xba\x9e"
         "E",
         "stra\xc3\x9f"
         "e"},  // ẞ -> ß
        {"\xc3\x89LAN", "\xc3\xa9lan"},
        {"\xce\xa3\xce\xa3", "\xcf\x83\xcf\x83"},  // ΣΣ -> σσ
        {"\xe2\xb1\xaf", "\xc9\x90"},              // Ɐ -> ɐ
        {"\xc4\xb0I", "ii"},                       // İI
        {"\xe2\x84\xaa", "k"},                     // Kelvin sign
        {"ABCDEFG\xd0\x94HIJKLMNOP", "abcdefg\xd0\xb4hijklmnop"},
        {"", ""},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ToLower(c.input), c.expected) << c.input;
    }
}

TEST(ToUpperAndLower, AsciiBytesOutsideTheLettersStay) {
    std::string all;
    std::string upper;
    std::string lower;
    for (int c = 0; c < 128; ++c) {
        all.push_back(static_cast<char>(c));
        upper.push_back(static_cast<char>(c >= 'a' && c <= 'z' ? c - 32 : c));
        lower.push_back(static_cast<char>(c >= 'A' && c <= 'Z' ? c + 32 : c));
    }
    EXPECT_EQ(ToUpper(all), upper);
    EXPECT_EQ(ToLower(all), lower);
}

TEST(CaseConversion, InvalidUtf8AndNulPassThrough) {
    const TextCase upperCases[] = {
        {"a\0b"s, "A\0B"s},
        {"a\xff"
         "b",
         "A\xff"
         "B"},
        {"a\xc0\x80"
         "b",
         "A\xc0\x80"
         "B"},  // overlong NUL
        {"\xe0\x80\xaf"
         "x",
         "\xe0\x80\xaf"
         "X"},  // overlong slash
        {"\xed\xa0\x80"
         "x",
         "\xed\xa0\x80"
         "X"},  // surrogate
        {"\xf4\x90\x80\x80"
         "x",
         "\xf4\x90\x80\x80"
         "X"},  // above U+10FFFF
        {"\xf5\xfe"
         "x",
         "\xf5\xfe"
         "X"},
        {"\x80\xbf"
         "x",
         "\x80\xbf"
         "X"},               // stray continuation bytes
        {"x\xc3", "X\xc3"},  // cut off at the end
        {"\xc3"
         "a",
         "\xc3"
         "A"},  // lead byte without its tail
        {"\xe2\x82"
         "a\xe2\x82\xac",
         "\xe2\x82"
         "A\xe2\x82\xac"},
        {"abcdefg\xffhijklmno\xc3", "ABCDEFG\xffHIJKLMNO\xc3"},
    };
    for (const auto& c : upperCases) {
        EXPECT_EQ(ToUpper(c.input), c.expected) << c.input;
    }
    EXPECT_EQ(ToLower("A\xff"
                      "B\0\xc3"s),
              "a\xff"
              "b\0\xc3"s);
    EXPECT_EQ(ToProper("\xff"
                       "ABC dEF\0gH"s),
              "\xff"
              "abc Def\0Gh"s);
}

TEST(ToProper, FirstCharacterOfEveryWordUpperTheRestLower) {
    const TextCase cases[] = {
        {"hELLO wORLD", "Hello World"},
        {"o'NEIL", "O'neil"},
        {"one,TWO", "One,two"},
        {"(note)", "(note)"},
        {"(NOTE)", "(note)"},
        {"x-RAY", "X-ray"},
        {"the CAT\tsat", "The Cat\tSat"},
        {"a\0b\tc\nd\ve\ff\rg h"s, "A\0B\tC\nD\vE\fF\rG H"s},
        {"a_b.c/d\xc2\xa0"
         "e",
         "A_b.c/d\xc2\xa0"
         "e"},  // no-break space joins words
        {"\xc3\x89"
         "COLE \xc3\xa9l\xc3\x88VE",
         "\xc3\x89"
         "cole \xc3\x89l\xc3\xa8ve"},
        {"\xc7\x86"
         "EMAL",
         "\xc7\x84"
         "emal"},  // ǆ takes its capital form
        {"  two  spaces ", "  Two  Spaces "},
        {"", ""},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ToProper(c.input), c.expected) << c.input;
    }
}

// Proper case for ASCII text, one character at a time.
std::string ProperOneByOne(const std::string& text) {
    std::string out;
    bool atWordStart = true;
    for (char c : text) {
        const bool lower = c >= 'a' && c <= 'z';
        const bool upper = c >= 'A' && c <= 'Z';
        if (atWordStart && lower) {
            c = static_cast<char>(c - 32);
        } else if (!atWordStart && upper) {
            c = static_cast<char>(c + 32);
        }
        out.push_back(c);
        atWordStart =
            c == 0 || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r' || c == ' ';
    }
    return out;
}

TEST(ToProper, WordStartsAnywhereInLongAsciiRuns) {
    std::mt19937 random(7);
    const std::string alphabet = "aAzZmM \t\n\r\v\f.-'\0"s;
    for (int round = 0; round < 5000; ++round) {
        const std::string text = test::RandomText(random, alphabet, 48);
        EXPECT_EQ(ToProper(text), ProperOneByOne(text)) << round;
    }
}

TEST(CaseConversion, LongTexts) {
    const std::string text = test::Repeat("hELLO w\xc3\x96rld ", 20000);
    EXPECT_EQ(ToUpper(text), test::Repeat("HELLO W\xc3\x96RLD ", 20000));
    EXPECT_EQ(ToLower(text), test::Repeat("hello w\xc3\xb6rld ", 20000));
    EXPECT_EQ(ToProper(text), test::Repeat("Hello W\xc3\xb6rld ", 20000));
}

// The conversion takes sixteen ASCII bytes at a time where it can, and writes its
// output in pieces; the cases below put every kind of character at every place in and
// across those blocks and pieces.

std::string Utf8(char32_t c) {
    std::string out;
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (c >> 18));
        out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
    return out;
}

std::string UpperOneByOne(std::string text) {
    for (char& c : text) {
        if (c >= 'a' && c <= 'z') {
            c = static_cast<char>(c - 32);
        }
    }
    return text;
}

std::string LowerOneByOne(std::string text) {
    for (char& c : text) {
        if (c >= 'A' && c <= 'Z') {
            c = static_cast<char>(c + 32);
        }
    }
    return text;
}

struct OtherCharacterCase {
    const char* name;
    std::string character;
    std::string upper;
    std::string lower;
};

TEST(CaseConversion, OtherCharactersAtEveryPlaceAmongAsciiBytes) {
    const OtherCharacterCase cases[] = {
        {"e acute", "\xc3\xa9", "\xc3\x89", "\xc3\xa9"},
        {"dotless i shrinks to I", "\xc4\xb1", "I", "\xc4\xb1"},
        {"A with stroke grows to three bytes", "\xc8\xba", "\xc8\xba", "\xe2\xb1\xa5"},
        {"turned a grows to three bytes", "\xc9\x90", "\xe2\xb1\xaf", "\xc9\x90"},
        {"euro sign", "\xe2\x82\xac", "\xe2\x82\xac", "\xe2\x82\xac"},
        {"deseret", "\xf0\x90\x90\xa8", "\xf0\x90\x90\x80", "\xf0\x90\x90\xa8"},
        {"invalid byte", "\xff", "\xff", "\xff"},
        {"lead byte without its tail", "\xc3", "\xc3", "\xc3"},
        {"stray continuation byte", "\xa9", "\xa9", "\xa9"},
    };
    const std::string ascii = "The quick brown fox jumps over\tTHE lazy dog.  Twice!";
    for (const auto& c : cases) {
        for (std::size_t at = 0; at <= ascii.size(); ++at) {
            const std::string before = ascii.substr(0, at);
            const std::string after = ascii.substr(at);
            const std::string text = before + c.character + after;
            EXPECT_EQ(ToUpper(text), UpperOneByOne(before) + c.upper + UpperOneByOne(after))
                << c.name << " at " << at;
            EXPECT_EQ(ToLower(text), LowerOneByOne(before) + c.lower + LowerOneByOne(after))
                << c.name << " at " << at;
            // The character belongs to a word like a letter does: the case a plain
            // letter in its place takes tells which of its forms it takes.
            const std::string stand_in = ProperOneByOne(before + "x" + after);
            const bool startsWord = stand_in[at] == 'X';
            EXPECT_EQ(ToProper(text), stand_in.substr(0, at) + (startsWord ? c.upper : c.lower) +
                                          stand_in.substr(at + 1))
                << c.name << " at " << at;
        }
    }
}

TEST(CaseConversion, EveryPairOfAsciiBytesAtEveryAlignment) {
    std::string pairs;
    for (int before = 0; before < 128; ++before) {
        for (int c = 0; c < 128; ++c) {
            pairs += static_cast<char>(before);
            pairs += static_cast<char>(c);
        }
    }
    for (std::size_t shift = 0; shift < 16; ++shift) {
        const std::string text = std::string(shift, 'q') + pairs;
        EXPECT_EQ(ToUpper(text), UpperOneByOne(text)) << shift;
        EXPECT_EQ(ToLower(text), LowerOneByOne(text)) << shift;
        EXPECT_EQ(ToProper(text), ProperOneByOne(text)) << shift;
    }
}

TEST(CaseConversion, TwoByteCharactersFollowTheCodePointMappingInRuns) {
    for (char32_t c = 0x80; c < 0x800; ++c) {
        const std::string one = Utf8(c);
        const std::string text = "ab " + one + one + one + " cdefghijklmnopqr";
        const std::string upper = Utf8(UpperOf(c));
        const std::string lower = Utf8(LowerOf(c));
        EXPECT_EQ(ToUpper(text), "AB " + upper + upper + upper + " CDEFGHIJKLMNOPQR")
            << std::hex << static_cast<unsigned>(c);
        EXPECT_EQ(ToLower(text), "ab " + lower + lower + lower + " cdefghijklmnopqr")
            << std::hex << static_cast<unsigned>(c);
        EXPECT_EQ(ToProper(text), "Ab " + upper + lower + lower + " Cdefghijklmnopqr")
            << std::hex << static_cast<unsigned>(c);
    }
}

TEST(CaseConversion, LengthChangesAcrossLongTexts) {
    using test::Repeat;
    EXPECT_EQ(ToLower(Repeat("\xc8\xba", 40000)), Repeat("\xe2\xb1\xa5", 40000));
    EXPECT_EQ(ToUpper(Repeat("a\xc4\xb1", 40000)), Repeat("AI", 40000));
    EXPECT_EQ(ToProper(Repeat("\xc8\xba\xc8\xba ", 30000)), Repeat("\xc8\xba\xe2\xb1\xa5 ", 30000));
    EXPECT_EQ(ToUpper(Repeat("abcdefghijklmnopqrstu\xe2\x82\xac", 10000)),
              Repeat("ABCDEFGHIJKLMNOPQRSTU\xe2\x82\xac", 10000));
    EXPECT_EQ(ToLower(Repeat("ABCDEFGHIJKLMNOPQRSTUVWXYZ\xc9\x90\xc8\xba", 10000)),
              Repeat("abcdefghijklmnopqrstuvwxyz\xc9\x90\xe2\xb1\xa5", 10000));
}

}  // namespace
}  // namespace textmend
