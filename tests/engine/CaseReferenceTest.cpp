// The case tables against an independent implementation of the same Unicode data.
#include <gtest/gtest.h>
#include <utf8proc.h>

#include <map>
#include <string>

#include "engine/CaseConversion.h"

namespace textmend {
namespace {

bool IsScalarValue(char32_t c) {
    return c < 0xD800 || (c > 0xDFFF && c <= 0x10FFFF);
}

std::string Utf8Of(char32_t c) {
    utf8proc_uint8_t bytes[4];
    const auto length = utf8proc_encode_char(static_cast<utf8proc_int32_t>(c), bytes);
    return std::string(reinterpret_cast<const char*>(bytes), static_cast<std::size_t>(length));
}

// Where the reference is expected to differ: code point -> the mapping it gives.
using Differences = std::map<char32_t, char32_t>;

void ExpectSameMappings(char32_t (*ours)(char32_t), utf8proc_int32_t (*reference)(utf8proc_int32_t),
                        std::string (*convert)(const std::string&), const Differences& expected,
                        const char* name) {
    Differences found;
    int textMismatches = 0;
    for (char32_t c = 0; c <= 0x10FFFF; ++c) {
        if (!IsScalarValue(c)) {
            continue;
        }
        const auto theirs = static_cast<char32_t>(reference(static_cast<utf8proc_int32_t>(c)));
        const char32_t mine = ours(c);
        if (mine != theirs) {
            found[c] = theirs;
        }
        // The text conversion must agree with the code point mapping it is built on.
        if (convert(Utf8Of(c)) != Utf8Of(mine) && ++textMismatches <= 5) {
            ADD_FAILURE() << name << " text of U+" << std::hex << static_cast<unsigned>(c);
        }
    }
    EXPECT_EQ(textMismatches, 0) << name;
    EXPECT_EQ(found, expected) << name;
}

TEST(CaseReference, UpperCaseAgreesWithUtf8proc) {
    // utf8proc gives sharp s the capital sharp s, which UnicodeData.txt does not list as
    // its upper-case form; here it has none, so it stays as it is.
    const Differences expected = {{0x00DF, 0x1E9E}};
    ExpectSameMappings(UpperOf, utf8proc_toupper, ToUpper, expected, "upper");
}

TEST(CaseReference, LowerCaseAgreesWithUtf8proc) {
    ExpectSameMappings(LowerOf, utf8proc_tolower, ToLower, {}, "lower");
}

}  // namespace
}  // namespace textmend
