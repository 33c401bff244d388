// The licence file must never contradict the About dialog: it carries the
// dialog's notice word for word (line breaks aside).

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>

#include "forms/Layout.h"

namespace textmend {
namespace {

std::string WithSingleSpaces(const std::string& text) {
    std::istringstream words(text);
    std::string out, word;
    while (words >> word) {
        out += (out.empty() ? "" : " ") + word;
    }
    return out;
}

TEST(License, CarriesTheAboutDialogsNotice) {
    const ControlDef* notice = AboutLayout().Find("lblDisclaimer");
    ASSERT_NE(notice, nullptr);
    std::ifstream file(TEXTMEND_LICENSE_FILE);
    ASSERT_TRUE(file) << TEXTMEND_LICENSE_FILE;
    std::stringstream text;
    text << file.rdbuf();
    EXPECT_NE(WithSingleSpaces(text.str()).find(notice->caption), std::string::npos);
}

}  // namespace
}  // namespace textmend
