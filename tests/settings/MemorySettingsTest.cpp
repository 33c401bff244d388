#include "MemorySettings.h"

#include <gtest/gtest.h>

#include <string>

namespace textmend {
namespace {

constexpr std::uint32_t kRoot = 0x80000001u;

TEST(MemorySettings, GivesBackWhatWasWritten) {
    MemorySettings store;
    store.WriteValue(kRoot, "Software\\A", "String", "False");
    EXPECT_EQ(store.ReadValue(kRoot, "Software\\A", "String"), "False");
    const auto value = store.Find(kRoot, "Software\\A", "String");
    ASSERT_TRUE(value.has_value());
    EXPECT_EQ(*value, (MemorySettings::StoredValue{MemorySettings::kTextType, "False"}));
}

TEST(MemorySettings, AWriteReplacesTheOldText) {
    MemorySettings store;
    store.WriteValue(kRoot, "Software\\A", "String", "Longer text");
    store.WriteValue(kRoot, "Software\\A", "String", "1");
    EXPECT_EQ(store.ReadValue(kRoot, "Software\\A", "String"), "1");
    EXPECT_EQ(store.Count(), 1u);
}

TEST(MemorySettings, KeepsRootsKeysAndValueNamesApart) {
    MemorySettings store;
    store.WriteValue(kRoot, "Software\\A", "String", "a");
    store.WriteValue(kRoot + 1, "Software\\A", "String", "b");
    store.WriteValue(kRoot, "Software\\B", "String", "c");
    store.WriteValue(kRoot, "Software\\A", "Other", "d");
    EXPECT_EQ(store.ReadValue(kRoot, "Software\\A", "String"), "a");
    EXPECT_EQ(store.ReadValue(kRoot + 1, "Software\\A", "String"), "b");
    EXPECT_EQ(store.ReadValue(kRoot, "Software\\B", "String"), "c");
    EXPECT_EQ(store.ReadValue(kRoot, "Software\\A", "Other"), "d");
    EXPECT_EQ(store.Count(), 4u);
}

struct ReadCase {
    const char* name;
    bool stored;
    std::uint32_t type;
    std::string data;
    std::string read;
};

const ReadCase kReadCases[] = {
    {"missing", false, 0, "", ""},
    {"empty text", true, MemorySettings::kTextType, "", ""},
    {"text", true, MemorySettings::kTextType, "True", "True"},
    {"text with a terminating NUL", true, MemorySettings::kTextType, std::string("True\0", 5),
     "True"},
    {"text up to its first NUL", true, MemorySettings::kTextType, std::string("ab\0cd\0", 6), "ab"},
    {"a 32-bit number", true, MemorySettings::kNumberType, std::string("\x01\0\0\0", 4), ""},
    {"a number holding letters", true, MemorySettings::kNumberType, "True", ""},
    {"no type at all", true, 0, "True", ""},
};

TEST(MemorySettings, ReadsLikeTheRegistry) {
    for (const auto& c : kReadCases) {
        SCOPED_TRACE(c.name);
        MemorySettings store;
        if (c.stored) {
            store.Store(kRoot, "Software\\A", "String", {c.type, c.data});
        }
        EXPECT_EQ(store.ReadValue(kRoot, "Software\\A", "String"), c.read);
    }
}

}  // namespace
}  // namespace textmend
