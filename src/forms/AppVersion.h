#pragma once

#include <string>

namespace textmend {

// The title every window and message box of the program carries.
inline constexpr const char* kAppTitle = "Textmend";

// The program's version as the windows show it: "major.minor.revision".
struct AppVersion {
    int major = 0;
    int minor = 0;
    int revision = 0;
};

inline std::string VersionText(const AppVersion& version) {
    return std::to_string(version.major) + "." + std::to_string(version.minor) + "." +
           std::to_string(version.revision);
}

}  // namespace textmend
