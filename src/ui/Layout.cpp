#include "ui/Layout.h"

namespace textmend {

const ControlSpec* FormSpec::Find(std::string_view controlName) const {
    for (const ControlSpec& control : controls) {
        if (control.name == controlName) {
            return &control;
        }
    }
    return nullptr;
}

}  // namespace textmend
