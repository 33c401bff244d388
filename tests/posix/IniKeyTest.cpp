#include <gtest/gtest.h>

#include "posix/IniKey.h"

namespace textmend {
namespace {

struct Case {
    const char* keyPath;
    const char* valueName;
    const char* expected;
};

TEST(IniKey, RegistryPathAndValueNameBecomeOneSlashKey) {
    const Case cases[] = {
        {"Software\\Textmend\\upper", "String", "Software/Textmend/upper/String"},
        {"Software\\Textmend\\remcrdbl", "String", "Software/Textmend/remcrdbl/String"},
        {"Software\\Textmend\\upper\\", "String", "Software/Textmend/upper/String"},
        {"\\Software\\\\Textmend\\upper", "String", "Software/Textmend/upper/String"},
        {"Software", "String", "Software/String"},
        {"", "String", "String"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(IniKey(c.keyPath, c.valueName), c.expected) << c.keyPath;
    }
}

}  // namespace
}  // namespace textmend
