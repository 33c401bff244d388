// The key box's combinations in the program's words and back.

#include <gtest/gtest.h>

#include "qt/QtKeyNames.h"

namespace textmend {
namespace {

TEST(QtKeyNames, PressedCombinationsAsText) {
    const struct {
        QKeyCombination pressed;
        const char* text;
        bool named;  // a combination the program can hold
    } cases[] = {
        {Qt::CTRL | Qt::ALT | Qt::Key_V, "Ctrl+Alt+V", true},
        {Qt::META | Qt::SHIFT | Qt::Key_F5, "Shift+Win+F5", true},
        {Qt::ALT | Qt::Key_Return, "Alt+Enter", true},
        {Qt::CTRL | Qt::Key_PageDown, "Ctrl+PageDown", true},
        {Qt::CTRL | Qt::Key_0, "Ctrl+0", true},
        {QKeyCombination(Qt::ControlModifier | Qt::KeypadModifier, Qt::Key_1), "", false},
        {QKeyCombination(Qt::ControlModifier | Qt::KeypadModifier, Qt::Key_Enter), "", false},
        {Qt::CTRL | Qt::Key_Escape, "", false},
        {Qt::CTRL | Qt::SHIFT | Qt::Key_Exclam, "", false},  // Shift+1 on many layouts
        {Qt::CTRL | Qt::Key_Adiaeresis, "", false},
    };
    for (const auto& c : cases) {
        const std::string text = HotkeyTextOf(c.pressed);
        EXPECT_EQ(ParseHotkey(text).has_value(), c.named) << text;
        if (c.named) {
            EXPECT_EQ(text, c.text);
        }
    }
    EXPECT_EQ(HotkeyTextOf(QKeyCombination::fromCombined(0)), "") << "an empty box";
}

TEST(QtKeyNames, EveryKeyNameShowsAsAQtKeyAndComesBack) {
    for (std::string_view name : HotkeyKeyNames()) {
        const Hotkey hotkey{.ctrl = true, .win = true, .key = std::string(name)};
        const std::optional<QKeyCombination> shown = KeyCombinationOf(hotkey);
        ASSERT_TRUE(shown) << name;
        EXPECT_EQ(HotkeyTextOf(*shown), HotkeyText(hotkey));
    }
}

}  // namespace
}  // namespace textmend
