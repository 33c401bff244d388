#pragma once

// The program's version as its version resource states it.

#include <windows.h>

#include <cstdint>

#include "ui/AppVersion.h"

namespace textmend {

// FILEVERSION major, minor, build, revision as the two halves the resource keeps
// them in; the windows show major, minor and revision.
AppVersion AppVersionFromFileVersion(std::uint32_t versionMs, std::uint32_t versionLs);

// The version resource of module; the version compiled in when it has none.
AppVersion ReadAppVersion(HMODULE module);

}  // namespace textmend
