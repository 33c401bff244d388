#include <array>

#include "forms/Layout.h"
#include "forms/LayoutBuilders.h"

namespace textmend {
namespace {

using namespace layout;
using K = ControlKind;

// The controls left column first, then the timers, the menu bar in menu order
// and last the popup menu, which the window takes out of its menu bar at load.
// The options' values are the main window's to set: it starts them at the
// default options.
constexpr auto kMainControls = std::to_array<ControlDef>({
    Option("optClean", "Cleanse", 120, 120, 1335, 195, 4, "Remove text formatting only"),
    Option("optUpper", "UPPERCASE", 120, 360, 1455, 195, 0, "Convert all text to uppercase."),
    Option("optLower", "lowercase", 120, 600, 1455, 195, 3, "Convert all text to lowercase"),
    Option("optProper", "Proper Case", 120, 840, 1575, 192, 10,
           "Convert the first letter of every word to uppercase"),
    Check("chkDblspc", "No dbl spaces", 1680, 120, 1332, 195, 5,
          "Removes double spaces after periods"),
    Check("chkNoblanks", "No blank lines", 1680, 360, 1335, 195, 8, "Removes blank lines"),
    Check("chkTrimCR", "Trim end", 1680, 600, 1575, 195, 7, "Eliminates blank lines at end"),
    Check("chkRemCRs", "Remove returns", 1680, 1080, 1455, 195, 13, "Removes hard returns"),
    Check("chkSentence", "Cap sentences", 3240, 120, 1455, 195, 6,
          "Capitalizes first letter in sentences"),
    Check("chkRemGT", "Remove >'s", 3240, 360, 1455, 255, 11, ""),
    Check("chkRemCRdbl", "Remove rtns 2X", 3240, 1080, 1575, 195, 9,
          "Peforms Remove returns twice"),
    Button("cmdProcess", "Process", 120, 1440, 4692, 495, 1),
    Box(K::TextBox, "txtClipboard", "", 120, 2040, 4692, 1575, 2),
    Picture("Picture1", 3840, 3480, 255, 255, 12, PictureContent::AutoprocessIcon),
    // The clean-ups of today's text, below the rest so that nothing above moves.
    Frame("fraMore", "More clean-ups", 120, 3840, 4692, 1095),
    Check("chkInvisible", "Remove invisible", 240, 4080, 2175, 195, 14,
          "Removes zero-width, control and soft hyphen characters"),
    Check("chkPlainPunct", "Plain punctuation", 240, 4320, 2175, 195, 15,
          "Makes curly quotes, dashes and ellipses plain"),
    Check("chkJoinWords", "Join split words", 240, 4560, 2175, 195, 16,
          "Joins words hyphenated at line ends"),
    Check("chkTrimSpaces", "Trim line ends", 2520, 4080, 2175, 195, 17,
          "Removes spaces and tabs at line ends"),
    Check("chkKeepLists", "Keep list items", 2520, 4320, 2175, 195, 18,
          "Remove returns keeps list items on lines of their own"),
    Timer("TimerClipwatch", 1000, true),
    Timer("TimerFlash", 500, false),
    Timer("TimerTrayWatch", 2000, true),
    // While a hotkey press waits for its modifier keys to be let go.
    Timer("TimerHotkey", 25, false),

    Menu("mnuFile", "File"),
    Item("mnuFile", "mnuRestore", "Restore defaults"),
    Item("mnuFile", "mnuRestoreOriginal", "Restore original"),
    Item("mnuFile", "mnuExit", "Exit"),
    Menu("Options", "Options"),
    Item("Options", "mnuStartintaskbar", "Start in taskbar"),
    Item("Options", "mnuStartwithsystem", "Start with the system"),
    Item("Options", "mnuAutoprocess", "Autoprocess"),
    Separator("Options", "sepHotkey"),
    Item("Options", "mnuHotkey", "Clean and paste hotkey..."),
    Menu("mnuHelptitle", "Help"),
    Item("mnuHelptitle", "mnuHelp", "Help"),
    Item("mnuHelptitle", "mnuAbout", "About"),

    Menu("mnu_1", "invisible"),
    Item("mnu_1", "mnuPopStartintaskbar", "Start in taskbar"),
    Item("mnu_1", "mnuPopExit", "Exit"),
    Separator("mnu_1", "separator"),
    Item("mnu_1", "mnuClean", "Cleanse"),
    Item("mnu_1", "mnuUpper", "UPPERCASE"),
    Item("mnu_1", "mnuLower", "lowercase"),
    Item("mnu_1", "mnuProper", "Proper Case"),
    Separator("mnu_1", "sep2"),
    Item("mnu_1", "mnuDblspc", "No dbl spaces"),
    Item("mnu_1", "mnuNoblanks", "No blank lines"),
    Item("mnu_1", "mnuTrimCR", "Trim end"),
    Item("mnu_1", "mnuRemCRs", "Remove returns"),
    Item("mnu_1", "mnuRemCRdbl", "Remove rtns 2X"),
    Item("mnu_1", "mnuSentence", "Cap sentences"),
    Item("mnu_1", "mnuRemGT", "Remove >'s"),
    Item("mnu_1", "mnuInvisible", "Remove invisible"),
    Item("mnu_1", "mnuPlainPunct", "Plain punctuation"),
    Item("mnu_1", "mnuJoinWords", "Join split words"),
    Item("mnu_1", "mnuTrimSpaces", "Trim line ends"),
    Item("mnu_1", "mnuKeepLists", "Keep list items"),
    Separator("mnu_1", "sep3"),
    Item("mnu_1", "mnuPopAutoprocess", "Autoprocess"),
    Item("mnu_1", "mnuPopProcess", "Process"),
    Item("mnu_1", "mnuPopRestoreOriginal", "Restore original"),
});

}  // namespace

const FormDef& MainLayout() {
    static const FormDef layout{
        .name = "frmMain",
        .caption = "Textmend",
        .clientWidth = 4995,
        .clientHeight = 5055,
        .minimizeButton = true,
        .maximizeButton = false,
        .showInTaskbar = true,
        .controls = kMainControls,
    };
    return layout;
}

}  // namespace textmend
