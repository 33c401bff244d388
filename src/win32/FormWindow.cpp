#include "win32/FormWindow.h"

#include <algorithm>

#include "forms/PixelGrid.h"
#include "win32/AppIcons.h"
#include "win32/AppMessages.h"
#include "win32/KeyboardFocus.h"
#include "win32/ResourceIds.h"
#include "win32/Utf.h"
#include "win32/WindowDescription.h"
#include "win32/WindowFont.h"

namespace textmend {
namespace {

constexpr wchar_t kWindowClass[] = L"TextmendForm";

int Pixels(double twips, UINT dpi) {
    return TwipsToPixels(twips, static_cast<int>(dpi));
}

}  // namespace

WindowStyle FrameStyle(const FormDef& layout) {
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

FormWindow::FormWindow(HINSTANCE instance, const FormDef& layout, WidgetProbe* probe)
    : instance_(instance), layout_(layout), probe_(probe) {}

FormWindow::~FormWindow() {
    controls_.clear();
    if (hwnd_ != nullptr) {
        SetMenu(hwnd_, nullptr);  // the menus are FormMenus' to destroy
        SetWindowLongPtrW(hwnd_, GWLP_USERDATA, 0);
        DestroyWindow(hwnd_);
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
    CreateFrame(owner);
    Attach(form);
}

void FormWindow::CreateFrame(HWND owner) {
    RegisterWindowClass(instance_);
    const WindowStyle frame = FrameStyle(layout_);
    hwnd_ = CreateWindowExW(frame.exStyle, kWindowClass, L"", frame.style, CW_USEDEFAULT,
                            CW_USEDEFAULT, 200, 200, owner, nullptr, instance_, this);
}

void FormWindow::Attach(Form& form) {
    if (hwnd_ == nullptr) {
        return;
    }
    form_ = &form;
    menus_.Build(layout_);
    menus_.Sync(form);
    if (!menus_.Empty()) {
        SetMenu(hwnd_, menus_.Bar());
    }
    shownCaption_ = Utf8ToWide(form.Caption());
    SetWindowTextW(hwnd_, shownCaption_.c_str());
    CreateControls();
    tooltips_.Create(hwnd_, instance_, controls_);
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
        std::unique_ptr<ControlBinding> control = ControlBinding::For(layout_.controls[index]);
        if (control != nullptr &&
            control->Create(hwnd_, instance_, kFirstControlId + static_cast<UINT>(index))) {
            controls_.push_back(std::move(control));
        }
    }
}

RECT FormWindow::OuterRectFor(UINT dpi) const {
    RECT rect{0, 0, Pixels(layout_.clientWidth, dpi), Pixels(layout_.clientHeight, dpi)};
    const WindowStyle frame = FrameStyle(layout_);
    AdjustWindowRectExForDpi(&rect, frame.style, GetMenu(hwnd_) != nullptr, frame.exStyle, dpi);
    return rect;
}

void FormWindow::ApplyDpi(UINT dpi, const RECT* suggested) {
    dpi_ = dpi == 0 ? USER_DEFAULT_SCREEN_DPI : dpi;
    SetWindowIcons(hwnd_, instance_, IDI_TEXTMEND, dpi_);
    HFONT oldFont = font_;
    font_ = CreateWindowFont(dpi_);
    for (const auto& control : controls_) {
        control->Place(dpi_, font_);
    }
    tooltips_.SetFont(font_);
    if (oldFont != nullptr) {
        DeleteObject(oldFont);
    }
    FitFrame(suggested);
    InvalidateRect(hwnd_, nullptr, TRUE);
}

void FormWindow::FitFrame(const RECT* suggested) {
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
    const int missingWidth = Pixels(layout_.clientWidth, dpi_) - client.right;
    const int missingHeight = Pixels(layout_.clientHeight, dpi_) - client.bottom;
    if ((missingWidth != 0 || missingHeight != 0) && !IsIconic(hwnd_)) {
        SetWindowPos(hwnd_, nullptr, 0, 0, width + missingWidth, height + missingHeight,
                     SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOMOVE);
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
    for (const auto& control : controls_) {
        if (const ControlState* state = form_->Control(control->def().name)) {
            control->Refresh(*state);
        }
    }
    if (!menus_.Empty() && menus_.Sync(*form_)) {
        DrawMenuBar(hwnd_);
        if (!IsIconic(hwnd_)) {
            FitFrame(nullptr);
        }
    }
    refreshing_ = false;
    ProbeSoon();
}

void FormWindow::PaintLines(HDC dc) {
    const int width = std::max(1, Pixels(kTwipsPerLayoutPixel, dpi_));
    for (const ControlDef& line : layout_.controls) {
        if (line.kind != ControlKind::Line) {
            continue;
        }
        const COLORREF color =
            RGB((line.color >> 16) & 0xFF, (line.color >> 8) & 0xFF, line.color & 0xFF);
        HPEN pen = CreatePen(PS_SOLID, width, color);
        HGDIOBJ old = SelectObject(dc, pen);
        // Lines keep their two end points in left, top, width and height.
        MoveToEx(dc, Pixels(line.left, dpi_), Pixels(line.top, dpi_), nullptr);
        LineTo(dc, Pixels(line.width, dpi_), Pixels(line.height, dpi_));
        SelectObject(dc, old);
        DeleteObject(pen);
    }
}

bool FormWindow::MoveAmongOptions(const MSG& msg) {
    return textmend::MoveAmongOptions(hwnd_, controls_, msg);
}

void FormWindow::ProbeSoon() {
    if (probe_ != nullptr && probe_->Enabled() && !probePending_ && hwnd_ != nullptr) {
        probePending_ = PostMessageW(hwnd_, kProbeMessage, 0, 0) != FALSE;
    }
}

void FormWindow::DescribeToProbe() {
    if (probe_ != nullptr) {
        probe_->Set(std::string(layout_.name), DescribeWindow(hwnd_, controls_, menus_));
    }
}

std::string_view FormWindow::NameOf(UINT id) const {
    if (id < kFirstControlId || id - kFirstControlId >= layout_.controls.size()) {
        return {};
    }
    return layout_.controls[id - kFirstControlId].name;
}

std::optional<std::string> FormWindow::EditedText(std::string_view name, WORD notification) {
    for (const auto& control : controls_) {
        if (control->def().name == name) {
            return control->TakeEdit(notification);
        }
    }
    return std::nullopt;
}

void FormWindow::OnCommand(std::string_view name, WORD notification) {
    if (notification == BN_CLICKED) {
        form_->Click(name);
        Refresh();
    }
}

// The focus leaves with the window and comes back to the control that had it.
void FormWindow::OnActivate(bool active) {
    if (!active) {
        HWND focus = GetFocus();
        if (focus != nullptr && GetParent(focus) == hwnd_) {
            lastFocus_ = focus;
        }
    } else if (!IsIconic(hwnd_)) {
        FocusControl(lastFocus_ != nullptr && IsWindow(lastFocus_)
                         ? lastFocus_
                         : NextTabStop(controls_, nullptr, false));
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
        case WM_INITMENUPOPUP: {
            const std::string_view menu = menus_.SetOpen(reinterpret_cast<HMENU>(wParam), true);
            if (!menu.empty()) {
                OnMenuOpening(menu);
            }
            ProbeSoon();
            return DefWindowProcW(hwnd_, message, wParam, lParam);
        }
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
            // The dialog manager's Tab, in the layout's tab order: a picture box
            // stands above its neighbours on the screen, wherever it is in the order.
            HWND next = LOWORD(lParam) != 0 ? reinterpret_cast<HWND>(wParam)
                                            : NextTabStop(controls_, GetFocus(), wParam != 0);
            FocusControl(next);
            return 0;
        }
        case WM_ACTIVATE:
            OnActivate(LOWORD(wParam) != WA_INACTIVE);
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
