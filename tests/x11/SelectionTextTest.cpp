#include "x11/SelectionText.h"

#include <gtest/gtest.h>

#include <cerrno>

#include "x11/SelectionConnection.h"

namespace textmend {
namespace {

TEST(TextTargetOrder, AsksForTheOfferedTextTargetsBestFirst) {
    // The candidates stand for UTF8_STRING, text/plain;charset=utf-8, STRING, TEXT.
    const std::uint32_t candidates[] = {10, 11, 12, 13};
    const struct {
        const char* what;
        std::optional<std::vector<std::uint32_t>> offered;
        std::vector<std::size_t> order;
    } cases[] = {
        {"every text form, in the owner's order",
         std::vector<std::uint32_t>{13, 12, 11, 10},
         {0, 1, 2, 3}},
        {"only the old forms", std::vector<std::uint32_t>{99, 13, 12}, {2, 3}},
        {"no text", std::vector<std::uint32_t>{99, 98}, {}},
        {"an empty list", std::vector<std::uint32_t>{}, {}},
        {"no list: try them all", std::nullopt, {0, 1, 2, 3}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(TextTargetOrder(candidates, c.offered), c.order) << c.what;
    }
}

TEST(SelectionTextToUtf8, DecodesEachFormIntoWellFormedUtf8) {
    using std::string_literals::operator""s;
    const struct {
        const char* what;
        std::string bytes;
        TextEncoding encoding;
        std::string text;
    } cases[] = {
        {"Latin-1 letters", "caf\xE9 \xFF\xA0", TextEncoding::Latin1,
         "caf\xC3\xA9 \xC3\xBF\xC2\xA0"},
        {"Latin-1 takes UTF-8 bytes one by one", "\xC3\xA9", TextEncoding::Latin1,
         "\xC3\x83\xC2\xA9"},
        {"UTF-8 as it is", "\xE2\x9C\x93 \xF0\x9F\x98\x80", TextEncoding::Utf8,
         "\xE2\x9C\x93 \xF0\x9F\x98\x80"},
        {"a stray byte", "a\xFFz", TextEncoding::Utf8, "a\xEF\xBF\xBDz"},
        {"a sequence cut short at the end", "ab\xE2\x9C", TextEncoding::Utf8,
         "ab\xEF\xBF\xBD\xEF\xBF\xBD"},
        {"a terminating NUL", "text\0"s, TextEncoding::Utf8, "text"},
        {"only the last of two NULs", "text\0\0"s, TextEncoding::Latin1, "text\0"s},
        {"line breaks untouched", "a\nb\r\nc", TextEncoding::Utf8, "a\nb\r\nc"},
        {"nothing", "", TextEncoding::Utf8, ""},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(SelectionTextToUtf8(c.bytes, c.encoding), c.text) << c.what;
    }
}

TEST(TransferTimeoutError, IsTheSystemsTimeoutAsTheWindowShowsIt) {
    const StepError error = TransferTimeoutError();
    EXPECT_EQ(error.number(), ETIMEDOUT);
    EXPECT_EQ(FormatErrorMessage(error.number(), error.description()),
              "Error occurred: #110 Connection timed out");
}

}  // namespace
}  // namespace textmend
