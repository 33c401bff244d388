#pragma once

// One native control of a form window, in the manner of a small wrapper per
// control kind: created from its layout entry, placed at the window's DPI, drawn
// from the form's state, and described to the widget probe. The bindings decide
// nothing; a click only reaches the form through the window.

#include <windows.h>

#include <memory>
#include <optional>
#include <string>

#include "forms/Form.h"
#include "win32/JsonText.h"

namespace textmend {

class ControlBinding {
  public:
    explicit ControlBinding(const ControlDef& def) : def_(def) {}
    virtual ~ControlBinding();
    ControlBinding(const ControlBinding&) = delete;
    ControlBinding& operator=(const ControlBinding&) = delete;

    // The binding for a layout entry that is a native control: option button,
    // check box, command button, text box, key box, label or picture box;
    // nullptr for the rest.
    static std::unique_ptr<ControlBinding> For(const ControlDef& def);

    // Creates the control, visible and unplaced, as a child of parent with id.
    bool Create(HWND parent, HINSTANCE instance, UINT id);
    // Places the control by the layout's twips at dpi and gives it font.
    virtual void Place(UINT dpi, HFONT font);
    // Enabled and visible as the state says, then what the kind shows.
    void Refresh(const ControlState& state);
    // The control's screen box, enabled and visible, then what the kind shows.
    JsonObject Describe() const;
    // The text the user changed the control to, when notification reports such
    // a change (a text box's or a key box's); nothing otherwise.
    virtual std::optional<std::string> TakeEdit(WORD /*notification*/) { return std::nullopt; }

    const ControlDef& def() const { return def_; }
    HWND hwnd() const { return hwnd_; }

  protected:
    struct NativeClass {
        const wchar_t* name;
        DWORD style;
        DWORD exStyle;
    };
    virtual NativeClass Class() const = 0;
    // The text the control is created with.
    virtual std::wstring InitialText() const { return {}; }
    virtual void Draw(const ControlState& state) = 0;
    virtual void DescribeShown(JsonObject& out) const = 0;

  private:
    const ControlDef& def_;
    HWND hwnd_ = nullptr;
};

// A native window's whole text.
std::wstring WindowText(HWND hwnd);

}  // namespace textmend
