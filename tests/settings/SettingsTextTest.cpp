#include "settings/SettingsText.h"

#include <gtest/gtest.h>

#include <optional>
#include <string_view>

#include "SettingsTestSupport.h"

namespace textmend {
namespace {

struct TruthCase {
    std::string_view text;
    std::optional<bool> value;
};

const TruthCase kTruthCases[] = {
    // the two words, in any letter case
    {"True", true},
    {"TRUE", true},
    {"true", true},
    {"tRuE", true},
    {"False", false},
    {"FALSE", false},
    {"false", false},
    // numbers: zero is false, every other number true
    {"0", false},
    {"-0", false},
    {"0.0", false},
    {"1", true},
    {"-1", true},
    {"2", true},
    {"0.4", true},
    {" 1 ", true},
    // anything else is not read
    {"", std::nullopt},
    {"yes", std::nullopt},
    {"no", std::nullopt},
    {"T", std::nullopt},
    {"Tru", std::nullopt},
    {"Truee", std::nullopt},
    {" True", std::nullopt},
    {"True ", std::nullopt},
    {"On", std::nullopt},
    {"1e3", std::nullopt},
    {"1,0", std::nullopt},
    {std::string_view("True\0", 5), std::nullopt},
};

TEST(ReadTruthText, ReadsTheWordsInAnyCaseAndNumbers) {
    for (const auto& c : kTruthCases) {
        SCOPED_TRACE(testing::Message() << "text \"" << c.text << "\"");
        EXPECT_EQ(ReadTruthText(c.text), c.value);
    }
}

struct CheckStateCase {
    std::string_view text;
    bool acceptExactWords;
    std::optional<CheckState> state;
};

const CheckStateCase kCheckStateCases[] = {
    {"0", false, CheckState::Clear},
    {"1", false, CheckState::Set},
    {"2", false, CheckState::Grayed},
    // rounded half to even
    {"1.5", false, CheckState::Grayed},
    {"0.5", false, CheckState::Clear},
    {"2.5", false, CheckState::Grayed},
    {"0.49", false, CheckState::Clear},
    {"0.51", false, CheckState::Set},
    {"1.4", false, CheckState::Set},
    {"-0.5", false, CheckState::Clear},
    {"-0.4", false, CheckState::Clear},
    {"1.0", false, CheckState::Set},
    {"+1", false, CheckState::Set},
    {"01", false, CheckState::Set},
    {".5", false, CheckState::Clear},
    // blanks around the number
    {" 1 ", false, CheckState::Set},
    {"\t2", false, CheckState::Grayed},
    {"0   ", false, CheckState::Clear},
    // numbers outside 0..2 after rounding
    {"3", false, std::nullopt},
    {"2.51", false, std::nullopt},
    {"-1", false, std::nullopt},
    {"-0.51", false, std::nullopt},
    {"256", false, std::nullopt},
    {"99999999999999999999999", false, std::nullopt},
    // texts that are not numbers
    {"", false, std::nullopt},
    {"yes", false, std::nullopt},
    {"True", false, std::nullopt},
    {"False", false, std::nullopt},
    {"1e0", false, std::nullopt},
    {"1,0", false, std::nullopt},
    {"&H1", false, std::nullopt},
    {"1 1", false, std::nullopt},
    // the exact words, only where they are accepted and only in that letter case
    {"True", true, CheckState::Set},
    {"False", true, CheckState::Clear},
    {"true", true, std::nullopt},
    {"TRUE", true, std::nullopt},
    {"false", true, std::nullopt},
    {" True", true, std::nullopt},
    {"1.5", true, CheckState::Grayed},
    {"yes", true, std::nullopt},
};

TEST(ReadCheckStateText, ReadsRoundedNumbersFromZeroToTwo) {
    for (const auto& c : kCheckStateCases) {
        SCOPED_TRACE(testing::Message()
                     << "text \"" << c.text << "\", exact words " << c.acceptExactWords);
        EXPECT_EQ(ReadCheckStateText(c.text, c.acceptExactWords), c.state);
    }
}

}  // namespace
}  // namespace textmend
