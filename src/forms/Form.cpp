#include "forms/Form.h"

#include <stdexcept>

namespace textmend {

Form::Form(const FormDef& layout) : caption_(layout.caption), layout_(layout) {
    for (const ControlDef& control : layout.controls) {
        ControlState state;
        state.enabled = control.enabled;
        if (control.kind == ControlKind::Label) {
            state.text = control.caption;
        }
        controls_.emplace(control.name, std::move(state));
    }
}

void Form::Change(std::string_view name, const std::string& text) {
    if (Control(name) != nullptr) {
        State(name).text = text;
    }
}

const ControlState* Form::Control(std::string_view name) const {
    auto found = controls_.find(name);
    return found == controls_.end() ? nullptr : &found->second;
}

ControlState& Form::State(std::string_view name) {
    auto found = controls_.find(name);
    if (found == controls_.end()) {
        // Only the form's own code names controls, so this is a slip in that code.
        throw std::logic_error("no control named " + std::string(name) + " on " +
                               std::string(layout_.name));
    }
    return found->second;
}

}  // namespace textmend
