#include "x11/XcbKeymap.h"

#include <X11/keysym.h>

#include <algorithm>
#include <cstdlib>
#include <memory>

#include "x11/XcbDisplay.h"

namespace textmend {
namespace {

constexpr int kModifierRows = 8;

template <class Reply>
using ReplyPtr = std::unique_ptr<Reply, decltype(&std::free)>;

template <class Reply>
ReplyPtr<Reply> Owned(Reply* reply) {
    return ReplyPtr<Reply>(reply, &std::free);
}

}  // namespace

XcbKeymap::XcbKeymap(xcb_connection_t* connection) {
    const xcb_setup_t* setup = xcb_get_setup(connection);
    firstKey_ = setup->min_keycode;
    const auto count = static_cast<std::uint8_t>(setup->max_keycode - setup->min_keycode + 1);
    const auto keysCookie = xcb_get_keyboard_mapping(connection, firstKey_, count);
    const auto modifiersCookie = xcb_get_modifier_mapping(connection);

    xcb_generic_error_t* error = nullptr;
    auto keys = Owned(xcb_get_keyboard_mapping_reply(connection, keysCookie, &error));
    if (!keys) {
        xcb_discard_reply(connection, modifiersCookie.sequence);
        ThrowXcbError(error, "the keyboard mapping");
    }
    keysymsPerKey_ = keys->keysyms_per_keycode;
    const xcb_keysym_t* keysyms = xcb_get_keyboard_mapping_keysyms(keys.get());
    keysyms_.assign(keysyms, keysyms + xcb_get_keyboard_mapping_keysyms_length(keys.get()));

    auto modifiers = Owned(xcb_get_modifier_mapping_reply(connection, modifiersCookie, &error));
    if (!modifiers) {
        ThrowXcbError(error, "the modifier mapping");
    }
    keysPerModifier_ = modifiers->keycodes_per_modifier;
    const xcb_keycode_t* modifierKeys = xcb_get_modifier_mapping_keycodes(modifiers.get());
    modifierKeys_.assign(modifierKeys,
                         modifierKeys + xcb_get_modifier_mapping_keycodes_length(modifiers.get()));
}

std::optional<xcb_keycode_t> XcbKeymap::KeyOf(std::uint32_t keysym) const {
    if (keysymsPerKey_ == 0) {
        return std::nullopt;
    }
    const auto found = std::ranges::find(keysyms_, keysym);
    if (found == keysyms_.end()) {
        return std::nullopt;
    }
    const auto index = static_cast<int>(found - keysyms_.begin());
    return static_cast<xcb_keycode_t>(firstKey_ + index / keysymsPerKey_);
}

std::uint16_t XcbKeymap::NumLockMask() const {
    const std::optional<xcb_keycode_t> numLock = KeyOf(XK_Num_Lock);
    for (int row = 0; numLock && row < kModifierRows; ++row) {
        for (int column = 0; column < keysPerModifier_; ++column) {
            if (modifierKeys_[static_cast<std::size_t>(row * keysPerModifier_ + column)] ==
                *numLock) {
                return static_cast<std::uint16_t>(1u << row);
            }
        }
    }
    return 0;
}

std::vector<xcb_keycode_t> XcbKeymap::ModifierKeys(std::uint16_t mask) const {
    std::vector<xcb_keycode_t> keys;
    for (int row = 0; row < kModifierRows; ++row) {
        if ((mask & (1u << row)) == 0) {
            continue;
        }
        for (int column = 0; column < keysPerModifier_; ++column) {
            const xcb_keycode_t key =
                modifierKeys_[static_cast<std::size_t>(row * keysPerModifier_ + column)];
            if (key != 0) {
                keys.push_back(key);
            }
        }
    }
    return keys;
}

}  // namespace textmend
