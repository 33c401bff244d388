#pragma once

// The local socket the running program listens on for commands from another
// start of it, and the asking side of it.

#include <sys/types.h>
#include <chrono>
#include <optional>
#include <string>
#include <string_view>

namespace textmend {

// One socket per user and display: in runtimeDir ($XDG_RUNTIME_DIR, the user's
// own), else in /tmp with the user's id in the name. display: the X11 display
// (-display or $DISPLAY; its screen number is no part of it) or the Wayland one.
std::string InstanceSocketPath(std::string_view runtimeDir, std::string_view display, uid_t user);

// The arguments' -display NAME (or -display=NAME), else $DISPLAY, else
// $WAYLAND_DISPLAY: the display the toolkit is going to open.
std::string DisplayToOpen(int argc, const char* const argv[]);

// Sends request to the program listening at path and returns what it sent back
// up to its first line end, or up to when it closed or the deadline passed.
// Nothing when no program listens there (no socket, or one a crashed program
// left behind).
std::optional<std::string> AskRunningProgram(const std::string& path, const std::string& request,
                                             std::chrono::milliseconds deadline);

}  // namespace textmend
