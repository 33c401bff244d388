#include "x11/X11Keys.h"

#include <X11/keysym.h>
#include <xcb/xproto.h>

#include <algorithm>
#include <array>
#include <utility>

namespace textmend {
namespace {

using NamedKeysym = std::pair<std::string_view, std::uint32_t>;

constexpr auto kNamedKeys = std::to_array<NamedKeysym>({
    {"Space", XK_space},
    {"Enter", XK_Return},
    {"Tab", XK_Tab},
    {"Backspace", XK_BackSpace},
    {"Insert", XK_Insert},
    {"Delete", XK_Delete},
    {"Home", XK_Home},
    {"End", XK_End},
    {"PageUp", XK_Prior},
    {"PageDown", XK_Next},
    {"Left", XK_Left},
    {"Up", XK_Up},
    {"Right", XK_Right},
    {"Down", XK_Down},
});

constexpr std::uint16_t kModifierBits = 0xFF;

}  // namespace

std::optional<std::uint32_t> X11Keysym(std::string_view keyName) {
    if (keyName.size() == 1) {
        const char key = keyName[0];
        // A grab goes by key, and a letter's key carries its small letter first.
        if (key >= 'A' && key <= 'Z') {
            return XK_a + static_cast<std::uint32_t>(key - 'A');
        }
        if (key >= '0' && key <= '9') {
            return XK_0 + static_cast<std::uint32_t>(key - '0');
        }
        return std::nullopt;
    }
    if (const std::optional<int> number = FunctionKeyNumber(keyName)) {
        return XK_F1 + static_cast<std::uint32_t>(*number - 1);
    }
    const auto named = std::ranges::find(kNamedKeys, keyName, &NamedKeysym::first);
    if (named != kNamedKeys.end()) {
        return named->second;
    }
    return std::nullopt;
}

std::uint16_t X11ModifierMask(const Hotkey& hotkey) {
    std::uint16_t mask = 0;
    for (const auto& [set, bit] : {std::pair{hotkey.ctrl, XCB_MOD_MASK_CONTROL},
                                   {hotkey.alt, XCB_MOD_MASK_1},
                                   {hotkey.shift, XCB_MOD_MASK_SHIFT},
                                   {hotkey.win, XCB_MOD_MASK_4}}) {
        if (set) {
            mask |= static_cast<std::uint16_t>(bit);
        }
    }
    return mask;
}

std::vector<std::uint16_t> WithLockStates(std::uint16_t mask, std::uint16_t numLockMask) {
    std::vector<std::uint16_t> masks;
    for (std::uint16_t locks : {std::uint16_t{0}, std::uint16_t{XCB_MOD_MASK_LOCK}, numLockMask,
                                static_cast<std::uint16_t>(XCB_MOD_MASK_LOCK | numLockMask)}) {
        const auto state = static_cast<std::uint16_t>(mask | locks);
        if (std::ranges::find(masks, state) == masks.end()) {
            masks.push_back(state);
        }
    }
    return masks;
}

std::uint16_t WithoutLocks(std::uint16_t state, std::uint16_t numLockMask) {
    return static_cast<std::uint16_t>(state & kModifierBits & ~(XCB_MOD_MASK_LOCK | numLockMask));
}

}  // namespace textmend
