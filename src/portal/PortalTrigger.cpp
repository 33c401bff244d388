#include "portal/PortalTrigger.h"

#include <array>
#include <string_view>
#include <utility>

namespace textmend {
namespace {

// The key names whose symbol is spelt otherwise; letters are the lower-case
// symbols, digits and F1 to F24 are their own.
constexpr auto kSymbols = std::to_array<std::pair<std::string_view, std::string_view>>({
    {"Space", "space"},
    {"Enter", "Return"},
    {"Backspace", "BackSpace"},
    {"PageUp", "Page_Up"},
    {"PageDown", "Page_Down"},
});

std::string KeySymbol(const std::string& key) {
    for (const auto& [name, symbol] : kSymbols) {
        if (key == name) {
            return std::string(symbol);
        }
    }
    if (key.size() == 1 && key[0] >= 'A' && key[0] <= 'Z') {
        return std::string(1, static_cast<char>(key[0] - 'A' + 'a'));
    }
    return key;
}

}  // namespace

std::string PreferredTrigger(const Hotkey& hotkey) {
    std::string trigger;
    for (const auto& [name, set] : {std::pair{"CTRL+", hotkey.ctrl},
                                    {"ALT+", hotkey.alt},
                                    {"SHIFT+", hotkey.shift},
                                    {"LOGO+", hotkey.win}}) {
        if (set) {
            trigger += name;
        }
    }
    return trigger + KeySymbol(hotkey.key);
}

}  // namespace textmend
