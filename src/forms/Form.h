#pragma once

// What every window's core class offers its front end, and how a front end drives it.
//
// - Build the widgets and menus from Layout() and nothing else: positions in twips
//   (PixelGrid.h turns them into pixels), captions, tab order, tooltips.
// - Draw every widget from Caption() and Control(name): value (option selected,
//   check box 0/1/2, menu item checked), enabled, visible, text. Draw again after
//   every call into the form; the form never draws.
// - Send every click on a button, option button or check box, and every choice of
//   a menu item, to Click(name), and every change the user makes to a text box or
//   a key box to Change(name, text). A front end never changes a value itself: a
//   native box that toggles on its own is redrawn from the form at once.
// - Each form adds its own entry points for what is not a click (the main window's
//   timers, tray icon and window state; a dialog's load), named in its header.
// - Close the window once Unloaded() is true.

#include <map>
#include <string>
#include <string_view>

#include "forms/Layout.h"

namespace textmend {

struct ControlState {
    int value = 0;        // option button 1 selected; check box 0/1/2; menu item 1 checked
    bool enabled = true;  // timers: running
    bool visible = true;
    std::string text;  // text box and label texts
};

class Form {
  public:
    explicit Form(const FormDef& layout);
    virtual ~Form() = default;
    Form(const Form&) = delete;
    Form& operator=(const Form&) = delete;

    const FormDef& Layout() const { return layout_; }
    const std::string& Caption() const { return caption_; }
    // The run-time state of a control or menu item of the layout; nullptr for an unknown name.
    const ControlState* Control(std::string_view name) const;
    // A click on a button, option button or check box or a choice of a menu item.
    // Returns false when the name has no handler.
    virtual bool Click(std::string_view name) = 0;
    // The user changed the text a text box or key box shows (a key box: the
    // combination pressed, in the form of settings/Hotkey.h, or empty).
    virtual void Change(std::string_view name, const std::string& text);
    // Set once the form has unloaded itself; the front end then closes the window.
    bool Unloaded() const { return unloaded_; }

  protected:
    ControlState& State(std::string_view name);
    std::string caption_;
    bool unloaded_ = false;

  private:
    const FormDef& layout_;
    std::map<std::string, ControlState, std::less<>> controls_;
};

}  // namespace textmend
