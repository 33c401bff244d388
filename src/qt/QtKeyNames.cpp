#include "qt/QtKeyNames.h"

#include <algorithm>
#include <array>
#include <string_view>
#include <utility>

namespace textmend {
namespace {

using NamedKey = std::pair<std::string_view, Qt::Key>;

constexpr auto kNamedKeys = std::to_array<NamedKey>({
    {"Space", Qt::Key_Space},
    {"Enter", Qt::Key_Return},
    {"Tab", Qt::Key_Tab},
    {"Backspace", Qt::Key_Backspace},
    {"Insert", Qt::Key_Insert},
    {"Delete", Qt::Key_Delete},
    {"Home", Qt::Key_Home},
    {"End", Qt::Key_End},
    {"PageUp", Qt::Key_PageUp},
    {"PageDown", Qt::Key_PageDown},
    {"Left", Qt::Key_Left},
    {"Up", Qt::Key_Up},
    {"Right", Qt::Key_Right},
    {"Down", Qt::Key_Down},
});

std::optional<Qt::Key> KeyOf(std::string_view name) {
    if (name.size() == 1 &&
        ((name[0] >= 'A' && name[0] <= 'Z') || (name[0] >= '0' && name[0] <= '9'))) {
        // Qt's codes of letters and digits are their ASCII codes.
        return static_cast<Qt::Key>(name[0]);
    }
    if (const std::optional<int> number = FunctionKeyNumber(name)) {
        return static_cast<Qt::Key>(Qt::Key_F1 + *number - 1);
    }
    const auto named = std::ranges::find(kNamedKeys, name, &NamedKey::first);
    if (named != kNamedKeys.end()) {
        return named->second;
    }
    return std::nullopt;
}

std::string_view NameOf(Qt::Key key) {
    for (std::string_view name : HotkeyKeyNames()) {
        if (KeyOf(name) == key) {
            return name;
        }
    }
    return kUnnamedKey;
}

}  // namespace

std::string HotkeyTextOf(QKeyCombination combination) {
    if (combination.toCombined() == 0) {
        return {};
    }
    const Qt::KeyboardModifiers modifiers = combination.keyboardModifiers();
    Hotkey hotkey{
        .ctrl = modifiers.testFlag(Qt::ControlModifier),
        .alt = modifiers.testFlag(Qt::AltModifier),
        .shift = modifiers.testFlag(Qt::ShiftModifier),
        .win = modifiers.testFlag(Qt::MetaModifier),
        .key = std::string(modifiers.testFlag(Qt::KeypadModifier) ? kUnnamedKey
                                                                  : NameOf(combination.key()))};
    return HotkeyText(hotkey);
}

std::optional<QKeyCombination> KeyCombinationOf(const Hotkey& hotkey) {
    const std::optional<Qt::Key> key = KeyOf(hotkey.key);
    if (!key) {
        return std::nullopt;
    }
    Qt::KeyboardModifiers modifiers;
    modifiers.setFlag(Qt::ControlModifier, hotkey.ctrl);
    modifiers.setFlag(Qt::AltModifier, hotkey.alt);
    modifiers.setFlag(Qt::ShiftModifier, hotkey.shift);
    modifiers.setFlag(Qt::MetaModifier, hotkey.win);
    return QKeyCombination(modifiers, *key);
}

}  // namespace textmend
