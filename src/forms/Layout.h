#pragma once

// The single description of every window's controls and menus. Both front ends
// build their widgets from these tables and nothing else.

#include <cstdint>
#include <span>
#include <string_view>

namespace textmend {

enum class ControlKind : std::uint8_t {
    OptionButton,
    CheckBox,
    CommandButton,
    TextBox,    // several lines, vertical scroll bar
    HotkeyBox,  // shows a key combination and takes the next one the user presses
    Label,
    Frame,  // a captioned group around the controls that follow it in the table
    PictureBox,
    Line,
    Timer,
    Menu,       // a top-level menu (menu bar title, or the popup mnu_1)
    MenuItem,   // an item of the menu named by parent
    Separator,  // a separator line in the menu named by parent
};

enum class PictureContent : std::uint8_t { None, NormalIcon, AutoprocessIcon };

struct ControlDef {
    ControlKind kind;
    std::string_view name;
    std::string_view caption;                      // captions, label texts, menu captions
    int left = 0, top = 0, width = 0, height = 0;  // twips; for lines x1, y1, x2, y2
    int tabIndex = -1;                             // -1: not a tab stop
    std::string_view tooltip;
    bool enabled = true;      // design enabled state (timers: running)
    std::string_view parent;  // menus: the menu an item belongs to
    int intervalMs = 0;       // timers
    bool isDefault = false;   // the dialog's default button (Enter)
    bool isCancel = false;    // the dialog's cancel button (Escape)
    std::uint32_t color = 0;  // lines: 0xRRGGBB
    PictureContent picture = PictureContent::None;
};

struct FormDef {
    std::string_view name;
    std::string_view caption;       // the design caption
    int clientWidth, clientHeight;  // twips
    bool minimizeButton;
    bool maximizeButton;
    bool showInTaskbar;
    std::span<const ControlDef> controls;  // in the table's order; menus in menu order

    const ControlDef* Find(std::string_view controlName) const;
};

const FormDef& MainLayout();    // frmMain
const FormDef& HelpLayout();    // frmHelp
const FormDef& AboutLayout();   // frmAbout
const FormDef& HotkeyLayout();  // frmHotkey

// Every window of the program, the main window first.
std::span<const FormDef* const> AllLayouts();

}  // namespace textmend
