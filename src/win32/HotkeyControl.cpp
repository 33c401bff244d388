// The key box: the system's hot key control. It knows Ctrl, Alt and Shift but
// no Win key, so a combination with Win shows without it, and the user cannot
// press one into it.

#include <windows.h>
// after windows.h, which it needs
#include <commctrl.h>

#include "win32/ControlKinds.h"
#include "win32/VirtualKeys.h"

namespace textmend {
namespace {

class HotkeyBinding : public ControlBinding {
  public:
    using ControlBinding::ControlBinding;

    std::optional<std::string> TakeEdit(WORD notification) override {
        if (notification != EN_CHANGE) {
            return std::nullopt;
        }
        shown_ = Shown();
        return shown_;
    }

  protected:
    NativeClass Class() const override { return {HOTKEY_CLASSW, WS_TABSTOP, 0}; }

    // A text that names no combination is what the user just pressed, and the
    // control shows it already.
    void Draw(const ControlState& state) override {
        if (state.text == shown_) {
            return;
        }
        shown_ = state.text;
        if (state.text.empty()) {
            SendMessageW(hwnd(), HKM_SETHOTKEY, 0, 0);
        } else if (const std::optional<Hotkey> hotkey = ParseHotkey(state.text)) {
            SendMessageW(hwnd(), HKM_SETHOTKEY, HotkeyControlValue(*hotkey), 0);
        }
    }

    void DescribeShown(JsonObject& out) const override { out.Add("text", Shown()); }

  private:
    std::string Shown() const {
        return HotkeyControlText(static_cast<WORD>(SendMessageW(hwnd(), HKM_GETHOTKEY, 0, 0)));
    }

    std::string shown_;
};

}  // namespace

std::unique_ptr<ControlBinding> MakeHotkeyBinding(const ControlDef& def) {
    return std::make_unique<HotkeyBinding>(def);
}

}  // namespace textmend
