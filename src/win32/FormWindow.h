#pragma once

// One top-level window built from a form's layout table: its controls (one
// binding each), their tooltips and the menus, placed in twips at the window's
// DPI. It draws everything from the form's state and hands every click to the
// form; it decides nothing itself.

#include <windows.h>

#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "forms/Form.h"
#include "win32/ControlBinding.h"
#include "win32/FormMenus.h"
#include "win32/Tooltips.h"
#include "win32/WidgetProbe.h"

namespace textmend {

struct WindowStyle {
    DWORD style = 0;
    DWORD exStyle = 0;
};

// The style of a form's frame: a fixed border, with a minimize box when the form
// has one; forms without a taskbar button are owned popups.
WindowStyle FrameStyle(const FormDef& layout);

class FormWindow {
  public:
    // probe, when given, is told the window's description whenever it changes.
    FormWindow(HINSTANCE instance, const FormDef& layout, WidgetProbe* probe = nullptr);
    virtual ~FormWindow();
    FormWindow(const FormWindow&) = delete;
    FormWindow& operator=(const FormWindow&) = delete;

    // Creates the window, hidden, with every control at the window's DPI.
    void Create(Form& form, HWND owner);
    // The same in two steps, for a window whose handle its form's services need
    // before the form exists: the bare frame first, the form's controls later.
    void CreateFrame(HWND owner);
    void Attach(Form& form);
    HWND Hwnd() const { return hwnd_; }
    UINT Dpi() const { return dpi_; }
    Form& form() { return *form_; }

    // Brings every widget up to date with the form's state.
    void Refresh();

    // Keyboard handling the message loop runs before the dialog manager's:
    // the arrow keys move among the option buttons. True when msg was used.
    bool MoveAmongOptions(const MSG& msg);

  protected:
    virtual LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);
    // A click on a control or a choice of a menu item, by its layout name.
    virtual void OnCommand(std::string_view name, WORD notification);
    // The close box or the system's close.
    virtual void OnClose() = 0;
    // A top-level menu of the layout is about to open.
    virtual void OnMenuOpening(std::string_view) {}
    // Writes this window's description (and whatever else the window adds) to the probe.
    virtual void DescribeToProbe();
    // Asks for DescribeToProbe once the messages queued now have been handled.
    void ProbeSoon();
    WidgetProbe* probe() const { return probe_; }

    FormMenus& menus() { return menus_; }
    // The layout name behind a command or control identifier; empty when none.
    std::string_view NameOf(UINT id) const;
    // The text the user changed a control to, when notification reports it.
    std::optional<std::string> EditedText(std::string_view name, WORD notification);

  private:
    static LRESULT CALLBACK WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    static void RegisterWindowClass(HINSTANCE instance);

    void CreateControls();
    void ApplyDpi(UINT dpi, const RECT* suggested);
    void FitFrame(const RECT* suggested);
    void PaintLines(HDC dc);
    void OnActivate(bool active);
    RECT OuterRectFor(UINT dpi) const;

    HINSTANCE instance_;
    const FormDef& layout_;
    Form* form_ = nullptr;
    HWND hwnd_ = nullptr;
    HWND lastFocus_ = nullptr;
    WidgetProbe* probe_ = nullptr;
    bool probePending_ = false;
    HFONT font_ = nullptr;
    UINT dpi_ = USER_DEFAULT_SCREEN_DPI;
    std::vector<std::unique_ptr<ControlBinding>> controls_;  // in tab order
    Tooltips tooltips_;
    std::wstring shownCaption_;
    bool refreshing_ = false;
    FormMenus menus_;
};

}  // namespace textmend
