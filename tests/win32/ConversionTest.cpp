// UTF-8 and UTF-16, the probe's JSON.

#include <gtest/gtest.h>

#include <string>

#include "win32/JsonText.h"
#include "win32/Utf.h"

namespace textmend {
namespace {

struct UtfCase {
    const char* name;
    std::string utf8;
    std::wstring wide;
};

const UtfCase kUtfCases[] = {
    {"empty", "", L""},
    {"ascii with line breaks", "a\r\nb\rc\nd", L"a\r\nb\rc\nd"},
    {"latin letters", "\xC3\x9Cn\xC3\xAF", L"\u00DCn\u00EF"},
    {"check mark and han", "\xE2\x9C\x93 \xE4\xB8\xAD\xE6\x96\x87", L"\u2713 \u4E2D\u6587"},
    {"outside the basic plane", "\xF0\x9F\x98\x80", L"\xD83D\xDE00"},
    {"embedded NUL", std::string("a\0b", 3), std::wstring(L"a\0b", 3)},
};

TEST(Utf, ConvertsBothWays) {
    for (const UtfCase& c : kUtfCases) {
        EXPECT_EQ(Utf8ToWide(c.utf8), c.wide) << c.name;
        EXPECT_EQ(WideToUtf8(c.wide), c.utf8) << c.name;
    }
}

TEST(Utf, BrokenInputBecomesReplacementCharacters) {
    EXPECT_EQ(Utf8ToWide("a\xFF"
                         "b"),
              L"a\uFFFDb");
    EXPECT_EQ(WideToUtf8(std::wstring(L"a\xD800"
                                      L"b")),
              "a\xEF\xBF\xBD"
              "b");
}

TEST(JsonText, EscapesWhatJsonRequires) {
    const struct {
        std::string text;
        std::string json;
    } cases[] = {
        {"", "\"\""},
        {" Textmend ", "\" Textmend \""},
        {"say \"hi\"", "\"say \\\"hi\\\"\""},
        {"C:\\x", "\"C:\\\\x\""},
        {"a\r\nb\tc", "\"a\\r\\nb\\tc\""},
        {std::string("\x01", 1), "\"\\u0001\""},
        {"\xE2\x9C\x93", "\"\xE2\x9C\x93\""},  // UTF-8 passes as it is
    };
    for (const auto& c : cases) {
        EXPECT_EQ(JsonString(c.text), c.json) << c.text;
    }
    EXPECT_EQ(JsonObject().Add("n", 3).Add("b", false).Add("o", JsonObject().Add("s", "x")).Text(),
              "{\"n\":3,\"b\":false,\"o\":{\"s\":\"x\"}}");
}

}  // namespace
}  // namespace textmend
