// The native windows built from the layout tables: size, tab order, the
// non-automatic buttons, the menus and the dialogs' Enter and Escape.

#include <gtest/gtest.h>

#include <windows.h>
// after windows.h, which it needs
#include <commctrl.h>

#include <string>
#include <utility>
#include <vector>

#include "forms/Form.h"
#include "forms/Layout.h"
#include "forms/PixelGrid.h"
#include "settings/Hotkey.h"
#include "win32/DialogWindow.h"
#include "win32/FormWindow.h"
#include "win32/Program.h"
#include "win32/Utf.h"

namespace textmend {
namespace {

// A form that only records the clicks it is sent and lets the test set states.
class RecordingForm : public Form {
  public:
    using Form::Form;
    bool Click(std::string_view name) override {
        clicks.emplace_back(name);
        return true;
    }
    ControlState& Set(std::string_view name) { return State(name); }
    std::vector<std::string> clicks;
};

class TestWindow : public FormWindow {
  public:
    using FormWindow::FormWindow;
    using FormWindow::NameOf;
    int closes = 0;

  protected:
    void OnClose() override { ++closes; }
};

class MainFormWindowTest : public ::testing::Test {
  protected:
    void SetUp() override {
        form.Set("optClean").value = 1;  // as the main window starts
        window.Create(form, nullptr);
        ASSERT_NE(window.Hwnd(), nullptr);
        ASSERT_EQ(GetDpiForWindow(window.Hwnd()), 96u) << "the expectations are at 100 %";
    }

    HWND Control(std::string_view name) {
        for (HWND child = GetWindow(window.Hwnd(), GW_CHILD); child != nullptr;
             child = GetWindow(child, GW_HWNDNEXT)) {
            if (window.NameOf(static_cast<UINT>(GetDlgCtrlID(child))) == name) {
                return child;
            }
        }
        return nullptr;
    }

