#pragma once

// What the Wayland suites share: the session with-sway.sh made, or why it has none.

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

namespace textmend {

inline std::string WhyNoSway() {
    if (std::getenv("WAYLAND_DISPLAY") != nullptr) {
        return {};
    }
    const char* why = std::getenv("TEXTMEND_SWAY_FAILED");
    return why != nullptr ? why : "no Wayland session (run through with-sway.sh)";
}

#define TEXTMEND_REQUIRE_SWAY()                              \
    if (const std::string why = WhyNoSway(); !why.empty()) { \
        GTEST_SKIP() << why;                                 \
    }

}  // namespace textmend
