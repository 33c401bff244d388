#include "wayland/PasteKeymap.h"

namespace textmend {

std::string_view PasteKeymap() {
    return R"(xkb_keymap {
    xkb_keycodes "textmend" {
        minimum = 8;
        maximum = 255;
        <LCTL> = 37;
        <AB04> = 55;
    };
    xkb_types "textmend" {
        type "ONE_LEVEL" {
            modifiers = none;
            level_name[Level1] = "Any";
        };
    };
    xkb_compatibility "textmend" {
        interpret Control_L {
            action = SetMods(modifiers = Control);
        };
    };
    xkb_symbols "textmend" {
        key <LCTL> { [ Control_L ] };
        key <AB04> { [ v ] };
        modifier_map Control { <LCTL> };
    };
};
)";
}

}  // namespace textmend
