#pragma once

// Where a Linux desktop keeps a system-information program: on PATH, under one
// of a few well-known names.

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace textmend {

// The programs tried, best first.
const std::vector<std::string>& SysInfoProgramNames();

// The first name found as an executable file in a folder of searchPath (folders
// separated by ':', tried in order), as that folder joined with the name.
std::optional<std::string> FindOnPath(const std::vector<std::string>& names,
                                      std::string_view searchPath,
                                      const std::function<bool(const std::string&)>& isExecutable);

}  // namespace textmend
