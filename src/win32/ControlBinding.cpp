#include "win32/ControlBinding.h"

#include "forms/PixelGrid.h"
#include "win32/ControlKinds.h"
#include "win32/WidgetProbe.h"

namespace textmend {

ControlBinding::~ControlBinding() {
    if (hwnd_ != nullptr && IsWindow(hwnd_)) {
        DestroyWindow(hwnd_);
    }
}

std::unique_ptr<ControlBinding> ControlBinding::For(const ControlDef& def) {
    switch (def.kind) {
        case ControlKind::OptionButton:
        case ControlKind::CheckBox:
        case ControlKind::CommandButton:
        case ControlKind::Frame:
            return MakeButtonBinding(def);
        case ControlKind::TextBox:
        case ControlKind::Label:
            return MakeTextBinding(def);
        case ControlKind::HotkeyBox:
            return MakeHotkeyBinding(def);
        case ControlKind::PictureBox:
            return MakePictureBinding(def);
        default:
            return nullptr;
    }
}

bool ControlBinding::Create(HWND parent, HINSTANCE instance, UINT id) {
    const NativeClass native = Class();
    hwnd_ =
        CreateWindowExW(native.exStyle, native.name, InitialText().c_str(),
                        WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | native.style, 0, 0, 0, 0, parent,
                        reinterpret_cast<HMENU>(static_cast<UINT_PTR>(id)), instance, nullptr);
    return hwnd_ != nullptr;
}

void ControlBinding::Place(UINT dpi, HFONT font) {
    const PixelBox box =
        ToPixelBox(def_.left, def_.top, def_.width, def_.height, static_cast<int>(dpi));
    SendMessageW(hwnd_, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    SetWindowPos(hwnd_, nullptr, box.x, box.y, box.width, box.height,
                 SWP_NOZORDER | SWP_NOACTIVATE);
}

void ControlBinding::Refresh(const ControlState& state) {
    if ((IsWindowEnabled(hwnd_) != FALSE) != state.enabled) {
        EnableWindow(hwnd_, state.enabled);
    }
    if ((IsWindowVisible(hwnd_) != FALSE) != state.visible) {
        ShowWindow(hwnd_, state.visible ? SW_SHOWNA : SW_HIDE);
    }
    Draw(state);
}

JsonObject ControlBinding::Describe() const {
    RECT box{};
    GetWindowRect(hwnd_, &box);
    JsonObject control = JsonBox(box);
    control.Add("enabled", IsWindowEnabled(hwnd_) != FALSE)
        .Add("visible", (GetWindowLongW(hwnd_, GWL_STYLE) & WS_VISIBLE) != 0);
    DescribeShown(control);
    return control;
}

std::wstring WindowText(HWND hwnd) {
    std::wstring text(static_cast<size_t>(GetWindowTextLengthW(hwnd)) + 1, L'\0');
    text.resize(
        static_cast<size_t>(GetWindowTextW(hwnd, text.data(), static_cast<int>(text.size()))));
    return text;
}

}  // namespace textmend
