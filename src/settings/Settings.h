#pragma once

#include <optional>

#include "engine/OptionSet.h"
#include "settings/Hotkey.h"
#include "settings/SettingsBackend.h"

namespace textmend {

// Reads the twelve keys and applies each readable text over options in place;
// what cannot be read keeps the value it had.
void LoadSettings(OptionSet& options, SettingsBackend& backend);

// Writes the twelve keys in their written forms ("True"/"False", "0"/"1"/"2").
void SaveSettings(const OptionSet& options, SettingsBackend& backend);

// The clean-and-paste hotkey, kept as a thirteenth key "hotkey" beside the twelve
// (settings/Hotkey.h gives its text). Empty, missing or unreadable means none.
std::optional<Hotkey> LoadHotkey(SettingsBackend& backend);
// Stores the combination's text, or the empty text for none.
void SaveHotkey(const std::optional<Hotkey>& hotkey, SettingsBackend& backend);

// The five later clean-ups (Remove invisible, Plain punctuation, Join split words, Trim
// line ends, Keep list items), kept after "hotkey" as the keys "invisible", "plainpunct",
// "joinwords", "trimspaces" and "keeplists" in the True/False form of "start". Reading
// applies each readable text over options; writing gives "False" for a grayed flag.
void LoadLaterCleanups(OptionSet& options, SettingsBackend& backend);
void SaveLaterCleanups(const OptionSet& options, SettingsBackend& backend);

}  // namespace textmend
