#include "win32/VirtualKeys.h"

#include <commctrl.h>

#include <algorithm>
#include <array>
#include <utility>

namespace textmend {
namespace {

struct NamedKey {
    std::string_view name;
    BYTE virtualKey;
    // A key of the block beside the letters, which the keypad repeats: the
    // control names the keypad's unless told it is this one.
    bool extended;
};

constexpr auto kNamedKeys = std::to_array<NamedKey>({
    {"Space", VK_SPACE, false},
    {"Enter", VK_RETURN, false},
    {"Tab", VK_TAB, false},
    {"Backspace", VK_BACK, false},
    {"Insert", VK_INSERT, true},
    {"Delete", VK_DELETE, true},
    {"Home", VK_HOME, true},
    {"End", VK_END, true},
    {"PageUp", VK_PRIOR, true},
    {"PageDown", VK_NEXT, true},
    {"Left", VK_LEFT, true},
    {"Up", VK_UP, true},
    {"Right", VK_RIGHT, true},
    {"Down", VK_DOWN, true},
});

std::optional<std::string_view> KeyNameOf(BYTE virtualKey) {
    for (std::string_view name : HotkeyKeyNames()) {
        if (VirtualKeyOf(name) == virtualKey) {
            return name;
        }
    }
    return std::nullopt;
}

}  // namespace

std::optional<BYTE> VirtualKeyOf(std::string_view keyName) {
    if (keyName.size() == 1) {
        // The virtual keys of letters and digits are their capitals' codes.
        const char key = keyName[0];
        if ((key >= 'A' && key <= 'Z') || (key >= '0' && key <= '9')) {
            return static_cast<BYTE>(key);
        }
        return std::nullopt;
    }
    if (const std::optional<int> number = FunctionKeyNumber(keyName)) {
        return static_cast<BYTE>(VK_F1 + *number - 1);
    }
    const auto named = std::ranges::find(kNamedKeys, keyName, &NamedKey::name);
    if (named != kNamedKeys.end()) {
        return named->virtualKey;
    }
    return std::nullopt;
}

UINT RegisterHotKeyModifiers(const Hotkey& hotkey) {
    UINT modifiers = MOD_NOREPEAT;
    for (const auto& [set, flag] : {std::pair{hotkey.ctrl, MOD_CONTROL},
                                    {hotkey.alt, MOD_ALT},
                                    {hotkey.shift, MOD_SHIFT},
                                    {hotkey.win, MOD_WIN}}) {
        if (set) {
            modifiers |= static_cast<UINT>(flag);
        }
    }
    return modifiers;
}

WORD HotkeyControlValue(const Hotkey& hotkey) {
    const std::optional<BYTE> key = VirtualKeyOf(hotkey.key);
    if (!key) {
        return 0;
    }
    BYTE modifiers = 0;
    for (const auto& [set, flag] : {std::pair{hotkey.ctrl, HOTKEYF_CONTROL},
                                    {hotkey.alt, HOTKEYF_ALT},
                                    {hotkey.shift, HOTKEYF_SHIFT}}) {
        if (set) {
            modifiers |= static_cast<BYTE>(flag);
        }
    }
    const auto named = std::ranges::find(kNamedKeys, hotkey.key, &NamedKey::name);
    if (named != kNamedKeys.end() && named->extended) {
        modifiers |= HOTKEYF_EXT;
    }
    return MAKEWORD(*key, modifiers);
}

// Either of a key's twins on the keypad counts as the key: a registered hotkey
// answers both.
std::string HotkeyControlText(WORD value) {
    if (value == 0) {
        return {};
    }
    const BYTE modifiers = HIBYTE(value);
    const Hotkey hotkey{.ctrl = (modifiers & HOTKEYF_CONTROL) != 0,
                        .alt = (modifiers & HOTKEYF_ALT) != 0,
                        .shift = (modifiers & HOTKEYF_SHIFT) != 0,
                        .key = std::string(KeyNameOf(LOBYTE(value)).value_or(kUnnamedKey))};
    return HotkeyText(hotkey);
}

}  // namespace textmend
