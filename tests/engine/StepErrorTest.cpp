#include "engine/StepError.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <cstring>
#include <limits>
#include <string>

#include "engine/internal/SystemErrorText.h"

#ifdef _WIN32
#include <windows.h>
#endif

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

#ifndef _WIN32
TEST(SystemErrorText, TheTextStrerrorGives) {
    for (int code : {ENOENT, EACCES, ENOTDIR, ENOSPC}) {
        EXPECT_EQ(internal::SystemErrorText(code), std::strerror(code)) << code;
    }
    EXPECT_EQ(internal::SystemErrorText(99999), "Unknown error 99999");
}
#else
TEST(SystemErrorText, TheSystemMessageOnOneLine) {
    for (DWORD code : {ERROR_FILE_NOT_FOUND, ERROR_ACCESS_DENIED, ERROR_DISK_FULL}) {
        const std::string text = internal::SystemErrorText(static_cast<std::int32_t>(code));
        ASSERT_FALSE(text.empty()) << code;
        EXPECT_FALSE(text.starts_with("Unknown error")) << text;
        EXPECT_EQ(text.find_first_of("\r\n"), std::string::npos) << text;
        EXPECT_NE(text.back(), ' ') << text;
    }
    EXPECT_EQ(internal::SystemErrorText(0x7FFFFFFF), "Unknown error 2147483647");
    EXPECT_EQ(internal::SystemErrorText(-1), "Unknown error 4294967295");
}
#endif

}  // namespace
}  // namespace textmend
