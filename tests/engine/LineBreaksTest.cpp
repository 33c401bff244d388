#include "engine/LineBreaks.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "TestSupport.h"

namespace textmend {
namespace {

using namespace std::string_literals;

// One text and what each conversion makes of it.
struct BreakCase {
    std::string input;
    std::string engine;  // ToEngineLineBreaks
    std::string unix;    // ToUnixLineBreaks
    std::string lf;      // ToLfLineBreaks
    std::string crLf;    // ToCrLfLineBreaks
};

const BreakCase kCases[] = {
    {"", "", "", "", ""},
    {"one", "one", "one", "one", "one"},
    {"one\ntwo", "one\r\ntwo", "one\ntwo", "one\ntwo", "one\ntwo"},
    {"one\n", "one\r\n", "one\n", "one\n", "one\n"},
    {"\n\n", "\r\n\r\n", "\n\n", "\n\n", "\n\n"},
    {"\none", "\r\none", "\none", "\none", "\none"},
    {"one\r\ntwo", "one\r\ntwo", "one\ntwo", "one\ntwo", "one\r\ntwo"},
    {"one\rtwo", "one\rtwo", "one\rtwo", "one\ntwo", "one\r\ntwo"},
    {"one\r", "one\r", "one\r", "one\n", "one\r\n"},
    {"\r", "\r", "\r", "\n", "\r\n"},
    {"one\r\r\ntwo", "one\r\r\ntwo", "one\r\ntwo", "one\n\ntwo", "one\r\n\r\ntwo"},
    {"one\n\rtwo", "one\r\n\rtwo", "one\n\rtwo", "one\n\ntwo", "one\n\r\ntwo"},
    {"\r\n\n", "\r\n\r\n", "\n\n", "\n\n", "\r\n\n"},
    {"one\r\n\r\n", "one\r\n\r\n", "one\n\n", "one\n\n", "one\r\n\r\n"},
    {"\r\r\n\r", "\r\r\n\r", "\r\n\r", "\n\n\n", "\r\n\r\n\r\n"},
    {"a\0\nb"s, "a\0\r\nb"s, "a\0\nb"s, "a\0\nb"s, "a\0\nb"s},
    {"a\0\r\nb"s, "a\0\r\nb"s, "a\0\nb"s, "a\0\nb"s, "a\0\r\nb"s},
    {"\xff\n\xfe", "\xff\r\n\xfe", "\xff\n\xfe", "\xff\n\xfe", "\xff\n\xfe"},
};

void ExpectEveryConversion(const std::string& before, const BreakCase& c,
                           const std::string& after) {
    const std::string input = before + c.input + after;
    EXPECT_EQ(ToEngineLineBreaks(input), before + c.engine + after) << c.input;
    EXPECT_EQ(ToUnixLineBreaks(input), before + c.unix + after) << c.input;
    EXPECT_EQ(ToLfLineBreaks(input), before + c.lf + after) << c.input;
    EXPECT_EQ(ToCrLfLineBreaks(input), before + c.crLf + after) << c.input;
}

TEST(LineBreaks, EachConversionTouchesOnlyItsBreaks) {
    for (const BreakCase& c : kCases) {
        ExpectEveryConversion("", c, "");
    }
}

// The conversions look at many bytes at once, and the one to the engine's form goes
// through the text in blocks from its end: a break must come out the same at every
// place in a longer text.
TEST(LineBreaks, SameAtEveryPlaceInALongerText) {
    std::vector<std::size_t> lengths;
    for (std::size_t length = 1; length <= 130; ++length) {
        lengths.push_back(length);
    }
    for (std::size_t length = 4090; length <= 4100; ++length) {
        lengths.push_back(length);
    }
    for (const BreakCase& c : kCases) {
        for (std::size_t length : lengths) {
            ExpectEveryConversion(std::string(length, 'x'), c, "y");
            ExpectEveryConversion("y", c, std::string(length, 'x'));
        }
    }
}

TEST(LineBreaks, ManyBreaksAcrossBlocks) {
    const std::string unix = test::Repeat("line\n\n", 5000) + test::Repeat("a\r\nb\n", 3000);
    const std::string engine =
        test::Repeat("line\r\n\r\n", 5000) + test::Repeat("a\r\nb\r\n", 3000);
    EXPECT_EQ(ToEngineLineBreaks(unix), engine);
    EXPECT_EQ(ToUnixLineBreaks(engine),
              test::Repeat("line\n\n", 5000) + test::Repeat("a\nb\n", 3000));
    // With room enough already, the CRs go in without new storage.
    std::string roomy = unix;
    roomy.reserve(engine.size());
    const char* const storage = roomy.data();
    const std::string converted = ToEngineLineBreaks(std::move(roomy));
    EXPECT_EQ(converted, engine);
    EXPECT_EQ(converted.data(), storage);
}

TEST(LineBreaks, UnixTextWithoutCarriageReturnsComesBackUnchanged) {
    for (const char* text :
         {"", "\n", "one", "one\n", "one\n\ntwo\n\n\n", "\n\n\nlast", "tab\there\n"}) {
        EXPECT_EQ(ToUnixLineBreaks(ToEngineLineBreaks(text)), text) << text;
    }
}

}  // namespace
}  // namespace textmend
