#pragma once

#include <cstdint>

namespace textmend {

// The case conversion chosen by the four option buttons. None arises only from
// stored settings (no case key reads true) and is processed like Cleanse.
enum class CaseMode : std::uint8_t { None, Cleanse, Upper, Lower, Proper };

// A check box's value. Grayed arises only from stored settings and counts as clear.
enum class CheckState : std::uint8_t { Clear = 0, Set = 1, Grayed = 2 };

inline constexpr bool IsSet(CheckState state) {
    return state == CheckState::Set;
}

// The processing options as the window's controls show them. A default-constructed
// OptionSet is the empty one: Cleanse and every flag clear. DefaultOptions() gives
// the values the window starts with when nothing is stored.
struct OptionSet {
    CaseMode caseMode = CaseMode::Cleanse;
    CheckState remgt = CheckState::Clear;       // Remove >'s
    CheckState dblspc = CheckState::Clear;      // No dbl spaces
    CheckState sentence = CheckState::Clear;    // Cap sentences
    CheckState noblanks = CheckState::Clear;    // No blank lines
    CheckState trimcr = CheckState::Clear;      // Trim end
    CheckState remcrs = CheckState::Clear;      // Remove returns
    CheckState remcrdbl = CheckState::Clear;    // Remove rtns 2X
    CheckState invisible = CheckState::Clear;   // Remove invisible
    CheckState plainpunct = CheckState::Clear;  // Plain punctuation
    CheckState joinwords = CheckState::Clear;   // Join split words
    CheckState trimspaces = CheckState::Clear;  // Trim line ends
    CheckState keeplists = CheckState::Clear;   // Keep list items (with Remove returns)
    bool start = false;                         // Start in taskbar
    bool autoprocess = false;                   // run-time switch, never stored

    friend bool operator==(const OptionSet&, const OptionSet&) = default;
};

inline OptionSet DefaultOptions() {
    OptionSet options;
    options.dblspc = CheckState::Set;
    options.noblanks = CheckState::Set;
    options.trimcr = CheckState::Set;
    return options;
}

}  // namespace textmend
