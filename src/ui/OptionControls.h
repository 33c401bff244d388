#pragma once

// Which control and which popup item show each option, and where the option
// lives in an OptionSet.

#include <array>
#include <string_view>

#include "engine/OptionSet.h"

namespace textmend {

struct CaseControl {
    std::string_view option;  // the option button
    std::string_view item;    // its popup item
    CaseMode mode;
};

// In the order the popup lists them.
inline constexpr std::array<CaseControl, 4> kCaseControls = {{
    {"optClean", "mnuClean", CaseMode::Cleanse},
    {"optUpper", "mnuUpper", CaseMode::Upper},
    {"optLower", "mnuLower", CaseMode::Lower},
    {"optProper", "mnuProper", CaseMode::Proper},
}};

struct FlagControl {
    std::string_view box;   // the check box
    std::string_view item;  // its popup item
    CheckState OptionSet::*flag;
};

// In the order the popup lists them.
inline constexpr std::array<FlagControl, 12> kFlagControls = {{
    {"chkDblspc", "mnuDblspc", &OptionSet::dblspc},
    {"chkNoblanks", "mnuNoblanks", &OptionSet::noblanks},
    {"chkTrimCR", "mnuTrimCR", &OptionSet::trimcr},
    {"chkRemCRs", "mnuRemCRs", &OptionSet::remcrs},
    {"chkRemCRdbl", "mnuRemCRdbl", &OptionSet::remcrdbl},
    {"chkSentence", "mnuSentence", &OptionSet::sentence},
    {"chkRemGT", "mnuRemGT", &OptionSet::remgt},
    {"chkInvisible", "mnuInvisible", &OptionSet::invisible},
    {"chkPlainPunct", "mnuPlainPunct", &OptionSet::plainpunct},
    {"chkJoinWords", "mnuJoinWords", &OptionSet::joinwords},
    {"chkTrimSpaces", "mnuTrimSpaces", &OptionSet::trimspaces},
    {"chkKeepLists", "mnuKeepLists", &OptionSet::keeplists},
}};

// The clean-ups that change only what Remove returns does.
inline constexpr std::array<FlagControl, 2> kRemoveReturnsRefinements = {{
    {"chkRemCRdbl", "mnuRemCRdbl", &OptionSet::remcrdbl},
    {"chkKeepLists", "mnuKeepLists", &OptionSet::keeplists},
}};

// The case option that the option button or popup item named stands for.
inline const CaseControl* FindCaseControl(std::string_view name) {
    for (const CaseControl& control : kCaseControls) {
        if (control.option == name || control.item == name) {
            return &control;
        }
    }
    return nullptr;
}

// The clean-up option that the check box or popup item named stands for.
inline const FlagControl* FindFlagControl(std::string_view name) {
    for (const FlagControl& control : kFlagControls) {
        if (control.box == name || control.item == name) {
            return &control;
        }
    }
    return nullptr;
}

}  // namespace textmend
