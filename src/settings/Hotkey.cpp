#include "settings/Hotkey.h"

#include <algorithm>
#include <array>

#include "settings/AsciiCase.h"

namespace textmend {
namespace {

constexpr auto kNamedKeys = std::to_array<std::string_view>(
    {"Space", "Enter", "Tab", "Backspace", "Insert", "Delete", "Home", "End", "PageUp", "PageDown",
     "Left", "Up", "Right", "Down"});

std::array<std::string_view, 26 + 10 + 24 + kNamedKeys.size()> BuildKeyNames() {
    static constexpr std::string_view kLetters = "ABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
    static constexpr auto kFunctionKeys = std::to_array<std::string_view>(
        {"F1",  "F2",  "F3",  "F4",  "F5",  "F6",  "F7",  "F8",  "F9",  "F10", "F11", "F12",
         "F13", "F14", "F15", "F16", "F17", "F18", "F19", "F20", "F21", "F22", "F23", "F24"});
    std::array<std::string_view, 26 + 10 + 24 + kNamedKeys.size()> names{};
    std::size_t next = 0;
    for (std::size_t i = 0; i < kLetters.size(); ++i) {
        names[next++] = kLetters.substr(i, 1);
    }
    for (std::string_view name : kFunctionKeys) {
        names[next++] = name;
    }
    for (std::string_view name : kNamedKeys) {
        names[next++] = name;
    }
    return names;
}

// Sets the modifier named by word; false when word names none or it was set already.
bool SetModifier(std::string_view word, Hotkey& hotkey) {
    const std::pair<std::string_view, bool Hotkey::*> modifiers[] = {{"Ctrl", &Hotkey::ctrl},
                                                                     {"Alt", &Hotkey::alt},
                                                                     {"Shift", &Hotkey::shift},
                                                                     {"Win", &Hotkey::win}};
    for (const auto& [name, flag] : modifiers) {
        if (SameAsciiWord(word, name)) {
            if (hotkey.*flag) {
                return false;
            }
            hotkey.*flag = true;
            return true;
        }
    }
    return false;
}

}  // namespace

std::span<const std::string_view> HotkeyKeyNames() {
    static const auto names = BuildKeyNames();
    return names;
}

std::optional<int> FunctionKeyNumber(std::string_view keyName) {
    if (keyName.size() < 2 || keyName.size() > 3 || keyName[0] != 'F' || keyName[1] == '0') {
        return std::nullopt;
    }
    int number = 0;
    for (char digit : keyName.substr(1)) {
        if (digit < '0' || digit > '9') {
            return std::nullopt;
        }
        number = number * 10 + (digit - '0');
    }
    if (number > 24) {
        return std::nullopt;
    }
    return number;
}

std::optional<Hotkey> ParseHotkey(std::string_view text) {
    Hotkey hotkey;
    std::size_t start = 0;
    while (true) {
        const std::size_t plus = text.find('+', start);
        const std::string_view word = text.substr(start, plus - start);
        if (plus == std::string_view::npos) {
            const auto names = HotkeyKeyNames();
            const auto key = std::ranges::find_if(
                names, [word](std::string_view name) { return SameAsciiWord(word, name); });
            if (key == names.end() || !(hotkey.ctrl || hotkey.alt || hotkey.win)) {
                return std::nullopt;
            }
            hotkey.key = std::string(*key);
            return hotkey;
        }
        if (!SetModifier(word, hotkey)) {
            return std::nullopt;
        }
        start = plus + 1;
    }
}

bool TypedByPaste(const Hotkey& hotkey) {
    return hotkey == Hotkey{.ctrl = true, .key = "V"};
}

std::string HotkeyText(const Hotkey& hotkey) {
    std::string text;
    for (const auto& [name, set] : {std::pair{"Ctrl+", hotkey.ctrl},
                                    {"Alt+", hotkey.alt},
                                    {"Shift+", hotkey.shift},
                                    {"Win+", hotkey.win}}) {
        if (set) {
            text += name;
        }
    }
    return text + hotkey.key;
}

}  // namespace textmend
