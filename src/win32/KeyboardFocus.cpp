#include "win32/KeyboardFocus.h"

#include <algorithm>

namespace textmend {

void FocusControl(HWND control) {
    if (control == nullptr) {
        return;
    }
    SetFocus(control);
    if (SendMessageW(control, WM_GETDLGCODE, 0, 0) & DLGC_HASSETSEL) {
        SendMessageW(control, EM_SETSEL, 0, -1);
    }
}

HWND NextTabStop(const std::vector<std::unique_ptr<ControlBinding>>& controls, HWND current,
                 bool backward) {
    bool anySelected = false;
    for (const auto& control : controls) {
        anySelected =
            anySelected || (control->def().kind == ControlKind::OptionButton &&
                            SendMessageW(control->hwnd(), BM_GETCHECK, 0, 0) == BST_CHECKED);
    }
    std::vector<HWND> stops;
    bool optionSeen = false;
    for (const auto& control : controls) {
        HWND hwnd = control->hwnd();
        if ((GetWindowLongW(hwnd, GWL_STYLE) & WS_TABSTOP) == 0 || !IsWindowEnabled(hwnd) ||
            !IsWindowVisible(hwnd)) {
            continue;
        }
        if (control->def().kind == ControlKind::OptionButton) {
            const bool selected = SendMessageW(hwnd, BM_GETCHECK, 0, 0) == BST_CHECKED;
            if (anySelected ? !selected : optionSeen) {
                continue;
            }
            optionSeen = true;
        }
        stops.push_back(hwnd);
    }
    if (stops.empty()) {
        return nullptr;
    }
    const auto at = std::find(stops.begin(), stops.end(), current);
    if (at == stops.end()) {
        return backward ? stops.back() : stops.front();
    }
    const size_t index = static_cast<size_t>(at - stops.begin());
    const size_t count = stops.size();
    return stops[backward ? (index + count - 1) % count : (index + 1) % count];
}

bool MoveAmongOptions(HWND window, const std::vector<std::unique_ptr<ControlBinding>>& controls,
                      const MSG& msg) {
    if (msg.message != WM_KEYDOWN || msg.hwnd == nullptr || GetParent(msg.hwnd) != window) {
        return false;
    }
    const bool forward = msg.wParam == VK_DOWN || msg.wParam == VK_RIGHT;
    const bool backward = msg.wParam == VK_UP || msg.wParam == VK_LEFT;
    if (!forward && !backward) {
        return false;
    }
    std::vector<HWND> options;
    size_t current = SIZE_MAX;
    for (const auto& control : controls) {
        HWND hwnd = control->hwnd();
        if (control->def().kind == ControlKind::OptionButton && IsWindowEnabled(hwnd) &&
            IsWindowVisible(hwnd)) {
            if (hwnd == msg.hwnd) {
                current = options.size();
            }
            options.push_back(hwnd);
        }
    }
    if (current == SIZE_MAX) {
        return false;
    }
    const size_t count = options.size();
    const size_t next = forward ? (current + 1) % count : (current + count - 1) % count;
    HWND option = options[next];
    SetFocus(option);
    // Some button implementations report the click on a keyboard focus themselves.
    if (SendMessageW(option, BM_GETCHECK, 0, 0) != BST_CHECKED) {
        SendMessageW(window, WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(option), BN_CLICKED),
                     reinterpret_cast<LPARAM>(option));
    }
    return true;
}

}  // namespace textmend
