#pragma once

#include <cstdint>
#include <memory>

#include "ports/HotkeyPort.h"

struct zwp_virtual_keyboard_manager_v1;
struct zwp_virtual_keyboard_v1;
struct wl_seat;

namespace textmend {

class WaylandConnection;

// Types the paste into whatever has the keyboard focus on a Wayland seat, through
// the compositor's virtual keyboard (zwp_virtual_keyboard_v1) with a keymap of
// the program's own, on a connection of its own.
class WaylandVirtualKeyboard : public KeyboardPort {
  public:
    // Connects to $WAYLAND_DISPLAY, makes the keyboard and hands it the keymap.
    // Throws StepError when that fails or the compositor offers no virtual keyboard.
    WaylandVirtualKeyboard();
    ~WaylandVirtualKeyboard() override;

    // Wayland tells no client which window has the focus: the paste goes where
    // the compositor sends keys.
    std::uintptr_t FocusedWindow() override { return 0; }
    void Paste(std::uintptr_t) override { PasteCtrlV(); }
    // Presses Ctrl, types V and lets go of both; returns once the compositor has
    // taken them. Throws StepError when it refused them.
    void PasteCtrlV();

  private:
    std::unique_ptr<WaylandConnection> connection_;
    wl_seat* seat_ = nullptr;
    zwp_virtual_keyboard_manager_v1* manager_ = nullptr;
    zwp_virtual_keyboard_v1* keyboard_ = nullptr;
};

}  // namespace textmend
