// The layout table: what both front ends build their windows from.

#include <gtest/gtest.h>

#include <set>

#include "forms/Form.h"
#include "forms/Layout.h"

namespace textmend::testing {
namespace {

TEST(Layout, EveryNameIsUniqueWithinItsWindow) {
    for (const FormDef* form : {&MainLayout(), &HelpLayout(), &AboutLayout()}) {
        std::set<std::string_view> names;
        for (const ControlDef& control : form->controls) {
            EXPECT_TRUE(names.insert(control.name).second) << form->name << " " << control.name;
        }
    }
}

TEST(Layout, TabOrderOfTheMainWindowRunsFromZeroWithoutGaps) {
    std::set<int> tabs;
    for (const ControlDef& control : MainLayout().controls) {
        if (control.tabIndex >= 0) {
            EXPECT_TRUE(tabs.insert(control.tabIndex).second) << control.name;
        }
    }
    ASSERT_EQ(tabs.size(), 19u);
    EXPECT_EQ(*tabs.rbegin(), 18);
}

bool Inside(const ControlDef& inner, const ControlDef& outer) {
    return inner.left >= outer.left && inner.top >= outer.top &&
           inner.left + inner.width <= outer.left + outer.width &&
           inner.top + inner.height <= outer.top + outer.height;
}

// The window grows to hold what was added; a frame holds whatever it overlaps.
TEST(Layout, ControlsLieInsideTheWindowAndTheirFrames) {
    for (const FormDef* form : AllLayouts()) {
        ControlDef client{};
        client.width = form->clientWidth;
        client.height = form->clientHeight;
        for (const ControlDef& control : form->controls) {
            // Lines keep end points; timers and menus have no place.
            if (control.kind == ControlKind::Line || control.kind == ControlKind::Timer ||
                control.kind == ControlKind::Menu || control.kind == ControlKind::MenuItem ||
                control.kind == ControlKind::Separator) {
                continue;
            }
            EXPECT_TRUE(Inside(control, client)) << form->name << " " << control.name;
            for (const ControlDef& frame : form->controls) {
                const bool overlaps = control.left < frame.left + frame.width &&
                                      frame.left < control.left + control.width &&
                                      control.top < frame.top + frame.height &&
                                      frame.top < control.top + control.height;
                if (frame.kind == ControlKind::Frame && &frame != &control && overlaps) {
                    EXPECT_TRUE(Inside(control, frame)) << control.name << " in " << frame.name;
                }
            }
        }
    }
}

TEST(Layout, MenuItemsBelongToMenusOfTheTable) {
    const FormDef& main = MainLayout();
    for (const ControlDef& control : main.controls) {
        if (control.kind == ControlKind::MenuItem || control.kind == ControlKind::Separator) {
            const ControlDef* parent = main.Find(control.parent);
            ASSERT_NE(parent, nullptr) << control.name;
            EXPECT_EQ(parent->kind, ControlKind::Menu) << control.name;
        }
    }
}

TEST(Layout, ThePopupListsItsEntriesInOrder) {
    std::vector<std::string_view> popup;
    for (const ControlDef& control : MainLayout().controls) {
        if (control.parent == "mnu_1") {
            popup.push_back(control.name);
        }
    }
    const std::vector<std::string_view> expected = {"mnuPopStartintaskbar",
                                                    "mnuPopExit",
                                                    "separator",
                                                    "mnuClean",
                                                    "mnuUpper",
                                                    "mnuLower",
                                                    "mnuProper",
                                                    "sep2",
                                                    "mnuDblspc",
                                                    "mnuNoblanks",
                                                    "mnuTrimCR",
                                                    "mnuRemCRs",
                                                    "mnuRemCRdbl",
                                                    "mnuSentence",
                                                    "mnuRemGT",
                                                    "mnuInvisible",
                                                    "mnuPlainPunct",
                                                    "mnuJoinWords",
                                                    "mnuTrimSpaces",
                                                    "mnuKeepLists",
                                                    "sep3",
                                                    "mnuPopAutoprocess",
                                                    "mnuPopProcess",
                                                    "mnuPopRestoreOriginal"};
    EXPECT_EQ(popup, expected);
    EXPECT_EQ(MainLayout().Find("mnu_1")->caption, "invisible");
    EXPECT_EQ(MainLayout().Find("sep2")->kind, ControlKind::Separator);
}

TEST(Layout, TooltipsReadAsTheUserSeesThem) {
    struct Tip {
        const char* control;
        const char* tooltip;
    };
    const Tip tips[] = {
        {"optClean", "Remove text formatting only"},
        {"optUpper", "Convert all text to uppercase."},
        {"optLower", "Convert all text to lowercase"},
        {"chkDblspc", "Removes double spaces after periods"},
        {"chkNoblanks", "Removes blank lines"},
        {"chkTrimCR", "Eliminates blank lines at end"},
        {"chkRemCRs", "Removes hard returns"},
        {"chkSentence", "Capitalizes first letter in sentences"},
        {"chkRemGT", ""},
        {"chkRemCRdbl", "Peforms Remove returns twice"},
        {"cmdProcess", ""},
    };
    for (const Tip& tip : tips) {
        EXPECT_EQ(MainLayout().Find(tip.control)->tooltip, tip.tooltip) << tip.control;
    }
    EXPECT_TRUE(MainLayout().Find("optProper")->tooltip.starts_with("Convert "));
}

TEST(Layout, TimersCarryTheirIntervalsAndDesignStates) {
    const ControlDef* watch = MainLayout().Find("TimerClipwatch");
    const ControlDef* flash = MainLayout().Find("TimerFlash");
    ASSERT_TRUE(watch && flash);
    EXPECT_EQ(watch->intervalMs, 1000);
    EXPECT_TRUE(watch->enabled);
    EXPECT_EQ(flash->intervalMs, 500);
    EXPECT_FALSE(flash->enabled);
}

TEST(Layout, WindowsHaveTheirSizesAndButtons) {
    struct Window {
        const FormDef& form;
        std::string_view caption;
        int width, height;
        bool minimize, taskbar;
    };
    const Window windows[] = {
        {MainLayout(), "Textmend", 4995, 5055, true, true},
        {HelpLayout(), "Textmend Help", 6030, 3195, false, false},
        {AboutLayout(), "About", 5730, 4080, false, false},
    };
    for (const Window& w : windows) {
        EXPECT_EQ(w.form.caption, w.caption);
        EXPECT_EQ(w.form.clientWidth, w.width) << w.form.name;
        EXPECT_EQ(w.form.clientHeight, w.height) << w.form.name;
        EXPECT_EQ(w.form.minimizeButton, w.minimize) << w.form.name;
        EXPECT_FALSE(w.form.maximizeButton) << w.form.name;
        EXPECT_EQ(w.form.showInTaskbar, w.taskbar) << w.form.name;
    }
}

TEST(Layout, OnlyAboutsOkAnswersEnterAndEscape) {
    for (const FormDef* form : {&MainLayout(), &HelpLayout(), &AboutLayout()}) {
        for (const ControlDef& control : form->controls) {
            const bool ok = form == &AboutLayout() && control.name == "cmdOK";
            EXPECT_EQ(control.isDefault, ok) << control.name;
            EXPECT_EQ(control.isCancel, ok) << control.name;
        }
    }
}

TEST(Layout, AboutsRuleIsGreyWithWhiteBelowIt) {
    const ControlDef* white = AboutLayout().Find("Line1(0)");
    const ControlDef* grey = AboutLayout().Find("Line1(1)");
    ASSERT_TRUE(white && grey);
    EXPECT_EQ(white->color, 0xFFFFFFu);
    EXPECT_EQ(grey->color, 0x808080u);
    EXPECT_EQ(white->top, grey->top + 15);  // one pixel lower at 96 dpi
    EXPECT_EQ(AboutLayout().Find("cmdSysInfo")->caption, "&System Info...");
}

TEST(Layout, FindAnswersNullForAnUnknownName) {
    EXPECT_EQ(MainLayout().Find("cmdNothing"), nullptr);
    EXPECT_EQ(HelpLayout().Find("cmdOK"), nullptr);
}

// A form's run-time state starts from the table.
class PlainForm : public Form {
  public:
    PlainForm() : Form(AboutLayout()) {}
    bool Click(std::string_view) override { return false; }
};

TEST(FormState, StartsFromTheDesignAndGivesLabelsTheirCaption) {
    PlainForm form;
    EXPECT_EQ(form.Caption(), "About");
    EXPECT_EQ(form.Control("lblDescription")->text,
              "Textmend will reformat the text stored in the system clipboard.");
    EXPECT_TRUE(form.Control("cmdOK")->text.empty());
    EXPECT_TRUE(form.Control("cmdOK")->enabled);
    EXPECT_TRUE(form.Control("cmdOK")->visible);
    EXPECT_EQ(form.Control("nothing"), nullptr);
    EXPECT_FALSE(form.Unloaded());
}

}  // namespace
}  // namespace textmend::testing
