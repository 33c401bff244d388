#pragma once

// The program's version as its version resource states it.

#include <windows.h>

#include <cstdint>
#include <optional>

#include "forms/AppVersion.h"

namespace textmend {

// FILEVERSION major, minor, build, revision as the two halves the resource keeps
// them in; the windows show major, minor and revision.
AppVersion AppVersionFromFileVersion(std::uint32_t versionMs, std::uint32_t versionLs);

// The version resource of module; nothing when it has none.
std::optional<AppVersion> ReadAppVersion(HMODULE module);

}  // namespace textmend
