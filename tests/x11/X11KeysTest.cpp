// The X server's terms of a combination: keysyms and modifier masks.

#include <X11/keysym.h>
#include <gtest/gtest.h>
#include <xcb/xproto.h>

#include <set>

#include "x11/X11Keys.h"

namespace textmend {
namespace {

TEST(X11Keys, KeyNamesAsKeysyms) {
    const struct {
        const char* name;
        std::optional<std::uint32_t> keysym;
    } cases[] = {
        {"V", XK_v},  // a grab goes by key: the key's first keysym, the small letter
        {"Z", XK_z},
        {"0", XK_0},
        {"F1", XK_F1},
        {"F24", XK_F24},
        {"Enter", XK_Return},
        {"PageUp", XK_Prior},
        {"Backspace", XK_BackSpace},
        {"F25", std::nullopt},
        {"v", std::nullopt},
        {"Escape", std::nullopt},
        {"", std::nullopt},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(X11Keysym(c.name), c.keysym) << c.name;
    }
}

TEST(X11Keys, EveryKeyNameHasAKeysymOfItsOwn) {
    std::set<std::uint32_t> keysyms;
    for (std::string_view name : HotkeyKeyNames()) {
        const std::optional<std::uint32_t> keysym = X11Keysym(name);
        ASSERT_TRUE(keysym) << name;
        EXPECT_TRUE(keysyms.insert(*keysym).second) << name;
    }
}

TEST(X11Keys, ModifiersAsMasksWithWinOnMod4) {
    const struct {
        Hotkey hotkey;
        std::uint16_t mask;
    } cases[] = {
        {{.ctrl = true, .alt = true, .key = "V"}, XCB_MOD_MASK_CONTROL | XCB_MOD_MASK_1},
        {{.win = true, .key = "V"}, XCB_MOD_MASK_4},
        {{.ctrl = true, .alt = true, .shift = true, .win = true, .key = "V"},
         XCB_MOD_MASK_CONTROL | XCB_MOD_MASK_1 | XCB_MOD_MASK_SHIFT | XCB_MOD_MASK_4},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(X11ModifierMask(c.hotkey), c.mask) << HotkeyText(c.hotkey);
    }
}

TEST(X11Keys, OneGrabForEveryStateOfCapsLockAndNumLock) {
    constexpr std::uint16_t kCtrlAlt = XCB_MOD_MASK_CONTROL | XCB_MOD_MASK_1;
    const std::vector<std::uint16_t> expected{kCtrlAlt, kCtrlAlt | XCB_MOD_MASK_LOCK,
                                              kCtrlAlt | XCB_MOD_MASK_2,
                                              kCtrlAlt | XCB_MOD_MASK_LOCK | XCB_MOD_MASK_2};
    EXPECT_EQ(WithLockStates(kCtrlAlt, XCB_MOD_MASK_2), expected);
    EXPECT_EQ(WithLockStates(kCtrlAlt, 0),
              (std::vector<std::uint16_t>{kCtrlAlt, kCtrlAlt | XCB_MOD_MASK_LOCK}))
        << "a keyboard without Num Lock";
}

TEST(X11Keys, APressMatchesWhateverTheLocksAndButtons) {
    constexpr std::uint16_t kCtrlAlt = XCB_MOD_MASK_CONTROL | XCB_MOD_MASK_1;
    EXPECT_EQ(
        WithoutLocks(kCtrlAlt | XCB_MOD_MASK_LOCK | XCB_MOD_MASK_2 | XCB_KEY_BUT_MASK_BUTTON_1,
                     XCB_MOD_MASK_2),
        kCtrlAlt);
    EXPECT_EQ(WithoutLocks(kCtrlAlt | XCB_MOD_MASK_2, 0), kCtrlAlt | XCB_MOD_MASK_2)
        << "Mod2 is no lock on a keyboard whose Num Lock is elsewhere";
}

}  // namespace
}  // namespace textmend
