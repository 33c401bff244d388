#include "settings/DecimalText.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <optional>
#include <string_view>

namespace textmend {
namespace {

struct ParseCase {
    std::string_view text;
    bool isNumber;
    bool negative;
    std::string_view whole;
    std::string_view fraction;
};

const ParseCase kParseCases[] = {
    {"0", true, false, "0", ""},
    {"12", true, false, "12", ""},
    {"1.5", true, false, "1", "5"},
    {".5", true, false, "", "5"},
    {"2.", true, false, "2", ""},
    {"+1", true, false, "1", ""},
    {"-0.25", true, true, "0", "25"},
    {" 1 ", true, false, "1", ""},
    {"\t 7\t", true, false, "7", ""},
    {"  -3.0  ", true, true, "3", "0"},
    // not numbers: nothing, signs or points alone, anything beyond plain digits
    {"", false, false, "", ""},
    {"   ", false, false, "", ""},
    {"-", false, false, "", ""},
    {"+.", false, false, "", ""},
    {".", false, false, "", ""},
    {"1e0", false, false, "", ""},
    {"1E2", false, false, "", ""},
    {"1,5", false, false, "", ""},
    {"1 000", false, false, "", ""},
    {"0x1", false, false, "", ""},
    {"&H1", false, false, "", ""},
    {"1.2.3", false, false, "", ""},
    {"--1", false, false, "", ""},
    {"- 1", false, false, "", ""},
    {"1-", false, false, "", ""},
    {"yes", false, false, "", ""},
    {"True", false, false, "", ""},
    {"\n1", false, false, "", ""},
    {"1\r\n", false, false, "", ""},
    {"\xC2\xA0"
     "1",
     false, false, "", ""},              // a no-break space is not a blank
    {"\xD9\xA1", false, false, "", ""},  // an Arabic-Indic digit one is not a digit
};

TEST(ParseDecimal, AcceptsOnlyPlainDecimalNumbers) {
    for (const auto& c : kParseCases) {
        SCOPED_TRACE(testing::Message() << "text \"" << c.text << "\"");
        const auto number = ParseDecimal(c.text);
        ASSERT_EQ(number.has_value(), c.isNumber);
        if (number) {
            EXPECT_EQ(number->negative, c.negative);
            EXPECT_EQ(number->whole, c.whole);
            EXPECT_EQ(number->fraction, c.fraction);
        }
    }
}

struct ZeroCase {
    std::string_view text;
    bool isZero;
};

const ZeroCase kZeroCases[] = {
    {"0", true},    {"-0", true}, {"0.000", true}, {".0", true},      {"000", true},
    {"0.4", false}, {"1", false}, {"-1", false},   {"0.0001", false}, {"10", false},
};

TEST(IsZero, IsTrueOnlyWhenEveryDigitIsZero) {
    for (const auto& c : kZeroCases) {
        SCOPED_TRACE(testing::Message() << "text \"" << c.text << "\"");
        const auto number = ParseDecimal(c.text);
        ASSERT_TRUE(number.has_value());
        EXPECT_EQ(IsZero(*number), c.isZero);
    }
}

struct RoundCase {
    std::string_view text;
    std::optional<std::int64_t> rounded;
};

const RoundCase kRoundCases[] = {
    // halves go to the even neighbour
    {"0.5", 0},
    {"1.5", 2},
    {"2.5", 2},
    {"3.5", 4},
    {"-0.5", 0},
    {"-1.5", -2},
    {"-2.5", -2},
    {".5", 0},
    {"0.50", 0},
    // anything past the half goes up, anything short of it down
    {"0.51", 1},
    {"0.50000000000000000001", 1},
    {"2.4999999999999999999", 2},
    {"2.6", 3},
    {"1.49", 1},
    {"-1.51", -2},
    // whole numbers stay as they are
    {"0", 0},
    {"2", 2},
    {"007", 7},
    {"2.", 2},
    {"-3", -3},
    {"999999999999999999", 999999999999999999},
    {"000000000000000000001", 1},
    // beyond 18 digits there is no answer
    {"1000000000000000000", std::nullopt},
    {"99999999999999999999.5", std::nullopt},
};

TEST(RoundHalfToEven, RoundsOnTheDigitsThemselves) {
    for (const auto& c : kRoundCases) {
        SCOPED_TRACE(testing::Message() << "text \"" << c.text << "\"");
        const auto number = ParseDecimal(c.text);
        ASSERT_TRUE(number.has_value());
        EXPECT_EQ(RoundHalfToEven(*number), c.rounded);
    }
}

}  // namespace
}  // namespace textmend
