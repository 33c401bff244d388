#include "forms/Layout.h"

#include <array>

namespace textmend {

std::span<const FormDef* const> AllLayouts() {
    static const std::array<const FormDef*, 4> layouts{&MainLayout(), &HelpLayout(), &AboutLayout(),
                                                       &HotkeyLayout()};
    return layouts;
}

const ControlDef* FormDef::Find(std::string_view controlName) const {
    for (const ControlDef& control : controls) {
        if (control.name == controlName) {
            return &control;
        }
    }
    return nullptr;
}

}  // namespace textmend