    RecordingForm form{MainLayout()};
    TestWindow window{GetModuleHandleW(nullptr), MainLayout()};
};

TEST_F(MainFormWindowTest, ClientAreaAndControlsSitWhereTheTwipsSay) {
    RECT client{};
    GetClientRect(window.Hwnd(), &client);
    EXPECT_EQ(client.right, 333);   // 4995 twips
    EXPECT_EQ(client.bottom, 337);  // 5055 twips

    const struct {
        const char* name;
        int left, top, height;
    } cases[] = {
        {"optClean", 8, 8, 13},         // 120, 120, height 195
        {"chkRemCRdbl", 216, 72, 13},   // 3240, 1080
        {"cmdProcess", 8, 96, 33},      // 120, 1440, height 495
        {"txtClipboard", 8, 136, 105},  // 120, 2040, height 1575
    };
    for (const auto& c : cases) {
        HWND control = Control(c.name);
        ASSERT_NE(control, nullptr) << c.name;
        RECT rect{};
        GetWindowRect(control, &rect);
        MapWindowPoints(nullptr, window.Hwnd(), reinterpret_cast<POINT*>(&rect), 2);
        EXPECT_EQ(rect.left, c.left) << c.name;
        EXPECT_EQ(rect.top, c.top) << c.name;
        EXPECT_EQ(rect.bottom - rect.top, c.height) << c.name;
    }
}

// Tab reaches the option group at its selected button only (Cleanse, index 4).
TEST_F(MainFormWindowTest, AMoveToADenserScreenLaysEverythingOutAgain) {
    RECT suggested{40, 30, 40 + 700, 30 + 600};
    SendMessageW(window.Hwnd(), WM_DPICHANGED, MAKEWPARAM(192, 192),
                 reinterpret_cast<LPARAM>(&suggested));
    RECT client{};
    GetClientRect(window.Hwnd(), &client);
    EXPECT_EQ(client.right, 666);   // 4995 twips at 192 dots per inch
    EXPECT_EQ(client.bottom, 674);  // 5055 twips
    RECT process{};
    GetWindowRect(Control("cmdProcess"), &process);
    MapWindowPoints(nullptr, window.Hwnd(), reinterpret_cast<POINT*>(&process), 2);
    EXPECT_EQ(process.left, 16);  // 120 twips
    EXPECT_EQ(process.top, 192);  // 1440 twips
    EXPECT_EQ(process.bottom - process.top, 66);
    RECT frame{};
    GetWindowRect(window.Hwnd(), &frame);
    EXPECT_EQ(frame.left, 40) << "placed where the system suggested";
    EXPECT_EQ(frame.top, 30);
}

TEST_F(MainFormWindowTest, TabbingFollowsTheTabIndexes) {
    const std::vector<std::string> expected = {
        "cmdProcess",    "txtClipboard", "optClean",      "chkDblspc",
        "chkSentence",   "chkTrimCR",    "chkNoblanks",   "chkRemCRdbl",
        "chkRemGT",      "Picture1",     "chkRemCRs",     "chkInvisible",
        "chkPlainPunct", "chkJoinWords", "chkTrimSpaces", "chkKeepLists"};
    ShowWindow(window.Hwnd(), SW_SHOWNORMAL);
    SetForegroundWindow(window.Hwnd());
    SetFocus(Control("cmdProcess"));
    std::vector<std::string> order;
    do {
        order.emplace_back(window.NameOf(static_cast<UINT>(GetDlgCtrlID(GetFocus()))));
        SendMessageW(window.Hwnd(), WM_NEXTDLGCTL, FALSE, FALSE);  // Tab
    } while (GetFocus() != Control("cmdProcess") && order.size() < 30);
    EXPECT_EQ(order, expected);
    SendMessageW(window.Hwnd(), WM_NEXTDLGCTL, TRUE, FALSE);  // Shift+Tab
    EXPECT_EQ(GetFocus(), Control("chkKeepLists")) << "backwards round to the last";
}

// At 100, 125, 150 and 200 %, every caption is drawn whole: its text in the
// control's own font, beside the box or circle with its edges, within the
// control's width as the layout sets it.
TEST_F(MainFormWindowTest, EveryCaptionShowsWholeAtEveryScale) {
    for (UINT dpi : {96u, 120u, 144u, 192u}) {
        RECT suggested{0, 0, 800, 800};
        SendMessageW(window.Hwnd(), WM_DPICHANGED, MAKEWPARAM(dpi, dpi),
                     reinterpret_cast<LPARAM>(&suggested));
        HDC dc = GetDC(window.Hwnd());
        for (const ControlDef& control : MainLayout().controls) {
            if (control.kind != ControlKind::CheckBox &&
                control.kind != ControlKind::OptionButton) {
                continue;
            }
            HWND box = Control(control.name);
            HGDIOBJ old =
                SelectObject(dc, reinterpret_cast<HFONT>(SendMessageW(box, WM_GETFONT, 0, 0)));
            const std::wstring caption = WindowText(box);
            SIZE text{};
            GetTextExtentPoint32W(dc, caption.c_str(), static_cast<int>(caption.size()), &text);
            SelectObject(dc, old);
            RECT client{};
            GetClientRect(box, &client);
            const int glyph = GetSystemMetricsForDpi(SM_CXMENUCHECK, dpi) +
                              2 * GetSystemMetricsForDpi(SM_CXEDGE, dpi);
            EXPECT_LE(glyph + text.cx, client.right) << control.name << " at " << dpi << " dpi";
            const PixelBox laidOut = ToPixelBox(control.left, control.top, control.width,
                                                control.height, static_cast<int>(dpi));
            EXPECT_EQ(client.right, laidOut.width) << control.name << " keeps its width";
        }
        ReleaseDC(window.Hwnd(), dc);
    }
}

TEST_F(MainFormWindowTest, ArrowKeysMoveAmongTheOptionButtonsInTheirTabOrder) {
    ShowWindow(window.Hwnd(), SW_SHOWNORMAL);
    SetForegroundWindow(window.Hwnd());
    // The options' tab indexes: optUpper 0, optLower 3, optClean 4, optProper 10.
    const struct {
        const char* from;
        WPARAM key;
        const char* to;
    } cases[] = {
        {"optClean", VK_DOWN, "optProper"},
        {"optProper", VK_RIGHT, "optUpper"},  // round to the first
        {"optUpper", VK_UP, "optProper"},
        {"optClean", VK_LEFT, "optLower"},
    };
    for (const auto& c : cases) {
        SetFocus(Control(c.from));
        form.clicks.clear();
        const MSG key{Control(c.from), WM_KEYDOWN, c.key, 0, 0, {}};
        EXPECT_TRUE(window.MoveAmongOptions(key)) << c.from;
        EXPECT_EQ(GetFocus(), Control(c.to)) << c.from << " to " << c.to;
        EXPECT_EQ(form.clicks, std::vector<std::string>{c.to}) << "the form selects it";
    }
    SetFocus(Control("chkDblspc"));
    const MSG onABox{Control("chkDblspc"), WM_KEYDOWN, VK_DOWN, 0, 0, {}};
    EXPECT_FALSE(window.MoveAmongOptions(onABox));
}

TEST_F(MainFormWindowTest, AClickOnABoxOnlyReportsIt) {
    HWND box = Control("chkRemCRs");
    ASSERT_EQ(SendMessageW(box, BM_GETCHECK, 0, 0), BST_UNCHECKED);
    SendMessageW(box, BM_CLICK, 0, 0);
    EXPECT_EQ(form.clicks, std::vector<std::string>{"chkRemCRs"});
    EXPECT_EQ(SendMessageW(box, BM_GETCHECK, 0, 0), BST_UNCHECKED) << "the form did not change it";

    HWND option = Control("optUpper");
    SendMessageW(option, BM_CLICK, 0, 0);
    EXPECT_EQ(form.clicks.back(), "optUpper");
    EXPECT_EQ(SendMessageW(option, BM_GETCHECK, 0, 0), BST_UNCHECKED);
    EXPECT_EQ(SendMessageW(Control("optClean"), BM_GETCHECK, 0, 0), BST_CHECKED);
}

TEST_F(MainFormWindowTest, EveryStateIsDrawnFromTheForm) {
    form.Set("chkTrimCR").value = 2;
    form.Set("chkDblspc").value = 0;
    form.Set("chkRemCRdbl").enabled = false;
    form.Set("txtClipboard").text = "first\rsecond\r\nthird \xE2\x9C\x93";
    window.Refresh();

    EXPECT_EQ(SendMessageW(Control("chkTrimCR"), BM_GETCHECK, 0, 0), BST_INDETERMINATE);
    EXPECT_EQ(SendMessageW(Control("chkDblspc"), BM_GETCHECK, 0, 0), BST_UNCHECKED);
    EXPECT_FALSE(IsWindowEnabled(Control("chkRemCRdbl")));
    HWND text = Control("txtClipboard");
    EXPECT_EQ(SendMessageW(text, EM_GETLINECOUNT, 0, 0), 3);
    EXPECT_EQ(WindowText(text), L"first\r\nsecond\r\nthird \u2713");
}

TEST_F(MainFormWindowTest, ThePopupLeavesTheMenuBarWhenTheFormHidesIt) {
    HMENU bar = GetMenu(window.Hwnd());
    ASSERT_EQ(GetMenuItemCount(bar), 4);
    form.Set("mnu_1").visible = false;
    window.Refresh();
    std::vector<std::wstring> titles;
    for (int i = 0; i < GetMenuItemCount(bar); ++i) {
        wchar_t title[32] = {};
        GetMenuStringW(bar, static_cast<UINT>(i), title, 32, MF_BYPOSITION);
        titles.emplace_back(title);
    }
    EXPECT_EQ(titles, (std::vector<std::wstring>{L"File", L"Options", L"Help"}));
    RECT client{};
    GetClientRect(window.Hwnd(), &client);
    EXPECT_EQ(client.bottom, 337);
}

TEST_F(MainFormWindowTest, MenuMarksFollowTheFormAndChoicesReachIt) {
    form.Set("mnuClean").value = 1;
    form.Set("mnuRemCRdbl").enabled = false;
    window.Refresh();
    HMENU popup = GetSubMenu(GetMenu(window.Hwnd()), 3);
    ASSERT_NE(popup, nullptr);
    // Cleanse is the fourth item, Remove rtns 2X the thirteenth (separators count).
    EXPECT_TRUE(GetMenuState(popup, 3, MF_BYPOSITION) & MF_CHECKED);
    EXPECT_FALSE(GetMenuState(popup, 4, MF_BYPOSITION) & MF_CHECKED);
    EXPECT_TRUE(GetMenuState(popup, 12, MF_BYPOSITION) & MF_GRAYED);

    HMENU file = GetSubMenu(GetMenu(window.Hwnd()), 0);
    SendMessageW(window.Hwnd(), WM_COMMAND, MAKEWPARAM(GetMenuItemID(file, 0), 0), 0);
    EXPECT_EQ(form.clicks, std::vector<std::string>{"mnuRestore"});
}

TEST_F(MainFormWindowTest, TheCaptionAndTheCloseBoxGoThroughTheForm) {
    EXPECT_EQ(WindowText(window.Hwnd()), L"Textmend");
    SendMessageW(window.Hwnd(), WM_CLOSE, 0, 0);
    EXPECT_EQ(window.closes, 1);
    EXPECT_TRUE(IsWindow(window.Hwnd())) << "closing is the form's decision";
}

TEST(FrameStyle, FixedBordersAndOnlyTheMainWindowMinimizes) {
    const WindowStyle main = FrameStyle(MainLayout());
    EXPECT_TRUE(main.style & WS_MINIMIZEBOX);
    EXPECT_FALSE(main.style & WS_MAXIMIZEBOX);
    EXPECT_FALSE(main.style & WS_THICKFRAME);
    for (const FormDef* dialog : {&HelpLayout(), &AboutLayout()}) {
        const WindowStyle style = FrameStyle(*dialog);
        EXPECT_FALSE(style.style & (WS_MINIMIZEBOX | WS_MAXIMIZEBOX | WS_THICKFRAME))
            << dialog->name;
        EXPECT_TRUE(style.style & WS_POPUP) << "owned, so no taskbar button: " << dialog->name;
        EXPECT_TRUE(style.exStyle & WS_EX_DLGMODALFRAME) << dialog->name;
    }
}

struct DialogCase {
    const FormDef& (*layout)();
    std::vector<std::string> afterEscape;
    std::vector<std::string> afterEnter;
};

TEST(DialogWindow, OnlyMarkedButtonsAnswerEnterAndEscape) {
    const DialogCase cases[] = {
        {&AboutLayout, {"cmdOK"}, {"cmdOK"}},
        {&HelpLayout, {}, {}},
        {&HotkeyLayout, {"cmdCancel"}, {"cmdOK"}},
    };
    for (const DialogCase& c : cases) {
        RecordingForm form(c.layout());
        int unloads = 0;
        DialogWindow window(
            GetModuleHandleW(nullptr), c.layout(), [&] { ++unloads; }, &Program::Guard);
        window.Create(form, nullptr);
        ASSERT_NE(window.Hwnd(), nullptr);
        SendMessageW(window.Hwnd(), WM_COMMAND, IDCANCEL, 0);
        EXPECT_EQ(form.clicks, c.afterEscape) << c.layout().name;
        form.clicks.clear();
        SendMessageW(window.Hwnd(), WM_COMMAND, IDOK, 0);
        EXPECT_EQ(form.clicks, c.afterEnter) << c.layout().name;
        SendMessageW(window.Hwnd(), WM_CLOSE, 0, 0);
        EXPECT_EQ(unloads, 1) << c.layout().name;
    }
}

TEST(DialogWindow, TheDefaultButtonIsTheLayouts) {
    RecordingForm about(AboutLayout());
    DialogWindow window(
        GetModuleHandleW(nullptr), AboutLayout(), [] {}, &Program::Guard);
    window.Create(about, nullptr);
    const LRESULT answer = SendMessageW(window.Hwnd(), DM_GETDEFID, 0, 0);
    ASSERT_EQ(HIWORD(answer), DC_HASDEFID);
    wchar_t caption[16] = {};
    GetWindowTextW(GetDlgItem(window.Hwnd(), LOWORD(answer)), caption, 16);
    EXPECT_STREQ(caption, L"OK");
}

// Takes every change the user makes, as the dialogs' forms do, and keeps a list.
class EditingForm : public RecordingForm {
  public:
    using RecordingForm::RecordingForm;
    void Change(std::string_view name, const std::string& text) override {
        edits.emplace_back(name, text);
        Form::Change(name, text);
    }
    std::vector<std::pair<std::string, std::string>> edits;
};

TEST(DialogWindow, TheKeyBoxShowsTheFormsCombinationAndReportsTheNext) {
    const INITCOMMONCONTROLSEX classes{sizeof(classes), ICC_HOTKEY_CLASS};
    InitCommonControlsEx(&classes);
    EditingForm form(HotkeyLayout());
    form.Set("hkyHotkey").text = "Ctrl+Alt+V";
    DialogWindow window(
        GetModuleHandleW(nullptr), HotkeyLayout(), [] {}, &Program::Guard);
    window.Create(form, nullptr);
    HWND box = FindWindowExW(window.Hwnd(), nullptr, HOTKEY_CLASSW, nullptr);
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(SendMessageW(box, HKM_GETHOTKEY, 0, 0), MAKEWORD('V', HOTKEYF_CONTROL | HOTKEYF_ALT));

    // What the user presses, as the control reports it.
    auto press = [&](WORD value) {
        SendMessageW(box, HKM_SETHOTKEY, value, 0);
        SendMessageW(window.Hwnd(), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(box), EN_CHANGE),
                     reinterpret_cast<LPARAM>(box));
    };
    press(MAKEWORD(VK_F5, HOTKEYF_CONTROL | HOTKEYF_SHIFT));
    ASSERT_EQ(form.edits.size(), 1u);
    EXPECT_EQ(form.edits[0], (std::pair<std::string, std::string>{"hkyHotkey", "Ctrl+Shift+F5"}));

    // A key without a name stays on show, though the form's text names nothing.
    const WORD unnamed = MAKEWORD(VK_OEM_1, HOTKEYF_CONTROL);
    press(unnamed);
    EXPECT_FALSE(ParseHotkey(form.Control("hkyHotkey")->text));
    EXPECT_EQ(SendMessageW(box, HKM_GETHOTKEY, 0, 0), unnamed);

    form.Set("hkyHotkey").text = "";
    window.Refresh();
    EXPECT_EQ(SendMessageW(box, HKM_GETHOTKEY, 0, 0), 0) << "None";
}

}  // namespace
}  // namespace textmend
