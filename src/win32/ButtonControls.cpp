// Option buttons, check boxes and command buttons. Option buttons and check boxes
// are the non-automatic kinds: a click only reports, and the form decides the value.

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
            default:
                return {WC_BUTTONW,
                        static_cast<DWORD>(def().isDefault ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON) |
                            WS_TABSTOP,
                        0};
        }
    }

    std::wstring InitialText() const override { return Utf8ToWide(def().caption); }

    void Draw(const ControlState& state) override {
        if (def().kind != ControlKind::CommandButton) {
            SendMessageW(hwnd(), BM_SETCHECK, CheckValue(state.value), 0);
        }
    }

    void DescribeShown(JsonObject& out) const override {
        if (def().kind == ControlKind::CommandButton) {
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
