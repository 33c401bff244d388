// A window of the tests' own on a Wayland compositor that reports what is typed
// into it, one line each on standard output: "mapped" once it is on screen,
// "focus" when it gets the keyboard, then each key pressed as its keysym's name,
// after "ctrl+" while Control is held, as the keymap the compositor sent says.

#include <sys/mman.h>
#include <unistd.h>
#include <xkbcommon/xkbcommon.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string_view>

#include "xdg-shell-client-protocol.h"

namespace {

struct Target {
    wl_compositor* compositor = nullptr;
    wl_shm* shm = nullptr;
    wl_seat* seat = nullptr;
    xdg_wm_base* shell = nullptr;
    wl_keyboard* keyboard = nullptr;
    xkb_context* context = xkb_context_new(XKB_CONTEXT_NO_FLAGS);
    xkb_keymap* keymap = nullptr;
    xkb_state* state = nullptr;
    bool configured = false;
};

void Say(const char* line) {
    std::printf("%s\n", line);
    std::fflush(stdout);
}

void Keymap(void* data, wl_keyboard*, std::uint32_t, int fd, std::uint32_t size) {
    auto* target = static_cast<Target*>(data);
    void* text = mmap(nullptr, size, PROT_READ, MAP_PRIVATE, fd, 0);
    close(fd);
    if (text == MAP_FAILED) {
        std::exit(2);
    }
    xkb_state_unref(target->state);
    xkb_keymap_unref(target->keymap);
    target->keymap =
        xkb_keymap_new_from_string(target->context, static_cast<const char*>(text),
                                   XKB_KEYMAP_FORMAT_TEXT_V1, XKB_KEYMAP_COMPILE_NO_FLAGS);
    munmap(text, size);
    if (target->keymap == nullptr) {
        Say("bad keymap");
        std::exit(2);
    }
    target->state = xkb_state_new(target->keymap);
}

void Enter(void*, wl_keyboard*, std::uint32_t, wl_surface*, wl_array*) {
    Say("focus");
}

void Leave(void*, wl_keyboard*, std::uint32_t, wl_surface*) {}

void Key(void* data, wl_keyboard*, std::uint32_t, std::uint32_t, std::uint32_t key,
         std::uint32_t state) {
    auto* target = static_cast<Target*>(data);
    if (state != WL_KEYBOARD_KEY_STATE_PRESSED || target->state == nullptr) {
        return;
    }
    char name[64];
    xkb_keysym_get_name(xkb_state_key_get_one_sym(target->state, key + 8), name, sizeof name);
    const bool ctrl = xkb_state_mod_name_is_active(target->state, XKB_MOD_NAME_CTRL,
                                                   XKB_STATE_MODS_EFFECTIVE) > 0;
    std::printf("%s%s\n", ctrl ? "ctrl+" : "", name);
    std::fflush(stdout);
}

void Modifiers(void* data, wl_keyboard*, std::uint32_t, std::uint32_t depressed,
               std::uint32_t latched, std::uint32_t locked, std::uint32_t group) {
    auto* target = static_cast<Target*>(data);
    if (target->state != nullptr) {
        xkb_state_update_mask(target->state, depressed, latched, locked, 0, 0, group);
    }
}

void RepeatInfo(void*, wl_keyboard*, std::int32_t, std::int32_t) {}

const wl_keyboard_listener kKeyboardListener = {Keymap, Enter, Leave, Key, Modifiers, RepeatInfo};

void Capabilities(void* data, wl_seat* seat, std::uint32_t capabilities) {
    auto* target = static_cast<Target*>(data);
    if ((capabilities & WL_SEAT_CAPABILITY_KEYBOARD) != 0 && target->keyboard == nullptr) {
        target->keyboard = wl_seat_get_keyboard(seat);
        wl_keyboard_add_listener(target->keyboard, &kKeyboardListener, target);
    }
}

void SeatName(void*, wl_seat*, const char*) {}

const wl_seat_listener kSeatListener = {Capabilities, SeatName};

void Ping(void*, xdg_wm_base* shell, std::uint32_t serial) {
    xdg_wm_base_pong(shell, serial);
}

const xdg_wm_base_listener kShellListener = {Ping};

void Global(void* data, wl_registry* registry, std::uint32_t name, const char* interface,
            std::uint32_t) {
    auto* target = static_cast<Target*>(data);
    const std::string_view id = interface;
    if (id == wl_compositor_interface.name) {
        target->compositor = static_cast<wl_compositor*>(
            wl_registry_bind(registry, name, &wl_compositor_interface, 4));
    } else if (id == wl_shm_interface.name) {
        target->shm = static_cast<wl_shm*>(wl_registry_bind(registry, name, &wl_shm_interface, 1));
    } else if (id == wl_seat_interface.name && target->seat == nullptr) {
        target->seat =
            static_cast<wl_seat*>(wl_registry_bind(registry, name, &wl_seat_interface, 5));
        wl_seat_add_listener(target->seat, &kSeatListener, target);
    } else if (id == xdg_wm_base_interface.name) {
        target->shell =
            static_cast<xdg_wm_base*>(wl_registry_bind(registry, name, &xdg_wm_base_interface, 1));
        xdg_wm_base_add_listener(target->shell, &kShellListener, target);
    }
}

void GlobalRemove(void*, wl_registry*, std::uint32_t) {}

const wl_registry_listener kRegistryListener = {Global, GlobalRemove};

void SurfaceConfigure(void* data, xdg_surface* surface, std::uint32_t serial) {
    xdg_surface_ack_configure(surface, serial);
    static_cast<Target*>(data)->configured = true;
}

const xdg_surface_listener kSurfaceListener = {SurfaceConfigure};

// A white square, for the compositor to have something to show.
wl_buffer* WhiteBuffer(wl_shm* shm, int side) {
    const int stride = side * 4;
    const int size = stride * side;
    const int fd = memfd_create("key-target", MFD_CLOEXEC);
    if (fd < 0 || ftruncate(fd, size) != 0) {
        std::exit(2);
    }
    void* pixels = mmap(nullptr, size, PROT_READ | PROT_WRITE, MAP_SHARED, fd, 0);
    std::memset(pixels, 0xFF, size);
    munmap(pixels, size);
    wl_shm_pool* pool = wl_shm_create_pool(shm, fd, size);
    wl_buffer* buffer =
        wl_shm_pool_create_buffer(pool, 0, side, side, stride, WL_SHM_FORMAT_XRGB8888);
    wl_shm_pool_destroy(pool);
    close(fd);
    return buffer;
}

}  // namespace

int main() {
    wl_display* display = wl_display_connect(nullptr);
    if (display == nullptr) {
        return 2;
    }
    Target target;
    wl_registry_add_listener(wl_display_get_registry(display), &kRegistryListener, &target);
    wl_display_roundtrip(display);
    if (target.compositor == nullptr || target.shm == nullptr || target.shell == nullptr) {
        return 2;
    }
    wl_surface* surface = wl_compositor_create_surface(target.compositor);
    xdg_surface* window = xdg_wm_base_get_xdg_surface(target.shell, surface);
    xdg_surface_add_listener(window, &kSurfaceListener, &target);
    xdg_toplevel_set_title(xdg_surface_get_toplevel(window), "key target");
    wl_surface_commit(surface);
    while (!target.configured && wl_display_dispatch(display) >= 0) {
    }
    wl_surface_attach(surface, WhiteBuffer(target.shm, 64), 0, 0);
    wl_surface_commit(surface);
    wl_display_roundtrip(display);
    Say("mapped");
    while (wl_display_dispatch(display) >= 0) {
    }
    return 0;
}
