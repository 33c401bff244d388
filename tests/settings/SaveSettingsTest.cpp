#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "MemorySettings.h"
#include "SettingsTestSupport.h"
#include "settings/Settings.h"

namespace textmend {
namespace {

using KeyTexts = std::vector<std::pair<std::string_view, std::string>>;

// Writes the calls a save must make: every key in the writing order, with its text.
std::vector<RecordingBackend::Call> Writes(const KeyTexts& texts) {
    std::vector<RecordingBackend::Call> calls;
    for (const auto& [keyName, text] : texts) {
        calls.push_back({true, kCurrentUser, SettingKey(keyName), "String", text});
    }
    return calls;
}

TEST(SaveSettings, WritesTheDefaultsInTheWritingOrder) {
    RecordingBackend backend;
    SaveSettings(DefaultOptions(), backend);
    EXPECT_EQ(backend.calls, Writes({{"upper", "False"},
                                     {"lower", "False"},
                                     {"proper", "False"},
                                     {"clean", "True"},
                                     {"remcrs", "0"},
                                     {"dblspc", "1"},
                                     {"sentence", "0"},
                                     {"noblanks", "1"},
                                     {"trimcr", "1"},
                                     {"remcrdbl", "0"},
                                     {"remgt", "0"},
                                     {"start", "False"}}));
}

TEST(SaveSettings, EachFlagGoesUnderItsOwnKeyAndGrayedIsTwo) {
    OptionSet options;
    options.caseMode = CaseMode::Lower;
    options.remcrs = CheckState::Set;
    options.dblspc = CheckState::Grayed;
    options.sentence = CheckState::Set;
    options.noblanks = CheckState::Clear;
    options.trimcr = CheckState::Grayed;
    options.remcrdbl = CheckState::Set;
    options.remgt = CheckState::Grayed;
    options.start = true;
    options.autoprocess = true;

    RecordingBackend backend;
    SaveSettings(options, backend);
    EXPECT_EQ(backend.calls, Writes({{"upper", "False"},
                                     {"lower", "True"},
                                     {"proper", "False"},
                                     {"clean", "False"},
                                     {"remcrs", "1"},
                                     {"dblspc", "2"},
                                     {"sentence", "1"},
                                     {"noblanks", "0"},
                                     {"trimcr", "2"},
                                     {"remcrdbl", "1"},
                                     {"remgt", "2"},
                                     {"start", "True"}}));
}

TEST(SaveSettings, LaterCleanupsInTheirOrderAsTrueOrFalse) {
    const struct {
        const char* name;
        void (*set)(OptionSet&);
        KeyTexts expected;
    } cases[] = {
        {"the defaults: all off",
         nullptr,
         {{"invisible", "False"},
          {"plainpunct", "False"},
          {"joinwords", "False"},
          {"trimspaces", "False"},
          {"keeplists", "False"}}},
        {"some on, a grayed one off",
         [](OptionSet& o) {
             o.invisible = o.trimspaces = CheckState::Set;
             o.joinwords = CheckState::Grayed;
         },
         {{"invisible", "True"},
          {"plainpunct", "False"},
          {"joinwords", "False"},
          {"trimspaces", "True"},
          {"keeplists", "False"}}},
        {"all on",
         [](OptionSet& o) {
             o.invisible = o.plainpunct = o.joinwords = o.trimspaces = o.keeplists =
                 CheckState::Set;
         },
         {{"invisible", "True"},
          {"plainpunct", "True"},
          {"joinwords", "True"},
          {"trimspaces", "True"},
          {"keeplists", "True"}}},
    };
    for (const auto& c : cases) {
        OptionSet options = DefaultOptions();
        if (c.set) {
            c.set(options);
        }
        RecordingBackend backend;
        SaveLaterCleanups(options, backend);
        EXPECT_EQ(backend.calls, Writes(c.expected)) << c.name;

        MemorySettings store;
        SaveLaterCleanups(options, store);
        OptionSet loaded;
        LoadLaterCleanups(loaded, store);
        EXPECT_EQ(IsSet(loaded.joinwords), IsSet(options.joinwords)) << c.name;
        EXPECT_EQ(IsSet(loaded.invisible), IsSet(options.invisible)) << c.name;
        EXPECT_EQ(IsSet(loaded.keeplists), IsSet(options.keeplists)) << c.name;
    }
}

struct CaseSaveCase {
    CaseMode mode;
    std::string upper, lower, proper, clean;
};

const CaseSaveCase kCaseSaveCases[] = {
    {CaseMode::Cleanse, "False", "False", "False", "True"},
    {CaseMode::Upper, "True", "False", "False", "False"},
    {CaseMode::Lower, "False", "True", "False", "False"},
    {CaseMode::Proper, "False", "False", "True", "False"},
    {CaseMode::None, "False", "False", "False", "False"},
};

TEST(SaveSettings, WritesTrueUnderTheChosenCaseOnly) {
    for (const auto& c : kCaseSaveCases) {
        SCOPED_TRACE(testing::Message() << "case " << c.mode);
        OptionSet options = DefaultOptions();
        options.caseMode = c.mode;
        MemorySettings store;
        SaveSettings(options, store);
        EXPECT_EQ(StoredText(store, "upper"), c.upper);
        EXPECT_EQ(StoredText(store, "lower"), c.lower);
        EXPECT_EQ(StoredText(store, "proper"), c.proper);
        EXPECT_EQ(StoredText(store, "clean"), c.clean);
    }
}

TEST(SaveSettings, FirstShutdownCreatesAllTwelveTextValues) {
    MemorySettings store;
    SaveSettings(DefaultOptions(), store);
    EXPECT_EQ(store.Count(), 12u);
    for (std::string_view keyName :
         {"upper", "lower", "clean", "proper", "remcrs", "dblspc", "sentence", "noblanks", "trimcr",
          "remcrdbl", "start", "remgt"}) {
        const auto value = store.Find(kCurrentUser, SettingKey(keyName), "String");
        ASSERT_TRUE(value.has_value()) << keyName;
        EXPECT_EQ(value->type, MemorySettings::kTextType) << keyName;
    }
}

TEST(SaveSettings, AfterALoadWritesTheWrittenForms) {
    MemorySettings store;
    StoreText(store, "upper", "TRUE");
    StoreText(store, "start", "1");
    StoreText(store, "remcrs", "True");
    StoreText(store, "dblspc", " 1 ");
    StoreText(store, "sentence", "1.5");
    StoreText(store, "noblanks", "0.5");

    OptionSet options = DefaultOptions();
    LoadSettings(options, store);
    SaveSettings(options, store);

    const KeyTexts expected = {
        {"upper", "True"}, {"lower", "False"}, {"proper", "False"}, {"clean", "False"},
        {"remcrs", "1"},   {"dblspc", "1"},    {"sentence", "2"},   {"noblanks", "0"},
        {"trimcr", "1"},   {"remcrdbl", "0"},  {"remgt", "0"},      {"start", "True"},
    };
    for (const auto& [keyName, text] : expected) {
        EXPECT_EQ(StoredText(store, keyName), text) << keyName;
    }
}

TEST(SaveSettings, NoCaseChosenStaysThatWayOverASaveAndALoad) {
    MemorySettings store;
    for (std::string_view keyName : {"upper", "lower", "clean", "proper"}) {
        StoreText(store, keyName, "False");
    }
    OptionSet options = DefaultOptions();
    LoadSettings(options, store);
    ASSERT_EQ(options.caseMode, CaseMode::None);

    SaveSettings(options, store);
    for (std::string_view keyName : {"upper", "lower", "clean", "proper"}) {
        EXPECT_EQ(StoredText(store, keyName), "False") << keyName;
    }
}

// Option sets that differ from the defaults and from one another in every field.
std::vector<OptionSet> RoundTripOptions() {
    std::vector<OptionSet> sets;
    sets.push_back(DefaultOptions());
    sets.push_back(OptionSet{});
    const CaseMode modes[] = {CaseMode::None, CaseMode::Cleanse, CaseMode::Upper, CaseMode::Lower,
                              CaseMode::Proper};
    const CheckState states[] = {CheckState::Clear, CheckState::Set, CheckState::Grayed};
    int turn = 0;
    for (CaseMode mode : modes) {
        for (int shift = 0; shift < 3; ++shift) {
            OptionSet o;
            o.caseMode = mode;
            CheckState* flags[] = {&o.remgt,  &o.dblspc, &o.sentence, &o.noblanks,
                                   &o.trimcr, &o.remcrs, &o.remcrdbl};
            for (int i = 0; i < 7; ++i) {
                *flags[i] = states[(i + shift) % 3];
            }
            o.start = (turn++ % 2) == 0;
            sets.push_back(o);
        }
    }
    return sets;
}

TEST(SaveSettings, ASavedSetLoadsBackWhateverTheOptionsWereBefore) {
    OptionSet unlike;  // differs from the defaults in every stored field but the case
    unlike.caseMode = CaseMode::Upper;
    unlike.dblspc = unlike.noblanks = unlike.trimcr = CheckState::Grayed;
    unlike.remgt = unlike.sentence = unlike.remcrs = unlike.remcrdbl = CheckState::Set;
    unlike.start = true;

    for (const OptionSet& saved : RoundTripOptions()) {
        for (const OptionSet& before : {DefaultOptions(), unlike}) {
            SCOPED_TRACE(testing::Message() << "saved " << saved << ", before " << before);
            MemorySettings store;
            SaveSettings(saved, store);
            OptionSet loaded = before;
            LoadSettings(loaded, store);
            OptionSet expected = saved;
            expected.autoprocess = before.autoprocess;
            EXPECT_EQ(loaded, expected);
        }
    }
}

}  // namespace
}  // namespace textmend
