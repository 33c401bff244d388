// The hotkey's text and its place among the stored settings.

#include <gtest/gtest.h>

#include "SettingsTestSupport.h"
#include "settings/Hotkey.h"
#include "settings/Settings.h"

namespace textmend {
namespace {

TEST(HotkeyText, ReadsAnyCaseAndOrderAndWritesOneForm) {
    const struct {
        const char* text;
        const char* written;  // nullptr: names no combination
    } cases[] = {
        {"Ctrl+Alt+V", "Ctrl+Alt+V"},
        {"alt+ctrl+v", "Ctrl+Alt+V"},
        {"Win+Shift+F12", "Shift+Win+F12"},
        {"CTRL+pageup", "Ctrl+PageUp"},
        {"Alt+0", "Alt+0"},
        {"Ctrl+Alt+Shift+Win+Space", "Ctrl+Alt+Shift+Win+Space"},
        {"", nullptr},
        {"V", nullptr},            // no modifier
        {"Shift+V", nullptr},      // Shift alone takes a key from typing
        {"Ctrl+Ctrl+V", nullptr},  // a modifier twice
        {"Ctrl+Alt", nullptr},     // no key
        {"Ctrl+V+Alt", nullptr},   // the key comes last
        {"Ctrl+F25", nullptr},     // no such key
        {"Ctrl+VV", nullptr},
        {"Ctrl + V", nullptr},  // no blanks
        {"Ctrl++", nullptr},
        {"Super+V", nullptr},  // Win is the name
    };
    for (const auto& c : cases) {
        const std::optional<Hotkey> hotkey = ParseHotkey(c.text);
        if (c.written == nullptr) {
            EXPECT_FALSE(hotkey) << c.text;
        } else {
            ASSERT_TRUE(hotkey) << c.text;
            EXPECT_EQ(HotkeyText(*hotkey), c.written) << c.text;
        }
    }
}

TEST(HotkeyText, EveryKeyNameReadsBackAsItself) {
    for (std::string_view name : HotkeyKeyNames()) {
        const std::string text = "Ctrl+" + std::string(name);
        const std::optional<Hotkey> hotkey = ParseHotkey(text);
        ASSERT_TRUE(hotkey) << text;
        EXPECT_EQ(HotkeyText(*hotkey), text);
    }
}

TEST(HotkeyText, FunctionKeysByNumber) {
    const struct {
        const char* name;
        std::optional<int> number;
    } cases[] = {
        {"F1", 1},   {"F9", 9},  {"F10", 10}, {"F24", 24}, {"F25", {}},  {"F0", {}},
        {"F01", {}}, {"f1", {}}, {"F", {}},   {"F1a", {}}, {"F123", {}}, {"Home", {}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(FunctionKeyNumber(c.name), c.number) << c.name;
    }
}

// A thirteenth key of its own: the twelve keep their reading and writing.
TEST(StoredHotkey, IsAKeyOfItsOwnBesideTheTwelve) {
    RecordingBackend backend;
    EXPECT_EQ(LoadHotkey(backend), std::nullopt) << "none stored";
    StoreText(backend.store, "hotkey", "alt+ctrl+v");
    EXPECT_EQ(LoadHotkey(backend), (Hotkey{.ctrl = true, .alt = true, .key = "V"}));
    StoreText(backend.store, "hotkey", "Ctrl+Nothing");
    EXPECT_EQ(LoadHotkey(backend), std::nullopt) << "unreadable is none";

    backend.calls.clear();
    SaveHotkey(Hotkey{.alt = true, .shift = true, .key = "F5"}, backend);
    SaveHotkey(std::nullopt, backend);
    ASSERT_EQ(backend.calls.size(), 2u);
    EXPECT_EQ(backend.calls[0], (RecordingBackend::Call{true, kCurrentUser, SettingKey("hotkey"),
                                                        "String", "Alt+Shift+F5"}));
    EXPECT_EQ(StoredText(backend.store, "hotkey"), "");
}

}  // namespace
}  // namespace textmend
