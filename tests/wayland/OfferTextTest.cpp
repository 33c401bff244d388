// The choices a Wayland read and write make by an offer's types, without a compositor.

#include <gtest/gtest.h>

#include "wayland/OfferText.h"

namespace textmend {
namespace {

TEST(BestTextType, PrefersUtf8ByMimeTypeThenTheX11NamesThenLatin1) {
    const struct {
        std::vector<std::string> offered;
        const char* best;  // nullptr: no text
    } cases[] = {
        {{"STRING", "text/plain", "UTF8_STRING", "text/plain;charset=utf-8"},
         "text/plain;charset=utf-8"},
        {{"STRING", "text/plain", "UTF8_STRING"}, "UTF8_STRING"},
        {{"STRING", "text/plain"}, "text/plain"},
        {{"x-kde-passwordManagerHint", "STRING"}, "STRING"},
        {{"image/png", "text/html", "TEXT", "text/plain;charset=utf-16"}, nullptr},
        {{}, nullptr},
    };
    for (const auto& c : cases) {
        const std::optional<std::size_t> best = BestTextType(c.offered);
        if (c.best == nullptr) {
            EXPECT_FALSE(best.has_value()) << c.offered.size();
        } else {
            ASSERT_TRUE(best.has_value()) << c.best;
            EXPECT_EQ(kOfferTextTypes[*best].name, c.best);
        }
    }
}

TEST(TextAsType, StringIsLatin1WithAQuestionMarkForWhatLatin1Lacks) {
    const TextType string = kOfferTextTypes[3];
    ASSERT_EQ(string.name, "STRING");
    EXPECT_EQ(TextAsType("caf\xC3\xA9 \xE2\x9C\x93 \xF0\x9F\x98\x80!", string), "caf\xE9 ? ?!");
    EXPECT_EQ(TextAsType("bad \xFF byte", string), "bad ? byte");
    EXPECT_EQ(TextAsType("caf\xC3\xA9", kOfferTextTypes[0]), "caf\xC3\xA9");
}

TEST(MarkReadsSecret, OnlySecretIsSecret) {
    const struct {
        std::string mark;
        bool secret;
    } cases[] = {
        {"secret", true},   {std::string("secret\0", 7), true},
        {"secret\n", true}, {"secret \n", true},
        {"public", false},  {"", false},
        {"Secret", false},  {"secrets", false},
        {" secret", false},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(MarkReadsSecret(c.mark), c.secret) << c.mark;
    }
}

}  // namespace
}  // namespace textmend
