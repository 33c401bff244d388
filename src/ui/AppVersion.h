#pragma once

namespace textmend {

// The program's version as the windows show it: "major.minor.revision".
struct AppVersion {
    int major = 0;
    int minor = 0;
    int revision = 0;
};

}  // namespace textmend
