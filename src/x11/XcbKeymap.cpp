#include "x11/XcbKeymap.h"

#include <X11/keysym.h>

#include <algorithm>
#include <cstdlib>
#include <memory>

#include "x11/XcbDisplay.h"
#include "x11/XcbXkb.h"

namespace textmend {
namespace {

constexpr int kModifierRows = 8;

template <class Reply>
using ReplyPtr = std::unique_ptr<Reply, decltype(&std::free)>;

template <class Reply>
ReplyPtr<Reply> Owned(Reply* reply) {
    return ReplyPtr<Reply>(reply, &std::free);
}

// The layout a key uses while the keyboard is in group: a key with fewer
// layouts wraps the group round, clamps it or redirects it, as it says.
std::optional<int> KeyGroup(std::uint8_t groupInfo, int group) {
    const int groups = groupInfo & 0x0F;
    if (groups == 0) {
        return std::nullopt;
    }
    if (group < groups) {
        return group;
    }
    switch ((groupInfo >> 6) & 0x03) {
        case XCB_XKB_GROUPS_WRAP_CLAMP_INTO_RANGE >> 6:
            return groups - 1;
        case XCB_XKB_GROUPS_WRAP_REDIRECT_INTO_RANGE >> 6: {
            const int redirect = (groupInfo >> 4) & 0x03;
            return redirect < groups ? redirect : 0;
        }
        default:
            return group % groups;
    }
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
    ReadActiveLayout(connection);
}

// The server's XKB keyboard: its keys' keysyms in every group, and the group
// the keyboard is in. False when the server has no XKB.
bool XcbKeymap::ReadActiveLayout(xcb_connection_t* connection) {
    auto version = Owned(xcb_xkb_use_extension_reply(
        connection, xcb_xkb_use_extension(connection, XCB_XKB_MAJOR_VERSION, XCB_XKB_MINOR_VERSION),
        nullptr));
    if (!version || version->supported == 0) {
        return false;
    }
    const auto count =
        static_cast<std::uint8_t>(keysymsPerKey_ == 0 ? 0 : keysyms_.size() / keysymsPerKey_);
    const auto stateCookie = xcb_xkb_get_state(connection, XCB_XKB_ID_USE_CORE_KBD);
    const auto mapCookie =
        xcb_xkb_get_map(connection, XCB_XKB_ID_USE_CORE_KBD, XCB_XKB_MAP_PART_KEY_SYMS, 0, 0, 0,
                        firstKey_, count, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0);
    auto state = Owned(xcb_xkb_get_state_reply(connection, stateCookie, nullptr));
    auto map = Owned(xcb_xkb_get_map_reply(connection, mapCookie, nullptr));
    if (!state || !map) {
        return false;
    }
    xcb_xkb_get_map_map_t parts{};
    xcb_xkb_get_map_map_unpack(xcb_xkb_get_map_map(map.get()), map->nTypes, map->nKeySyms,
                               map->nKeyActions, map->totalActions, map->totalKeyBehaviors,
                               map->virtualMods, map->totalKeyExplicit, map->totalModMapKeys,
                               map->totalVModMapKeys, map->present, &parts);
    std::vector<std::vector<xcb_keysym_t>> keys(map->firstKeySym - firstKey_);
    for (auto key = xcb_xkb_get_map_map_syms_rtrn_iterator(map.get(), &parts); key.rem > 0;
         xcb_xkb_key_sym_map_next(&key)) {
        std::vector<xcb_keysym_t>& levels = keys.emplace_back();
        const std::optional<int> group = KeyGroup(key.data->groupInfo, state->group);
        if (group && key.data->width > 0) {
            const xcb_keysym_t* syms = xcb_xkb_key_sym_map_syms(key.data);
            const int first = *group * key.data->width;
            if (first + key.data->width <= xcb_xkb_key_sym_map_syms_length(key.data)) {
                levels.assign(syms + first, syms + first + key.data->width);
            }
        }
    }
    layoutKeysyms_ = std::move(keys);
    return true;
}

std::optional<xcb_keycode_t> XcbKeymap::KeyOf(std::uint32_t keysym) const {
    if (!layoutKeysyms_.empty()) {
        for (std::size_t level = 0;; ++level) {
            bool deeper = false;
            for (std::size_t key = 0; key < layoutKeysyms_.size(); ++key) {
                const std::vector<xcb_keysym_t>& levels = layoutKeysyms_[key];
                if (level < levels.size() && levels[level] == keysym) {
                    return static_cast<xcb_keycode_t>(firstKey_ + key);
                }
                deeper = deeper || level + 1 < levels.size();
            }
            if (!deeper) {
                return std::nullopt;
            }
        }
    }
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
