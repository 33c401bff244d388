#include <array>

#include "forms/Layout.h"
#include "forms/LayoutBuilders.h"

namespace textmend {
namespace {

using namespace layout;

// Neither button answers Enter or Escape: both only close the dialog on a click.
constexpr auto kHelpControls = std::to_array<ControlDef>({
    Button("OKButton", "OK", 4680, 120, 1215, 375, 0),
    Button("CancelButton", "Cancel", 4680, 600, 1215, 375, 1),
    Box(ControlKind::Label, "lblText", "", 240, 240, 4215, 2655, 2),
});

constexpr std::uint32_t kWhite = 0xFFFFFF;
constexpr std::uint32_t kGrey = 0x808080;

// The two lines together draw one etched rule: grey with white just below it.
constexpr auto kAboutControls = std::to_array<ControlDef>({
    Button("cmdOK", "OK", 4245, 2985, 1260, 345, 0, true, true),
    Picture("picIcon", 240, 240, 540, 540, 1, PictureContent::NormalIcon),
    Button("cmdSysInfo", "&System Info...", 4260, 3435, 1245, 345, 2),
    Box(ControlKind::Label, "lblDescription",
        "Textmend will reformat the text stored in the system clipboard.", 1050, 1125, 3885, 1170,
        3),
    Box(ControlKind::Label, "lblDisclaimer",
        "Notice: this program is protected by copyright. Copying or passing it on, in whole or "
        "in part, without the author's permission is prohibited and may be prosecuted to the "
        "full extent of the law.",
        255, 2625, 3870, 1305, 4),
    Box(ControlKind::Label, "lblTitle", "", 1050, 240, 3885, 480, 5),
    Box(ControlKind::Label, "lblVersion", "", 1050, 780, 3885, 225, 6),
    Line("Line1(0)", 105, 2460, 5654, 2460, kWhite),
    Line("Line1(1)", 90, 2445, 5654, 2445, kGrey),
});

constexpr auto kHotkeyControls = std::to_array<ControlDef>({
    Box(ControlKind::Label, "lblExplain",
        "Press a key combination with Ctrl, Alt or Win. Pressed anywhere, it cleans the text "
        "on the clipboard and pastes it where you are typing.",
        120, 120, 4560, 615, -1),
    Box(ControlKind::HotkeyBox, "hkyHotkey", "", 120, 840, 3135, 315, 0),
    Button("cmdNone", "None", 3375, 840, 1305, 315, 1),
    Box(ControlKind::Label, "lblStatus", "", 120, 1260, 4560, 420, -1),
    Button("cmdOK", "OK", 2160, 1800, 1215, 375, 2, true),
    Button("cmdCancel", "Cancel", 3465, 1800, 1215, 375, 3, false, true),
});

}  // namespace

const FormDef& HelpLayout() {
    static const FormDef layout{
        .name = "frmHelp",
        .caption = "Textmend Help",
        .clientWidth = 6030,
        .clientHeight = 3195,
        .minimizeButton = false,
        .maximizeButton = false,
        .showInTaskbar = false,
        .controls = kHelpControls,
    };
    return layout;
}

const FormDef& AboutLayout() {
    static const FormDef layout{
        .name = "frmAbout",
        .caption = "About",
        .clientWidth = 5730,
        .clientHeight = 4080,
        .minimizeButton = false,
        .maximizeButton = false,
        .showInTaskbar = false,
        .controls = kAboutControls,
    };
    return layout;
}

const FormDef& HotkeyLayout() {
    static const FormDef layout{
        .name = "frmHotkey",
        .caption = "Clean and paste hotkey",
        .clientWidth = 4800,
        .clientHeight = 2295,
        .minimizeButton = false,
        .maximizeButton = false,
        .showInTaskbar = false,
        .controls = kHotkeyControls,
    };
    return layout;
}

}  // namespace textmend
