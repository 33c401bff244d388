#pragma once

#include <functional>
#include <string_view>

namespace textmend {

// Runs the handler of the event named event. Program::Guard is the one the
// program runs every event through: nothing a handler throws may cross a
// window procedure.
using EventGuard =
    std::function<void(std::string_view event, const std::function<void()>& handler)>;

}  // namespace textmend
