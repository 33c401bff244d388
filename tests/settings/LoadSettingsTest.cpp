#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <vector>

#include "MemorySettings.h"
#include "SettingsTestSupport.h"
#include "settings/Settings.h"

namespace textmend {
namespace {

struct StoredSetting {
    std::string_view keyName;
    std::string text;
};

// One stored state, the options before the load, and what the load must make of them.
struct LoadCase {
    std::string_view name;
    std::vector<StoredSetting> stored;
    void (*before)(OptionSet&);  // applied to the defaults before loading; may be null
    void (*expect)(OptionSet&);  // applied to the options before loading; may be null
};

const std::vector<LoadCase> kCaseKeyCases = {
    {"nothing stored keeps the defaults", {}, nullptr, nullptr},
    {"upper True",
     {{"upper", "True"}},
     nullptr,
     [](OptionSet& o) { o.caseMode = CaseMode::Upper; }},
    {"upper in capitals",
     {{"upper", "TRUE"}},
     nullptr,
     [](OptionSet& o) { o.caseMode = CaseMode::Upper; }},
    {"lower as a number",
     {{"lower", "1"}},
     nullptr,
     [](OptionSet& o) { o.caseMode = CaseMode::Lower; }},
    {"the saved form of Proper",
     {{"upper", "False"}, {"lower", "False"}, {"proper", "True"}, {"clean", "False"}},
     nullptr,
     [](OptionSet& o) { o.caseMode = CaseMode::Proper; }},
    {"the saved form of Upper",
     {{"upper", "True"}, {"lower", "False"}, {"proper", "False"}, {"clean", "False"}},
     nullptr,
     [](OptionSet& o) { o.caseMode = CaseMode::Upper; }},
    {"upper and proper both true: the later key wins",
     {{"upper", "True"}, {"proper", "True"}},
     nullptr,
     [](OptionSet& o) { o.caseMode = CaseMode::Proper; }},
    {"upper and lower both true",
     {{"upper", "True"}, {"lower", "true"}},
     nullptr,
     [](OptionSet& o) { o.caseMode = CaseMode::Lower; }},
    {"all four false: clean clears the default choice",
     {{"upper", "False"}, {"lower", "False"}, {"clean", "False"}, {"proper", "False"}},
     nullptr,
     [](OptionSet& o) { o.caseMode = CaseMode::None; }},
    {"clean missing, the others false: Cleanse stays",
     {{"upper", "False"}, {"lower", "False"}, {"proper", "False"}},
     nullptr,
     nullptr},
    {"a false key leaves another case chosen",
     {{"lower", "False"}, {"proper", "0"}},
     nullptr,
     nullptr},
    {"upper true then lower false: Upper stays",
     {{"upper", "True"}, {"lower", "False"}},
     nullptr,
     [](OptionSet& o) { o.caseMode = CaseMode::Upper; }},
    {"a false proper after a true upper leaves Upper",
     {{"upper", "True"}, {"proper", "FALSE"}},
     nullptr,
     [](OptionSet& o) { o.caseMode = CaseMode::Upper; }},
    {"a false key clears its own case chosen before loading",
     {{"lower", "false"}},
     [](OptionSet& o) { o.caseMode = CaseMode::Lower; },
     [](OptionSet& o) { o.caseMode = CaseMode::None; }},
    {"an unreadable case text changes nothing",
     {{"upper", "yes"}, {"clean", "no"}},
     nullptr,
     nullptr},
    {"a zero reads false",
     {{"clean", "0"}},
     nullptr,
     [](OptionSet& o) { o.caseMode = CaseMode::None; }},
};

const std::vector<LoadCase> kFlagKeyCases = {
    {"remcrs holding True",
     {{"remcrs", "True"}},
     nullptr,
     [](OptionSet& o) { o.remcrs = CheckState::Set; }},
    {"remcrs holding true is not read", {{"remcrs", "true"}}, nullptr, nullptr},
    {"remcrs holding False clears it",
     {{"remcrs", "False"}},
     [](OptionSet& o) { o.remcrs = CheckState::Set; },
     [](OptionSet& o) { o.remcrs = CheckState::Clear; }},
    {"remcrs holding FALSE is not read",
     {{"remcrs", "FALSE"}},
     [](OptionSet& o) { o.remcrs = CheckState::Set; },
     nullptr},
    {"dblspc holding True is not read", {{"dblspc", "True"}}, nullptr, nullptr},
    {"dblspc holding False is not read", {{"dblspc", "False"}}, nullptr, nullptr},
    {"remgt holding True is not read", {{"remgt", "True"}}, nullptr, nullptr},
    {"1.5 rounds to grayed",
     {{"sentence", "1.5"}},
     nullptr,
     [](OptionSet& o) { o.sentence = CheckState::Grayed; }},
    {"0.5 rounds to clear",
     {{"noblanks", "0.5"}},
     nullptr,
     [](OptionSet& o) { o.noblanks = CheckState::Clear; }},
    {"2.5 rounds to grayed",
     {{"trimcr", "2.5"}},
     nullptr,
     [](OptionSet& o) { o.trimcr = CheckState::Grayed; }},
    {"blanks around a number",
     {{"remcrdbl", " 1 "}},
     nullptr,
     [](OptionSet& o) { o.remcrdbl = CheckState::Set; }},
    {"3 is not a check state", {{"remgt", "3"}, {"dblspc", "3"}}, nullptr, nullptr},
    {"yes is not a number", {{"dblspc", "yes"}}, nullptr, nullptr},
    {"each flag reads its own key",
     {{"remgt", "1"},
      {"dblspc", "0"},
      {"sentence", "2"},
      {"noblanks", "0"},
      {"trimcr", "0"},
      {"remcrs", "2"},
      {"remcrdbl", "1"}},
     nullptr,
     [](OptionSet& o) {
         o.remgt = CheckState::Set;
         o.dblspc = CheckState::Clear;
         o.sentence = CheckState::Grayed;
         o.noblanks = CheckState::Clear;
         o.trimcr = CheckState::Clear;
         o.remcrs = CheckState::Grayed;
         o.remcrdbl = CheckState::Set;
     }},
};

const std::vector<LoadCase> kStartKeyCases = {
    {"start holding 1", {{"start", "1"}}, nullptr, [](OptionSet& o) { o.start = true; }},
    {"start holding TRUE", {{"start", "TRUE"}}, nullptr, [](OptionSet& o) { o.start = true; }},
    {"start holding yes is not read", {{"start", "yes"}}, nullptr, nullptr},
    {"start holding False turns it off",
     {{"start", "False"}},
     [](OptionSet& o) { o.start = true; },
     [](OptionSet& o) { o.start = false; }},
    {"start holding 0 turns it off",
     {{"start", "0"}},
     [](OptionSet& o) { o.start = true; },
     [](OptionSet& o) { o.start = false; }},
};

const std::vector<LoadCase> kEmptyTextCases = {
    {"empty texts everywhere keep the defaults",
     {{"upper", ""},
      {"lower", ""},
      {"clean", ""},
      {"proper", ""},
      {"remcrs", ""},
      {"dblspc", ""},
      {"sentence", ""},
      {"noblanks", ""},
      {"trimcr", ""},
      {"remcrdbl", ""},
      {"start", ""},
      {"remgt", ""}},
     nullptr,
     nullptr},
    {"an empty case text is not false",
     {{"upper", ""}, {"clean", ""}},
     [](OptionSet& o) { o.caseMode = CaseMode::Upper; },
     nullptr},
    {"a text cut short by a NUL",
     {{"upper", std::string("True\0", 5)}},
     nullptr,
     [](OptionSet& o) { o.caseMode = CaseMode::Upper; }},
    {"a flag text cut short by a NUL",
     {{"remcrs", std::string("1\0garbage", 9)}},
     nullptr,
     [](OptionSet& o) { o.remcrs = CheckState::Set; }},
    {"a NUL first reads as the empty text",
     {{"clean", std::string("\0False", 6)}},
     nullptr,
     nullptr},
};

const std::vector<LoadCase> kLaterCleanupCases = {
    {"nothing stored keeps them off", {}, nullptr, nullptr},
    {"the written forms",
     {{"invisible", "True"},
      {"plainpunct", "False"},
      {"joinwords", "True"},
      {"trimspaces", "False"},
      {"keeplists", "True"}},
     nullptr,
     [](OptionSet& o) { o.invisible = o.joinwords = o.keeplists = CheckState::Set; }},
    {"the True/False grammar: capitals, numbers",
     {{"plainpunct", "TRUE"}, {"trimspaces", "1"}, {"joinwords", "-1"}},
     nullptr,
     [](OptionSet& o) { o.plainpunct = o.trimspaces = o.joinwords = CheckState::Set; }},
    {"False and 0 turn them off",
     {{"invisible", "False"}, {"keeplists", "0"}},
     [](OptionSet& o) { o.invisible = o.keeplists = CheckState::Set; },
     [](OptionSet& o) { o.invisible = o.keeplists = CheckState::Clear; }},
    {"unreadable and empty texts keep the value",
     {{"invisible", "yes"}, {"joinwords", ""}, {"trimspaces", "on"}},
     [](OptionSet& o) { o.invisible = o.joinwords = CheckState::Set; },
     nullptr},
    {"the other keys are not read", {{"remcrs", "1"}, {"start", "True"}}, nullptr, nullptr},
};

void RunLoadCases(const std::vector<LoadCase>& cases,
                  void (*load)(OptionSet&, SettingsBackend&) = LoadSettings) {
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        MemorySettings store;
        for (const auto& setting : c.stored) {
            StoreText(store, setting.keyName, setting.text);
        }
        OptionSet options = DefaultOptions();
        options.autoprocess = true;  // never stored, so a load must leave it alone
        if (c.before) {
            c.before(options);
        }
        OptionSet expected = options;
        if (c.expect) {
            c.expect(expected);
        }
        load(options, store);
        EXPECT_EQ(options, expected);
    }
}

TEST(LoadSettings, CaseKeys) {
    RunLoadCases(kCaseKeyCases);
}
TEST(LoadSettings, FlagKeys) {
    RunLoadCases(kFlagKeyCases);
}
TEST(LoadSettings, StartKey) {
    RunLoadCases(kStartKeyCases);
}
TEST(LoadSettings, EmptyAndCutTexts) {
    RunLoadCases(kEmptyTextCases);
}
TEST(LoadSettings, LaterCleanupKeys) {
    RunLoadCases(kLaterCleanupCases, LoadLaterCleanups);
}
TEST(LoadSettings, LaterCleanupKeysAreNotReadWithTheTwelve) {
    RunLoadCases({{"invisible", {{"invisible", "True"}}, nullptr, nullptr}});
}

TEST(LoadSettings, SkipsValuesOfAnotherType) {
    MemorySettings store;
    const std::string one("\x01\x00\x00\x00", 4);
    const std::string zero("\x00\x00\x00\x00", 4);
    store.Store(kCurrentUser, SettingKey("upper"), "String", {MemorySettings::kNumberType, one});
    store.Store(kCurrentUser, SettingKey("clean"), "String", {MemorySettings::kNumberType, zero});
    store.Store(kCurrentUser, SettingKey("dblspc"), "String", {MemorySettings::kNumberType, zero});
    store.Store(kCurrentUser, SettingKey("start"), "String", {MemorySettings::kNumberType, one});
    // text that looks right but sits in a binary value
    store.Store(kCurrentUser, SettingKey("remgt"), "String", {3, "1"});

    OptionSet options = DefaultOptions();
    LoadSettings(options, store);
    EXPECT_EQ(options, DefaultOptions());
}

TEST(LoadSettings, ReadsOnlyTheStringValueUnderTheCurrentUser) {
    MemorySettings store;
    store.Store(0x80000002u, SettingKey("upper"), "String", {MemorySettings::kTextType, "True"});
    store.Store(kCurrentUser, SettingKey("lower"), "", {MemorySettings::kTextType, "True"});
    store.Store(kCurrentUser, SettingKey("proper"), "Value", {MemorySettings::kTextType, "True"});
    store.Store(kCurrentUser, "Software\\Textmend", "remgt", {MemorySettings::kTextType, "1"});
    store.Store(kCurrentUser, "Software\\Textmend\\", "String", {MemorySettings::kTextType, "1"});

    OptionSet options = DefaultOptions();
    LoadSettings(options, store);
    EXPECT_EQ(options, DefaultOptions());
}

TEST(LoadSettings, ReadsTheTwelveKeysInTheirOrder) {
    const std::vector<std::string_view> readingOrder = {
        "upper",    "lower",    "clean",  "proper",   "remcrs", "dblspc",
        "sentence", "noblanks", "trimcr", "remcrdbl", "start",  "remgt"};
    RecordingBackend backend;
    OptionSet options = DefaultOptions();
    LoadSettings(options, backend);

    std::vector<RecordingBackend::Call> expected;
    for (auto keyName : readingOrder) {
        expected.push_back({false, kCurrentUser, SettingKey(keyName), "String", ""});
    }
    EXPECT_EQ(backend.calls, expected);
}

TEST(LoadSettings, AnUnreadableKeyDoesNotStopTheKeysAfterIt) {
    MemorySettings store;
    StoreText(store, "upper", "maybe");
    StoreText(store, "remcrs", "lots");
    StoreText(store, "dblspc", "0");
    StoreText(store, "start", "perhaps");
    StoreText(store, "remgt", "1");

    OptionSet options = DefaultOptions();
    LoadSettings(options, store);
    OptionSet expected = DefaultOptions();
    expected.dblspc = CheckState::Clear;
    expected.remgt = CheckState::Set;
    EXPECT_EQ(options, expected);
}

}  // namespace
}  // namespace textmend
