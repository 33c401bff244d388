#pragma once

#include <functional>
#include <string_view>

namespace textmend {

// How a window hands one event to the program: the event's name, and the call
// that routes it into the core.
using Dispatch = std::function<void(std::string_view event, const std::function<void()>& call)>;

}  // namespace textmend
