#include "forms/Layout.h"

namespace textmend {

const ControlDef* FormDef::Find(std::string_view controlName) const {
    for (const ControlDef& control : controls) {
        if (control.name == controlName) {
            return &control;
        }
    }
    return nullptr;
}

}  // namespace textmend
