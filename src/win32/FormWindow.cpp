#include "win32/FormWindow.h"

#include <commctrl.h>

#include <algorithm>

#include "win32/AppIcons.h"
#include "win32/Dpi.h"
#include "win32/ResourceIds.h"
#include "win32/TextDisplay.h"
#include "win32/Utf.h"

namespace textmend {
namespace {

constexpr wchar_t kWindowClass[] = L"TextmendForm";
// Posted to describe the window to the widget probe once the queue has settled.
constexpr UINT kProbeMessage = WM_APP + 3;

struct ChildClass {
    const wchar_t* className;
    DWORD style;
    DWORD exStyle;
};

// The native control behind each kind. Option buttons and check boxes are the
// non-automatic kinds: a click only reports, and the form decides the new value.
bool ChildClassFor(const ControlSpec& spec, ChildClass& out) {
    switch (spec.kind) {
        case ControlKind::OptionButton:
            out = {WC_BUTTONW, BS_RADIOBUTTON | WS_TABSTOP, 0};
            return true;
        case ControlKind::CheckBox:
            out = {WC_BUTTONW, BS_3STATE | WS_TABSTOP, 0};
            return true;
        case ControlKind::CommandButton:
            out = {
                WC_BUTTONW,
                static_cast<DWORD>(spec.isDefault ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON) | WS_TABSTOP,
                0};
            return true;
        case ControlKind::TextBox:
            out = {WC_EDITW,
                   ES_MULTILINE | ES_AUTOVSCROLL | ES_WANTRETURN | WS_VSCROLL | WS_TABSTOP,
                   WS_EX_CLIENTEDGE};
            return true;
        case ControlKind::Label:
            out = {WC_STATICW, SS_LEFT | SS_NOPREFIX, 0};
            return true;
        case ControlKind::PictureBox:
            out = {WC_STATICW, SS_ICON | SS_REALSIZECONTROL, 0};
            return true;
        default:
            return false;
    }
}

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

}  // namespace

std::wstring WindowText(HWND hwnd) {
    std::wstring text(static_cast<size_t>(GetWindowTextLengthW(hwnd)) + 1, L'\0');
    text.resize(
        static_cast<size_t>(GetWindowTextW(hwnd, text.data(), static_cast<int>(text.size()))));
    return text;
}

WindowStyle FrameStyle(const FormSpec& layout) {
    if (layout.showInTaskbar) {
        DWORD style = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN;
        if (layout.minimizeButton) {
            style |= WS_MINIMIZEBOX;
        }
        if (layout.maximizeButton) {
            style |= WS_MAXIMIZEBOX;
        }
        return {style, 0};
    }
    return {WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN, WS_EX_DLGMODALFRAME};
}

FormWindow::FormWindow(HINSTANCE instance, const FormSpec& layout)
    : instance_(instance), layout_(layout) {}

FormWindow::~FormWindow() {
    if (hwnd_ != nullptr) {
        SetMenu(hwnd_, nullptr);  // the menus are FormMenus' to destroy
        SetWindowLongPtrW(hwnd_, GWLP_USERDATA, 0);
        DestroyWindow(hwnd_);
    }
    if (tooltip_ != nullptr) {
        DestroyWindow(tooltip_);
    }
    for (auto& [name, icon] : pictures_) {
        DestroyIcon(icon);
    }
    if (font_ != nullptr) {
        DeleteObject(font_);
    }
}

void FormWindow::RegisterWindowClass(HINSTANCE instance) {
    static bool registered = false;
    if (registered) {
        return;
    }
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof(windowClass);
    windowClass.lpfnWndProc = &FormWindow::WindowProc;
    windowClass.hInstance = instance;
    windowClass.hCursor = LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    windowClass.lpszClassName = kWindowClass;
    windowClass.hIcon = LoadAppIcon(instance, IDI_TEXTMEND, IconSize::Large, GetDpiForSystem());
    windowClass.hIconSm = LoadAppIcon(instance, IDI_TEXTMEND, IconSize::Small, GetDpiForSystem());
    RegisterClassExW(&windowClass);
    registered = true;
}

void FormWindow::Create(Form& form, HWND owner) {
    form_ = &form;
    RegisterWindowClass(instance_);
    menus_.Build(layout_);
    menus_.Sync(form);
    const WindowStyle frame = FrameStyle(layout_);
    shownCaption_ = Utf8ToWide(form.Caption());
    hwnd_ = CreateWindowExW(frame.exStyle, kWindowClass, shownCaption_.c_str(), frame.style,
                            CW_USEDEFAULT, CW_USEDEFAULT, 200, 200, owner,
                            menus_.Empty() ? nullptr : menus_.Bar(), instance_, this);
    if (hwnd_ == nullptr) {
        return;
    }
    CreateControls();
    CreateTooltips();
    ApplyDpi(GetDpiForWindow(hwnd_), nullptr);
    Refresh();
}

void FormWindow::CreateControls() {
    // Creation order is tab order: tab stops first by their index, the rest after.
    std::vector<size_t> order(layout_.controls.size());
    for (size_t i = 0; i < order.size(); ++i) {
        order[i] = i;
    }
    auto tabKey = [this](size_t i) {
        const int tab = layout_.controls[i].tabIndex;
        return tab < 0 ? 1 << 30 : tab;
    };
    std::stable_sort(order.begin(), order.end(),
                     [&](size_t a, size_t b) { return tabKey(a) < tabKey(b); });

    for (size_t index : order) {
        const ControlSpec& spec = layout_.controls[index];
        ChildClass childClass{};
        if (!ChildClassFor(spec, childClass)) {
            continue;
        }
        const std::wstring caption =
            spec.kind == ControlKind::Label ? std::wstring() : Utf8ToWide(spec.caption);
        HWND child = CreateWindowExW(
            childClass.exStyle, childClass.className, caption.c_str(),
            WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | childClass.style, 0, 0, 0, 0, hwnd_,
            reinterpret_cast<HMENU>(static_cast<UINT_PTR>(kFirstControlId + index)), instance_,
            nullptr);
        if (child == nullptr) {
            continue;
        }
        children_.push_back({&spec, child});
        if (spec.kind == ControlKind::PictureBox) {
            // A picture stays visible where the layout lets it overlap a neighbour;
            // being no tab stop, its place in the order changes no tabbing.
            SetWindowPos(child, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
        }
    }
}

void FormWindow::CreateTooltips() {
    tooltip_ =
        CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr,
                        WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX, CW_USEDEFAULT, CW_USEDEFAULT,
                        CW_USEDEFAULT, CW_USEDEFAULT, hwnd_, nullptr, instance_, nullptr);
    if (tooltip_ == nullptr) {
        return;
    }
    for (const Child& child : children_) {
        if (child.spec->tooltip.empty()) {
            continue;
        }
        std::wstring text = Utf8ToWide(child.spec->tooltip);
        TOOLINFOW tool{};
        tool.cbSize = sizeof(tool);
        tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
        tool.hwnd = hwnd_;
        tool.uId = reinterpret_cast<UINT_PTR>(child.hwnd);
        tool.lpszText = text.data();
        SendMessageW(tooltip_, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
    }
}

RECT FormWindow::OuterRectFor(UINT dpi) const {
    RECT rect{0, 0, TwipsToPixels(layout_.clientWidth, dpi),
              TwipsToPixels(layout_.clientHeight, dpi)};
    const WindowStyle frame = FrameStyle(layout_);
    AdjustWindowRectExForDpi(&rect, frame.style, GetMenu(hwnd_) != nullptr, frame.exStyle, dpi);
    return rect;
}

void FormWindow::ApplyDpi(UINT dpi, const RECT* suggested) {
    dpi_ = dpi == 0 ? USER_DEFAULT_SCREEN_DPI : dpi;
    SetWindowIcons(hwnd_, instance_, IDI_TEXTMEND, dpi_);
    HFONT oldFont = font_;
    font_ = CreateMessageFont(dpi_);
    const double shrink = FitCaptions(false);
    if (shrink < 1.0) {
        DeleteObject(font_);
        font_ = CreateMessageFont(dpi_, shrink);
    }
    for (const Child& child : children_) {
        const ControlSpec& spec = *child.spec;
        SendMessageW(child.hwnd, WM_SETFONT, reinterpret_cast<WPARAM>(font_), FALSE);
        SetWindowPos(child.hwnd, nullptr, TwipsToPixels(spec.left, dpi_),
                     TwipsToPixels(spec.top, dpi_), TwipsToPixels(spec.width, dpi_),
                     TwipsToPixels(spec.height, dpi_), SWP_NOZORDER | SWP_NOACTIVATE);
    }
    FitCaptions(true);
    if (tooltip_ != nullptr) {
        SendMessageW(tooltip_, WM_SETFONT, reinterpret_cast<WPARAM>(font_), FALSE);
    }
    if (oldFont != nullptr) {
        DeleteObject(oldFont);
    }
    LoadPictures();

    const RECT outer = OuterRectFor(dpi_);
    int width = outer.right - outer.left;
    int height = outer.bottom - outer.top;
    UINT flags = SWP_NOZORDER | SWP_NOACTIVATE;
    int x = 0;
    int y = 0;
    if (suggested != nullptr) {
        x = suggested->left;
        y = suggested->top;
    } else {
        flags |= SWP_NOMOVE;
    }
    SetWindowPos(hwnd_, nullptr, x, y, width, height, flags);
    // The frame may differ from its computed size (a menu bar that wraps onto a
    // second line, a frame not yet drawn at the new DPI): fit the client area exactly.
    RECT client{};
    GetClientRect(hwnd_, &client);
    const int missingWidth = TwipsToPixels(layout_.clientWidth, dpi_) - client.right;
    const int missingHeight = TwipsToPixels(layout_.clientHeight, dpi_) - client.bottom;
    if ((missingWidth != 0 || missingHeight != 0) && !IsIconic(hwnd_)) {
        width += missingWidth;
        height += missingHeight;
        SetWindowPos(hwnd_, nullptr, 0, 0, width, height,
                     SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOMOVE);
    }
    InvalidateRect(hwnd_, nullptr, TRUE);
}

// The layout's widths suit the font it was drawn with; the system's message font
// may be wider. A check box or option button whose caption would be cut off grows
// to the right, into the free room before its neighbour or the window's edge; when
// even that room is too small, the whole window's font shrinks just enough.
// Returns the factor by which the font must shrink (1 when everything fits).
double FormWindow::FitCaptions(bool resize) {
    HDC dc = GetDC(hwnd_);
    HGDIOBJ oldFont = SelectObject(dc, font_);
    const int clientRight = TwipsToPixels(layout_.clientWidth, dpi_);
    const int glyph =
        GetSystemMetricsForDpi(SM_CXMENUCHECK, dpi_) + 2 * GetSystemMetricsForDpi(SM_CXEDGE, dpi_);
    const int gap = TwipsToPixels(2 * kTwipsPerPixelAt96Dpi, dpi_);
    double shrink = 1.0;
    for (const Child& child : children_) {
        const ControlSpec& spec = *child.spec;
        if (spec.kind != ControlKind::CheckBox && spec.kind != ControlKind::OptionButton) {
            continue;
        }
        const std::wstring caption = Utf8ToWide(spec.caption);
        RECT text{0, 0, 0, 0};
        DrawTextW(dc, caption.c_str(), static_cast<int>(caption.size()), &text,
                  DT_CALCRECT | DT_SINGLELINE);
        const int textWidth = text.right - text.left;
        const int left = TwipsToPixels(spec.left, dpi_);
        const int needed = glyph + textWidth + gap;
        if (needed <= TwipsToPixels(spec.width, dpi_)) {
            continue;
        }
        int room = clientRight - gap;
        for (const Child& other : children_) {
            const ControlSpec& o = *other.spec;
            const bool overlapsRows = o.top < spec.top + spec.height && spec.top < o.top + o.height;
            if (&other != &child && overlapsRows && o.left > spec.left) {
                room = std::min(room, TwipsToPixels(o.left, dpi_) - gap);
            }
        }
        const int width = std::min(needed, room - left);
        if (width < needed && textWidth > 0) {
            shrink = std::min(shrink, static_cast<double>(width - glyph - gap) / textWidth);
        }
        if (resize) {
            SetWindowPos(child.hwnd, nullptr, 0, 0, width, TwipsToPixels(spec.height, dpi_),
                         SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
        }
    }
    SelectObject(dc, oldFont);
    ReleaseDC(hwnd_, dc);
    return shrink;
}

void FormWindow::LoadPictures() {
    for (const Child& child : children_) {
        const ControlSpec& spec = *child.spec;
        if (spec.kind != ControlKind::PictureBox || spec.picture == PictureContent::None) {
            continue;
        }
        const int resource = spec.picture == PictureContent::AutoprocessIcon
                                 ? IDI_TEXTMEND_AUTOPROCESS
                                 : IDI_TEXTMEND;
        auto icon = static_cast<HICON>(LoadImageW(instance_, MAKEINTRESOURCEW(resource), IMAGE_ICON,
                                                  TwipsToPixels(spec.width, dpi_),
                                                  TwipsToPixels(spec.height, dpi_), 0));
        SendMessageW(child.hwnd, STM_SETICON, reinterpret_cast<WPARAM>(icon), 0);
        auto old = pictures_.find(spec.name);
        if (old != pictures_.end()) {
            DestroyIcon(old->second);
            old->second = icon;
        } else {
            pictures_.emplace(std::string(spec.name), icon);
        }
    }
}

void FormWindow::Refresh() {
    if (form_ == nullptr || hwnd_ == nullptr) {
        return;
    }
    refreshing_ = true;
    const std::wstring caption = Utf8ToWide(form_->Caption());
    if (caption != shownCaption_) {
        SetWindowTextW(hwnd_, caption.c_str());
        shownCaption_ = caption;
    }
    for (const Child& child : children_) {
        if (const ControlState* state = form_->Control(child.spec->name)) {
            RefreshControl(child, *state);
        }
    }
    if (!menus_.Empty() && menus_.Sync(*form_)) {
        DrawMenuBar(hwnd_);
        if (!IsIconic(hwnd_)) {
            ApplyDpi(dpi_, nullptr);
        }
    }
    refreshing_ = false;
    ProbeSoon();
}

void FormWindow::RefreshControl(const Child& child, const ControlState& state) {
    if ((IsWindowEnabled(child.hwnd) != FALSE) != state.enabled) {
        EnableWindow(child.hwnd, state.enabled);
    }
    if ((IsWindowVisible(child.hwnd) != FALSE) != state.visible) {
        ShowWindow(child.hwnd, state.visible ? SW_SHOWNA : SW_HIDE);
    }
    switch (child.spec->kind) {
        case ControlKind::OptionButton:
        case ControlKind::CheckBox:
            SendMessageW(child.hwnd, BM_SETCHECK, CheckValue(state.value), 0);
            break;
        case ControlKind::TextBox:
        case ControlKind::Label: {
            const std::wstring text = Utf8ToWide(DisplayLineBreaks(state.text));
            if (text != WindowText(child.hwnd)) {
                SetWindowTextW(child.hwnd, text.c_str());
            }
            break;
        }
        default:
            break;
    }
}

void FormWindow::PaintLines(HDC dc) {
    const int width = std::max(1, TwipsToPixels(kTwipsPerPixelAt96Dpi, dpi_));
    for (const ControlSpec& spec : layout_.controls) {
        if (spec.kind != ControlKind::Line) {
            continue;
        }
        const COLORREF color =
            RGB((spec.color >> 16) & 0xFF, (spec.color >> 8) & 0xFF, spec.color & 0xFF);
        HPEN pen = CreatePen(PS_SOLID, width, color);
        HGDIOBJ old = SelectObject(dc, pen);
        MoveToEx(dc, TwipsToPixels(spec.left, dpi_), TwipsToPixels(spec.top, dpi_), nullptr);
        LineTo(dc, TwipsToPixels(spec.width, dpi_), TwipsToPixels(spec.height, dpi_));
        SelectObject(dc, old);
        DeleteObject(pen);
    }
}

void FormWindow::FocusControl(HWND control) {
    if (control == nullptr) {
        return;
    }
    SetFocus(control);
    if (SendMessageW(control, WM_GETDLGCODE, 0, 0) & DLGC_HASSETSEL) {
        SendMessageW(control, EM_SETSEL, 0, -1);
    }
}

// The option buttons are one group for the arrow keys, in their tab order,
// wherever the other controls stand between them. Moving the focus onto an
// option button reports a click on it, as a native group does.
bool FormWindow::MoveAmongOptions(const MSG& msg) {
    if (msg.message != WM_KEYDOWN || msg.hwnd == nullptr || GetParent(msg.hwnd) != hwnd_) {
        return false;
    }
    const bool forward = msg.wParam == VK_DOWN || msg.wParam == VK_RIGHT;
    const bool backward = msg.wParam == VK_UP || msg.wParam == VK_LEFT;
    if (!forward && !backward) {
        return false;
    }
    std::vector<HWND> options;
    size_t current = SIZE_MAX;
    for (const Child& child : children_) {  // children_ is in tab order
        if (child.spec->kind == ControlKind::OptionButton && IsWindowEnabled(child.hwnd) &&
            IsWindowVisible(child.hwnd)) {
            if (child.hwnd == msg.hwnd) {
                current = options.size();
            }
            options.push_back(child.hwnd);
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
        SendMessageW(hwnd_, WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(option), BN_CLICKED),
                     reinterpret_cast<LPARAM>(option));
    }
    return true;
}

void FormWindow::ProbeSoon() {
    if (probe_ != nullptr && probe_->Enabled() && !probePending_ && hwnd_ != nullptr) {
        probePending_ = PostMessageW(hwnd_, kProbeMessage, 0, 0) != FALSE;
    }
}

void FormWindow::DescribeToProbe() {
    if (probe_ != nullptr) {
        probe_->Set(std::string(layout_.name), Describe());
    }
}

JsonObject FormWindow::Describe() const {
    JsonObject controls;
    for (const Child& child : children_) {
        RECT box{};
        GetWindowRect(child.hwnd, &box);
        JsonObject control = JsonBox(box);
        control.Add("enabled", IsWindowEnabled(child.hwnd) != FALSE)
            .Add("visible", (GetWindowLongW(child.hwnd, GWL_STYLE) & WS_VISIBLE) != 0);
        switch (child.spec->kind) {
            case ControlKind::OptionButton:
            case ControlKind::CheckBox: {
                const LRESULT check = SendMessageW(child.hwnd, BM_GETCHECK, 0, 0);
                control.Add("value", check == BST_CHECKED ? 1 : check == BST_INDETERMINATE ? 2 : 0);
                break;
            }
            case ControlKind::TextBox:
            case ControlKind::Label:
            case ControlKind::CommandButton:
                control.Add("text", WideToUtf8(WindowText(child.hwnd)));
                break;
            default:
                break;
        }
        controls.Add(child.spec->name, control);
    }
    RECT frame{};
    GetWindowRect(hwnd_, &frame);
    JsonObject window;
    window.Add("caption", WideToUtf8(WindowText(hwnd_)))
        .Add("visible", IsWindowVisible(hwnd_) != FALSE)
        .Add("minimized", IsIconic(hwnd_) != FALSE)
        .Add("frame", JsonBox(frame))
        .Add("controls", controls);
    if (!menus_.Empty()) {
        window.Add("menus", menus_.Describe(hwnd_));
    }
    return window;
}

std::string_view FormWindow::NameOf(UINT id) const {
    if (id < kFirstControlId || id - kFirstControlId >= layout_.controls.size()) {
        return {};
    }
    return layout_.controls[id - kFirstControlId].name;
}

HWND FormWindow::ControlHwnd(std::string_view name) const {
    for (const Child& child : children_) {
        if (child.spec->name == name) {
            return child.hwnd;
        }
    }
    return nullptr;
}

void FormWindow::Show() {
    if (IsWindowVisible(hwnd_)) {
        return;
    }
    ShowWindow(hwnd_, pendingState_ == WindowState::Minimized ? SW_SHOWMINIMIZED : SW_SHOWNORMAL);
}

void FormWindow::Hide() {
    ShowWindow(hwnd_, SW_HIDE);
}

void FormWindow::SetState(WindowState state) {
    pendingState_ = state;
    if (IsWindowVisible(hwnd_)) {
        ShowWindow(hwnd_, state == WindowState::Minimized ? SW_MINIMIZE : SW_RESTORE);
    }
}

void FormWindow::SetForeground() {
    SetForegroundWindow(hwnd_);
}

void FormWindow::Move(double leftTwips, double topTwips) {
    SetWindowPos(hwnd_, nullptr, TwipsToPixels(leftTwips, dpi_), TwipsToPixels(topTwips, dpi_), 0,
                 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

TwipSize FormWindow::ScreenSize() {
    return {PixelsToTwips(GetSystemMetrics(SM_CXSCREEN), dpi_),
            PixelsToTwips(GetSystemMetrics(SM_CYSCREEN), dpi_)};
}

TwipSize FormWindow::OuterSize() {
    RECT rect{};
    if (IsIconic(hwnd_)) {
        WINDOWPLACEMENT placement{};
        placement.length = sizeof(placement);
        GetWindowPlacement(hwnd_, &placement);
        rect = placement.rcNormalPosition;
    } else {
        GetWindowRect(hwnd_, &rect);
    }
    return {PixelsToTwips(rect.right - rect.left, dpi_),
            PixelsToTwips(rect.bottom - rect.top, dpi_)};
}

void FormWindow::Repaint() {
    Refresh();
    RedrawWindow(hwnd_, nullptr, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN | RDW_UPDATENOW);
}

void FormWindow::OnCommand(std::string_view name, WORD notification) {
    if (notification == BN_CLICKED) {
        form_->Click(name);
        Refresh();
    }
}

LRESULT FormWindow::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_COMMAND: {
            const std::string_view name = NameOf(LOWORD(wParam));
            if (!name.empty() && !refreshing_) {
                OnCommand(name, HIWORD(wParam));
            }
            return 0;
        }
        case WM_DPICHANGED:
            ApplyDpi(HIWORD(wParam), reinterpret_cast<const RECT*>(lParam));
            return 0;
        case WM_PAINT: {
            PAINTSTRUCT paint;
            HDC dc = BeginPaint(hwnd_, &paint);
            PaintLines(dc);
            EndPaint(hwnd_, &paint);
            return 0;
        }
        case WM_CLOSE:
            OnClose();
            return 0;
        case WM_INITMENUPOPUP:
            menus_.SetOpen(reinterpret_cast<HMENU>(wParam), true);
            ProbeSoon();
            return DefWindowProcW(hwnd_, message, wParam, lParam);
        case WM_UNINITMENUPOPUP:
            menus_.SetOpen(reinterpret_cast<HMENU>(wParam), false);
            ProbeSoon();
            return DefWindowProcW(hwnd_, message, wParam, lParam);
        case WM_EXITMENULOOP:
            menus_.CloseAll();
            ProbeSoon();
            return DefWindowProcW(hwnd_, message, wParam, lParam);
        case WM_ENTERIDLE:  // an open menu is now on the screen
        case WM_WINDOWPOSCHANGED:
        case WM_SHOWWINDOW:
            ProbeSoon();
            return DefWindowProcW(hwnd_, message, wParam, lParam);
        case kProbeMessage:
            probePending_ = false;
            DescribeToProbe();
            return 0;
        case WM_NEXTDLGCTL: {
            // The dialog manager's Tab: an unselected option button is no stop,
            // so the option group is reached at its selected button.
            HWND next = LOWORD(lParam) != 0 ? reinterpret_cast<HWND>(wParam)
                                            : GetNextDlgTabItem(hwnd_, GetFocus(), wParam != 0);
            FocusControl(next);
            return 0;
        }
        case WM_ACTIVATE:
            if (LOWORD(wParam) == WA_INACTIVE) {
                HWND focus = GetFocus();
                if (focus != nullptr && GetParent(focus) == hwnd_) {
                    lastFocus_ = focus;
                }
            } else if (!IsIconic(hwnd_)) {
                FocusControl(lastFocus_ != nullptr && IsWindow(lastFocus_)
                                 ? lastFocus_
                                 : GetNextDlgTabItem(hwnd_, nullptr, FALSE));
            }
            return 0;
        default:
            return DefWindowProcW(hwnd_, message, wParam, lParam);
    }
}

LRESULT CALLBACK FormWindow::WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        auto* create = reinterpret_cast<CREATESTRUCTW*>(lParam);
        auto* window = static_cast<FormWindow*>(create->lpCreateParams);
        window->hwnd_ = hwnd;
        SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(window));
    }
    auto* window = reinterpret_cast<FormWindow*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    if (window == nullptr || window->form_ == nullptr) {
        return DefWindowProcW(hwnd, message, wParam, lParam);
    }
    return window->HandleMessage(message, wParam, lParam);
}

}  // namespace textmend
