#pragma once

// The keyboard as the X server maps it now: which keys carry which keysyms in
// the layout in use (the XKB group the keyboard is in), and which keys are
// bound to which modifiers.

#include <xcb/xcb.h>

#include <cstdint>
#include <optional>
#include <vector>

namespace textmend {

class XcbKeymap {
  public:
    // Reads both mappings; throws StepError when the server refuses.
    explicit XcbKeymap(xcb_connection_t* connection);

    // The key that gives keysym in the active layout, at the lowest level any key
    // gives it; the lowest such key. A server without XKB has one layout: the
    // first key that carries keysym, at any level.
    std::optional<xcb_keycode_t> KeyOf(std::uint32_t keysym) const;
    // The modifier Num Lock is bound to; 0 when no key of the keyboard is Num Lock.
    std::uint16_t NumLockMask() const;
    // The keys bound to any of the modifiers in mask.
    std::vector<xcb_keycode_t> ModifierKeys(std::uint16_t mask) const;

  private:
    bool ReadActiveLayout(xcb_connection_t* connection);

    // Each key's keysyms in the active layout, by level; empty without XKB.
    std::vector<std::vector<xcb_keysym_t>> layoutKeysyms_;
    xcb_keycode_t firstKey_ = 0;
    int keysymsPerKey_ = 0;
    std::vector<xcb_keysym_t> keysyms_;
    int keysPerModifier_ = 0;
    std::vector<xcb_keycode_t> modifierKeys_;  // eight rows: Shift, Lock, Control, Mod1..Mod5
};

}  // namespace textmend
