#pragma once

// What every window's core class offers its front end: the state of each control
// by name, to draw from, and one entry point for clicks, to send events to.

#include <map>
#include <string>
#include <string_view>

#include "ui/Layout.h"

namespace textmend {

struct ControlState {
    int value = 0;        // option button 1 selected; check box 0/1/2; menu item 1 checked
    bool enabled = true;  // timers: running
    bool visible = true;
    std::string text;  // text box and label texts set at run time (else the caption)
};

class Form {
  public:
    explicit Form(const FormSpec& layout);
    virtual ~Form() = default;
    Form(const Form&) = delete;
    Form& operator=(const Form&) = delete;

    const FormSpec& Layout() const { return layout_; }
    const std::string& Caption() const { return caption_; }
    // The run-time state of a control or menu item of the layout; nullptr for an unknown name.
    const ControlState* Control(std::string_view name) const;
    // A click on a button, option button, check box or a choice of a menu item.
    // Returns false when the name has no handler.
    virtual bool Click(std::string_view name) = 0;
    // Set once the form has unloaded itself; the front end then closes the window.
    bool Unloaded() const { return unloaded_; }

  protected:
    ControlState& State(std::string_view name);
    std::string caption_;
    bool unloaded_ = false;

  private:
    const FormSpec& layout_;
    std::map<std::string, ControlState, std::less<>> controls_;
};

}  // namespace textmend
