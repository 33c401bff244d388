#pragma once

#include "engine/OptionSet.h"
#include "SettingsBackend.h"

namespace textmend {

// Reads the twelve keys and applies each readable text over options in place;
// what cannot be read keeps the value it had.
void LoadSettings(OptionSet& options, SettingsBackend& backend);

// Writes the twelve keys in their written forms ("True"/"False", "0"/"1"/"2").
void SaveSettings(const OptionSet& options, SettingsBackend& backend);

}  // namespace textmend
