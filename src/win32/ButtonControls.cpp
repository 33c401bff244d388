// Option buttons, check boxes, command buttons and frames (group boxes). Option
// buttons and check boxes are the non-automatic kinds: a click only reports, and
// the form decides the value.

#include <windows.h>
// after windows.h, which it needs
#include <commctrl.h>

#include "win32/ControlKinds.h"
#include "win32/Utf.h"

namespace textmend {
namespace {

WPARAM CheckValue(int value) {
    switch (value) {
        case 1:
            return BST_CHECKED;
        case 2:
            return BST_INDETERMINATE;
        default:
            return BST_UNCHECKED;
    }
}

class ButtonBinding : public ControlBinding {
  public:
    using ControlBinding::ControlBinding;

  protected:
    NativeClass Class() const override {
        switch (def().kind) {
            case ControlKind::OptionButton:
                return {WC_BUTTONW, BS_RADIOBUTTON | WS_TABSTOP, 0};
            case ControlKind::CheckBox:
                return {WC_BUTTONW, BS_3STATE | WS_TABSTOP, 0};
            case ControlKind::Frame:
                return {WC_BUTTONW, BS_GROUPBOX, 0};
            default:
                return {WC_BUTTONW,
                        static_cast<DWORD>(def().isDefault ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON) |
                            WS_TABSTOP,
                        0};
        }
    }

    std::wstring InitialText() const override { return Utf8ToWide(def().caption); }

    // Every control clips its siblings, so a frame lies beneath the controls it
    // holds or it would hide them.
    void Place(UINT dpi, HFONT font) override {
        ControlBinding::Place(dpi, font);
        if (def().kind == ControlKind::Frame) {
            SetWindowPos(hwnd(), HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
        }
    }

    bool ShowsCaption() const {
        return def().kind == ControlKind::CommandButton || def().kind == ControlKind::Frame;
    }

    void Draw(const ControlState& state) override {
        if (!ShowsCaption()) {
            SendMessageW(hwnd(), BM_SETCHECK, CheckValue(state.value), 0);
        }
    }

    void DescribeShown(JsonObject& out) const override {
        if (ShowsCaption()) {
            out.Add("text", WideToUtf8(WindowText(hwnd())));
            return;
        }
        const LRESULT check = SendMessageW(hwnd(), BM_GETCHECK, 0, 0);
        out.Add("value", check == BST_CHECKED ? 1 : check == BST_INDETERMINATE ? 2 : 0);
    }
};

}  // namespace

std::unique_ptr<ControlBinding> MakeButtonBinding(const ControlDef& def) {
    return std::make_unique<ButtonBinding>(def);
}

}  // namespace textmend
