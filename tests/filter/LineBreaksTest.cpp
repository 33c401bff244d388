#include "filter/LineBreaks.h"

#include <gtest/gtest.h>

#include <string>

namespace textmend {
namespace {

using namespace std::string_literals;

struct BreakCase {
    std::string input;
    std::string expected;
};

class ToEngineLineBreaksTest : public testing::TestWithParam<BreakCase> {};

TEST_P(ToEngineLineBreaksTest, TurnsOnlyLoneLineFeedsIntoPairs) {
    EXPECT_EQ(ToEngineLineBreaks(GetParam().input), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ToEngineLineBreaksTest,
    testing::Values(BreakCase{"", ""}, BreakCase{"one", "one"}, BreakCase{"one\ntwo", "one\r\ntwo"},
                    BreakCase{"one\n", "one\r\n"}, BreakCase{"\n\n", "\r\n\r\n"},
                    BreakCase{"\none", "\r\none"}, BreakCase{"one\r\ntwo", "one\r\ntwo"},
                    BreakCase{"one\rtwo", "one\rtwo"}, BreakCase{"one\r\r\ntwo", "one\r\r\ntwo"},
                    BreakCase{"one\n\rtwo", "one\r\n\rtwo"}, BreakCase{"\r\n\n", "\r\n\r\n"},
                    BreakCase{"a\0\nb"s, "a\0\r\nb"s}, BreakCase{"\xff\n\xfe", "\xff\r\n\xfe"}));

class ToUnixLineBreaksTest : public testing::TestWithParam<BreakCase> {};

TEST_P(ToUnixLineBreaksTest, TurnsOnlyPairsIntoLineFeeds) {
    EXPECT_EQ(ToUnixLineBreaks(GetParam().input), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ToUnixLineBreaksTest,
    testing::Values(BreakCase{"", ""}, BreakCase{"one", "one"}, BreakCase{"one\r\ntwo", "one\ntwo"},
                    BreakCase{"one\r\n\r\n", "one\n\n"}, BreakCase{"one\rtwo", "one\rtwo"},
                    BreakCase{"one\r", "one\r"}, BreakCase{"one\ntwo", "one\ntwo"},
                    BreakCase{"\r\r\n", "\r\n"}, BreakCase{"\r\n\n", "\n\n"},
                    BreakCase{"\n\r", "\n\r"}, BreakCase{"a\0\r\nb"s, "a\0\nb"s}));

class UnixRoundTripTest : public testing::TestWithParam<std::string> {};

TEST_P(UnixRoundTripTest, TextWithoutCarriageReturnsComesBackUnchanged) {
    EXPECT_EQ(ToUnixLineBreaks(ToEngineLineBreaks(GetParam())), GetParam());
}

INSTANTIATE_TEST_SUITE_P(Cases, UnixRoundTripTest,
                         testing::Values("", "\n", "one", "one\n", "one\n\ntwo\n\n\n", "\n\n\nlast",
                                         "tab\there\n"));

}  // namespace
}  // namespace textmend
