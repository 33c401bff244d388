#include "spelling/HunspellWordList.h"

#include <gtest/gtest.h>

#include "engine/ProcessText.h"

namespace textmend {
namespace {

const std::filesystem::path kSystemFolder = "/usr/share/hunspell";

TEST(HunspellWordList, AsksTheEnglishDictionary) {
    const HunspellWordList words(kSystemFolder, {"en_US"});
    ASSERT_FALSE(words.empty()) << "hunspell-en-us is not installed";
    for (const char* known : {"well", "known", "computer"}) {
        EXPECT_TRUE(words.Known(known)) << known;
    }
    for (const char* unknown : {"wellknown", "puter", "xqzt"}) {
        EXPECT_FALSE(words.Known(unknown)) << unknown;
    }
}

TEST(HunspellWordList, JoinSplitWordsThroughIt) {
    const HunspellWordList words(kSystemFolder, {"en_US"});
    OptionSet options;
    options.joinwords = CheckState::Set;
    EXPECT_EQ(
        ProcessText("a well-\r\nknown com-\r\nputer", options, {}, DefaultScratchFolders(), &words),
        "a well-known computer");
}

TEST(HunspellWordList, MissingDictionariesAreLeftOut) {
    EXPECT_TRUE(HunspellWordList(kSystemFolder, {"xx_XX"}).empty());
    EXPECT_TRUE(HunspellWordList("/nonexistent", {"en_US"}).empty());
}

}  // namespace
}  // namespace textmend
