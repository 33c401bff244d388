// Combinations in Win32's terms: virtual keys, RegisterHotKey's modifiers and
// the hot key control's values.

#include <gtest/gtest.h>

#include <windows.h>
// after windows.h, which it needs
#include <commctrl.h>

#include <set>

#include "win32/VirtualKeys.h"

namespace textmend {
namespace {

TEST(VirtualKeys, KeyNamesAsVirtualKeys) {
    const struct {
        const char* name;
        std::optional<BYTE> key;
    } cases[] = {
        {"V", 'V'},
        {"0", '0'},
        {"F1", VK_F1},
        {"F24", VK_F24},
        {"Enter", VK_RETURN},
        {"Backspace", VK_BACK},
        {"PageUp", VK_PRIOR},
        {"PageDown", VK_NEXT},
        {"v", std::nullopt},
        {"Escape", std::nullopt},
        {"F25", std::nullopt},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(VirtualKeyOf(c.name), c.key) << c.name;
    }
}

TEST(VirtualKeys, EveryKeyNameHasAVirtualKeyOfItsOwn) {
    std::set<BYTE> keys;
    for (std::string_view name : HotkeyKeyNames()) {
        const std::optional<BYTE> key = VirtualKeyOf(name);
        ASSERT_TRUE(key) << name;
        EXPECT_TRUE(keys.insert(*key).second) << name;
    }
}

TEST(VirtualKeys, RegisteredModifiersNeverRepeat) {
    EXPECT_EQ(RegisterHotKeyModifiers({.ctrl = true, .alt = true, .key = "V"}),
              static_cast<UINT>(MOD_CONTROL | MOD_ALT | MOD_NOREPEAT));
    EXPECT_EQ(RegisterHotKeyModifiers({.shift = true, .win = true, .key = "V"}),
              static_cast<UINT>(MOD_SHIFT | MOD_WIN | MOD_NOREPEAT));
}

TEST(HotkeyControlValues, PressedValuesAsText) {
    const struct {
        WORD value;
        const char* text;
        bool named;  // a combination the program can hold
    } cases[] = {
        {MAKEWORD('V', HOTKEYF_CONTROL | HOTKEYF_ALT), "Ctrl+Alt+V", true},
        {MAKEWORD(VK_F5, HOTKEYF_SHIFT | HOTKEYF_ALT), "Alt+Shift+F5", true},
        {MAKEWORD(VK_HOME, HOTKEYF_CONTROL | HOTKEYF_EXT), "Ctrl+Home", true},
        {MAKEWORD(VK_HOME, HOTKEYF_CONTROL), "Ctrl+Home", true},  // the keypad's 7
        {MAKEWORD(VK_OEM_1, HOTKEYF_CONTROL), "", false},
        {MAKEWORD(VK_NUMPAD1, HOTKEYF_CONTROL), "", false},
        {MAKEWORD('V', HOTKEYF_SHIFT), "", false},
        {0, "", false},
    };
    for (const auto& c : cases) {
        const std::string text = HotkeyControlText(c.value);
        EXPECT_EQ(ParseHotkey(text).has_value(), c.named) << std::hex << c.value;
        if (c.named) {
            EXPECT_EQ(text, c.text);
        }
    }
    EXPECT_EQ(HotkeyControlText(0), "") << "an empty control";
}

TEST(HotkeyControlValues, TheBlockBesideTheLettersIsNotTheKeypads) {
    EXPECT_EQ(HIBYTE(HotkeyControlValue({.ctrl = true, .key = "Delete"})),
              HOTKEYF_CONTROL | HOTKEYF_EXT);
    EXPECT_EQ(HIBYTE(HotkeyControlValue({.ctrl = true, .key = "Enter"})), HOTKEYF_CONTROL);
}

TEST(HotkeyControlValues, EveryKeyNameShowsAndComesBack) {
    for (std::string_view name : HotkeyKeyNames()) {
        const Hotkey hotkey{.ctrl = true, .shift = true, .key = std::string(name)};
        EXPECT_EQ(HotkeyControlText(HotkeyControlValue(hotkey)), HotkeyText(hotkey));
    }
}

TEST(HotkeyControlValues, WinCannotShow) {
    EXPECT_EQ(HotkeyControlValue({.ctrl = true, .win = true, .key = "V"}),
              HotkeyControlValue({.ctrl = true, .key = "V"}));
}

}  // namespace
}  // namespace textmend
