#include "wayland/WaylandVirtualKeyboard.h"

#include <fcntl.h>
#include <sys/mman.h>
#include <unistd.h>

#include <cerrno>
#include <ctime>

#include "engine/SystemError.h"
#include "virtual-keyboard-unstable-v1-client-protocol.h"
#include "wayland/PasteKeymap.h"
#include "wayland/WaylandConnection.h"

namespace textmend {
namespace {

// The keymap in a sealed memory file the compositor maps, with its final NUL.
int KeymapFile(std::string_view keymap) {
    const int fd = memfd_create("textmend-keymap", MFD_CLOEXEC | MFD_ALLOW_SEALING);
    if (fd < 0) {
        throw LastSystemError();
    }
    const std::string text(keymap);
    if (write(fd, text.c_str(), text.size() + 1) != static_cast<ssize_t>(text.size() + 1)) {
        const int error = errno != 0 ? errno : EIO;
        close(fd);
        throw SystemError(error);
    }
    fcntl(fd, F_ADD_SEALS, F_SEAL_SHRINK | F_SEAL_GROW | F_SEAL_WRITE | F_SEAL_SEAL);
    return fd;
}

std::uint32_t Milliseconds() {
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return static_cast<std::uint32_t>(now.tv_sec * 1000 + now.tv_nsec / 1'000'000);
}

}  // namespace

WaylandVirtualKeyboard::WaylandVirtualKeyboard()
    : connection_(std::make_unique<WaylandConnection>()) {
    seat_ = connection_->Bind<wl_seat>(wl_seat_interface, 1);
    manager_ = connection_->Bind<zwp_virtual_keyboard_manager_v1>(
        zwp_virtual_keyboard_manager_v1_interface, 1);
    if (seat_ == nullptr || manager_ == nullptr) {
        if (seat_ != nullptr) {
            wl_seat_destroy(seat_);
        }
        throw SystemError(seat_ == nullptr ? ENODEV : EPROTONOSUPPORT);
    }
    keyboard_ = zwp_virtual_keyboard_manager_v1_create_virtual_keyboard(manager_, seat_);
    const std::string_view keymap = PasteKeymap();
    const int fd = KeymapFile(keymap);
    zwp_virtual_keyboard_v1_keymap(keyboard_, WL_KEYBOARD_KEYMAP_FORMAT_XKB_V1, fd,
                                   static_cast<std::uint32_t>(keymap.size() + 1));
    close(fd);
    connection_->Roundtrip();  // an unauthorized client learns it here
}

WaylandVirtualKeyboard::~WaylandVirtualKeyboard() {
    zwp_virtual_keyboard_v1_destroy(keyboard_);
    // The manager has no destructor request: its proxy goes with the connection.
    wl_proxy_destroy(reinterpret_cast<wl_proxy*>(manager_));
    wl_seat_destroy(seat_);
    wl_display_flush(connection_->Display());
}

void WaylandVirtualKeyboard::PasteCtrlV() {
    connection_->ThrowIfBroken();
    const std::uint32_t time = Milliseconds();
    zwp_virtual_keyboard_v1_key(keyboard_, time, kKeyLeftCtrl, WL_KEYBOARD_KEY_STATE_PRESSED);
    zwp_virtual_keyboard_v1_modifiers(keyboard_, kControlMask, 0, 0, 0);
    zwp_virtual_keyboard_v1_key(keyboard_, time, kKeyV, WL_KEYBOARD_KEY_STATE_PRESSED);
    zwp_virtual_keyboard_v1_key(keyboard_, time + 1, kKeyV, WL_KEYBOARD_KEY_STATE_RELEASED);
    zwp_virtual_keyboard_v1_key(keyboard_, time + 1, kKeyLeftCtrl, WL_KEYBOARD_KEY_STATE_RELEASED);
    zwp_virtual_keyboard_v1_modifiers(keyboard_, 0, 0, 0, 0);
    connection_->Roundtrip();
}

}  // namespace textmend
