#include "spelling/DictionaryChoice.h"

#include <gtest/gtest.h>

namespace textmend {
namespace {

TEST(DictionaryChoice, UsersLanguagesThenEnglish) {
    const std::vector<std::string> installed = {"en_US", "en_GB", "de_DE", "de_AT", "fr", "pt_BR"};
    const struct {
        const char* name;
        const char* language;
        const char* lang;
        std::vector<std::string> expected;
    } cases[] = {
        {"nothing set: English", "", "", {"en_US"}},
        {"the C locale", "", "C", {"en_US"}},
        {"LANG with encoding and modifier", "", "de_DE.UTF-8@euro", {"de_DE", "en_US"}},
        {"a language alone takes each of its countries", "de", "", {"de_AT", "de_DE", "en_US"}},
        {"a country without its own", "", "fr_CA.UTF-8", {"fr", "en_US"}},
        {"LANGUAGE first, then LANG", "pt_BR:fr", "de_AT", {"pt_BR", "fr", "de_AT", "en_US"}},
        {"English named by the user comes once", "en_GB:en", "", {"en_GB", "en_US"}},
        {"not installed", "it_IT", "ja_JP.UTF-8", {"en_US"}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ChooseDictionaries(c.language, c.lang, installed), c.expected) << c.name;
    }
    EXPECT_TRUE(ChooseDictionaries("de", "de_DE", {}).empty());
}

}  // namespace
}  // namespace textmend
