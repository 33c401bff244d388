#include <gtest/gtest.h>

#include "qt/DisplayLines.h"

namespace textmend {
namespace {

struct Case {
    const char* input;
    const char* expected;
};

TEST(DisplayLines, EveryKindOfLineBreakBecomesOneLf) {
    const Case cases[] = {
        {"", ""},
        {"one", "one"},
        {"one\r\ntwo", "one\ntwo"},
        {"one\rtwo", "one\ntwo"},        // the Help text's single CRs
        {"one\ntwo", "one\ntwo"},        // a lone LF is already a break for the widget
        {"one\r\r\ntwo", "one\n\ntwo"},  // a lone CR, then a pair
        {"one\r\n\r\n", "one\n\n"},
        {"\r", "\n"},
        {"a\n\rb", "a\n\nb"},  // LF then CR are two breaks, not one pair
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ToDisplayLines(c.input), c.expected) << c.input;
    }
}

}  // namespace
}  // namespace textmend
