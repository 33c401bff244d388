#include "engine/StepError.h"

#include <gtest/gtest.h>

#include <limits>

namespace textmend {
namespace {

TEST(FormatErrorMessage, NumberInDecimalThenOneSpaceThenDescription) {
    struct Case {
        std::int32_t number;
        std::string description;
        std::string expected;
    };
    const Case cases[] = {
        {2, "No such file or directory", "Error occurred: #2 No such file or directory"},
        {-5, "negative", "Error occurred: #-5 negative"},
        {0, "zero", "Error occurred: #0 zero"},
        {std::numeric_limits<std::int32_t>::min(), "min", "Error occurred: #-2147483648 min"},
        {std::numeric_limits<std::int32_t>::max(), "max", "Error occurred: #2147483647 max"},
        {7, "", "Error occurred: #7 "},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(FormatErrorMessage(c.number, c.description), c.expected);
    }
}

TEST(StepError, CarriesNumberAndDescription) {
    const StepError error(13, "Permission denied");
    EXPECT_EQ(error.number(), 13);
    EXPECT_EQ(error.description(), "Permission denied");
}

}  // namespace
}  // namespace textmend
