#include "engine/ProcessText.h"

#include <gtest/gtest.h>

#include <string>

#include "TestSupport.h"

namespace textmend {
namespace {

TEST(ReserveText, KeepsTheTextAndGivesTheRoomAskedFor) {
    const std::size_t large = std::size_t{20} << 20;
    const struct {
        const char* name;
        std::string text;
        std::size_t capacity;
    } cases[] = {
        {"empty, small room", "", 100},
        {"small room", "abc", 1000},
        {"empty, large room", "", large},
        {"large room", test::Repeat("line\r\n", 1000), large},
        {"a large text, more room", std::string(large, 'x') + "end", 2 * large},
        {"room enough already", "abc", 2},
    };
    for (const auto& c : cases) {
        std::string text = c.text;
        ReserveText(text, c.capacity, c.capacity / 2);
        EXPECT_EQ(text, c.text) << c.name;
        EXPECT_GE(text.capacity(), c.capacity) << c.name;
    }
}

}  // namespace
}  // namespace textmend
