// A mouse for the tests on a Wayland compositor, through its virtual pointer
// (zwlr_virtual_pointer_v1). Reads commands from standard input, one a line, and
// answers each with "done" once the compositor has taken it:
//   click X Y WIDTH HEIGHT   moves to (X, Y) of a layout WIDTH by HEIGHT and clicks
// The pointer stays while the program runs, so that menus it opened stay open.

#include <linux/input-event-codes.h>
#include <wayland-client.h>

#include <chrono>
#include <cstdint>
#include <cstdio>
#include <iostream>
#include <sstream>
#include <string>
#include <string_view>
#include <thread>

#include "wlr-virtual-pointer-unstable-v1-client-protocol.h"

namespace {

struct Globals {
    wl_seat* seat = nullptr;
    zwlr_virtual_pointer_manager_v1* manager = nullptr;
};

void Global(void* data, wl_registry* registry, std::uint32_t name, const char* interface,
            std::uint32_t) {
    auto* globals = static_cast<Globals*>(data);
    const std::string_view id = interface;
    if (id == wl_seat_interface.name && globals->seat == nullptr) {
        globals->seat =
            static_cast<wl_seat*>(wl_registry_bind(registry, name, &wl_seat_interface, 1));
    } else if (id == zwlr_virtual_pointer_manager_v1_interface.name) {
        globals->manager = static_cast<zwlr_virtual_pointer_manager_v1*>(
            wl_registry_bind(registry, name, &zwlr_virtual_pointer_manager_v1_interface, 1));
    }
}

void GlobalRemove(void*, wl_registry*, std::uint32_t) {}

const wl_registry_listener kRegistryListener = {Global, GlobalRemove};

std::uint32_t Now() {
    using namespace std::chrono;
    return static_cast<std::uint32_t>(
        duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count());
}

void Pause() {
    std::this_thread::sleep_for(std::chrono::milliseconds(60));
}

}  // namespace

int main() {
    wl_display* display = wl_display_connect(nullptr);
    if (display == nullptr) {
        return 2;
    }
    Globals globals;
    wl_registry_add_listener(wl_display_get_registry(display), &kRegistryListener, &globals);
    wl_display_roundtrip(display);
    if (globals.manager == nullptr) {
        std::cerr << "no virtual pointer\n";
        return 2;
    }
    zwlr_virtual_pointer_v1* pointer =
        zwlr_virtual_pointer_manager_v1_create_virtual_pointer(globals.manager, globals.seat);
    wl_display_roundtrip(display);
    std::string line;
    while (std::getline(std::cin, line)) {
        std::istringstream words(line);
        std::string command;
        std::uint32_t x = 0, y = 0, width = 0, height = 0;
        if (!(words >> command >> x >> y >> width >> height) || command != "click") {
            std::cout << "bad command" << std::endl;
            continue;
        }
        // From a corner first, as a hand's pointer comes from elsewhere.
        for (const auto& [px, py] : {std::pair{0U, 0U}, std::pair{x, y}}) {
            zwlr_virtual_pointer_v1_motion_absolute(pointer, Now(), px, py, width, height);
            zwlr_virtual_pointer_v1_frame(pointer);
            wl_display_roundtrip(display);
            Pause();
        }
        for (const auto state :
             {WL_POINTER_BUTTON_STATE_PRESSED, WL_POINTER_BUTTON_STATE_RELEASED}) {
            zwlr_virtual_pointer_v1_button(pointer, Now(), BTN_LEFT, state);
            zwlr_virtual_pointer_v1_frame(pointer);
            wl_display_roundtrip(display);
            Pause();
        }
        std::cout << "done" << std::endl;
    }
    zwlr_virtual_pointer_v1_destroy(pointer);
    wl_display_roundtrip(display);
    wl_display_disconnect(display);
    return 0;
}
