#pragma once

#include <string>

namespace textmend {

// The folder that holds the user's configuration: $XDG_CONFIG_HOME when it is
// absolute, else .config in the user's home. The home is $HOME, or the one the
// password database records when HOME is unset or empty, so that a program
// started without it never writes below the root folder.
std::string ConfigHome();

}  // namespace textmend
